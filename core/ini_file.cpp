#include "core/ini_file.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include <unistd.h>

#include "core/file_write.h"
#include "core/texts.h"

namespace kelp {
namespace {

// Case folding for section and key names: ASCII letters and the Latin-1 capitals
// (À..Þ, encoded C3 80..C3 9E in UTF-8) compare equal to their small forms.
std::string fold(const std::string& s) {
  std::string out(s);
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c + 32);
    } else if (c == 0xC3 && i + 1 < out.size()) {
      unsigned char n = static_cast<unsigned char>(out[i + 1]);
      if (n >= 0x80 && n <= 0x9E && n != 0x97) out[i + 1] = static_cast<char>(n + 0x20);
      ++i;
    }
  }
  return out;
}

bool sameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && fold(a) == fold(b);
}

std::string trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) { load(); }

bool IniFile::load() {
  sections_.clear();
  if (path_.empty()) return false;
  std::ifstream in(path_, std::ios::binary);
  if (!in) return false;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  parse(bytes);
  return true;
}

void IniFile::parse(const std::string& raw) {
  sections_.clear();
  std::string bytes = raw;
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  // Files written by older tools are Windows-1252; keep everything UTF-8 in memory.
  if (!isValidUtf8(bytes)) bytes = cp1252ToUtf8(bytes);

  Section* current = nullptr;
  size_t pos = 0;
  while (pos <= bytes.size()) {
    size_t nl = bytes.find('\n', pos);
    std::string line = bytes.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
    pos = nl == std::string::npos ? bytes.size() + 1 : nl + 1;
    std::string t = trim(line);
    // A byte order mark in front of a line is not part of it (written first, it would be
    // taken for the file's own mark when read again).
    while (t.compare(0, 3, "\xEF\xBB\xBF") == 0) t = trim(t.substr(3));
    if (t.empty()) continue;
    if (t[0] == '[') {
      size_t close = t.find(']');
      std::string name = trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      current = findSection(name);
      if (!current) {
        sections_.push_back({name, {}});
        current = &sections_.back();
      }
      continue;
    }
    if (!current) {  // lines before the first section
      sections_.push_back({"", {}});
      current = &sections_.back();
    }
    size_t eq = t.find('=');
    // A comment, a stray line or one without a key name ("=x") is kept as it stands.
    if (t[0] == ';' || eq == std::string::npos || trim(t.substr(0, eq)).empty()) {
      current->entries.push_back({"", t});
      continue;
    }
    std::string key = trim(t.substr(0, eq));
    std::string value = trim(t.substr(eq + 1));
    bool found = false;
    for (auto& e : current->entries) {
      if (!e.key.empty() && sameName(e.key, key)) {
        found = true;  // the first occurrence of a key wins
        break;
      }
    }
    if (!found) current->entries.push_back({key, value});
  }
}

std::string IniFile::serialize() const {
  std::string out;
  bool first = true;
  for (const auto& s : sections_) {
    if (s.name.empty() && s.entries.empty()) continue;
    if (!s.name.empty() || !first) {
      if (!first) out += "\n";
      out += "[" + s.name + "]\n";
    }
    first = false;
    for (const auto& e : s.entries) {
      if (e.key.empty()) out += e.value + "\n";
      else out += e.key + "=" + e.value + "\n";
    }
  }
  return out;
}

bool IniFile::save() const {
  if (path_.empty()) return false;
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path p(path_);
  if (p.has_parent_path()) fs::create_directories(p.parent_path(), ec);
  return static_cast<bool>(replaceFile(path_, serialize()));
}

IniFile::Section* IniFile::findSection(const std::string& name) {
  for (auto& s : sections_)
    if (sameName(s.name, name)) return &s;
  return nullptr;
}

const IniFile::Section* IniFile::findSection(const std::string& name) const {
  for (const auto& s : sections_)
    if (sameName(s.name, name)) return &s;
  return nullptr;
}

std::string IniFile::getString(const std::string& section, const std::string& key,
                               const std::string& def) const {
  const Section* s = findSection(section);
  if (!s || key.empty()) return def;
  for (const auto& e : s->entries)
    if (!e.key.empty() && sameName(e.key, key)) return e.value;
  return def;
}

int IniFile::getInt(const std::string& section, const std::string& key, int def) const {
  if (!has(section, key)) return def;
  int v;
  return scanInt(getString(section, key), v) ? v : def;
}

bool IniFile::has(const std::string& section, const std::string& key) const {
  const Section* s = findSection(section);
  if (!s || key.empty()) return false;
  for (const auto& e : s->entries)
    if (!e.key.empty() && sameName(e.key, key)) return true;
  return false;
}

bool IniFile::hasSection(const std::string& section) const { return findSection(section) != nullptr; }

void IniFile::setString(const std::string& section, const std::string& key, const std::string& value) {
  if (key.empty()) return;
  // Line breaks would split the entry when the file is read again.
  std::string v;
  for (char c : value) v += (c == '\n' || c == '\r') ? ' ' : c;
  Section* s = findSection(section);
  if (!s) {
    sections_.push_back({section, {}});
    s = &sections_.back();
  }
  for (auto& e : s->entries) {
    if (!e.key.empty() && sameName(e.key, key)) {
      e.value = v;
      return;
    }
  }
  s->entries.push_back({key, v});
}

void IniFile::setInt(const std::string& section, const std::string& key, int value) {
  setString(section, key, format("%d", value));
}

void IniFile::removeKey(const std::string& section, const std::string& key) {
  Section* s = findSection(section);
  if (!s) return;
  for (auto it = s->entries.begin(); it != s->entries.end(); ++it) {
    if (!it->key.empty() && sameName(it->key, key)) {
      s->entries.erase(it);
      return;
    }
  }
}

void IniFile::removeSection(const std::string& section) {
  for (auto it = sections_.begin(); it != sections_.end(); ++it) {
    if (sameName(it->name, section)) {
      sections_.erase(it);
      return;
    }
  }
}

void IniFile::clear() { sections_.clear(); }

std::vector<std::string> IniFile::sections() const {
  std::vector<std::string> out;
  for (const auto& s : sections_)
    if (!s.name.empty()) out.push_back(s.name);
  return out;
}

std::vector<std::string> IniFile::keys(const std::string& section) const {
  std::vector<std::string> out;
  if (const Section* s = findSection(section))
    for (const auto& e : s->entries)
      if (!e.key.empty()) out.push_back(e.key);
  return out;
}

std::string configDir() {
  const char* dir = std::getenv("KELP_CONFIG_DIR");
  if (dir && *dir) return dir;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg) return std::string(xdg) + "/Kelp";
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.config/Kelp";
}

std::string configFilePath(const std::string& fileName) { return configDir() + "/" + fileName; }

std::string shippedFilePath(const std::string& fileName) {
  namespace fs = std::filesystem;
  char buf[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  const fs::path dir = n > 0 ? fs::path(std::string(buf, size_t(n))).parent_path() : fs::path(".");
  const fs::path beside = dir / fileName;
  std::error_code ec;
  if (fs::exists(beside, ec)) return beside.string();
  const fs::path installed = dir.parent_path() / "share" / "kelp" / fileName;
  if (fs::exists(installed, ec)) return installed.string();
  return beside.string();
}

}  // namespace kelp
