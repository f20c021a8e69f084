#pragma once
// "Compila dati immersione": one set of values written into every dive of a number range.
// The template lives for the whole run; the dialog (profile/ui/fill_dives_dialog.h) and
// `kelp-cli fill` both apply it through fillDives().
#include <cstdint>
#include <string>

#include "core/dive_record.h"
#include "core/logbook.h"

namespace kelp {

// The fill template. Every field that holds no value (0, "" or NO_VALUE) leaves the dives'
// field as it is. Texts are in stored form.
struct FillTemplate {
  int first = 0, last = 0;             // dive number range, both included
  std::string location, site;          // 60 characters each
  uint8_t weather = 0;
  int16_t airTemperature = NO_VALUE;
  uint8_t suit = 0;
  int16_t tankSize = NO_VALUE;
  uint16_t diveTypeFlags = 0;          // bits 2..9 (three-way pairs 2/3, 4/5, 6/7; Nitrox, SCR)
  uint16_t activityFlags = 0;
  uint16_t moreActivityFlags = 0;      // bits 0..7, three-way pairs 8/9 and 10/11
  int16_t weight = NO_VALUE;
  uint16_t tankMaterial = 0;
  std::string suitName;                // 25 characters
  std::string buddies;                 // 80 characters; kelp-cli fill offers it, the dialog does not
  bool operator==(const FillTemplate&) const = default;
};

inline constexpr int kFillTextLimit = 60;
inline constexpr int kFillSuitNameLimit = 25;

// The process-wide template.
FillTemplate& fillTemplate();
// Called whenever the fill dialog is made: the first call of a run clears the template;
// without the extended data the special bits, tank material and suit name are cleared and
// the weight emptied.
void prepareFillTemplate(FillTemplate& t, bool extended);

// Applies the template to one dive. Texts and values that hold a value are copied; for a
// three-way pair where the template chooses a side the pair is cleared and that side set
// (a pair left at "-" stays as it is); every other ticked bit is added, none removed.
void applyFillTemplate(DiveRecord& r, const FillTemplate& t);

// Whether the template names a range ("Compila" refuses a first or last number of 0).
inline bool fillRangeSet(const FillTemplate& t) { return t.first != 0 && t.last != 0; }

// Applies the template to every dive whose number lies in first..last, in logbook order.
// A first or last number of 0 fails with "Inserisci imm" and changes nothing. `inRange`
// counts the dives of the range, `changed` those whose bytes changed (only they are stored).
Result fillDives(Logbook& lb, const FillTemplate& t, int* inRange = nullptr, int* changed = nullptr);

}  // namespace kelp
