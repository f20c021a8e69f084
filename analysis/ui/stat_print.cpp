#include "analysis/ui/stat_print.h"

void printStatChart(QWidget* /*parent*/, const kelp::StatResult& /*r*/) {}
