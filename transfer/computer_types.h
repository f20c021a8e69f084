#pragma once
// The rules of the dialog "Tipi di computers": the user edits a copy of the
// computer model table, and the copy replaces the table on OK. The gas kind of a
// type decides how the logbook file stores the dives of that type, so a type that
// dives of the open logbook use keeps its Ident and gas kind and stays in the table.
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "core/computer_models.h"
#include "core/logbook.h"

namespace kelp {

// Computer types that dives of the logbook carry.
std::set<uint32_t> typesInUse(const Logbook& lb);

// The five cells of a row: name, Ident, gas, air-integrated, import.
std::array<std::string, 5> computerTypeCells(const ComputerModel& m);

// What the dialog "Descrizioni" lets the user change in a row.
struct TypeFieldRules {
  bool onlyName = false;     // a built-in row: every control but the name is disabled
  bool importEditable = false;  // only the built-in import sources carry the import flag
};
TypeFieldRules typeFieldRules(const ComputerModel& m);

// The Ident field: a whole number from 1 to 255 replaces the id, anything else keeps it.
uint32_t identFromText(const std::string& text, uint32_t previous);

class ComputerTypesEdit {
 public:
  ComputerTypesEdit(const ComputerModelTable& table, std::set<uint32_t> inUse);

  const std::vector<ComputerModel>& rows() const { return rows_; }
  int count() const { return static_cast<int>(rows_.size()); }
  int selected() const { return selected_; }  // -1 when none
  void select(int row) { selected_ = (row >= 0 && row < count()) ? row : -1; }
  bool changed() const { return changed_; }

  // "Crea": a selected row whose id is not 0. "Cancella": a selected row that is not built in.
  bool canEdit() const;
  bool canDelete() const;

  // Replaces row 'row' with 'edited' when a field differs (a built-in row takes only
  // the name). Refuses an Ident that is built in or used by another row, an empty
  // name, and a new Ident or gas kind for a type that dives of the logbook use.
  Result edit(int row, const ComputerModel& edited);
  // Appends a new type and selects it; refuses the same Idents as edit().
  Result add(const ComputerModel& m);
  // Removes the selected row; refuses a built-in row and a type in use. The
  // selection moves back onto the last row when it lay beyond it.
  Result removeSelected();

  // Replaces the table's rows by the copy (keeping each row's built-in flag) and sorts.
  void apply(ComputerModelTable& table) const;

 private:
  Result checkIdent(uint32_t id, int exceptRow) const;
  Result checkGasOfIdentInUse(uint32_t id, uint32_t gas) const;
  std::vector<ComputerModel> rows_;
  std::set<uint32_t> inUse_;
  int selected_ = -1;
  bool changed_ = false;
};

}  // namespace kelp
