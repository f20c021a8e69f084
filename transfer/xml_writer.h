#pragma once
// A streaming XML writer: each element is written the moment it is opened, so a document of
// any size needs no more memory than its buffer. The layout is one element a line, indented
// with tabs; an element that holds only text stands on one line (<name>text</name>), one that
// holds nothing is written empty (<name />).
//
// Texts and attribute values are expected in UTF-8 and are escaped as XML 1.0 needs: &, < and
// > everywhere, the double quote and tab, line feed and carriage return in attribute values,
// the carriage return in texts (a reader would otherwise turn it into a line feed). Other
// control characters are no XML and must be taken out by the caller.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kelp {

class XmlWriter {
 public:
  // Gets the bytes written so far whenever the buffer is full and at finish(); returns false
  // when it could not take them, and from then on nothing more is passed on.
  using Sink = std::function<bool(std::string_view)>;

  // Without a sink the whole document is kept and taken with take().
  explicit XmlWriter(Sink sink = {});

  // <?xml version="1.0" encoding="UTF-8"?>
  void declaration();
  // Element names must outlive the element (string literals).
  void open(std::string_view name);
  // An attribute of the element just opened, before anything goes into it.
  void attribute(std::string_view name, std::string_view value);
  // Text of the element just opened; an element holds either text or elements.
  void text(std::string_view value);
  void close();
  // An element holding only this text, or an empty element for "".
  void element(std::string_view name, std::string_view value);

  // Closes what is still open and passes the rest to the sink; false when the sink failed.
  bool finish();
  // The document written (without a sink).
  std::string take() { return std::move(buf_); }

 private:
  void endStartTag();
  void indent();
  void escaped(std::string_view s, bool attribute);
  void maybeFlush();

  Sink sink_;
  std::string buf_;
  std::vector<std::string_view> open_;
  bool startTag_ = false;  // the start tag of the innermost element is not yet closed
  bool hasText_ = false;   // the innermost element holds text
  bool ok_ = true;
};

}  // namespace kelp
