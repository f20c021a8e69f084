#pragma once
// Little-endian book files written by hand, field by field, and a scratch folder.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace booktest {

struct Bytes {
  std::string s;
  Bytes& u8(int v) {
    s.push_back(static_cast<char>(v & 0xFF));
    return *this;
  }
  Bytes& u16(int v) { return u8(v).u8(v >> 8); }
  Bytes& i32(int64_t v) {
    const auto u = static_cast<uint32_t>(v);
    return u16(int(u & 0xFFFF)).u16(int(u >> 16));
  }
  Bytes& f32(float f) {
    uint32_t u;
    std::memcpy(&u, &f, 4);
    return i32(u);
  }
  // A text field of `size` bytes: the text, then NUL bytes (or `fill` after the first NUL).
  Bytes& text(const std::string& t, size_t size, char fill = '\0') {
    std::string f = t.substr(0, size);
    if (f.size() < size) f.push_back('\0');
    while (f.size() < size) f.push_back(fill);
    s += f;
    return *this;
  }
  Bytes& zeros(size_t n) {
    s.append(n, '\0');
    return *this;
  }
};

inline std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

// A fresh folder under the system's temporary folder, removed at the end of the test.
struct ScratchDir {
  std::filesystem::path path;
  ScratchDir() {
    std::string t = (std::filesystem::temp_directory_path() / "kelp-books-XXXXXX").string();
    path = ::mkdtemp(t.data());
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::string file(const std::string& name) const { return (path / name).string(); }
};

}  // namespace booktest
