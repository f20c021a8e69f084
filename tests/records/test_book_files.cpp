// The rules every book file follows, driven through each book's own loader and saver: a
// missing file is an empty book; a file that cannot be read, or too short for its entries,
// is an error naming it and leaves the book empty whatever it held; bytes behind the
// entries are ignored and the next save leaves them out; and no book writes
// more entries than its count can hold, nor keeps an old copy when it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "book_bytes.h"
#include "core/dive_record.h"
#include "records/activity_book.h"
#include "records/address_book.h"
#include "records/equipment_book.h"
#include "records/owner_book.h"
#include "records/trip_book.h"

using namespace kelp;

namespace {

// One book kind as the tests drive it: a book holding one entry, its emptiness, and its
// loader and saver on a path.
template <class Book>
struct Kind {
  const char* ext;
  Book one;
  std::function<bool(const Book&)> empty;
  std::function<Result(const std::string&, Book&)> load;
  std::function<Result(const std::string&, const Book&, bool keepOldCopy)> save;
  std::function<Book()> tooMany;
};

bool names(const Result& r, const std::string& path) { return !r.ok && r.error.find(path) != std::string::npos; }

template <class Book>
void loadRules(const Kind<Book>& k) {
  SCOPED_TRACE(k.ext);
  booktest::ScratchDir dir;
  Book b = k.one;
  ASSERT_FALSE(k.empty(b));
  EXPECT_TRUE(k.load(dir.file(std::string("missing.") + k.ext), b).ok);
  EXPECT_TRUE(k.empty(b));

  // A folder where the file should be cannot be read.
  const std::string folder = dir.file(std::string("folder.") + k.ext);
  std::filesystem::create_directory(folder);
  b = k.one;
  EXPECT_TRUE(names(k.load(folder, b), folder));
  EXPECT_TRUE(k.empty(b));

  // A file saved and cut short by one byte fits no layout.
  const std::string cut = dir.file(std::string("cut.") + k.ext);
  ASSERT_TRUE(k.save(cut, k.one, false).ok);
  std::string bytes = booktest::readFile(cut);
  b = Book{};
  ASSERT_TRUE(k.load(cut, b).ok);
  EXPECT_FALSE(k.empty(b));
  const std::string clean = bytes;
  bytes.pop_back();
  booktest::writeFile(cut, bytes);
  EXPECT_TRUE(names(k.load(cut, b), cut));
  EXPECT_TRUE(k.empty(b));

  // Bytes behind the entries its count names are ignored, and the next save leaves them out.
  const std::string tail = dir.file(std::string("tail.") + k.ext);
  booktest::writeFile(tail, clean + std::string("\x01\x02 left over", 11));
  b = Book{};
  ASSERT_TRUE(k.load(tail, b).ok);
  ASSERT_TRUE(k.save(tail, b, false).ok);
  EXPECT_EQ(booktest::readFile(tail), clean);
}

template <class Book>
void saveRules(const Kind<Book>& k) {
  SCOPED_TRACE(k.ext);
  booktest::ScratchDir dir;
  const std::string path = dir.file(std::string("book.") + k.ext);
  ASSERT_TRUE(k.save(path, k.one, false).ok);
  const std::string before = booktest::readFile(path);
  EXPECT_TRUE(names(k.save(path, k.tooMany(), true), path));
  EXPECT_EQ(booktest::readFile(path), before);
  EXPECT_FALSE(std::filesystem::exists(path + ".bak"));
}

template <class Rec>
Kind<std::vector<Rec>> listKind(const char* ext, Rec one, Result (*load)(const std::string&, std::vector<Rec>&),
                                std::function<Result(const std::string&, const std::vector<Rec>&, bool)> save) {
  return {ext,
          {one},
          [](const std::vector<Rec>& v) { return v.empty(); },
          load,
          std::move(save),
          [one] { return std::vector<Rec>(65536, one); }};
}

Kind<std::vector<BuddyAddress>> addresses() {
  BuddyAddress a = makeAddress();
  setText(a.surname, "Rossi");
  return listKind<BuddyAddress>("adr", a, loadAddressFile, [](auto& p, auto& v, bool) { return saveAddressFile(p, v); });
}

Kind<std::vector<EquipmentItem>> equipment() {
  EquipmentItem e = makeEquipmentItem();
  setText(e.designation, "Erogatore");
  return listKind<EquipmentItem>("dat", e, loadEquipmentFile,
                                 [](auto& p, auto& v, bool) { return saveEquipmentFile(p, v); });
}

Kind<std::vector<ActivityEntry>> activities() {
  ActivityEntry e = makeNewActivity();
  setText(e.activity, "Corso");
  return listKind<ActivityEntry>("abn", e, loadActivityFile,
                                 [](auto& p, auto& v, bool) { return saveActivityFile(p, v); });
}

Kind<std::vector<DiveTrip>> trips() {
  DiveTrip t = makeNewTrip();
  setText(t.destination, "Elba");
  return listKind<DiveTrip>(
      "trp", t, [](const std::string& p, std::vector<DiveTrip>& v) { return loadTripFile(p, v); },
      [](auto& p, auto& v, bool keep) { return saveTripFile(p, v, keep); });
}

Kind<OwnerBook> owner() {
  OwnerBook one;
  setText(one.owner.name, "Marta Bianchi");
  one.entries.push_back(makeNewCertification());
  return {"inf",
          one,
          [](const OwnerBook& b) { return b.entries.empty() && b.owner.name[0] == '\0'; },
          [](const std::string& p, OwnerBook& b) { return loadOwnerFile(p, b); },
          [](const std::string& p, const OwnerBook& b, bool keep) { return saveOwnerFile(p, b, keep); },
          [one] {
            OwnerBook b = one;
            b.entries.assign(65536, one.entries[0]);
            return b;
          }};
}

}  // namespace

TEST(BookFiles, EveryBookLoadsMissingAsEmptyIgnoresTrailingBytesAndLeavesItEmptyWhenRefused) {
  loadRules(addresses());
  loadRules(equipment());
  loadRules(activities());
  loadRules(trips());
  loadRules(owner());
}

TEST(BookFiles, EveryBookRefusesMoreEntriesThanItsCountHoldsAndTouchesNoFile) {
  saveRules(addresses());
  saveRules(equipment());
  saveRules(activities());
  saveRules(trips());
  saveRules(owner());
}
