// The UDDF export of a logbook of 10,000 demo dives, most of them with profiles (about 1.3
// million waypoints), written to a file.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>

#include "core/demo_logbook.h"
#include "transfer/uddf_export.h"

namespace {

using namespace kelp;

const Logbook& tenThousandDives() {
  static const Logbook lb = makeDemoLogbook(10000, 7);
  return lb;
}

UddfOptions options() {
  UddfOptions o;
  o.generatedAt = "2024-06-01T12:00:00";
  return o;
}

void BM_UddfExport10000Dives(benchmark::State& state) {
  const Logbook& lb = tenThousandDives();
  const std::string path =
      (std::filesystem::temp_directory_path() / ("kelp_bench_" + std::to_string(::getpid()) + ".uddf")).string();
  for (auto _ : state) {
    if (!exportUddf(lb, path, options())) state.SkipWithError("export failed");
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_UddfExport10000Dives)->Unit(benchmark::kMillisecond);

}  // namespace
