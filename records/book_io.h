#pragma once
// What the personal books share: little-endian fields, text fields that always end
// inside their field, reading a book file whole and writing it through a temporary
// file, the byte-wise comparison of stored texts and the exchange sort of the lists.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
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

// The error texts of the readers, each naming the file.
Result shortBookFile(const std::string& path);     // ends inside its header or an entry
Result unknownBookLayout(const std::string& path); // size fits no layout of the book
Result tooManyEntries(const std::string& path);    // more entries than a file can count

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
