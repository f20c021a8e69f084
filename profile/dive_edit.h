#pragma once
// The dive editor's rules, without a window: which fields a downloaded dive locks, how a
// dive is shown in the editor's controls and read back from them, the buddy append, the
// special activities, taking values from the previous dive, and where a new or edited dive
// is stored in the logbook. The dialog (profile/ui/dive_edit_dialog.h) only collects input.
#include <cstdint>
#include <string>
#include <vector>

#include "core/dive_record.h"
#include "core/logbook.h"

namespace kelp {

class ComputerModelTable;

// Values the editor keeps from one opening to the next during a run.
struct EditorSession {
  bool freeEditing = false;    // "Testo libero"
  bool abbreviations = false;  // "Usa abbreviazioni"
  int32_t lastNewDate = -1;    // date of the last new dive; -1 = not yet set
};
EditorSession& editorSession();

// Text limits of the editor's controls (characters of the stored form).
inline constexpr int kLocationLimit = 60;
inline constexpr int kSiteLimit = 60;
inline constexpr int kBuddySelectionLimit = 80;
inline constexpr int kOtherActivityLimit = 40;
inline constexpr int kBuddiesLimit = 80;
inline constexpr int kSuitNameLimit = 25;
int notesLimit(bool extended);  // 510 with the extended data, else 255

// A dive counts as downloaded when it carries a computer type or a profile that is not
// hand-made. Free editing unlocks it.
bool isDownloadedDive(const DiveRecord& r);
struct LockState {
  bool locked = false;               // date, time, number, altitude, interval, depth, dive time,
                                     // water temperature and "Allarmi" are disabled
  bool consumptionEditable = true;   // the air-consumption field is read back
};
LockState lockState(const DiveRecord& r, bool freeEditing);

// The two computer type lists (1055 import sources, 1061 air models) and the air temperature.
struct ComputerTypeView {
  bool importListVisible = false;
  bool airListVisible = false;
  bool airTemperatureEnabled = true;
  int importRow = -1;  // row of the dive's type in the import list, -1 = none
  int airRow = -1;     // row of the dive's type in the air model list
};
ComputerTypeView computerTypeView(const DiveRecord& r, bool freeEditing, const ComputerModelTable& models);
// Entries of the lists: "name [index]" in importIndex / airIndex order (UTF-8).
std::vector<std::string> importSourceEntries(const ComputerModelTable& models);
std::vector<std::string> airModelEntries(const ComputerModelTable& models);

// What the editor's controls show (UTF-8 texts, combo indexes, radio choices, check marks).
struct EditorFields {
  std::string date, time, number, location, site, interval, airTemperature, tankSize, weight,
      startPressure, suitName, visibility, maxDepth, diveTime, waterTemperature, consumption,
      otherActivity, buddies, notes;
  int altitudeClass = 0, weather = 0, suit = 0, tankMaterial = 0;
  // Three-way radio groups: 0 lower bit, 1 upper bit, 2 neither.
  int noStopDeco = 2, ascent = 2, water = 2, boatShore = 2, guideCentre = 2;
  bool nitrox = false, scr = false;
  uint16_t activities = 0;  // check boxes 1076..1087: activityFlags bits 0..11
  uint8_t special = 0;      // the eight special activities
  int importRow = -1, airRow = -1;
  // shown only
  std::string sac, results;
  bool operator==(const EditorFields&) const = default;
};

// Labels of the eight special-activity check boxes (UTF-8), short or long.
std::vector<std::string> specialActivityLabels(bool abbreviations);
// The special activities a dive shows: bits 0..7 of moreActivityFlags, and each special
// activity named by the other-activity text, whole or as one of its entries.
uint8_t shownSpecialActivities(const DiveRecord& r);
// Stores the special activities into the record. Entries of the other-activity text that
// name an activity no longer ticked are removed; with the extended data the ticked
// activities are kept as bits 0..7 of moreActivityFlags, without it their labels are
// added to the other-activity text (cut to 40 characters). A text whose entries stay the
// same keeps its bytes.
void storeSpecialActivities(DiveRecord& r, uint8_t ticked, bool extended, bool abbreviations);

// The buddy append ("-->>"), on stored-form texts. An entry already present as one of the
// buddies, an empty entry, or one that does not fit the 80 characters leaves the text as
// it is; an empty text becomes the entry; else ", " (or "," when only that fits) and the
// entry are appended.
std::string appendBuddy(const std::string& buddies, const std::string& entry);
// "-->>" is enabled when ", " and the entry fit.
bool buddyAppendFits(const std::string& buddies, const std::string& entry);

// Takes location, site, buddies, other activities, weather, air temperature, suit, tank
// size, dive type and activity bits from the previous dive; with the extended data also
// weight, visibility, tank material, the second activity bits and the suit name.
void takeFromPrevious(DiveRecord& r, const DiveRecord& previous, bool extended);

// One opening of the editor: a working record and the reference copy taken when it was
// filled. Every rule of the editor runs here; the dialog shows fields() and hands the
// controls back through readBack().
class DiveEditor {
 public:
  // index: 1-based place of the dive in the logbook, 0 for a new dive.
  DiveEditor(const DiveRecord& r, int index, bool extended, bool freeEditing, bool abbreviations,
             const ComputerModelTable& models);

  const DiveRecord& record() const { return m_work; }
  const DiveRecord& reference() const { return m_reference; }
  int index() const { return m_index; }
  bool extended() const { return m_extended; }
  bool freeEditing() const { return m_free; }
  bool abbreviations() const { return m_abbrev; }
  const LockState& locks() const { return m_locks; }
  ComputerTypeView computerView() const;
  // "Assumere dati precedente" is offered from the second dive on.
  bool canTakePrevious() const { return m_index >= 2; }

  // The controls as they show the working record now.
  const EditorFields& fields() const { return m_shown; }

  // Reads the controls back: only a control whose text or choice differs from what the
  // editor last showed is parsed into the working record, so values that were not touched
  // keep their bytes. While locked, the measured fields are not read. A "Numero:" that is
  // no whole number 0..65535 is not read and stays in the control; finish() refuses it.
  Result readBack(const EditorFields& now);
  // Reads back and recomputes the air consumption (leaving the consumption or tank field).
  Result refreshConsumption(const EditorFields& now);
  // "Testo libero" and "Usa abbreviazioni": the controls are read back first.
  Result setFreeEditing(const EditorFields& now, bool on);
  Result setAbbreviations(const EditorFields& now, bool on);
  // "Assumere dati precedente" with the dive before this one.
  Result takePrevious(const EditorFields& now, const DiveRecord& previous);
  // "Allarmi" hands back a new warning word.
  void setWarnings(uint16_t flags);
  // OK: reads back and recomputes the air consumption; the record is final afterwards.
  // Fails with the message to show while "Numero:" holds no whole number 0..65535.
  Result finish(const EditorFields& now);
  // Whether the working record differs from the reference in any byte (the air
  // consumption compared as both would be recomputed).
  bool changed() const;

 private:
  void show();
  DiveRecord m_work, m_reference;
  int m_index;
  bool m_extended, m_free, m_abbrev;
  LockState m_locks;
  const ComputerModelTable& m_models;
  EditorFields m_shown;
  std::string m_badNumber;  // a "Numero:" text that is no number, "" when none
};

// Whether two records are equal byte for byte.
bool sameBytes(const DiveRecord& a, const DiveRecord& b);
// The same, with the air consumption of both recomputed as OK does.
bool sameDive(const DiveRecord& a, const DiveRecord& b);

// The record a new dive starts from: cleared, the defaults applied when they are switched
// on, dated lastNewDate (today when that is not yet set).
DiveRecord newDiveRecord(const DiveDefaults& defaults, int32_t lastNewDate, int32_t today);

// Where an edited dive goes: a dive whose date and time did not change keeps its place;
// otherwise the place its date and time give it.
int editedDivePosition(const Logbook& lb, int current, const DiveRecord& before, const DiveRecord& edited);

// Stores the result of editing the dive at `position` (read as `before`): nothing when no
// byte changed; else put back in place or moved to its new place, which becomes current,
// and its texts are added to the autocomplete lists. `stored` tells whether it was stored.
Result storeEditedDive(Logbook& lb, int position, const DiveRecord& before, const DiveRecord& edited,
                       bool* stored = nullptr);
// Inserts a dive that came through the editor in date order and adds its texts to the lists.
Result storeNewDive(Logbook& lb, const DiveRecord& r);

}  // namespace kelp
