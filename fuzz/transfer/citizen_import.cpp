// Citizen files of any content and length import without reading past the data.
#include <cstddef>
#include <cstdint>
#include <string>

#include "transfer/imports.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelp;
  std::string bytes(reinterpret_cast<const char*>(data), size);
  CitizenOptions o;
  o.imperial = size > 0 && (data[size - 1] & 1);
  ImportResult res = importCitizenBytes(bytes, o);
  if (res.ok && res.record.profileLength > 0) expandProfile(res.record, false);
  return 0;
}
