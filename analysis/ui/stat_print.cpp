#include "analysis/ui/stat_print.h"

#include "analysis/ui/print/stat_pages.h"
#include "core/texts.h"
#include "profile/ui/print_job.h"

void printStatChart(QWidget* parent, const kelp::StatResult& r, const std::string& logbookPath) {
  kelp::print::StatPages pages(r, logbookPath, kelp::todayDayNumber());
  PrintJob(pages, parent).print();
}
