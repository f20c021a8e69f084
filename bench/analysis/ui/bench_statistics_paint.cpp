// Painting each statistics chart over the largest logbook (32,767 dives) into the
// window's pixmap, as the chart window does after every computation. One frame is 16 ms.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "analysis/stat_charts.h"
#include "analysis/ui/stat_chart_dlg.h"
#include "analysis/ui/stat_chart_view.h"
#include "core/demo_logbook.h"
#include "core/logbook.h"
#include "core/settings.h"

namespace {

const kelp::Logbook& fullLogbook() {
  static const kelp::Logbook lb = kelp::makeDemoLogbook(kelp::MAX_DIVES, 7);
  return lb;
}

void BM_PaintChart(benchmark::State& state) {
  const int chart = static_cast<int>(state.range(0));
  kelp::StatOptions o;
  o.view = static_cast<int>(state.range(1));
  const kelp::StatResult r = kelp::computeStatistics(fullLogbook(), chart, o);
  const int shown = statVisibleRows(chart, r.rowCount);
  const int first = r.rowCount - shown;
  QImage img(720, 560, QImage::Format_ARGB32_Premultiplied);
  const QFont font = QGuiApplication::font();
  for (auto _ : state) {
    QPainter p(&img);
    p.setFont(font);
    CStatChartView::paintTable(p, img.rect(), r, first, shown, kelp::settings().statisticsColors,
                               std::max(18, QFontMetrics(font).height() + 4));
  }
  state.SetLabel(std::string(kelp::chartName(chart)) + " view " + std::to_string(o.view));
}
BENCHMARK(BM_PaintChart)
    ->ArgsProduct({benchmark::CreateDenseRange(0, kelp::kStatChartCount - 1, 1), {0}})
    ->ArgsProduct({{kelp::kChartActivity}, {2}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

