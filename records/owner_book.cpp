#include "records/owner_book.h"

#include "core/strings.h"
#include "core/dive_record.h"
#include "records/book_date.h"
#include "records/book_io.h"

namespace kelp {
namespace {

// The fields of a certification in file order (records/book_io.h).
constexpr auto kFields = [](auto& io, auto& c) {
  io.text(c.category);
  io.text(c.designation);
  io.i32(c.date);
  io.text(c.instructor);
  io.f32(c.cost);
  io.text(c.note);
};

// A text of the older layout: up to its NUL, never past `size` bytes.
std::string oldText(const std::string& bytes, size_t at, size_t size) {
  size_t n = 0;
  while (n < size && bytes[at + n]) ++n;
  return bytes.substr(at, n);
}

void convertOldLayout(const std::string& bytes, OwnerBook& out) {
  setText(out.owner.name, oldText(bytes, 0, OLD_OWNER_SLOTS_AT));
  for (int i = 0; i < OLD_OWNER_SLOTS; ++i) {
    const std::string d = oldText(bytes, OLD_OWNER_SLOTS_AT + size_t(i) * OLD_OWNER_SLOT_SIZE, OLD_OWNER_SLOT_SIZE);
    if (d.empty()) continue;
    Certification c = makeCertification();
    setText(c.designation, d);
    out.entries.push_back(c);
  }
}

}  // namespace

Certification makeCertification() { return zeroedRecord<Certification>(); }

Certification makeNewCertification() {
  Certification c = makeCertification();
  c.date = todayBookDate();
  return c;
}

const std::vector<std::string>& certificationCategories() {
  static const std::vector<std::string> k = {"Certificazioni", "Specialita'", "Seminari", "Conferenze"};
  return k;
}

std::vector<std::string> certificationCategoryTexts() {
  std::vector<std::string> out;
  for (int id = 63584; id <= 63587; ++id) out.push_back(str(id));
  return out;
}

std::string shownCertificationCategory(const std::string& storedUtf8) {
  const auto& stored = certificationCategories();
  for (size_t i = 0; i < stored.size(); ++i)
    if (stored[i] == storedUtf8) return str(63584 + static_cast<int>(i));
  return storedUtf8;
}

Result readOwnerBook(const std::string& path, const std::string& bytes, OwnerBook& out, bool* oldLayout) {
  out = OwnerBook{};
  if (oldLayout) *oldLayout = false;
  if (bytes.empty()) return Result::success();
  ByteIn in(bytes);
  const uint16_t fmt = in.u16();
  const size_t n = in.u16();
  const size_t expected = OWNER_HEADER_SIZE + n * CERTIFICATION_SIZE;
  // The certifications the count names are read; bytes behind them are ignored. The older
  // layout has no count and is known by its size alone.
  if (bytes.size() >= OWNER_HEADER_SIZE && fmt == OWNER_FILE_FORMAT && bytes.size() >= expected) {
    in.text(out.owner.name);
    in.text(out.owner.club);
    out.entries.resize(n);
    for (Certification& c : out.entries) kFields(in, c);
    return Result::success();
  }
  if (bytes.size() == OLD_OWNER_FILE_SIZE) {
    convertOldLayout(bytes, out);
    if (oldLayout) *oldLayout = true;
    return Result::success();
  }
  if (fmt == OWNER_FILE_FORMAT && bytes.size() < expected) return shortBookFile(path);
  return unknownBookLayout(path);
}

std::string serializeOwnerBook(const OwnerBook& book) {
  std::string bytes;
  bytes.reserve(OWNER_HEADER_SIZE + book.entries.size() * CERTIFICATION_SIZE);
  ByteOut out(bytes);
  out.u16(OWNER_FILE_FORMAT);
  out.u16(static_cast<uint16_t>(book.entries.size()));
  out.text(book.owner.name);
  out.text(book.owner.club);
  for (const Certification& c : book.entries) kFields(out, c);
  return bytes;
}

Result loadOwnerFile(const std::string& path, OwnerBook& out, bool* oldLayout) {
  return loadBookFile(path, [&](const std::string& bytes) { return readOwnerBook(path, bytes, out, oldLayout); });
}

Result saveOwnerFile(const std::string& path, const OwnerBook& book, bool keepOldCopy) {
  return saveBookFile(path, book.entries.size(), [&] { return serializeOwnerBook(book); }, keepOldCopy);
}

bool sameCertification(const Certification& a, const Certification& b) {
  return recordBytes(kFields, a) == recordBytes(kFields, b);
}

void sortCertifications(std::vector<Certification>& entries) { sortByBookDate(entries, &Certification::date); }

double certificationCostTotal(const std::vector<Certification>& entries) {
  double sum = 0;
  for (const Certification& c : entries) sum += c.cost;
  return sum;
}

}  // namespace kelp
