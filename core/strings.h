#pragma once
// The string table: every user-visible text, keyed by its string id. Texts are UTF-8.
// Each area keeps its entries in its own strings_*.inc file, included by strings.cpp.
#include <string>

namespace kelp {

// The text of a string id ("" when the id is unknown).
const std::string& str(int id);
// printf-style formatting of a string-table format (locale-independent).
std::string strf(int id, ...);

}  // namespace kelp
