#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>

#include "transfer/xml_writer.h"

using namespace kelp;

namespace {

TEST(XmlWriter, NestedEmptyAndTextElementsAreLaidOutOneALine) {
  XmlWriter w;
  w.declaration();
  w.open("a");
  w.attribute("id", "x1");
  w.element("empty", "");
  w.open("b");
  w.open("price");
  w.attribute("currency", "EUR");
  w.text("12.00");
  w.close();
  w.open("link");
  w.attribute("ref", "site1");
  w.close();
  w.close();
  EXPECT_TRUE(w.finish());  // closes "a"
  EXPECT_EQ(w.take(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<a id=\"x1\">\n"
            "\t<empty />\n"
            "\t<b>\n"
            "\t\t<price currency=\"EUR\">12.00</price>\n"
            "\t\t<link ref=\"site1\" />\n"
            "\t</b>\n"
            "</a>\n");
}

TEST(XmlWriter, TextsAndAttributesReadBackExactlyAsTheyWereGiven) {
  const std::string text = "a < b && c > d \"q\" 'a'\tx\r\ny ]]> é";
  const std::string attr = "Club \"Sub\" & <Co>\tline\nnext\r";
  XmlWriter w;
  w.open("r");
  w.attribute("v", attr);
  w.element("t", text);
  w.finish();
  const std::string bytes = w.take();
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string(bytes.c_str())) << bytes;
  EXPECT_EQ(std::string(doc.child("r").child_value("t")), text);
  EXPECT_EQ(std::string(doc.child("r").attribute("v").value()), attr);
}

TEST(XmlWriter, ALargeDocumentReachesTheSinkWholeAndAFailingSinkIsReported) {
  auto write = [](XmlWriter& w) {
    w.open("list");
    for (int i = 0; i < 200000; ++i) w.element("item", std::to_string(i));
    w.close();
  };
  XmlWriter whole;
  write(whole);
  whole.finish();
  const std::string expected = whole.take();
  ASSERT_GT(expected.size(), size_t{2} << 20);  // larger than the buffer: several flushes

  std::string got;
  int calls = 0;
  XmlWriter streamed([&](std::string_view b) {
    got.append(b);
    ++calls;
    return true;
  });
  write(streamed);
  EXPECT_TRUE(streamed.finish());
  EXPECT_EQ(got, expected);
  EXPECT_GT(calls, 1);

  // After the sink fails once, nothing more is passed on and finish says so.
  calls = 0;
  XmlWriter failing([&](std::string_view) {
    ++calls;
    return false;
  });
  write(failing);
  EXPECT_FALSE(failing.finish());
  EXPECT_EQ(calls, 1);
}

}  // namespace
