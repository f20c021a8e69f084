#pragma once
// Switches the whole process to a locale whose decimal point is a comma for the
// lifetime of the object, and back to "C" afterwards.
#include <clocale>
#include <cstdio>
#include <string>

class DecimalCommaLocale {
 public:
  DecimalCommaLocale() {
    for (const char* c : {"de_DE.UTF-8", "de_DE.utf8", "it_IT.UTF-8", "it_IT.utf8", "de_DE"}) {
      if (std::setlocale(LC_ALL, c)) {
        name_ = c;
        break;
      }
    }
  }
  ~DecimalCommaLocale() { std::setlocale(LC_ALL, "C"); }
  DecimalCommaLocale(const DecimalCommaLocale&) = delete;
  DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

  // True when a decimal-comma locale is in force: plain printf writes "32,5".
  bool active() const {
    if (name_.empty()) return false;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.1f", 32.5);
    return std::string(buf) == "32,5";
  }
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};
