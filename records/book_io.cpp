#include "records/book_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/file_write.h"
#include "core/texts.h"
#include "core/strings.h"

namespace kelp {

uint8_t ByteIn::u8() {
  if (left() < 1) return 0;
  return static_cast<uint8_t>(b_[pos_++]);
}

uint16_t ByteIn::u16() {
  if (left() < 2) {
    pos_ = b_.size();
    return 0;
  }
  const auto* p = reinterpret_cast<const unsigned char*>(b_.data() + pos_);
  pos_ += 2;
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

int32_t ByteIn::i32() {
  if (left() < 4) {
    pos_ = b_.size();
    return 0;
  }
  const auto* p = reinterpret_cast<const unsigned char*>(b_.data() + pos_);
  pos_ += 4;
  const uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
  return static_cast<int32_t>(v);
}

float ByteIn::f32() {
  const int32_t bits = i32();
  float f;
  std::memcpy(&f, &bits, 4);
  return f;
}

void ByteIn::bytes(void* out, size_t n) {
  const size_t have = n <= left() ? n : left();
  if (have) std::memcpy(out, b_.data() + pos_, have);
  if (have < n) std::memset(static_cast<char*>(out) + have, 0, n - have);
  pos_ += have;
}

void ByteIn::text(char* out, size_t n) {
  bytes(out, n);
  if (n && !std::memchr(out, 0, n)) out[n - 1] = '\0';
}

void ByteOut::u16(uint16_t v) {
  b_.push_back(static_cast<char>(v & 0xFF));
  b_.push_back(static_cast<char>(v >> 8));
}

void ByteOut::i32(int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int s = 0; s < 32; s += 8) b_.push_back(static_cast<char>((u >> s) & 0xFF));
}

void ByteOut::f32(float v) {
  int32_t bits;
  std::memcpy(&bits, &v, 4);
  i32(bits);
}

Result readBookFile(const std::string& path, std::string& bytes, bool& missing) {
  bytes.clear();
  missing = false;
  std::error_code ec;
  const auto st = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(st)) {
    missing = true;
    return Result::success();
  }
  if (!std::filesystem::is_regular_file(st))
    return Result::failure(strf(63504, path.c_str()));
  std::ifstream in(path, std::ios::binary);
  if (!in) return Result::failure(strf(63504, path.c_str()));
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    bytes.clear();
    return Result::failure(strf(63406, path.c_str()));
  }
  return Result::success();
}

Result writeBookFile(const std::string& path, const std::string& bytes) {
  if (path.empty()) return Result::failure(str(63505));
  return replaceFile(path, bytes);
}

Result keepOldLayoutCopy(const std::string& path) {
  std::string bytes;
  bool missing = false;
  Result r = readBookFile(path, bytes, missing);
  if (!r) return r;
  if (missing) return Result::success();
  return writeBookFile(path + ".bak", bytes);
}

Result loadBookFile(const std::string& path, const std::function<Result(const std::string& bytes)>& parse) {
  std::string bytes;
  bool missing = false;
  const Result r = readBookFile(path, bytes, missing);  // no bytes unless it was read
  const Result parsed = parse(bytes);
  return r ? parsed : r;
}

Result saveBookFile(const std::string& path, size_t entries, const std::function<std::string()>& bytes,
                    bool keepOldCopy) {
  if (entries > MAX_BOOK_ENTRIES) return tooManyEntries(path);
  if (keepOldCopy) {
    Result r = keepOldLayoutCopy(path);
    if (!r) return r;
  }
  return writeBookFile(path, bytes());
}

Result shortBookFile(const std::string& path) {
  return Result::failure(
      strf(63506, path.c_str()));
}

Result unknownBookLayout(const std::string& path) {
  return Result::failure(strf(63507, path.c_str()));
}

Result tooManyEntries(const std::string& path) {
  return Result::failure(strf(63508, path.c_str(), MAX_BOOK_ENTRIES));
}

int compareStored(const char* a, const char* b) {
  const auto* x = reinterpret_cast<const unsigned char*>(a);
  const auto* y = reinterpret_cast<const unsigned char*>(b);
  while (*x && *x == *y) {
    ++x;
    ++y;
  }
  return int(*x) - int(*y);
}

}  // namespace kelp
