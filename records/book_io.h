#pragma once
// What the personal books share: little-endian fields, text fields that always end
// inside their field, the files of a count and fixed-size records, reading a book file
// whole and writing it through a temporary file, the byte-wise comparison of stored texts
// and the exchange sort of the lists.
//
// A book names the fields of its record once, in file order, as `fields(io, record)`
// with a generic `io`: given a ByteIn it reads them, given a ByteOut it writes them.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "core/logbook.h"  // Result

namespace kelp {

// A book file counts its entries in 16 bits: no book holds more.
inline constexpr size_t MAX_BOOK_ENTRIES = 65535;

// Reads little-endian fields from a byte string; never reads past its end.
class ByteIn {
 public:
  explicit ByteIn(const std::string& bytes, size_t pos = 0) : b_(bytes), pos_(pos) {}
  size_t left() const { return pos_ <= b_.size() ? b_.size() - pos_ : 0; }
  size_t pos() const { return pos_; }
  // Each reader returns 0 (or zero bytes) once the data has run out.
  uint8_t u8();
  uint16_t u16();
  int32_t i32();
  float f32();  // the four bytes as they stand, NaN payloads included
  // The same into a field, so that one list of fields serves reading and writing.
  void u8(uint8_t& v) { v = u8(); }
  void u16(uint16_t& v) { v = u16(); }
  void i32(int32_t& v) { v = i32(); }
  void f32(float& v) { v = f32(); }
  void bytes(void* out, size_t n);
  // A text field of n bytes; a field without NUL is ended inside it (its last byte becomes
  // NUL). Bytes behind the NUL are kept, so a field read and written again is unchanged.
  void text(char* out, size_t n);
  template <size_t N> void text(char (&out)[N]) { text(out, N); }

 private:
  const std::string& b_;
  size_t pos_;
};

// Appends little-endian fields to a byte string.
class ByteOut {
 public:
  explicit ByteOut(std::string& bytes) : b_(bytes) {}
  void u8(uint8_t v) { b_.push_back(static_cast<char>(v)); }
  void u16(uint16_t v);
  void i32(int32_t v);
  void f32(float v);
  void bytes(const void* p, size_t n) { b_.append(static_cast<const char*>(p), n); }
  // A text field of n bytes, written whole (bytes behind its NUL included).
  void text(const char* field, size_t n) { bytes(field, n); }
  template <size_t N> void text(const char (&field)[N]) { bytes(field, N); }

 private:
  std::string& b_;
};

// Reads a book file whole. A missing file sets `missing` and succeeds with no bytes; a file
// that exists but cannot be read is an error naming the file.
Result readBookFile(const std::string& path, std::string& bytes, bool& missing);
// Writes a book file as the logbook is written: a temporary file beside it, fsync, rename.
// On failure the previous file stays as it was and the message names the file.
Result writeBookFile(const std::string& path, const std::string& bytes);
// Before a file of an older layout is replaced by its converted form: a copy of it as
// path + ".bak" (written the same way). Nothing to do when the file is gone.
Result keepOldLayoutCopy(const std::string& path);

// Loads a book file: `parse` gets its bytes, and no bytes when the file is missing (an
// empty book) or cannot be read (then the read error is returned and the book is empty).
Result loadBookFile(const std::string& path, const std::function<Result(const std::string& bytes)>& parse);
// Saves a book file of `entries` entries: more than a file can count are refused, and
// keepOldCopy first keeps the file now at `path` as path + ".bak". `bytes` makes the file.
Result saveBookFile(const std::string& path, size_t entries, const std::function<std::string()>& bytes,
                    bool keepOldCopy = false);

// The error texts of the readers, each naming the file.
Result shortBookFile(const std::string& path);     // ends inside its header or an entry
Result unknownBookLayout(const std::string& path); // size fits no layout of the book
Result tooManyEntries(const std::string& path);    // more entries than a file can count

// A record with every byte zero, the bytes between its fields included.
template <class Rec>
Rec zeroedRecord() {
  static_assert(std::is_trivially_copyable_v<Rec>);
  Rec r;
  std::memset(&r, 0, sizeof r);
  return r;
}

// The bytes a record takes in its file, for "differs in any byte" comparisons.
template <class Rec, class Fields>
std::string recordBytes(Fields fields, const Rec& r) {
  std::string b;
  ByteOut out(b);
  fields(out, r);
  return b;
}

// The books of a 16-bit format number, a 16-bit count n and then n records of
// `recordSize` bytes. Reading: no bytes at all is an empty book; the format number is not
// looked at; the records the count names are read and bytes behind them are ignored (the
// next save writes the file without them); a file too short for its count is an error
// naming `path` and `out` stays empty.
template <class Rec, class Fields>
Result readCountedRecords(const std::string& path, const std::string& bytes, size_t recordSize, Fields fields,
                          std::vector<Rec>& out) {
  out.clear();
  if (bytes.empty()) return Result::success();
  if (bytes.size() < 4) return shortBookFile(path);
  ByteIn in(bytes);
  in.u16();  // format number
  const size_t n = in.u16();
  if (in.left() < n * recordSize) return shortBookFile(path);
  out.resize(n);  // zeroed records
  for (Rec& r : out) fields(in, r);
  return Result::success();
}

template <class Rec, class Fields>
std::string countedRecordBytes(uint16_t format, size_t recordSize, Fields fields, const std::vector<Rec>& book) {
  std::string bytes;
  bytes.reserve(4 + book.size() * recordSize);
  ByteOut out(bytes);
  out.u16(format);
  out.u16(static_cast<uint16_t>(book.size()));
  for (const Rec& r : book) fields(out, r);
  return bytes;
}

// Byte-wise comparison of two NUL-terminated stored texts, bytes taken as unsigned, so
// accented letters (0x80 and above) sort behind the plain ones. <0, 0, >0 as strcmp.
int compareStored(const char* a, const char* b);

// The lists' exchange sort: for every pair i < j, entries i and j change places when
// `greater(entries[i], entries[j])`. Kept as it is (and not a library sort), because the
// order it leaves among equal entries is part of how the books have always sorted.
template <class T, class Greater>
void exchangeSort(std::vector<T>& v, Greater greater) {
  // The exchanges move indexes, not the records; the records move once at the end.
  const size_t n = v.size();
  std::vector<size_t> at(n);
  for (size_t i = 0; i < n; ++i) at[i] = i;
  for (size_t i = 0; i + 1 < n; ++i)
    for (size_t j = i + 1; j < n; ++j)
      if (greater(v[at[i]], v[at[j]])) std::swap(at[i], at[j]);
  std::vector<T> sorted;
  sorted.reserve(n);
  for (size_t i : at) sorted.push_back(v[i]);
  v.swap(sorted);
}

}  // namespace kelp
