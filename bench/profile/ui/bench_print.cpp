// Printing the logbook's pages: one dive page with two profiles, one dive list page, and a
// whole 120-dive logbook into a PDF file (what "kelp-cli print" and a print run do).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "core/demo_logbook.h"
#include "core/logbook.h"
#include "core/texts.h"
#include "profile/ui/print/logbook_pages.h"

namespace {

using namespace kelp;
using namespace kelp::print;

const Logbook& demo() {
  static const Logbook lb = makeDemoLogbook(120, 7);
  return lb;
}

// One A4 page at the print resolution.
QImage page() {
  QImage img(2000, 2870, QImage::Format_RGB32);
  img.setDotsPerMeterX(10000);
  img.setDotsPerMeterY(10000);
  return img;
}

void paintPages(benchmark::State& state, PrintMode mode) {
  LogbookPages pages(demo(), mode, SlotOption::Complete, PrintRange{1, demo().diveCount()}, true,
                     todayDayNumber());
  QImage img = page();
  for (auto _ : state) {
    img.fill(Qt::white);
    QPainter p(&img);
    pages.paintPage(p, PageArea{2000, 2870}, 1);
  }
}

void BM_PaintDivePage(benchmark::State& state) { paintPages(state, PrintMode::Dives); }
BENCHMARK(BM_PaintDivePage)->Unit(benchmark::kMillisecond);

void BM_PaintListPage(benchmark::State& state) { paintPages(state, PrintMode::List); }
BENCHMARK(BM_PaintListPage)->Unit(benchmark::kMillisecond);

void BM_WholeLogbookToPdf(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string file = dir.filePath(QStringLiteral("logbook.pdf")).toStdString();
  for (auto _ : state) {
    LogbookPages pages(demo(), PrintMode::Dives, SlotOption::Complete, PrintRange{1, demo().diveCount()},
                       true, todayDayNumber());
    if (!writePdf(pages, file).ok) state.SkipWithError("not written");
  }
  state.SetLabel("60 pages");
}
BENCHMARK(BM_WholeLogbookToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

