#include "transfer/xml_writer.h"

#include <cstdio>

namespace kelp {

namespace {
constexpr size_t kBuffer = size_t{1} << 20;
}

XmlWriter::XmlWriter(Sink sink) : sink_(std::move(sink)) {
  if (sink_) buf_.reserve(kBuffer + 4096);
}

void XmlWriter::declaration() { buf_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"; }

void XmlWriter::indent() { buf_.append(open_.size(), '\t'); }

void XmlWriter::endStartTag() {
  if (!startTag_) return;
  buf_ += ">\n";
  startTag_ = false;
}

void XmlWriter::open(std::string_view name) {
  endStartTag();
  maybeFlush();
  indent();
  buf_ += '<';
  buf_ += name;
  open_.push_back(name);
  startTag_ = true;
  hasText_ = false;
}

void XmlWriter::attribute(std::string_view name, std::string_view value) {
  if (!startTag_ || hasText_) return;
  buf_ += ' ';
  buf_ += name;
  buf_ += "=\"";
  escaped(value, true);
  buf_ += '"';
}

void XmlWriter::text(std::string_view value) {
  if (!startTag_ || value.empty()) return;
  if (!hasText_) buf_ += '>';
  hasText_ = true;
  escaped(value, false);
}

void XmlWriter::close() {
  if (open_.empty()) return;
  const std::string_view name = open_.back();
  open_.pop_back();
  if (startTag_ && !hasText_) {
    buf_ += " />\n";
  } else {
    if (!startTag_) indent();
    buf_ += "</";
    buf_ += name;
    buf_ += ">\n";
  }
  startTag_ = false;
  hasText_ = false;
}

void XmlWriter::element(std::string_view name, std::string_view value) {
  open(name);
  text(value);
  close();
}

void XmlWriter::escaped(std::string_view s, bool attribute) {
  size_t plain = 0;  // start of the run of characters that need no escape
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    const char* esc = nullptr;
    char num[8];
    switch (c) {
      case '&': esc = "&amp;"; break;
      case '<': esc = "&lt;"; break;
      case '>': esc = "&gt;"; break;
      case '"':
        if (attribute) esc = "&quot;";
        break;
      case '\r':
        esc = "&#13;";
        break;
      case '\t':
      case '\n':
        if (attribute) {
          std::snprintf(num, sizeof num, "&#%02d;", c);
          esc = num;
        }
        break;
      default: break;
    }
    if (!esc) continue;
    buf_.append(s.data() + plain, i - plain);
    buf_ += esc;
    plain = i + 1;
  }
  buf_.append(s.data() + plain, s.size() - plain);
}

void XmlWriter::maybeFlush() {
  if (!sink_ || buf_.size() < kBuffer) return;
  if (ok_) ok_ = sink_(buf_);
  buf_.clear();
}

bool XmlWriter::finish() {
  while (!open_.empty()) close();
  if (sink_) {
    if (ok_ && !buf_.empty()) ok_ = sink_(buf_);
    buf_.clear();
  }
  return ok_;
}

}  // namespace kelp
