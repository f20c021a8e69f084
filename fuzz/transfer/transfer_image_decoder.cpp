// Any 2050 bytes, as a dive computer interface could send them, decode
// without reading outside the memory image; the dives convert and expand.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/dive_record.h"
#include "transfer/computer_image.h"
#include "transfer/transfer_session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kelp;
  std::vector<uint8_t> stream(STREAM_SIZE, 0);
  for (size_t i = 0; i < size && i < stream.size(); ++i) stream[i] = data[i];
  // Most inputs would fail the checksum: store 0, which is accepted unchecked.
  stream[CHECKSUM_OFFSET] = stream[CHECKSUM_OFFSET + 1] = 0;
  ComputerImage image;
  const int n = image.decode(stream.data(), stream.size(), 1717243200);
  for (int k = 0; k < n; ++k) {
    DiveRecord r = recordFromDownload(image.dive(k), DiveDefaults{});
    (void)r;
  }
  (void)listRows(image, n > 0 ? 0 : -1, 1, (size % 2) != 0);
  (void)formatInfoTexts(image.info());
  return 0;
}
