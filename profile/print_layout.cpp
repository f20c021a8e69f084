#include "profile/print_layout.h"

#include <algorithm>

#include "core/logbook.h"
#include "core/texts.h"
#include "records/owner_book.h"

namespace kelp {

void presetPrintRange(PrintSelection& s, const Logbook& lb) {
  if (lb.diveCount() == 0 || (s.firstNumber != -1 && s.lastNumber != -1)) return;
  const int c = lb.currentPosition >= 1 && lb.currentPosition <= lb.diveCount() ? lb.currentPosition
                                                                                 : lb.diveCount();
  s.firstNumber = s.lastNumber = lb.dives()[static_cast<size_t>(c - 1)].diveNumber;
}

void clampPrintRange(PrintSelection& s, const Logbook& lb) {
  if (lb.diveCount() == 0) return;
  s.lastNumber = std::min<int>(s.lastNumber, lb.dives().back().diveNumber);
  s.firstNumber = std::min(s.firstNumber, s.lastNumber);
  s.firstNumber = std::max<int>(s.firstNumber, lb.dives().front().diveNumber);
}

namespace {
int firstPositionOf(const Logbook& lb, int number) {
  for (int i = 0; i < lb.diveCount(); ++i)
    if (lb.dives()[static_cast<size_t>(i)].diveNumber == number) return i + 1;
  return 0;
}
}  // namespace

std::optional<PrintRange> findPrintRange(const Logbook& lb, int firstNumber, int lastNumber) {
  const int a = firstPositionOf(lb, firstNumber);
  const int b = firstPositionOf(lb, lastNumber);
  if (a == 0 || b == 0) return std::nullopt;
  return PrintRange{std::min(a, b), std::max(a, b)};
}

int divePageCount(const PrintRange& r) { return r.count() <= 0 ? 0 : (r.count() + 1) / 2; }

DivePage divePage(const PrintRange& r, int page) {
  DivePage d;
  d.upper = r.first + 2 * page;
  if (d.upper > r.last) return {};
  if (d.upper + 1 <= r.last) d.lower = d.upper + 1;
  return d;
}

int lowerSlotTop(int pageHeight) { return (12 + pageHeight / 20) * 10; }

int diveSlotHeight(int pageHeight) {
  const int lower = pageHeight - kFooterHeight - 20 - lowerSlotTop(pageHeight);
  const int upper = separatorY(pageHeight) - 20 - kUpperSlotTop;
  return std::max(0, std::min(lower, upper));
}

DiveSlotLayout diveSlotLayout(int top, int height) {
  DiveSlotLayout l;
  l.top = top;
  l.bottom = top + height;
  constexpr int pitch = 45;
  l.headerText = top + 15;
  l.lines[0] = top + 65;
  l.rowText[0] = top + 80;
  l.rowText[1] = l.rowText[0] + pitch;
  l.lines[1] = l.rowText[1] + 50;
  for (int i = 2; i < 5; ++i) l.rowText[i] = l.lines[1] + 15 + (i - 2) * pitch;
  l.lines[2] = l.rowText[4] + 50;
  for (int i = 5; i < DiveSlotLayout::kRows; ++i) l.rowText[i] = l.lines[2] + 15 + (i - 5) * pitch;
  l.lines[3] = l.rowText[10] + 50;
  l.notesTop = l.lines[3] + 20;
  // 20 mm under the signature line for signing and stamping, however small the slot.
  l.signatureLine = std::max(l.notesTop, l.bottom - 200);
  l.signatureText = l.signatureLine + 15;
  l.profileTop = l.lines[3] + 30;
  l.profileBottom = std::max(l.profileTop, l.bottom - 30);
  return l;
}

ProfileBoxes printedProfileBoxes(int left, int top, int right, int bottom) {
  ProfileBoxes b;
  b.left = left + 70;  // room for the depth labels and the lane marks
  b.right = std::max(b.left, right);
  const int room = std::max(0, bottom - top - 60);  // 6 mm for the minute labels
  b.depthTop = top + 20;
  b.depthBottom = b.depthTop + room * 62 / 100;
  b.lanesTop = b.depthBottom + 60;
  b.lanesBottom = std::max(b.lanesTop, bottom - 10);
  return b;
}

int listRowsPerPage(int pageHeight) {
  const int room = pageHeight - kFooterHeight - 20 - kListFirstRowTop;
  return std::max(1, room / kListRowHeight);
}

int listPageCount(int dives, int pageHeight) {
  if (dives <= 0) return 0;
  const int rows = listRowsPerPage(pageHeight);
  return (dives + rows - 1) / rows;
}

PrintRange listPage(const PrintRange& r, int page, int pageHeight) {
  const int rows = listRowsPerPage(pageHeight);
  PrintRange p{r.first + page * rows, 0};
  p.last = std::min(r.last, p.first + rows - 1);
  return p;
}

CoverOwner readCoverOwner(const std::string& infPath) {
  OwnerBook book;
  if (!loadOwnerFile(infPath, book)) return {};
  return {storedToUtf8(getText(book.owner.name)), storedToUtf8(getText(book.owner.club))};
}

int printedMinuteLabelEvery(double minuteWidth, double labelRoom) {
  static constexpr int kSteps[] = {1, 2, 5, 10, 15, 30};
  for (int step : kSteps)
    if (step * minuteWidth >= labelRoom) return step;
  return 60;
}

}  // namespace kelp
