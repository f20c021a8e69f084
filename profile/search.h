#pragma once
// Finding dives and working on several at once: the one-field search with next and
// previous, find and replace in one text field, and the extended search over a set of
// conditions with the new logbook file of its matches. The dialogs and kelp-cli only
// collect input and call these rules.
#include <cstdint>
#include <string>
#include <vector>

#include "core/dive_record.h"
#include "core/logbook.h"

namespace kelp {

// ---------------------------------------------------------------------------
// Find, next, previous

enum FindField : int { kFindNone = -1, kFindLocation = 0, kFindSite = 1, kFindBuddies = 2, kFindActivity = 3 };
inline constexpr int kActivityChoiceCount = 20;
inline constexpr int kActivityOther = 19;  // "Altre": the other-activity text contains the search text
inline constexpr size_t kSearchTextLimit = 100;

// The last search, kept while the program runs.
struct LastSearch {
  int field = kFindNone;
  int activity = 0;   // 0 .. 19
  std::string text;   // stored form, at most 100 characters
  bool made() const { return field >= 0; }
};
LastSearch& lastSearch();

// Button text of activity choice i (0 .. 19).
std::string activityChoiceLabel(int i);
// A search as the dialog collects it; the typed text (UTF-8) becomes the stored form,
// cut to 100 characters. The field is clamped to -1 .. 3, the activity to 0 .. 19.
LastSearch makeSearch(int field, int activity, const std::string& utf8Text);
// The search text as the dialog shows it again (UTF-8).
std::string searchTextShown(const LastSearch& s);

// Whether dive r matches: location or site equal the text, buddies contain it, or the
// activity choice holds.
bool diveMatchesSearch(const DiveRecord& r, const LastSearch& s);
// Positions (1-based) of the first match from the start, after `current`, before
// `current`; 0 when there is none.
int findFirst(const Logbook& lb, const LastSearch& s);
int findNext(const Logbook& lb, const LastSearch& s, int current);
int findPrevious(const Logbook& lb, const LastSearch& s, int current);
// "Attività non trovata" / "Cerca testo ´%s´ Non trovato" (UTF-8).
std::string searchNotFoundMessage(const LastSearch& s);
// "Ultima" / "Ultima per ´%s´" (UTF-8).
std::string searchNoMoreMessage(const LastSearch& s);

// Whether the dive carries special activity i (0 .. 7): its bit, or its long or short
// label inside the other-activity text (where the labels go while extended data are off).
bool hasSpecialActivity(const DiveRecord& r, int i);

// ---------------------------------------------------------------------------
// Find and replace

enum ReplaceField : int { kReplaceLocation = 0, kReplaceSite, kReplaceBuddies, kReplaceNotes, kReplaceSuit };
inline constexpr int kReplaceFieldCount = 5;

// Characters the field holds: 60 location and site, 80 buddies, 510 notes, 281 suit.
size_t replaceFieldWidth(int field);
// The field's text in stored form (notes joined with the second notes block).
std::string replaceFieldText(const DiveRecord& r, int field);
// Writes a stored text into the field, cut to its width (notes through the notes writer).
void setReplaceFieldText(DiveRecord& r, int field, const std::string& stored);

// Replace in a text: T equal to O gives N; otherwise the first occurrence of O is
// replaced by N and the blanks that follow it are dropped. Texts without O stay as they are.
std::string replaceInText(const std::string& t, const std::string& o, const std::string& n);

// The result list of "Cerca" (UTF-8 rows): "%05d\t%s" for every dive whose field contains
// the old text, followed by "->\t%s" with the replaced text (cut to the field) when the new
// text is not empty. Nothing when the old text is empty.
struct ReplacePreview {
  std::vector<std::string> rows;
  int found = 0;
  // "Sostituisci" is offered when at least one dive was found and the new text is not empty.
  bool canReplace = false;
};
ReplacePreview previewReplace(const Logbook& lb, int field, const std::string& oldUtf8,
                              const std::string& newUtf8);
// "Sostituisci": matches again with the texts as they stand now and writes every changed
// dive back through Logbook::put. An empty old or new text replaces nothing. Returns the
// number of dives changed.
int replaceAll(Logbook& lb, int field, const std::string& oldUtf8, const std::string& newUtf8);

// ---------------------------------------------------------------------------
// Extended search

// Every condition is off while it holds 0 or an empty text. Texts are what the user typed
// (UTF-8); numbers in texts are read under the current units when the search runs.
struct SearchCriteria {
  std::string dateFrom, dateTo;                 // "dd.mm.yyyy"
  std::string location, site, buddy, other;     // location/site equal, buddy/other contained
  int altitude = 0, weather = 0, suit = 0;      // stored index
  std::string tankSize;                         // litres or cubic feet, as shown
  std::string depthFrom, depthTo;               // metres or feet, as shown
  std::string timeFrom, timeTo;                 // dive time, minutes (or h:mm)
  std::string sacFrom, sacTo;                   // l/min or cft/min, as shown
  uint16_t typeBits = 0;                        // diveTypeFlags bits 2 .. 9
  uint16_t activityBits = 0;                    // activityFlags bits 0 .. 11
  uint8_t specialBits = 0;                      // special activities 0 .. 7
  bool orMode = false;                          // "OR" instead of "AND"
};
SearchCriteria& searchCriteria();

// The criteria read once, ready to test dives. In AND mode a dive matches when every
// condition that is on holds and at least one is on; in OR mode when one of them holds.
// A from/to pair is one condition; each chosen bit is one condition. Depth, tank size and
// air consumption are compared as the main form shows them.
class SelectionMatcher {
 public:
  explicit SelectionMatcher(const SearchCriteria& c);
  int conditionCount() const { return m_conditions; }
  bool matches(const DiveRecord& r) const;

 private:
  struct Range {
    bool on = false, hasFrom = false, hasTo = false;
    double from = 0, to = 0;
    bool holds(double v) const { return (!hasFrom || v >= from) && (!hasTo || v <= to); }
  };
  void count(bool on) { m_conditions += on ? 1 : 0; }
  double shownDepth(const DiveRecord& r) const;  // NaN when the form shows no depth
  double shownTank(const DiveRecord& r) const;

  bool m_or;
  int m_conditions = 0;
  bool m_dateOn = false, m_hasDateFrom = false, m_hasDateTo = false;
  int32_t m_dateFrom = 0, m_dateTo = 0;
  std::string m_location, m_site, m_buddy, m_other;  // stored form
  int m_altitude, m_weather, m_suit;
  bool m_tankOn = false;
  double m_tank = 0;
  Range m_depth, m_time, m_sac;
  uint16_t m_typeBits, m_activityBits;
  uint8_t m_specialBits;
  mutable std::vector<double> m_depthShown, m_tankShown;  // by centimetres / hundredths, filled on demand
};

// Positions (1-based, logbook order) of every dive that matches.
std::vector<int> selectDives(const Logbook& lb, const SearchCriteria& c);
// A result row: "%05d\t%-8s\t%s" (number, short date, site), with "%s, %s" (location, site)
// when the location is not empty. UTF-8.
std::string selectionRow(const DiveRecord& r);

// "Crea file": writes the dives at `positions` of `lb`, in that order, as a new logbook file
// with its .add, the way every save writes (temporary files renamed into place). `lb` and the
// remembered last logbook stay as they are. Refuses a path whose .log or .add is the open
// logbook's own, and a path that is its own extension file.
Result writeSelectedDives(const Logbook& lb, const std::vector<int>& positions, const std::string& path);
// Whether `path` would write over the .log or .add file of `lb`.
bool isOwnLogbookFile(const Logbook& lb, const std::string& path);

}  // namespace kelp
