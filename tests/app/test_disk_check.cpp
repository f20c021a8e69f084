// The rules the window follows when another program changed its logbook on disk, on real files.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>

#include <string>

#include "app/disk_check.h"
#include "core/demo_logbook.h"
#include "core/logbook.h"
#include "tests/test_support.h"

using namespace kelp;
using kelp::test::readFile;
using kelp::test::ScratchDir;
using kelp::test::writeFile;

namespace {

TEST(DiskCheck, OnlyAChangeOfTheBytesByAnotherProgramIsAskedAboutOrReported) {
  ScratchDir dir;
  const std::string log = dir.file("mare.log"), add = dir.file("mare.add");
  ASSERT_TRUE(makeDemoLogbook(5, 1).saveFile(log));
  const LogbookStamp known = stampLogbook(log);
  ASSERT_TRUE(known.log.exists && known.add.exists);

  // Untouched, or written again with the same bytes at another time: no change.
  struct utimbuf later {1000000000, 1000000000};
  ASSERT_EQ(::utime(log.c_str(), &later), 0);
  writeFile(add, readFile(add));
  LogbookStamp now = stampLogbook(log, &known);
  EXPECT_EQ(checkBeforeSave(known, now, log), SaveCheck::Save);
  EXPECT_EQ(checkOnFocus(known, now, {}, false), FocusCheck::Nothing);

  // Another program saved other dives (the .add alone differs, too).
  std::string bytes = readFile(add);
  bytes[bytes.size() - 1] ^= 1;
  writeFile(add, bytes);
  now = stampLogbook(log, &known);
  EXPECT_EQ(checkBeforeSave(known, now, log), SaveCheck::AskOverwrite);
  EXPECT_EQ(checkBeforeSave(known, now, dir.file("altro.log")), SaveCheck::Save);
  EXPECT_EQ(checkOnFocus(known, now, {}, false), FocusCheck::OfferReload);
  EXPECT_EQ(checkOnFocus(known, now, {}, true), FocusCheck::Nothing) << "the save asks instead";
  EXPECT_EQ(checkOnFocus(known, now, now, false), FocusCheck::Nothing) << "reported once";

  // Removed meanwhile: a save loses nothing, and there is nothing to reload.
  std::remove(log.c_str());
  std::remove(add.c_str());
  now = stampLogbook(log, &known);
  EXPECT_EQ(checkBeforeSave(known, now, log), SaveCheck::Save);
  EXPECT_EQ(checkOnFocus(known, now, {}, false), FocusCheck::Nothing);

  // A new logbook has no files to compare.
  const LogbookStamp none = stampLogbook("");
  EXPECT_EQ(checkBeforeSave(none, stampLogbook(log), log), SaveCheck::Save);
  EXPECT_EQ(checkOnFocus(none, none, {}, false), FocusCheck::Nothing);
}

}  // namespace
