#pragma once
// The string table: every user-visible text, keyed by its string id. Texts are UTF-8.
// Each area keeps its entries in its own strings_*.inc file, included by strings.cpp.
#include <string>
#include <vector>

namespace kelp {

// The text of a string id ("" when the id is unknown).
const std::string& str(int id);
// printf-style formatting of a string-table format (locale-independent).
std::string strf(int id, ...);
// Ids that two entries give different texts (the first one wins); empty in a sound table.
std::vector<int> conflictingStringIds();

}  // namespace kelp
