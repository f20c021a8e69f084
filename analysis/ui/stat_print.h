#pragma once
// Printing of a statistics chart (print kind 7).
#include <QRect>

#include "analysis/stat_charts.h"

class QPainter;
class QWidget;

// Prints the chart through the print job; nothing happens when printing is cancelled.
void printStatChart(QWidget* parent, const kelp::StatResult& r);
