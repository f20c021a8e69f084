#include "app/tips.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "core/ini_file.h"
#include "core/settings.h"
#include "core/texts.h"

namespace kelp {
namespace {

constexpr int kMaxLine = 1000;  // characters per line read, as with a 1000-byte buffer

bool isComment(const char* line) {
  const char c = line[0];
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ';';
}

bool validUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    const int n = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (n < 0 || i + n >= s.size()) return false;
    for (int k = 1; k <= n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n + 1;
  }
  return true;
}


}  // namespace

std::string tipsFilePath(Language l) {
  if (l != Language::Italian) {
    const std::string own = shippedFilePath(std::string("tips_") + languageCode(l) + ".txt");
    std::error_code ec;
    if (std::filesystem::is_regular_file(own, ec)) return own;
  }
  return shippedFilePath("tips.txt");
}

TipsFile::~TipsFile() { close(); }

namespace {

// Reads the next tip line of `f` (comment lines passed over); false at the end of the file.
bool readTip(std::FILE* f, std::string& tip) {
  char line[kMaxLine];
  while (std::fgets(line, kMaxLine, f)) {
    if (isComment(line)) continue;
    tip = line;
    while (!tip.empty() && (tip.back() == '\n' || tip.back() == '\r')) tip.pop_back();
    return true;
  }
  return false;
}

}  // namespace

bool TipsFile::open(const std::string& path, const std::string& translation) {
  close();
  path_ = path;
  translated_.clear();
  file_ = std::fopen(path.c_str(), "rb");
  if (file_ && !translation.empty() && translation != path) {
    if (std::FILE* t = std::fopen(translation.c_str(), "rb")) {
      std::string tip;
      while (readTip(t, tip)) translated_.push_back(tip);
      std::fclose(t);
    }
  }
  return file_ != nullptr;
}

size_t TipsFile::tipsBefore(long pos) const {
  std::FILE* f = std::fopen(path_.c_str(), "rb");
  if (!f) return 0;
  size_t n = 0;
  std::string tip;
  while (std::ftell(f) < pos && readTip(f, tip)) ++n;
  std::fclose(f);
  return n;
}

void TipsFile::close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

std::string TipsFile::timeStamp() const {
  std::error_code ec;
  const auto t = std::filesystem::last_write_time(path_, ec);
  if (ec) return {};
  const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
  return std::to_string(ns);
}

void TipsFile::start(Settings& s) {
  if (!file_) return;
  const std::string stamp = timeStamp();
  long pos = s.tipFilePos;
  if (stamp != s.tipTimeStamp) {
    s.tipTimeStamp = stamp;
    pos = 0;
  }
  if (pos < 0 || !seek(pos)) seek(0);
}

bool TipsFile::next(std::string& tip) {
  if (!file_) return false;
  for (bool wrapped = false;; wrapped = true) {
    const long from = std::ftell(file_);
    if (readTip(file_, tip)) {
      if (!translated_.empty()) {
        const size_t i = tipsBefore(from);
        if (i < translated_.size()) tip = translated_[i];
      }
      return true;
    }
    if (wrapped || std::fseek(file_, 0, SEEK_SET) != 0) return false;
  }
}

long TipsFile::position() const { return file_ ? std::ftell(file_) : 0; }

bool TipsFile::seek(long pos) { return file_ && std::fseek(file_, pos, SEEK_SET) == 0; }

std::string tipToUtf8(const std::string& raw) { return validUtf8(raw) ? raw : cp1252ToUtf8(raw); }

}  // namespace kelp
