#pragma once
// The dive list window's table: eleven columns with their headings, default widths and
// alignment, and the text of each cell, formatted from the dive when it is shown.
#include <array>
#include <string>

#include "core/dive_record.h"

namespace kelp {

struct Settings;

inline constexpr int kDiveListColumnCount = 11;

struct DiveListColumn {
  int headingId;        // string id of the heading, 0 when the heading has none
  const char* heading;  // the heading's text
  int width;            // default width in pixels
  bool rightAligned;
};
const std::array<DiveListColumn, kDiveListColumnCount>& diveListColumns();
std::string diveListHeading(int column);

// Width of a column: the stored width ("TabSp00" ...) when it is 0 or more, else the default
// times `scale` (the list's font against the 6-pixel digits the defaults were measured in).
int diveListColumnWidth(const Settings& s, int column, double scale = 1.0);

// Text of one cell (UTF-8): "%05d %c" number and profile letter (blank, P or H), short date,
// time of day, location, site, dive time, maximum depth, dive type, activities, buddies,
// air consumption.
std::string diveListCell(const DiveRecord& r, int column);

}  // namespace kelp
