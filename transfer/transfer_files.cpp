#include "transfer/transfer_files.h"

#include <filesystem>
#include <system_error>

#include "core/texts.h"
#include "transfer/computer_image.h"
#include "core/file_write.h"
#include "core/strings.h"

namespace kelp {

Result writeDebugCopy(const std::string& path, const std::vector<uint8_t>& stream) {
  // The config folder is made when something is first written into it.
  std::error_code ec;
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);
  return replaceFile(path, std::string(stream.begin(), stream.end()));
}

Result readReplayStream(const std::string& path, std::vector<uint8_t>& stream) {
  stream.clear();
  std::string bytes;
  if (!readWholeFile(path, bytes)) return Result::failure(strf(63422, path.c_str()));
  if (bytes.size() < static_cast<size_t>(STREAM_SIZE))
    return Result::failure(strf(63423,
                                  path.c_str(), bytes.size(), STREAM_SIZE));
  stream.assign(bytes.begin(), bytes.begin() + STREAM_SIZE);
  return Result::success();
}

}  // namespace kelp
