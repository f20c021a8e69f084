#include "profile/dive_list.h"

#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"

namespace kelp {

const std::array<DiveListColumn, kDiveListColumnCount>& diveListColumns() {
  static const std::array<DiveListColumn, kDiveListColumnCount> columns = {{
      {62504, "Numero", 60, false},
      {62473, "Data", 55, false},
      {62505, "Ora", 40, false},
      {62467, "Località", 115, false},
      {62506, "Luogo", 110, false},
      {62509, "Ora", 40, false},
      {62608, "Prof", 35, true},
      {63481, "tipo", 120, false},
      {62472, "Attività", 120, false},
      {63482, "Compagni", 140, false},
      {62510, "Consumo aria.", 40, false},
  }};
  return columns;
}

std::string diveListHeading(int column) {
  if (column < 0 || column >= kDiveListColumnCount) return {};
  const DiveListColumn& c = diveListColumns()[static_cast<size_t>(column)];
  if (c.headingId) {
    const std::string& t = str(c.headingId);
    if (!t.empty()) return t;
  }
  return c.heading;
}

int diveListColumnWidth(const Settings& s, int column, double scale) {
  if (column < 0 || column >= kDiveListColumnCount) return 0;
  const int stored = s.tableColumns[static_cast<size_t>(column)];
  if (stored >= 0) return stored;
  return static_cast<int>(diveListColumns()[static_cast<size_t>(column)].width * (scale < 1 ? 1 : scale) + 0.5);
}

std::string diveListCell(const DiveRecord& r, int column) {
  switch (column) {
    case 0: return format("%05d %c", r.diveNumber, profileMark(r));
    case 1: return formatDateShort(r.date);
    case 2: return formatMinutes(r.timeOfDay);
    case 3: return storedToUtf8(getText(r.location));
    case 4: return storedToUtf8(getText(r.site));
    case 5: return formatMinutes(r.diveTime);
    case 6: return formatMaxDepth(r);
    case 7: return diveTypeText(r);
    case 8: return activitiesText(r);
    case 9: return storedToUtf8(getText(r.buddies));
    case 10: return formatSac(r.sac);
    default: return {};
  }
}

}  // namespace kelp
