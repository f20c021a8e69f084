#pragma once
// The string table: every user-visible text of the domain, keyed by its string id, one table
// per language. Texts are UTF-8. Each area keeps its entries in its own strings_<area>.inc file
// (Italian, the program's own language) and strings_<area>.en.inc (English), included by
// strings.cpp.
#include <string>
#include <vector>

#include "core/language.h"

namespace kelp {

// The text of a string id in the language of this run ("" when the id is unknown).
const std::string& str(int id);
// The text of a string id in the given language; an id the language's table lacks gives the
// Italian text.
const std::string& str(Language l, int id);
// printf-style formatting of a string-table format (locale-independent), current language.
std::string strf(int id, ...);
// Ids that two entries of the language's table give different texts (the first one wins);
// empty in a sound table.
std::vector<int> conflictingStringIds(Language l = Language::Italian);
// The ids the language's own table holds, ascending (without the Italian fallback).
std::vector<int> stringIds(Language l);

}  // namespace kelp
