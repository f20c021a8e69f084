#pragma once
// The files of the transfer in the user's config folder: the debug copy of each
// received stream ("kptrdat~.dp~", written when "Transfer"/"Dump" is on) and the
// saved stream that the dialog can replay ("dump.dmp").
#include <cstdint>
#include <string>
#include <vector>

#include "core/logbook.h"

namespace kelp {

inline constexpr const char* kDebugCopyName = "kptrdat~.dp~";
inline constexpr const char* kReplayName = "dump.dmp";

// The 2050 stream bytes as they were received.
Result writeDebugCopy(const std::string& path, const std::vector<uint8_t>& stream);
// Reads a saved stream. Only a whole image (at least 2050 bytes, of which the first
// 2050 are taken) is accepted; a shorter file is refused with a message naming it.
Result readReplayStream(const std::string& path, std::vector<uint8_t>& stream);

}  // namespace kelp
