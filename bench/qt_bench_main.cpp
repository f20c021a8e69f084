// The main() of the benchmark programs that paint: a QApplication on the offscreen platform
// (unless another is asked for) around Google Benchmark's runner.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "core/settings.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  kelp::settings().savePositions = 0;  // windows open at their default size, whatever a settings file says
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
