// The UDDF export of a logbook of 10,000 demo dives, most of them with profiles (about 1.3
// million waypoints), written to a file; and that file read and inserted into an empty
// logbook, as "Importa UDDF..." and kelp-cli import-uddf do.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>

#include "core/demo_logbook.h"
#include "transfer/uddf_export.h"
#include "transfer/uddf_import.h"

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

std::string scratchFile(const char* what) {
  return (std::filesystem::temp_directory_path() /
          ("kelp_bench_" + std::to_string(::getpid()) + "_" + what + ".uddf"))
      .string();
}

void BM_UddfExport10000Dives(benchmark::State& state) {
  const Logbook& lb = tenThousandDives();
  const std::string path = scratchFile("export");
  for (auto _ : state) {
    if (!exportUddf(lb, path, options())) state.SkipWithError("export failed");
  }
  state.counters["MB"] = double(std::filesystem::file_size(path)) / 1e6;
  std::filesystem::remove(path);
}
BENCHMARK(BM_UddfExport10000Dives)->Unit(benchmark::kMillisecond);

void BM_UddfImport10000Dives(benchmark::State& state) {
  const std::string path = scratchFile("import");
  if (!exportUddf(tenThousandDives(), path, options())) {
    state.SkipWithError("export failed");
    return;
  }
  for (auto _ : state) {
    UddfImport found;
    if (!readUddfFile(path, found)) {
      state.SkipWithError("read failed");
      break;
    }
    Logbook lb;
    classifyUddfDives(lb, found);
    UddfInsertReport report;
    if (!insertUddfDives(lb, found, &report) || report.inserted != 10000) {
      state.SkipWithError("insert failed");
      break;
    }
    benchmark::DoNotOptimize(lb.diveCount());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_UddfImport10000Dives)->Unit(benchmark::kMillisecond);

}  // namespace
