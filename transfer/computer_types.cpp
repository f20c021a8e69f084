#include "transfer/computer_types.h"

#include <cstdlib>

#include "core/strings.h"
#include "core/texts.h"

namespace kelp {
namespace {

bool sameRow(const ComputerModel& a, const ComputerModel& b) {
  return a.id == b.id && a.name == b.name && a.gas == b.gas && a.pressure == b.pressure &&
         a.import == b.import;
}

bool importSourceId(uint32_t id) { return id >= 177 && id <= 179; }

}  // namespace

std::set<uint32_t> typesInUse(const Logbook& lb) {
  std::set<uint32_t> ids;
  for (const DiveRecord& r : lb.dives()) ids.insert(r.computerType);
  return ids;
}

std::array<std::string, 5> computerTypeCells(const ComputerModel& m) {
  const int gasText = m.gas == 1 ? 62772 : m.gas == 2 ? 62773 : 62771;
  return {m.name, format("%d", static_cast<int>(m.id)), str(gasText), str(m.pressure == 1 ? 62769 : 62770),
          str(m.import == 1 ? 62769 : 62770)};
}

TypeFieldRules typeFieldRules(const ComputerModel& m) {
  TypeFieldRules r;
  r.onlyName = m.fixed != 0;
  r.importEditable = !r.onlyName && importSourceId(m.id);
  return r;
}

uint32_t identFromText(const std::string& text, uint32_t previous) {
  const size_t a = text.find_first_not_of(" \t");
  if (a == std::string::npos) return previous;
  const std::string t = text.substr(a, text.find_last_not_of(" \t") - a + 1);
  if (t.size() > 3 || t.find_first_not_of("0123456789") != std::string::npos) return previous;
  const int v = std::atoi(t.c_str());
  return v >= 1 && v <= 255 ? static_cast<uint32_t>(v) : previous;
}

ComputerTypesEdit::ComputerTypesEdit(const ComputerModelTable& table, std::set<uint32_t> inUse)
    : inUse_(std::move(inUse)) {
  for (int i = 0; i < table.count(); ++i) rows_.push_back(table.at(i));
}

bool ComputerTypesEdit::canEdit() const { return selected_ >= 0 && rows_[selected_].id != 0; }

bool ComputerTypesEdit::canDelete() const { return selected_ >= 0 && rows_[selected_].fixed == 0; }

Result ComputerTypesEdit::checkIdent(uint32_t id, int exceptRow) const {
  if (id == 0) return Result::failure(str(63412));
  if (ComputerModelTable::isBuiltInId(id))
    return Result::failure(strf(63413, id));
  for (int i = 0; i < count(); ++i)
    if (i != exceptRow && rows_[i].id == id)
      return Result::failure(strf(63414, id, rows_[i].name.c_str()));
  return Result::success();
}

// Dives of the logbook may carry an Ident that no row names yet: the file stores them as
// air dives, so a row that gives the Ident to them has to keep that gas kind.
Result ComputerTypesEdit::checkGasOfIdentInUse(uint32_t id, uint32_t gas) const {
  if (gas == 0 || inUse_.count(id) == 0) return Result::success();
  return Result::failure(strf(63415,
                                id));
}

Result ComputerTypesEdit::edit(int row, const ComputerModel& edited) {
  if (row < 0 || row >= count()) return Result::failure(str(63416));
  ComputerModel& old = rows_[row];
  ComputerModel next = old;
  next.name = edited.name;
  if (!old.fixed) {
    next.id = edited.id;
    next.gas = edited.gas;
    next.pressure = edited.pressure;
    if (importSourceId(old.id)) next.import = edited.import;
  }
  if (sameRow(old, next)) return Result::success();
  if (next.name.empty()) return Result::failure(str(63417));
  const bool used = inUse_.count(old.id) != 0;
  if (next.id != old.id) {
    if (used)
      return Result::failure(strf(63418,
                                    old.name.c_str()));
    Result ok = checkIdent(next.id, row);
    if (!ok) return ok;
    ok = checkGasOfIdentInUse(next.id, next.gas);
    if (!ok) return ok;
  }
  if (next.gas != old.gas && used)
    return Result::failure(strf(63419,
                                  old.name.c_str()));
  if (next.name.size() > 83) next.name = next.name.substr(0, 83);
  old = next;
  changed_ = true;
  return Result::success();
}

Result ComputerTypesEdit::add(const ComputerModel& m) {
  Result ok = checkIdent(m.id, -1);
  if (!ok) return ok;
  if (m.name.empty()) return Result::failure(str(63417));
  ok = checkGasOfIdentInUse(m.id, m.gas <= 2 ? m.gas : 0);
  if (!ok) return ok;
  ComputerModel row;
  row.id = m.id;
  row.name = m.name.size() > 83 ? m.name.substr(0, 83) : m.name;
  row.gas = m.gas <= 2 ? m.gas : 0;
  row.pressure = m.pressure ? 1 : 0;
  row.import = 0;  // only the built-in import sources are import sources
  row.fixed = 0;
  rows_.push_back(row);
  selected_ = count() - 1;
  changed_ = true;
  return Result::success();
}

Result ComputerTypesEdit::removeSelected() {
  if (selected_ < 0) return Result::failure(str(63416));
  const ComputerModel& r = rows_[selected_];
  if (r.fixed) return Result::failure(strf(63420, r.name.c_str()));
  if (inUse_.count(r.id))
    return Result::failure(strf(63421,
                                  r.name.c_str()));
  rows_.erase(rows_.begin() + selected_);
  if (selected_ >= count()) selected_ = count() - 1;
  changed_ = true;
  return Result::success();
}

void ComputerTypesEdit::apply(ComputerModelTable& table) const {
  if (!changed_) return;
  table.clear();
  for (const ComputerModel& r : rows_)
    table.addOrUpdate(r.id, r.name, r.gas, r.pressure, r.import, false, r.fixed != 0);
  table.sort();
}

}  // namespace kelp
