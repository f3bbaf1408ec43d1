// The menu window's row layout, hit tests and size: fixed numbers, checked as tables.
#include <gtest/gtest.h>

#include "support/MessageLog.h"

#include <sstream>
#include <string>
#include <vector>

#include "menu/MenuWindowLayout.h"

namespace {

constexpr int kSpacingZero = 7;  // S when MenuItemSpacing is 0
constexpr int kLine = 16;        // H

tMenuItemInfo Caption(bool bInfrequent = false, bool bVisible = true) {
  tMenuItemInfo item;
  item.cMIStyle = tsMenuCaption;
  item.cMIVisible = bVisible ? VARIANT_TRUE : VARIANT_FALSE;
  item.cMIInfrequent = bInfrequent ? VARIANT_TRUE : VARIANT_FALSE;
  item.cMIEnabled = VARIANT_TRUE;
  return item;
}
tMenuItemInfo Separator() {
  tMenuItemInfo item = Caption();
  item.cMIStyle = tsMenuSeperator;
  return item;
}
tMenuItemInfo SubMenu() {
  tMenuItemInfo item = Caption();
  item.cMIStyle = tsSubMenu;
  return item;
}

// Items 1..n after the unused element 0.
std::vector<tMenuItemInfo> Items(std::vector<tMenuItemInfo> items) {
  items.insert(items.begin(), tMenuItemInfo{});
  return items;
}

std::vector<std::string> RowTable(const MenuWindowLayout& layout) {
  std::vector<std::string> rows;
  for (int i = 1; i <= layout.Count(); ++i) {
    const tMenuRow& row = layout.Row(i);
    std::ostringstream line;
    line << i << ": ";
    if (!row.bShown)
      line << "hidden";
    else if (row.bSeparator)
      line << "separator y=" << row.lY;
    else
      line << "row y=" << row.lY << " band " << row.lBandTop << ".." << row.lBandBottom;
    rows.push_back(line.str());
  }
  return rows;
}

inline constexpr auto& SameRows = mirel_test::SameSequence;

// Rows are H + 7 apart and separators 2, a separator first or last takes H - 2; the first
// row's text starts half the gap plus 2 down (MenuItemSpacing 0, 2 and 4 are stored as 7, 9
// and 11).
TEST(MenuWindowLayout, RowTablesAtEachSpacing) {
  const auto ends = Items({Separator(), Caption(), Separator()});
  const auto items = Items({Caption(), Caption(), Separator(), SubMenu(), Separator(), Caption()});
  const auto two = Items({Caption(), Caption()});
  EXPECT_TRUE(SameRows({"1: separator y=6", "2: row y=8 band 4..28", "3: separator y=31"},
                       RowTable(MenuWindowLayout(ends, 3, kSpacingZero, kLine, false))));
  EXPECT_TRUE(SameRows({"1: row y=6 band 2..26", "2: row y=29 band 25..49", "3: separator y=52",
                        "4: row y=54 band 50..74", "5: separator y=77", "6: row y=79 band 75..99"},
                       RowTable(MenuWindowLayout(items, 6, kSpacingZero, kLine, false))));
  EXPECT_TRUE(SameRows({"1: row y=7 band 2..28", "2: row y=32 band 27..53"},
                       RowTable(MenuWindowLayout(two, 2, 9, kLine, false))));
  EXPECT_TRUE(SameRows({"1: row y=8 band 2..30", "2: row y=35 band 29..57"},
                       RowTable(MenuWindowLayout(two, 2, 11, kLine, false))));
}

TEST(MenuWindowLayout, InvisibleAndHiddenInfrequentItemsTakeNoSpace) {
  const auto items = Items({Caption(), Caption(false, false), Caption(true), Caption()});
  const MenuWindowLayout collapsed(items, 4, kSpacingZero, kLine, true);
  EXPECT_TRUE(SameRows({"1: row y=6 band 2..26", "2: hidden", "3: hidden", "4: row y=29 band 25..49"},
                       RowTable(collapsed)));
  EXPECT_TRUE(collapsed.HasHiddenInfrequents());

  const MenuWindowLayout expanded(items, 4, kSpacingZero, kLine, false);
  EXPECT_TRUE(SameRows({"1: row y=6 band 2..26", "2: hidden", "3: row y=29 band 25..49", "4: row y=52 band 48..72"},
                       RowTable(expanded)));
  EXPECT_FALSE(expanded.HasHiddenInfrequents());
}

TEST(MenuWindowLayout, HitTestFindsFirstRowWhoseBandHoldsY) {
  const auto items = Items({Caption(), Separator(), SubMenu(), Caption()});
  const MenuWindowLayout layout(items, 4, kSpacingZero, kLine, false);
  // Rows: 1 band 2..26, separator y=29 (line at 25), 3 band 27..51, 4 band 50..74.
  struct Probe {
    int Y;
    int expected;
    int expectedCaptionsOnly;
  };
  const Probe probes[] = {{1, kNoMenuRow, kNoMenuRow}, {2, 1, 1},  {26, 1, 1},  {27, 3, kNoMenuRow},
                          {50, 3, 4},                  {51, 3, 4}, {52, 4, 4},  {74, 4, 4},
                          {75, kNoMenuRow, kNoMenuRow}};
  for (const Probe& probe : probes) {
    EXPECT_EQ(layout.HitTest(probe.Y), probe.expected) << "Y = " << probe.Y;
    EXPECT_EQ(layout.HitTest(probe.Y, true), probe.expectedCaptionsOnly) << "captions only, Y = " << probe.Y;
  }
}

TEST(MenuWindowLayout, SeparatorLineIsOnlyItsExactY) {
  const auto items = Items({Caption(), Separator(), Caption()});
  const MenuWindowLayout layout(items, 3, kSpacingZero, kLine, false);
  // The separator's y is 29, its line lies at y - h = 25, inside row 1's band.
  EXPECT_TRUE(layout.IsOnSeparatorLine(25));
  EXPECT_FALSE(layout.IsOnSeparatorLine(24));
  EXPECT_FALSE(layout.IsOnSeparatorLine(26));
  EXPECT_FALSE(layout.IsOnSeparatorLine(29));
  EXPECT_EQ(layout.HitTest(25), 1);
}

TEST(MenuWindowLayout, ArrowZoneStartsBelowTheLastRowWithAndWithoutShadows) {
  const auto items = Items({Caption(), Caption(true)});
  const MenuWindowLayout layout(items, 2, kSpacingZero, kLine, true);
  for (bool bShadows : {true, false}) {
    const int lHeight = layout.WindowHeight(true, bShadows);
    EXPECT_EQ(layout.HitTest(lHeight - 24), 1) << "shadows " << bShadows;
    EXPECT_EQ(layout.HitTest(lHeight - 23), kNoMenuRow);
    EXPECT_FALSE(MenuWindowLayout::InExpandArrowZone(lHeight - 23, lHeight));
    EXPECT_TRUE(MenuWindowLayout::InExpandArrowZone(lHeight - 22, lHeight));
    EXPECT_EQ(layout.HitTest(lHeight - 22), kNoMenuRow);
  }
}

TEST(MenuWindowLayout, MenuOfHiddenInfrequentsShowsOnlyTheArrowZone) {
  const auto items = Items({Caption(true), Caption(true)});
  const MenuWindowLayout layout(items, 2, kSpacingZero, kLine, true);
  EXPECT_TRUE(layout.HasHiddenInfrequents());
  const int lHeight = layout.WindowHeight(true, true);
  for (int Y = 0; Y < lHeight; ++Y) EXPECT_EQ(layout.HitTest(Y), kNoMenuRow) << "Y = " << Y;
  EXPECT_LE(lHeight, 23 + 4);
}

TEST(MenuWindowLayout, HorizontalPositions) {
  EXPECT_EQ(MenuWindowLayout::TextEdge(24, 200, false), 36);
  EXPECT_EQ(MenuWindowLayout::TextEdge(24, 200, true), 164);
  EXPECT_EQ(MenuWindowLayout::IconLeft(24, 16, 200, true, false), 5);
  EXPECT_EQ(MenuWindowLayout::IconLeft(40, 32, 200, true, false), 5);
  const auto items = Items({Caption()});
  const MenuWindowLayout layout(items, 1, kSpacingZero, kLine, false);
  const RECT box = layout.HighlightBox(1, 200);
  EXPECT_EQ(box.left, 2);
  EXPECT_EQ(box.right, 194);
}

}  // namespace
