#pragma once
// The logbook's printed pages without any drawing: what "Stampa immersioni" chose, the range
// of dives it gives, how the dives fall on pages and where each part of a page lies.
// Every length is in tenths of a millimetre from the top-left corner of the printable area.
#include <cstdint>
#include <optional>
#include <string>

namespace kelp {

class Logbook;

enum class PrintMode { Dives = 0, List = 1, Cover = 2 };
// How a dive fills its half page: every field, the empty form alone, or the profile alone.
enum class SlotOption { Complete = 0, LinesOnly = 1, Profile = 2 };

// The choice of "Stampa immersioni"; kept for the whole run.
struct PrintSelection {
  PrintMode mode = PrintMode::Dives;
  SlotOption option = SlotOption::Complete;
  int firstNumber = -1;  // dive numbers; -1 before the first use
  int lastNumber = -1;
};

// The two number fields of "Stampa immersioni" are enabled except for the cover.
inline bool printNumbersEnabled(PrintMode m) { return m != PrintMode::Cover; }

// An unset range becomes the current dive's number (the last dive's when there is no current one).
void presetPrintRange(PrintSelection& s, const Logbook& lb);
// The range as "OK" takes it: the last number is capped at the last dive's number, the first
// at the last number, and then raised to at least the first dive's number.
void clampPrintRange(PrintSelection& s, const Logbook& lb);

// Logbook positions (1-based) of a printed range, first <= last.
struct PrintRange {
  int first = 0;
  int last = 0;
  int count() const { return last - first + 1; }
};
// The dives carrying the two numbers (the first dive of each number), nothing when either is
// missing. The range runs between the two positions in logbook order, whichever comes first,
// so a renumbered logbook whose numbers do not rise with the position still prints its dives.
std::optional<PrintRange> findPrintRange(const Logbook& lb, int firstNumber, int lastNumber);

// ---- dive pages: two dives a page ----
int divePageCount(const PrintRange& r);
// Positions on page `page` (0-based); lower is 0 when the upper dive is the last one.
struct DivePage {
  int upper = 0;
  int lower = 0;
};
DivePage divePage(const PrintRange& r, int page);

inline constexpr int kFooterHeight = 50;    // the page footer's line lies this far above the bottom
inline constexpr int kUpperSlotTop = 70;
// 12 mm below the middle of the page: 12 plus the page height in tenths divided by 20, in mm.
int lowerSlotTop(int pageHeight);
inline int separatorY(int pageHeight) { return pageHeight / 2; }
// Height of both slots: the lower one ends 2 mm above the footer.
int diveSlotHeight(int pageHeight);

// Horizontal positions of a dive slot.
namespace slot_x {
inline constexpr int kFrameLeft = 200, kFrameRight = 1900;
inline constexpr int kLabel = 230, kValueTop = 400, kValue = 550, kUnit = 650;
inline constexpr int kMidLabel = 900, kMidValueTop = 1170, kMidValue = 1300, kMidUnit = 1400;
inline constexpr int kRightLabel = 1500, kRightValue = 1670;
inline constexpr int kRightEdge = 1860;      // computer type name, right-aligned
inline constexpr int kNameRight = 1880;      // "<logbook>", right-aligned
inline constexpr int kNotesRight = 900;      // vertical line between notes and profile
inline constexpr int kProfileLeft = 960, kProfileRight = 1860;
}  // namespace slot_x

// Vertical positions of a dive slot of the given top and height.
struct DiveSlotLayout {
  static constexpr int kRows = 11;
  int top = 0, bottom = 0;
  int headerText = 0;     // text top of the header row
  int rowText[kRows]{};   // text top of rows 1..11
  int lines[4]{};         // lines across: under the header, under rows 2, 5 and 11
  int notesTop = 0;       // first line of the notes
  int signatureLine = 0;  // line from x 20 to 90 above "Firma/Timbro:"
  int signatureText = 0;
  int profileTop = 0, profileBottom = 0;  // room of the printed profile
};
DiveSlotLayout diveSlotLayout(int top, int height);

// The printed profile inside its room: the depth graph, then the warning lanes under it.
struct ProfileBoxes {
  int left = 0, right = 0;        // frame x (labels stand left of it)
  int depthTop = 0, depthBottom = 0;
  int lanesTop = 0, lanesBottom = 0;
};
ProfileBoxes printedProfileBoxes(int left, int top, int right, int bottom);

// ---- dive list pages ----
namespace list_x {
inline constexpr int kNumberRight = 200, kDate = 230, kTime = 380, kLocation = 490, kSite = 810;
inline constexpr int kDiveTimeRight = 1230, kDepthRight = 1330, kBuddies = 1350;
}  // namespace list_x
inline constexpr int kListHeadingTop = 300;  // column headings under the page header
inline constexpr int kListFirstRowTop = 360;
inline constexpr int kListRowHeight = 45;
int listRowsPerPage(int pageHeight);
int listPageCount(int dives, int pageHeight);
// Positions listed on page `page` (0-based).
PrintRange listPage(const PrintRange& r, int page, int pageHeight);

// ---- cover ----
// The owner's name and club for the cover, from the owner file beside the logbook (.inf,
// read by the owner book); empty texts when the file is missing or unreadable. UTF-8.
struct CoverOwner {
  std::string name;
  std::string club;
};
CoverOwner readCoverOwner(const std::string& infPath);

// ---- printed profiles ----
// Every how many minutes a printed profile writes a minute label: the smallest of 1, 2, 5,
// 10, 15, 30 and 60 minutes whose distance on paper (`minuteWidth` a minute, in any unit)
// holds `labelRoom` (the widest label and the space kept free beside it, in the same unit),
// so that no two labels touch; 60 when even that does not.
int printedMinuteLabelEvery(double minuteWidth, double labelRoom);

}  // namespace kelp
