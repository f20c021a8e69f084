// Decoding a full memory image and exporting a large logbook as a table.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include "core/logbook.h"
#include "core/texts.h"
#include "transfer/computer_image.h"
#include "transfer/csv_export.h"
#include "transfer/image_writer.h"
#include "transfer/receive_state.h"

namespace {

using namespace kelp;
constexpr int64_t kNow = 1717243200;

// 37 dives whose profiles fill the ring.
std::vector<uint8_t> fullImage() {
  std::vector<DownloadedDive> dives;
  for (int i = 0; i < 37; ++i) {
    DownloadedDive d;
    d.date = dayNumber(1 + i % 28, 1 + i / 28, 2024);
    d.timeOfDay = static_cast<int16_t>(540 + i);
    d.maxDepth = static_cast<int16_t>(1500 + 20 * i);
    d.diveTime = 45;
    d.minWaterTemperature = 1800;
    d.airUsed = 12000;
    d.altitudeClass = 1;
    d.profileLength = 17 + 160;
    for (int b = 0; b < 160; ++b) d.raw[b] = static_cast<uint8_t>((b * 13 + i) % 0xF0);
    dives.push_back(d);
  }
  ImageSettings st;
  st.writePosition = 1000;
  st.oldestSlot = 20;
  return writeImage(st, dives, kNow).stream;
}

void BM_DecodeFullImage(benchmark::State& state) {
  setenv("TZ", "UTC", 1);
  tzset();
  const auto stream = fullImage();
  ComputerImage image;
  for (auto _ : state) {
    benchmark::DoNotOptimize(image.decode(stream.data(), stream.size(), kNow));
  }
  state.counters["profiles"] = image.profileCount();
}
BENCHMARK(BM_DecodeFullImage);

// What the transfer dialog does with one stream as the port delivers it: batches of
// 32 bytes fed to the receive state machine, a handler call per batch.
void BM_ReceiveStreamInBatches(benchmark::State& state) {
  auto stream = fullImage();
  stream.push_back(0);
  stream.push_back(0);
  for (auto _ : state) {
    ReceiveStateMachine m;
    double t = 0;
    for (size_t i = 0; i < stream.size() && !m.done(); i += 32, t += 0.017)
      m.feed(stream.data() + i, std::min<size_t>(32, stream.size() - i), t);
    benchmark::DoNotOptimize(m.storedCount());
  }
}
BENCHMARK(BM_ReceiveStreamInBatches)->Unit(benchmark::kMicrosecond);

Logbook exportLogbook() {
  Logbook lb;
  std::vector<DiveRecord> dives;
  dives.reserve(10000);
  for (int i = 0; i < 10000; ++i) {
    DiveRecord r = makeRecord();
    r.date = dayNumber(1, 1, 1990) + i;
    r.timeOfDay = 600;
    r.maxDepth = static_cast<int16_t>(1000 + i % 3000);
    r.diveTime = 45;
    r.tankSize = 1200;
    r.airConsumed = 14000;
    r.minWaterTemperature = 1650;
    r.diveNumber = static_cast<uint16_t>(i + 1);
    setText(r.location, "Isola d'Elba");
    setText(r.site, "Capo; Nord");
    setText(r.buddies, "Anna & Bob");
    setNotes(r, "Una nota\nsu due righe");
    dives.push_back(r);
  }
  lb.assignDives(std::move(dives));
  return lb;
}

// Every field of the 10,000 dives.
CsvOptions everyField() {
  CsvOptions o;
  for (int bit : kCsvFieldOrder) o.fields |= 1u << bit;
  o.firstNumber = 1;
  o.lastNumber = 10000;
  return o;
}

void BM_ExportTable10000(benchmark::State& state) {
  const Logbook lb = exportLogbook();
  const CsvOptions o = everyField();
  size_t bytes = 0;
  for (auto _ : state) {
    std::string text = csvTable(lb, o);
    bytes = text.size();
    benchmark::DoNotOptimize(text);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportTable10000)->Unit(benchmark::kMillisecond);

// The export file's text turned into Windows-1252, as the export writes it.
void BM_ExportTableTo1252(benchmark::State& state) {
  const Logbook lb = exportLogbook();
  const std::string text = csvTable(lb, everyField());
  for (auto _ : state) benchmark::DoNotOptimize(utf8ToCp1252(text));
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_ExportTableTo1252)->Unit(benchmark::kMillisecond);

}  // namespace
