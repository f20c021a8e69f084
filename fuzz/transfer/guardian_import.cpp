// Guardian text exports of any content import without leaving their fields.
#include <cstddef>
#include <cstdint>
#include <string>

#include "transfer/imports.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelp;
  std::string text(reinterpret_cast<const char*>(data), size);
  ImportResult res = importGuardianText(text, DiveDefaults{});
  if (res.record.profileLength > 0) expandProfile(res.record, false);
  return 0;
}
