// Reads arbitrary bytes as a colour scheme file: the colours it holds whole are taken, the
// others stay as they were, and what is read writes back and reads again the same.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/settings.h"

using namespace kelp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ProfileColors before{};
  for (size_t i = 0; i < before.size(); ++i) before[i] = static_cast<Color>(0xA5A5A5A5u + i);
  ProfileColors colors = before;
  parseColorScheme(bytes, colors);
  const size_t whole = bytes.size() / 4;
  for (size_t i = whole; i < colors.size(); ++i)
    if (colors[i] != before[i]) std::abort();
  const std::string written = colorSchemeBytes(colors);
  if (written.size() != 4 * colors.size()) std::abort();
  if (written.compare(0, 4 * std::min(whole, colors.size()), bytes, 0, 4 * std::min(whole, colors.size())) != 0)
    std::abort();
  ProfileColors back{};
  parseColorScheme(written, back);
  if (back != colors) std::abort();
  return 0;
}
