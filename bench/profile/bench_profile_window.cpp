// The profile window's responsiveness on a full 635-sample dive: one mouse move over the
// graph (crosshair, bars, gauges and cursor texts, painted) against a full repaint (graph
// and strip drawn again, every control painted). The graph must never be drawn again on
// a mouse move; the benchmark counts its pictures to show it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include <vector>

#include "app/ui/kelp_doc.h"
#include "core/demo_logbook.h"
#include "core/settings.h"
#include "profile/ui/profile_graph.h"
#include "profile/ui/profile_wnd.h"
#include "tests/profile/profile_test_util.h"

namespace {

QApplication& app() {
  static QTemporaryDir config;
  static int argc = 1;
  static char name[] = "bench_profile";
  static char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("KELP_CONFIG_DIR", config.path().toLocal8Bit());
  static QApplication a(argc, argv);
  return a;
}

// A dive of an air-integrated computer whose readings fill all 635 samples.
kelp::DiveRecord fullDive() {
  kelp::RawProfileInput in;
  for (int i = 0; i < 640; ++i) {
    const double t = i / 640.0;
    in.depths.push_back(std::min(40.0, 120 * t) * (t < 0.9 ? 1.0 : (1 - t) * 10) + 2 * std::sin(i * 0.3));
    in.flags.push_back(static_cast<uint8_t>((i % 50 == 0 ? 0x04 : 0) | (i > 400 && i < 450 ? 0x01 : 0) | 0x20));
  }
  for (int g = 0; g < 214; ++g) in.groupBytes.push_back(static_cast<uint8_t>(0x20 | ((g / 10) % 2) << 3 | (g % 7)));
  kelp::DiveRecord r = kelp::makeRecord();
  r.date = 150000;
  r.timeOfDay = 600;
  r.computerType = 68;
  r.tankSize = 1500;
  r.airConsumed = 18000;
  r.maxDepth = 4200;
  r.diveTime = 212;
  kelp::storeRawProfile(r, kelp::encodeRawProfile(in), false);
  kelp::expandProfile(r, false);
  return r;
}

struct Window {
  CKelpDoc doc;
  std::unique_ptr<CProfileWnd> wnd;
  Window() {
    app();
    kelp::settings().profileColors = testutil::windowTestColors();
    kelp::settings().dataWindow = 1;
    doc.logbook().assignDives({fullDive()});
    doc.logbook().currentPosition = 1;
    wnd = std::make_unique<CProfileWnd>(doc);
    wnd->resize(1200, 760);
    wnd->show();
    QApplication::processEvents();
    wnd->repaint();
  }
};

void BM_MouseMoveUpdate(benchmark::State& state) {
  Window w;
  if (w.wnd->dive().sampleCount != 635) state.SkipWithError("the dive does not fill 635 samples");
  CGraphArea* graph = w.wnd->graph();
  const QRect t = graph->crossHair().trackRect();
  const int rendersBefore = graph->renderCount();
  int x = 0;
  for (auto _ : state) {
    x = (x + 37) % t.width();
    const QPoint p(t.left() + x, t.top() + (x * 7) % t.height());
    QMouseEvent move(QEvent::MouseMove, p, graph->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(graph, &move);
    QApplication::processEvents();  // the paints the move asked for
  }
  state.counters["graph_redraws"] = graph->renderCount() - rendersBefore;
}
BENCHMARK(BM_MouseMoveUpdate)->Unit(benchmark::kMillisecond);

void BM_FullRepaint(benchmark::State& state) {
  Window w;
  for (auto _ : state) {
    w.wnd->graph()->invalidate();
    w.wnd->strip()->invalidate();
    w.wnd->repaint();
  }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

// The graph picture alone, as a resize or a new dive draws it.
void BM_GraphPicture(benchmark::State& state) {
  app();
  const kelp::DiveRecord r = fullDive();
  QImage img(1000, 520, QImage::Format_RGB32);
  kelp::GraphOptions o;
  for (auto _ : state) {
    QPainter p(&img);
    kelp::drawProfileGraph(p, img.size(), r, kelp::settings().profileColors, o);
  }
}
BENCHMARK(BM_GraphPicture)->Unit(benchmark::kMillisecond);

}  // namespace
