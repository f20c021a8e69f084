#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/tips.h"
#include "core/settings.h"
#include "tests/test_support.h"

namespace {

// A tips file of these tests, in a folder of their own that goes at the end.
std::string writeTips(const std::string& name, const std::string& text) {
  static const kelp::test::ScratchDir dir("kelp-tips");
  kelp::test::writeFile(dir.file(name), text);
  return dir.file(name);
}

TEST(Tips, SkipsCommentLinesAndWrapsAtTheEnd) {
  const auto path = writeTips("kelp_tips_a.txt",
                              "; comment\n"
                              "First tip\n"
                              " indented is a comment\n"
                              "\tso is this\n"
                              "\n"
                              "Second tip\r\n"
                              "Third tip");  // no newline at the end
  kelp::TipsFile f;
  ASSERT_TRUE(f.open(path));
  std::string tip;
  ASSERT_TRUE(f.next(tip));
  EXPECT_EQ(tip, "First tip");
  ASSERT_TRUE(f.next(tip));
  EXPECT_EQ(tip, "Second tip");
  ASSERT_TRUE(f.next(tip));
  EXPECT_EQ(tip, "Third tip");
  ASSERT_TRUE(f.next(tip));
  EXPECT_EQ(tip, "First tip");
}

TEST(Tips, FileWithoutTipsOrMissingFails) {
  kelp::TipsFile f;
  std::string tip;
  EXPECT_FALSE(f.open("/nonexistent/kelp/tips.txt"));
  EXPECT_FALSE(f.next(tip));
  ASSERT_TRUE(f.open(writeTips("kelp_tips_b.txt", "; only\n  comments\n")));
  EXPECT_FALSE(f.next(tip));
  ASSERT_TRUE(f.open(writeTips("kelp_tips_c.txt", "")));
  EXPECT_FALSE(f.next(tip));
}

TEST(Tips, LongLinesAreReadInPiecesOf999) {
  const std::string longLine(1500, 'x');
  kelp::TipsFile f;
  ASSERT_TRUE(f.open(writeTips("kelp_tips_d.txt", longLine + "\nShort\n")));
  std::string tip;
  ASSERT_TRUE(f.next(tip));
  EXPECT_EQ(tip.size(), 999u);
  ASSERT_TRUE(f.next(tip));
  EXPECT_EQ(tip.size(), 501u);
  ASSERT_TRUE(f.next(tip));
  EXPECT_EQ(tip, "Short");
}

TEST(Tips, StartContinuesAtSavedPositionUnlessTheFileChanged) {
  const auto path = writeTips("kelp_tips_e.txt", "One\nTwo\nThree\n");
  kelp::Settings s;
  long saved = 0;
  {
    kelp::TipsFile f;
    ASSERT_TRUE(f.open(path));
    f.start(s);  // first start: new stamp, position 0
    EXPECT_FALSE(s.tipTimeStamp.empty());
    std::string tip;
    ASSERT_TRUE(f.next(tip));
    EXPECT_EQ(tip, "One");
    saved = f.position();
  }
  s.tipFilePos = saved;
  {
    kelp::TipsFile f;
    ASSERT_TRUE(f.open(path));
    f.start(s);
    std::string tip;
    ASSERT_TRUE(f.next(tip));
    EXPECT_EQ(tip, "Two");
  }
  s.tipTimeStamp = "changed";  // as if the file had been replaced
  {
    kelp::TipsFile f;
    ASSERT_TRUE(f.open(path));
    f.start(s);
    EXPECT_NE(s.tipTimeStamp, "changed");
    std::string tip;
    ASSERT_TRUE(f.next(tip));
    EXPECT_EQ(tip, "One");
  }
  // A saved position beyond the end of a shorter file still yields a tip.
  s.tipFilePos = 100000;
  kelp::TipsFile f;
  ASSERT_TRUE(f.open(path));
  f.start(s);
  std::string tip;
  EXPECT_TRUE(f.next(tip));
}

TEST(Tips, ATranslationShowsTheSameTipWhileTheItalianPositionIsKept) {
  // The English file lays its tips out differently (other lengths, other comments): the tip
  // shown follows the count, the position kept in the settings the Italian file.
  const auto italian = writeTips("kelp_tips_it.txt", "; suggerimenti\nUno\n\nDue due\nTre\n");
  const auto english = writeTips("kelp_tips_en.txt", "One\n; tips\n Two is below\nTwo\nThree\n");
  kelp::Settings alone, both;
  kelp::TipsFile it, en;
  ASSERT_TRUE(it.open(italian));
  ASSERT_TRUE(en.open(italian, english));
  it.start(alone);
  en.start(both);
  for (const char* expected : {"One", "Two", "Three", "One", "Two"}) {
    std::string a, b;
    ASSERT_TRUE(it.next(a));
    ASSERT_TRUE(en.next(b));
    EXPECT_EQ(b, expected);
    EXPECT_EQ(en.position(), it.position());
  }
  EXPECT_EQ(both.tipTimeStamp, alone.tipTimeStamp);

  // A translation with fewer tips shows the Italian tip where it has none.
  const auto shorter = writeTips("kelp_tips_short.txt", "One\n");
  kelp::TipsFile part;
  ASSERT_TRUE(part.open(italian, shorter));
  std::string tip;
  ASSERT_TRUE(part.next(tip));
  EXPECT_EQ(tip, "One");
  ASSERT_TRUE(part.next(tip));
  EXPECT_EQ(tip, "Due due");
}

TEST(Tips, TextIsShownAsUtf8) {
  EXPECT_EQ(kelp::tipToUtf8("Profondit\xC3\xA0"), "Profondit\xC3\xA0");
  EXPECT_EQ(kelp::tipToUtf8("Profondit\xE0"), "Profondit\xC3\xA0");  // Windows-1252 file
}

TEST(Tips, ShippedFileHoldsTips) {
  kelp::TipsFile f;
  // KELP_TEST_DATA_DIR is tests/data of the source tree; the shipped file is data/tips.txt.
  const auto shipped = std::filesystem::path(KELP_TEST_DATA_DIR).parent_path().parent_path() / "data" / "tips.txt";
  ASSERT_TRUE(f.open(shipped.string()));
  std::string first, tip;
  ASSERT_TRUE(f.next(first));
  int count = 1;
  while (f.next(tip) && tip != first && count < 1000) ++count;
  EXPECT_GE(count, 24);
}

}  // namespace
