// The activities, trips and owner files byte by byte, the older trip and owner layouts and
// their conversion, sorting by date, totals and "Vai a:".
#include <gtest/gtest.h>

#include <filesystem>

#include "book_bytes.h"
#include "core/dive_record.h"
#include "core/logbook.h"
#include "records/activity_book.h"
#include "records/book_date.h"
#include "core/language.h"
#include "records/owner_book.h"
#include "records/trip_book.h"

using namespace kelp;
using booktest::Bytes;

namespace {

int32_t dateOf(const char* text) { return parseBookDate(text).stamp; }

Bytes& activity(Bytes& b, const std::string& text, int32_t start, int32_t end, int theory, int practice,
                int persons) {
  return b.text(text, 64).i32(start).i32(end).i32(theory).i32(practice).i32(persons).text("nota", 64);
}

Bytes& trip(Bytes& b, int32_t start, int32_t end, int first, int last, const std::string& dest,
            const std::string& note, size_t noteSize) {
  return b.i32(start).i32(end).i32(first).i32(last).text(dest, 61).text(note, noteSize);
}

Bytes& certification(Bytes& b, const std::string& cat, const std::string& what, int32_t date,
                     const std::string& instructor, float cost) {
  return b.text(cat, 16).text(what, 61).i32(date).text(instructor, 31).f32(cost).text("", 61);
}

}  // namespace

TEST(ActivityBook, EntriesAre148BytesAndSaveByteIdentical) {
  Bytes b;
  b.u16(110).u16(2);
  activity(b, "Corso Open Water", dateOf("1.2.99"), dateOf("14.2.99"), 10, 3, 6);
  activity(b, "Assistente", dateOf("5.6.1965"), 0, 5, 0, 2);
  ASSERT_EQ(b.s.size(), 4u + 2 * 148);
  std::vector<ActivityEntry> v;
  ASSERT_TRUE(readActivities("x.abn", b.s, v).ok);
  ASSERT_EQ(v.size(), 2u);
  EXPECT_STREQ(v[0].activity, "Corso Open Water");
  EXPECT_EQ(formatBookDate(v[0].startDate), "01.02.1999");
  EXPECT_EQ(formatBookDate(v[0].endDate), "14.02.1999");
  EXPECT_EQ(v[0].persons, 6);
  EXPECT_EQ(formatBookDate(v[1].startDate), "05.06.1965");
  EXPECT_STREQ(v[1].note, "nota");
  EXPECT_EQ(serializeActivities(v), b.s);

  const ActivityTotals t = activityTotals(v);
  EXPECT_EQ(t.theory, 15);
  EXPECT_EQ(t.practice, 3);
  EXPECT_EQ(t.total(), 18);

  b.s[2] = 9;
  EXPECT_FALSE(readActivities("x.abn", b.s, v).ok);
}

TEST(ActivityBook, SortPutsEntriesWithoutDateFirstThenByDate) {
  std::vector<ActivityEntry> v(4, makeActivity());
  v[0].startDate = dateOf("1.2.2005");
  v[1].startDate = 0;
  v[2].startDate = dateOf("1.2.1960");
  v[3].startDate = dateOf("1.2.1999");
  sortActivities(v);
  EXPECT_EQ(v[0].startDate, 0);
  EXPECT_EQ(formatBookDate(v[1].startDate), "01.02.1960");
  EXPECT_EQ(formatBookDate(v[3].startDate), "01.02.2005");
  EXPECT_EQ(formatBookDate(makeNewActivity().startDate), formatBookDate(todayBookDate()));
}

TEST(TripBook, CurrentLayoutSavesByteIdentical) {
  Bytes b;
  b.u16(2).f32(2.0f);
  trip(b, dateOf("1.8.2004"), dateOf("15.8.2004"), 12, 20, "Mar Rosso", "crociera", 579);
  trip(b, 0, 0, 0, 0, "", "", 579);
  ASSERT_EQ(b.s.size(), 6u + 2 * 656);
  std::vector<DiveTrip> v;
  bool old = true;
  ASSERT_TRUE(readTrips("x.trp", b.s, v, &old).ok);
  EXPECT_FALSE(old);
  ASSERT_EQ(v.size(), 2u);
  EXPECT_EQ(formatBookDate(v[0].startDate), "01.08.2004");
  EXPECT_STREQ(v[0].destination, "Mar Rosso");
  EXPECT_STREQ(v[0].note, "crociera");
  EXPECT_EQ(tripDivesText(v[0]), "00012-00020");
  EXPECT_EQ(serializeTrips(v), b.s);
}

TEST(TripBook, OlderLayoutIsConvertedAndTheOldFileKeptOnSave) {
  booktest::ScratchDir dir;
  Bytes b;
  b.u16(2);
  trip(b, dateOf("1.8.1998"), dateOf("9.8.1998"), 1, 9, "Elba", "prima", 155);
  Bytes second;
  trip(second, 0, 0, 10, 11, "Giglio", std::string(200, 'n'), 155);  // note cut to its 155 bytes
  b.s += second.s;
  ASSERT_EQ(b.s.size(), 2u + 2 * 232);
  const std::string path = dir.file("log.trp");
  booktest::writeFile(path, b.s);

  std::vector<DiveTrip> v;
  bool old = false;
  ASSERT_TRUE(loadTripFile(path, v, &old).ok);
  EXPECT_TRUE(old);
  ASSERT_EQ(v.size(), 2u);
  EXPECT_STREQ(v[0].destination, "Elba");
  EXPECT_STREQ(v[0].note, "prima");
  EXPECT_EQ(v[1].firstDive, 10);
  EXPECT_EQ(std::string(v[1].note), std::string(154, 'n'));
  // Reading changed nothing; saving writes the current layout and keeps the old file.
  EXPECT_EQ(booktest::readFile(path), b.s);
  ASSERT_TRUE(saveTripFile(path, v, true).ok);
  EXPECT_EQ(booktest::readFile(path + ".bak"), b.s);
  const std::string now = booktest::readFile(path);
  EXPECT_EQ(now.size(), 6u + 2 * 656);
  std::vector<DiveTrip> again;
  ASSERT_TRUE(readTrips(path, now, again, &old).ok);
  EXPECT_FALSE(old);
  EXPECT_EQ(serializeTrips(again), now);

  // The older layout with bytes behind its trips is still the older layout.
  ASSERT_TRUE(readTrips(path, b.s + std::string(300, 'x'), again, &old).ok);
  EXPECT_TRUE(old);
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(std::string(again[1].note), std::string(154, 'n'));
}

TEST(TripBook, SizesThatFitNoLayoutAreNotRead) {
  std::vector<DiveTrip> v;
  Bytes b;
  b.u16(3).f32(2.0f);
  trip(b, 0, 0, 1, 2, "x", "", 579);
  EXPECT_FALSE(readTrips("x.trp", b.s, v).ok);         // count 3, one trip
  EXPECT_FALSE(readTrips("x.trp", b.s + "z", v).ok);
  EXPECT_FALSE(readTrips("x.trp", std::string(1, '\1'), v).ok);
  EXPECT_TRUE(v.empty());
}

TEST(TripBook, GoToLooksTheDiveUpByItsNumber) {
  Logbook lb;
  std::vector<DiveRecord> dives;
  for (int n : {100, 101, 102, 103}) {
    DiveRecord r = makeRecord();
    r.date = 150000 + n;
    r.diveNumber = static_cast<uint16_t>(n);
    dives.push_back(r);
  }
  lb.assignDives(dives);
  DiveTrip t = makeTrip();
  t.firstDive = 102;
  EXPECT_EQ(tripGoToPosition(t, lb), 3);
  t.firstDive = 2;  // a position, but no dive's number
  EXPECT_EQ(tripGoToPosition(t, lb), 0);
  t.firstDive = 0;
  EXPECT_EQ(tripGoToPosition(t, lb), 0);
}

TEST(OwnerBook, CurrentLayoutSavesByteIdenticalAndSumsCosts) {
  Bytes b;
  b.u16(100).u16(2).text("Marta Bianchi", 61).text("Sub Club Como", 61);
  certification(b, "Certificazioni", "Open Water Diver", dateOf("3.5.1995"), "Rossi", 100.5f);
  certification(b, "Seminari", "Biologia marina", dateOf("1.1.2040") /* invalid: 0 */, "", 20.0f);
  ASSERT_EQ(b.s.size(), 126u + 2 * 177);
  OwnerBook book;
  bool old = true;
  ASSERT_TRUE(readOwnerBook("x.inf", b.s, book, &old).ok);
  EXPECT_FALSE(old);
  EXPECT_STREQ(book.owner.name, "Marta Bianchi");
  EXPECT_STREQ(book.owner.club, "Sub Club Como");
  ASSERT_EQ(book.entries.size(), 2u);
  EXPECT_STREQ(book.entries[0].category, "Certificazioni");
  EXPECT_STREQ(book.entries[0].instructor, "Rossi");
  EXPECT_EQ(formatBookDate(book.entries[0].date), "03.05.1995");
  EXPECT_EQ(serializeOwnerBook(book), b.s);
  EXPECT_DOUBLE_EQ(certificationCostTotal(book.entries), 120.5);
}

TEST(OwnerBook, OnlyAFileOfTheOldSizeIsConvertedAndNothingIsWrittenOnOpening) {
  booktest::ScratchDir dir;
  std::string old(1396, '\0');
  old.replace(0, 13, "Marta Bianchi");
  old.replace(348 + 0 * 28, 16, "Open Water Diver");
  old.replace(348 + 2 * 28, 28, std::string(28, 'N'));  // a slot filled to its end
  old.replace(348 + 33 * 28, 6, "Nitrox");
  const std::string path = dir.file("log.inf");
  booktest::writeFile(path, old);

  OwnerBook book;
  bool wasOld = false;
  ASSERT_TRUE(loadOwnerFile(path, book, &wasOld).ok);
  EXPECT_TRUE(wasOld);
  EXPECT_STREQ(book.owner.name, "Marta Bianchi");
  ASSERT_EQ(book.entries.size(), 3u);
  EXPECT_STREQ(book.entries[0].designation, "Open Water Diver");
  EXPECT_EQ(std::string(book.entries[1].designation), std::string(28, 'N'));
  EXPECT_STREQ(book.entries[2].designation, "Nitrox");
  EXPECT_EQ(book.entries[2].date, 0);
  EXPECT_EQ(booktest::readFile(path), old);
  EXPECT_FALSE(std::filesystem::exists(path + ".bak"));

  ASSERT_TRUE(saveOwnerFile(path, book, true).ok);
  EXPECT_EQ(booktest::readFile(path + ".bak"), old);
  OwnerBook again;
  ASSERT_TRUE(loadOwnerFile(path, again, &wasOld).ok);
  EXPECT_FALSE(wasOld);
  EXPECT_EQ(serializeOwnerBook(again), serializeOwnerBook(book));

  // Another first word alone does not make a file old: any other size is not read.
  OwnerBook none;
  EXPECT_FALSE(readOwnerBook("x.inf", std::string(1395, '\0'), none).ok);
  EXPECT_FALSE(readOwnerBook("x.inf", std::string("\x65\x00\x00\x00", 4) + std::string(122, 'a'), none).ok);
  Bytes shortFile;
  shortFile.u16(100).u16(4).text("x", 61).text("y", 61);
  EXPECT_FALSE(readOwnerBook("x.inf", shortFile.s, none).ok);
}

TEST(OwnerBook, SortsCertificationsByDateWithoutDateFirst) {
  std::vector<Certification> v(3, makeCertification());
  v[0].date = dateOf("1.1.2001");
  v[1].date = dateOf("1.1.1968");
  setText(v[2].designation, "senza data");
  sortCertifications(v);
  EXPECT_STREQ(v[0].designation, "senza data");
  EXPECT_EQ(formatBookDate(v[1].date), "01.01.1968");
  EXPECT_EQ(formatBookDate(v[2].date), "01.01.2001");
}

TEST(CertificationCategories, ShownInTheLanguageStoredInItalian) {
  EXPECT_EQ(shownCertificationCategory("Specialita'"), "Specialita'");
  kelp::setLanguage(kelp::Language::English);
  const std::vector<std::string> shown = certificationCategoryTexts();
  const std::vector<std::string> stored = certificationCategories();
  kelp::setLanguage(kelp::Language::Italian);
  ASSERT_EQ(shown.size(), stored.size());
  EXPECT_EQ(shown[0], "Certifications");
  EXPECT_EQ(stored[0], "Certificazioni");
  kelp::setLanguage(kelp::Language::English);
  EXPECT_EQ(shownCertificationCategory("Seminari"), "Seminars");
  EXPECT_EQ(shownCertificationCategory("Apnea"), "Apnea");  // a text of the user's own
  kelp::setLanguage(kelp::Language::Italian);
  EXPECT_EQ(certificationCategoryTexts(), certificationCategories());  // Italian shows what it stores
}
