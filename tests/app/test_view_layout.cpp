#include "app/view_layout.h"

#include <gtest/gtest.h>

using namespace kelp;

namespace {
// A form with the list on the left and notes and preview below the fields.
ViewTemplate form() {
  ViewTemplate t;
  t.list = {8, 8, 250, 100};
  t.notes = {270, 400, 300, 100};
  t.preview = {580, 400, 100, 100};
  return t;
}
}  // namespace

TEST(ViewLayout, ControlsGrowToTheViewEdges) {
  ViewLayout l = layoutView(1000, 700, form(), true);
  EXPECT_EQ(l.list, (LayoutRect{8, 8, 250, 700 - 8 - 16}));
  EXPECT_EQ(l.notes, (LayoutRect{270, 400, 300, 700 - 400 - 16}));
  EXPECT_EQ(l.preview, (LayoutRect{580, 400, 1000 - 580 - 24, 700 - 400 - 16}));
  EXPECT_TRUE(l.bigPreview);
}

TEST(ViewLayout, SmallViewKeepsMinimumSizes) {
  ViewLayout l = layoutView(600, 420, form(), true);
  EXPECT_EQ(l.notes.height, 80);
  EXPECT_EQ(l.preview.width, 159);
  EXPECT_EQ(l.preview.height, 99);
  EXPECT_FALSE(l.bigPreview);
  // The list never gets a negative height.
  EXPECT_EQ(layoutView(10, 10, form(), true).list.height, 0);
}

TEST(ViewLayout, BigPreviewNeedsBothWidthAndHeight) {
  ViewTemplate t = form();
  // width exactly 300, height exactly 200
  ViewLayout l = layoutView(580 + 300 + 24, 400 + 200 + 16, t, true);
  EXPECT_EQ(l.preview.width, 300);
  EXPECT_EQ(l.preview.height, 200);
  EXPECT_TRUE(l.bigPreview);
  EXPECT_FALSE(layoutView(580 + 299 + 24, 400 + 400, t, true).bigPreview);
  EXPECT_FALSE(layoutView(2000, 400 + 199 + 16, t, true).bigPreview);
}

TEST(ViewLayout, PreviewOffIsASmallButtonInPlace) {
  ViewLayout l = layoutView(1200, 900, form(), false);
  EXPECT_EQ(l.preview, (LayoutRect{580, 400, 60, 20}));
  EXPECT_FALSE(l.bigPreview);
  // the list and the notes still grow
  EXPECT_EQ(l.notes.height, 900 - 400 - 16);
}

TEST(ViewLayout, ListTabStopsFollowDialogUnits) {
  // An average character of 4 pixels makes one dialog unit one pixel.
  EXPECT_EQ(listTabStops(4.0), (std::array<int, 3>{8, 31, 63}));
  EXPECT_EQ(listTabStops(7.0), (std::array<int, 3>{14, 54, 110}));
}

TEST(ViewLayout, SplitTabsKeepsEmptyColumns) {
  EXPECT_EQ(splitTabs("P\t00012\t01.02.03\tElba, Secca"),
            (std::vector<std::string>{"P", "00012", "01.02.03", "Elba, Secca"}));
  EXPECT_EQ(splitTabs(" \t\tx\t"), (std::vector<std::string>{" ", "", "x", ""}));
  EXPECT_EQ(splitTabs(""), (std::vector<std::string>{""}));
}
