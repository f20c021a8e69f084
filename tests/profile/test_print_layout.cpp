// The printed range and page layout of the logbook's pages: clamping of the dive numbers,
// finding their dives, dives and rows per page, and the slots fitting their half pages.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "core/logbook.h"
#include "core/texts.h"
#include "profile/print_layout.h"

using namespace kelp;

namespace {

Logbook numbered(const std::vector<int>& numbers) {
  std::vector<DiveRecord> dives;
  for (int n : numbers) {
    DiveRecord r = makeRecord();
    r.date = dayNumber(1, 1, 2020) + static_cast<int>(dives.size());
    r.diveNumber = static_cast<uint16_t>(n);
    dives.push_back(r);
  }
  Logbook lb;
  lb.assignDives(std::move(dives));
  return lb;
}

constexpr int kA4 = 2870;      // printable heights with 5 mm margins
constexpr int kLetter = 2694;
constexpr int kLandscapeA4 = 2000;

}  // namespace

TEST(PrintRange, UnsetRangeStartsAtTheCurrentDiveAndIsKeptAfterwards) {
  Logbook lb = numbered({5, 6, 7, 8});
  lb.currentPosition = 3;
  PrintSelection s;
  presetPrintRange(s, lb);
  EXPECT_EQ(s.firstNumber, 7);
  EXPECT_EQ(s.lastNumber, 7);
  s.firstNumber = 5;
  lb.currentPosition = 1;
  presetPrintRange(s, lb);
  EXPECT_EQ(s.firstNumber, 5);
  EXPECT_EQ(s.lastNumber, 7);
}

TEST(PrintRange, ClampingCapsRaisesAndOrdersTheNumbers) {
  const Logbook lb = numbered({5, 6, 7, 8});
  struct Case {
    int first, last, wantFirst, wantLast;
  } cases[] = {
      {6, 7, 6, 7},     // inside: unchanged
      {1, 99, 5, 8},    // below the first dive raised, above the last lowered
      {8, 6, 6, 6},     // backwards: first capped at last
      {99, 98, 8, 8},   // both above
      {-3, 2, 5, 2},    // both below: first raised, last kept, so no dive carries it
  };
  for (const Case& c : cases) {
    PrintSelection s;
    s.firstNumber = c.first;
    s.lastNumber = c.last;
    clampPrintRange(s, lb);
    EXPECT_EQ(s.firstNumber, c.wantFirst) << c.first << ".." << c.last;
    EXPECT_EQ(s.lastNumber, c.wantLast) << c.first << ".." << c.last;
  }
}

TEST(PrintRange, MissingNumberPrintsNothing) {
  const Logbook lb = numbered({1, 2, 4, 5});
  EXPECT_FALSE(findPrintRange(lb, 3, 5).has_value());
  EXPECT_FALSE(findPrintRange(lb, 1, 3).has_value());
  const auto r = findPrintRange(lb, 2, 5);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->first, 2);
  EXPECT_EQ(r->last, 4);
  EXPECT_FALSE(findPrintRange(Logbook(), 1, 1).has_value());
}

// After renumbering a range the numbers need not rise with the position: the dives between
// the two positions are printed in logbook order, whichever position comes first.
TEST(PrintRange, NumbersThatDoNotRiseWithThePositionPrintTheDivesBetween) {
  const Logbook lb = numbered({1, 2, 3, 7, 8, 9, 4, 5, 6, 10});
  PrintSelection s;
  s.firstNumber = 5;
  s.lastNumber = 8;
  clampPrintRange(s, lb);
  ASSERT_EQ(s.firstNumber, 5);
  ASSERT_EQ(s.lastNumber, 8);
  const auto r = findPrintRange(lb, s.firstNumber, s.lastNumber);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->first, 5);  // dive 8
  EXPECT_EQ(r->last, 8);   // dive 5
  EXPECT_EQ(divePageCount(*r), 2);
  EXPECT_EQ(listPageCount(r->count(), kA4), 1);
}

TEST(DivePages, TwoDivesAPageTheLastAloneWhenOdd) {
  const PrintRange one{7, 7};
  EXPECT_EQ(divePageCount(one), 1);
  EXPECT_EQ(divePage(one, 0).upper, 7);
  EXPECT_EQ(divePage(one, 0).lower, 0);

  const PrintRange five{3, 7};
  ASSERT_EQ(divePageCount(five), 3);
  std::vector<int> printed;
  for (int p = 0; p < 3; ++p) {
    const DivePage d = divePage(five, p);
    printed.push_back(d.upper);
    if (d.lower) printed.push_back(d.lower);
  }
  EXPECT_EQ(printed, (std::vector<int>{3, 4, 5, 6, 7}));
  EXPECT_EQ(divePage(five, 2).lower, 0);
  EXPECT_EQ(divePage(five, 3).upper, 0);
  EXPECT_EQ(divePageCount(PrintRange{4, 4}), 1);
}

TEST(DivePages, LowerSlotStartsTwelveMillimetresBelowTheMiddle) {
  EXPECT_EQ(lowerSlotTop(kA4), 1550);    // 12 + 2870 / 20 = 155 mm
  EXPECT_EQ(lowerSlotTop(kLetter), 1460);
  EXPECT_EQ(lowerSlotTop(2879), 1550);   // truncated
  EXPECT_EQ(separatorY(kA4), 1435);
}

// Both slots fit their halves: the upper one ends above the separator, the lower one above the
// footer, and every row, line and room lies inside the slot in order.
TEST(DivePages, SlotsFitHalfAPage) {
  for (int h : {kA4, kLetter}) {
    const int height = diveSlotHeight(h);
    for (int top : {kUpperSlotTop, lowerSlotTop(h)}) {
      const DiveSlotLayout l = diveSlotLayout(top, height);
      EXPECT_LE(l.bottom, top == kUpperSlotTop ? separatorY(h) : h - kFooterHeight) << h;
      int y = l.top;
      for (int v : {l.headerText, l.lines[0], l.rowText[0], l.rowText[1], l.lines[1], l.rowText[2],
                    l.rowText[4], l.lines[2], l.rowText[5], l.rowText[10], l.lines[3], l.notesTop,
                    l.signatureLine, l.signatureText, l.bottom}) {
        EXPECT_LT(y, v) << h;
        y = v;
      }
      for (int i = 1; i < DiveSlotLayout::kRows; ++i)
        EXPECT_GE(l.rowText[i] - l.rowText[i - 1], 40) << "row " << i;
      // At least four lines of notes above the signature, 15 mm for signing under it.
      EXPECT_GE(l.signatureLine - l.notesTop, 150);
      EXPECT_GE(l.bottom - l.signatureText, 150);
      const ProfileBoxes b = printedProfileBoxes(slot_x::kProfileLeft, l.profileTop, slot_x::kProfileRight,
                                                 l.profileBottom);
      EXPECT_GT(b.left, slot_x::kNotesRight + 60);  // lane marks clear of the notes
      EXPECT_LE(b.right, slot_x::kFrameRight);
      EXPECT_GE(b.depthTop, l.profileTop);
      EXPECT_GE(b.depthBottom - b.depthTop, 200);
      EXPECT_GE(b.lanesTop - b.depthBottom, 50);  // minute labels between
      EXPECT_GE(b.lanesBottom - b.lanesTop, 120);
      EXPECT_LE(b.lanesBottom, l.bottom);
    }
  }
  // A landscape page has little room, but nothing runs outside its slot.
  const DiveSlotLayout l = diveSlotLayout(lowerSlotTop(kLandscapeA4), diveSlotHeight(kLandscapeA4));
  EXPECT_LE(l.bottom, kLandscapeA4 - kFooterHeight);
  EXPECT_LE(l.signatureText, l.bottom);
  EXPECT_LE(l.profileTop, l.profileBottom);
}

TEST(ListPages, RowsFillPagesAndEveryDiveAppearsOnce) {
  const int rows = listRowsPerPage(kA4);
  EXPECT_GE(rows, 50);
  EXPECT_LE(kListFirstRowTop + rows * kListRowHeight, kA4 - kFooterHeight);
  EXPECT_EQ(listPageCount(rows, kA4), 1);
  EXPECT_EQ(listPageCount(rows + 1, kA4), 2);
  EXPECT_EQ(listPageCount(0, kA4), 0);
  const PrintRange all{4, 4 + 2 * rows + 3};
  std::set<int> seen;
  const int pages = listPageCount(all.count(), kA4);
  ASSERT_EQ(pages, 3);
  for (int p = 0; p < pages; ++p) {
    const PrintRange r = listPage(all, p, kA4);
    for (int pos = r.first; pos <= r.last; ++pos) EXPECT_TRUE(seen.insert(pos).second);
  }
  EXPECT_EQ(static_cast<int>(seen.size()), all.count());
  EXPECT_EQ(*seen.begin(), 4);
  EXPECT_EQ(listRowsPerPage(100), 1);  // a tiny page still lists a row
}

TEST(CoverOwner, ReadFromBothOwnerFileLayouts) {
  const std::string dir = testing::TempDir();
  const std::string path = dir + "/owner.inf";
  auto write = [&](const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; };

  // Current layout: 100, count, owner name and club of 61 bytes each, entries behind.
  std::string cur(4 + 122 + 177, '\0');
  cur[0] = 100;
  cur[2] = 1;
  cur.replace(4, 11, utf8ToStored("Luca Verdi\xC3\xA8").substr(0, 11));
  cur.replace(4 + 61, 8, "Sub Club");
  write(cur);
  CoverOwner o = readCoverOwner(path);
  EXPECT_EQ(o.name, "Luca Verdi\xC3\xA8");
  EXPECT_EQ(o.club, "Sub Club");

  // A name filling its field without a terminating NUL ends inside its field.
  std::fill(cur.begin() + 4, cur.begin() + 65, 'x');
  write(cur);
  EXPECT_EQ(readCoverOwner(path).name, std::string(60, 'x'));

  // The older layout of exactly 1396 bytes: the owner's text at its start.
  std::string old(1396, '\0');
  old.replace(0, 9, "Ada Nera!");
  write(old);
  o = readCoverOwner(path);
  EXPECT_EQ(o.name, "Ada Nera!");
  EXPECT_EQ(o.club, "");

  // Anything else (another format number, a short file, no file) gives no owner.
  old.resize(1000);
  write(old);
  EXPECT_EQ(readCoverOwner(path).name, "");
  write(std::string("\x64\x00\x00", 3));
  EXPECT_EQ(readCoverOwner(path).name, "");
  std::remove(path.c_str());
  EXPECT_EQ(readCoverOwner(path).name, "");
}

TEST(PrintedProfile, MinuteLabelStepIsTheSmallestThatHoldsALabel) {
  EXPECT_EQ(printedMinuteLabelEvery(90, 60), 1);    // a ten-minute dive on a 90 mm profile
  EXPECT_EQ(printedMinuteLabelEvery(34.6, 60), 2);  // 26 minutes
  EXPECT_EQ(printedMinuteLabelEvery(18, 60), 5);    // 50 minutes: two minutes hold 36, not 60
  EXPECT_EQ(printedMinuteLabelEvery(30, 60), 2);    // exactly the room
  EXPECT_EQ(printedMinuteLabelEvery(5, 60), 15);
  EXPECT_EQ(printedMinuteLabelEvery(0.5, 60), 60);  // nothing holds it: one label an hour
}
