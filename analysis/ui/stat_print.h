#pragma once
// Printing of a statistics chart (print kind 7) through the print job: the system print
// dialog, then the pages; nothing happens when it is cancelled.
#include <string>

#include "analysis/stat_charts.h"

class QWidget;

void printStatChart(QWidget* parent, const kelp::StatResult& r, const std::string& logbookPath);
