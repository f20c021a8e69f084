// Reads arbitrary .prg bytes as the forecast history, appends and deletes, and checks the
// ring's invariants: at most 100 whole records, the header agreeing with them, and a
// rewritten file reading back the same history.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "analysis/forecast.h"

using namespace kelp;

namespace {

bool sameHistory(const ForecastFile& a, const ForecastFile& b) {
  const auto ha = a.history(), hb = b.history();
  if (ha.size() != hb.size()) return false;
  for (size_t i = 0; i < ha.size(); ++i)
    if (ha[i].stamp != hb[i].stamp || ha[i].utf8() != hb[i].utf8()) return false;
  return true;
}

void checkShape(const ForecastFile& f) {
  if (f.ring.size() > kForecastSlots) std::abort();
  if (f.nextSlot >= kForecastSlots) std::abort();
  if (f.wrapped && f.ring.size() != kForecastSlots) std::abort();
  if (!f.wrapped && f.nextSlot != f.ring.size() % kForecastSlots) std::abort();
  if (f.history().size() != f.ring.size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ForecastFile f = ForecastFile::parse(bytes);
  checkShape(f);
  const std::string written = f.serialize();
  if (written.size() != kForecastHeaderSize + f.ring.size() * kForecastRecordSize && !f.ring.empty()) std::abort();
  if (!sameHistory(ForecastFile::parse(written), f)) std::abort();

  f.append(ForecastRecord::make(1, "head"));
  f.append(ForecastRecord::make(0, "tail"));
  checkShape(f);
  const auto h = f.history();
  if (h.back().utf8() != "tail") std::abort();
  const auto lines = forecastListLines(h);
  if (lines.size() != h.size()) std::abort();

  const int line = size > 0 ? data[0] % (static_cast<int>(h.size()) + 1) : 0;
  const auto [first, last] = forecastRecordRange(h, line);
  if (first > last || last > static_cast<int>(h.size())) std::abort();
  if (line < static_cast<int>(h.size()) && (line < first || line >= last)) std::abort();
  auto rest = h;
  rest.erase(rest.begin() + first, rest.begin() + last);
  const ForecastFile g = ForecastFile::fromHistory(rest);
  checkShape(g);
  if (!sameHistory(ForecastFile::parse(g.serialize()), g)) std::abort();
  return 0;
}
