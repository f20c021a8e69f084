// Loading, saving, profile expansion and insertion on generated logbooks, with a
// baseline in the same run: reading the same files' bytes and allocating the
// zeroed record array, which no load can avoid.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "core/computer_models.h"
#include "core/demo_logbook.h"
#include "core/logbook.h"

namespace {

namespace fs = std::filesystem;

const std::string& benchDir() {
  static const std::string dir = [] {
    std::string t = fs::temp_directory_path().string() + "/kelp-bench-XXXXXX";
    std::vector<char> buf(t.begin(), t.end());
    buf.push_back('\0');
    const char* d = mkdtemp(buf.data());
    std::string s = d ? d : "";
    // The versions the saves replace are kept beside them, never in a real home.
    if (!s.empty()) setenv("KELP_DATA_DIR", (s + "/data").c_str(), 1);
    std::atexit([] { fs::remove_all(benchDir()); });
    return s;
  }();
  return dir;
}

// A generated logbook of n dives, saved once; returns its .log path.
const std::string& savedLogbook(int n) {
  static std::map<int, std::string> paths;
  auto it = paths.find(n);
  if (it != paths.end()) return it->second;
  kelp::Logbook lb = kelp::makeDemoLogbook(n, 7);
  const std::string path = benchDir() + "/demo" + std::to_string(n) + ".log";
  if (!lb.saveFile(path)) std::abort();
  return paths.emplace(n, path).first->second;
}

std::string readAll(const std::string& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void BM_LoadBaseline(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string& path = savedLogbook(n);
  const std::string addPath = path.substr(0, path.size() - 4) + ".add";
  for (auto _ : state) {
    std::string log = readAll(path);
    std::string add = readAll(addPath);
    std::vector<kelp::DiveRecord> dives(static_cast<size_t>(n));
    benchmark::DoNotOptimize(log.data());
    benchmark::DoNotOptimize(add.data());
    benchmark::DoNotOptimize(dives.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * n);
}

void BM_Load(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string& path = savedLogbook(n);
  for (auto _ : state) {
    kelp::Logbook lb;
    if (!lb.loadFile(path)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(lb.dives().data());
  }
  state.SetItemsProcessed(state.iterations() * n);
}

void BM_Save(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  kelp::Logbook lb;
  if (!lb.loadFile(savedLogbook(n))) std::abort();
  const std::string path = benchDir() + "/save" + std::to_string(n) + ".log";
  for (auto _ : state)
    if (!lb.saveFile(path)) state.SkipWithError("save failed");
  state.SetItemsProcessed(state.iterations() * n);
}

void BM_SerializeInMemory(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  kelp::Logbook lb;
  if (!lb.loadFile(savedLogbook(n))) std::abort();
  for (auto _ : state) {
    std::string log = lb.serializeLog();
    std::string add = lb.serializeAdd();
    benchmark::DoNotOptimize(log.data());
    benchmark::DoNotOptimize(add.data());
  }
  state.SetItemsProcessed(state.iterations() * n);
}

void BM_ExpandProfile(benchmark::State& state) {
  kelp::Logbook lb;
  if (!lb.loadFile(savedLogbook(1000))) std::abort();
  std::vector<kelp::DiveRecord> withProfile;
  for (const auto& d : lb.dives())
    if (d.profileLength != 0) withProfile.push_back(d);
  if (withProfile.empty()) std::abort();
  size_t i = 0;
  for (auto _ : state) {
    kelp::DiveRecord& r = withProfile[i];
    kelp::expandProfile(r, kelp::computerModels().gasKind(r.computerType) == 2);
    benchmark::DoNotOptimize(r.sampleCount);
    if (++i == withProfile.size()) i = 0;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_InsertDateOrder(benchmark::State& state) {
  kelp::Logbook lb;
  if (!lb.loadFile(savedLogbook(10000))) std::abort();
  const kelp::DiveRecord model = lb.dives()[lb.dives().size() / 2];
  const int32_t firstDate = lb.dives().front().date;
  const int32_t span = lb.dives().back().date - firstDate + 1;
  uint32_t seed = 12345;
  for (auto _ : state) {
    kelp::DiveRecord r = model;
    seed = seed * 1103515245u + 12345u;
    r.date = firstDate + static_cast<int32_t>((seed >> 8) % static_cast<uint32_t>(span));
    if (!lb.insert(r)) state.SkipWithError("insert failed");
    state.PauseTiming();
    lb.remove(lb.currentPosition);  // keep 10,000 dives
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_LoadBaseline)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerializeInMemory)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandProfile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertDateOrder)->Unit(benchmark::kMicrosecond);
