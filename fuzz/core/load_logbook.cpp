// Loads arbitrary .log/.add bytes, then checks that what is written back loads
// again and gives the same bytes when written once more.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/logbook.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // The first two bytes give the split point between the .log and the .add bytes.
  const size_t split = static_cast<size_t>(data[0] | (data[1] << 8)) % (size - 1);
  const std::string logBytes(reinterpret_cast<const char*>(data + 2), split);
  const std::string addBytes(reinterpret_cast<const char*>(data + 2 + split), size - 2 - split);
  const bool withAdd = !addBytes.empty() && (data[0] & 1);

  kelp::Logbook lb;
  if (!lb.loadFromBytes("fuzz.log", logBytes, withAdd ? &addBytes : nullptr)) {
    if (lb.diveCount() != 0) std::abort();  // a failed load must leave the logbook alone
    return 0;
  }
  const std::string log1 = lb.serializeLog();
  const std::string add1 = lb.serializeAdd();

  kelp::Logbook again;
  if (!again.loadFromBytes("fuzz.log", log1, &add1)) std::abort();
  if (again.diveCount() != lb.diveCount()) std::abort();
  // What was written describes the dives exactly: writing them again gives the same bytes.
  if (again.serializeLog() != log1 || again.serializeAdd() != add1) std::abort();
  return 0;
}
