// The menu window's row layout, hit tests and size, and where it goes at every screen edge:
// fixed numbers, checked as tables.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "menu/MenuWindowLayout.h"
#include "menu/MenuWindowPlacement.h"
#include "support/MessageLog.h"

// Found by argument-dependent lookup, so it lives beside the record.
void PrintTo(const tMenuPlacement& p, std::ostream* out) {
  *out << "{Left " << p.Left << ", Top " << p.Top << ", join " << p.lJoinOffset << ", up " << p.bOpenedUpwards
       << ", leftwards " << p.bOpenedLeftwards << "}";
}

namespace {

constexpr int kSpacingZero = 7;  // S when MenuItemSpacing is 0
constexpr int kLine = 16;        // H
using mirel_test::SameSequence;
using mirel_test::Sequence;

tMenuItemInfo Item(ctsMenuItemStyleConstants style = tsMenuCaption, bool bInfrequent = false, bool bVisible = true) {
  tMenuItemInfo item;
  item.cMIStyle = style;
  item.cMIVisible = bVisible ? VARIANT_TRUE : VARIANT_FALSE;
  item.cMIInfrequent = bInfrequent ? VARIANT_TRUE : VARIANT_FALSE;
  item.cMIEnabled = VARIANT_TRUE;
  return item;
}
const tMenuItemInfo kCaption = Item();
const tMenuItemInfo kSeparator = Item(tsMenuSeperator);
const tMenuItemInfo kSubMenu = Item(tsSubMenu);

// Items 1..n after the unused element 0, laid out.
MenuWindowLayout Layout(std::vector<tMenuItemInfo> items, int spacing = kSpacingZero, bool hideInfrequents = false) {
  items.insert(items.begin(), tMenuItemInfo{});
  return MenuWindowLayout(items, static_cast<int>(items.size()) - 1, spacing, kLine, hideInfrequents);
}

std::vector<std::string> RowTable(const MenuWindowLayout& layout) {
  std::vector<std::string> rows;
  for (int i = 1; i <= layout.Count(); ++i) {
    const tMenuRow& row = layout.Row(i);
    const std::string y = std::to_string(row.lY);
    rows.push_back(std::to_string(i) + ": " +
                   (!row.bShown       ? "hidden"
                    : row.bSeparator ? "separator y=" + y
                                     : "row y=" + y + " band " + std::to_string(row.lBandTop) + ".." +
                                           std::to_string(row.lBandBottom)));
  }
  return rows;
}

// Rows are H + 7 apart and separators 2, a separator first or last takes H - 2; the first
// row's text starts half the gap plus 2 down (MenuItemSpacing 0, 2 and 4 are stored as 7, 9
// and 11). Invisible items and hidden infrequent ones take no space.
TEST(MenuWindowLayout, RowTablesAtEachSpacing) {
  const std::vector<tMenuItemInfo> sparse{kCaption, Item(tsMenuCaption, false, false), Item(tsMenuCaption, true),
                                          kCaption};
  const std::pair<MenuWindowLayout, Sequence> tables[] = {
      {Layout({kSeparator, kCaption, kSeparator}), {"1: separator y=6", "2: row y=8 band 4..28", "3: separator y=31"}},
      {Layout({kCaption, kCaption, kSeparator, kSubMenu, kSeparator, kCaption}),
       {"1: row y=6 band 2..26", "2: row y=29 band 25..49", "3: separator y=52", "4: row y=54 band 50..74",
        "5: separator y=77", "6: row y=79 band 75..99"}},
      {Layout({kCaption, kCaption}, 9), {"1: row y=7 band 2..28", "2: row y=32 band 27..53"}},
      {Layout({kCaption, kCaption}, 11), {"1: row y=8 band 2..30", "2: row y=35 band 29..57"}},
      {Layout(sparse, kSpacingZero, true), {"1: row y=6 band 2..26", "2: hidden", "3: hidden", "4: row y=29 band 25..49"}},
      {Layout(sparse), {"1: row y=6 band 2..26", "2: hidden", "3: row y=29 band 25..49", "4: row y=52 band 48..72"}},
  };
  for (const auto& [layout, rows] : tables) EXPECT_TRUE(SameSequence(rows, RowTable(layout)));
  EXPECT_TRUE(tables[4].first.HasHiddenInfrequents());
  EXPECT_FALSE(tables[5].first.HasHiddenInfrequents());
}

// Rows: 1 band 2..26, a separator at y=29 whose line lies at y - H = 25 (inside row 1's band),
// 3 band 27..51, 4 band 50..74. A hit is the first row whose band holds Y.
TEST(MenuWindowLayout, HitTestFindsFirstRowWhoseBandHoldsYAndTheSeparatorLineIsOnlyItsExactY) {
  const MenuWindowLayout layout = Layout({kCaption, kSeparator, kSubMenu, kCaption});
  constexpr int kNo = kNoMenuRow;
  // Y, the row hit, the caption row hit, on the separator line.
  const std::tuple<int, int, int, bool> probes[] = {
      {1, kNo, kNo, false}, {2, 1, 1, false},    {24, 1, 1, false}, {25, 1, 1, true},  {26, 1, 1, false},
      {27, 3, kNo, false},  {29, 3, kNo, false}, {50, 3, 4, false}, {51, 3, 4, false}, {52, 4, 4, false},
      {74, 4, 4, false},    {75, kNo, kNo, false}};
  for (const auto& [Y, row, captionRow, onLine] : probes) {
    EXPECT_EQ(layout.HitTest(Y), row) << "Y " << Y;
    EXPECT_EQ(layout.HitTest(Y, true), captionRow) << "Y " << Y;
    EXPECT_EQ(layout.IsOnSeparatorLine(Y), onLine) << "Y " << Y;
  }
}

// The expand arrow's zone starts 22 above the bottom, with and without shadows; a menu of
// hidden infrequent items shows only that zone.
TEST(MenuWindowLayout, ArrowZoneStartsBelowTheLastRowWithAndWithoutShadows) {
  const MenuWindowLayout layout = Layout({kCaption, Item(tsMenuCaption, true)}, kSpacingZero, true);
  for (bool bShadows : {true, false}) {
    const int lHeight = layout.WindowHeight(true, bShadows);
    EXPECT_EQ(layout.HitTest(lHeight - 24), 1) << "shadows " << bShadows;
    EXPECT_EQ(layout.HitTest(lHeight - 23), kNoMenuRow);
    EXPECT_FALSE(MenuWindowLayout::InExpandArrowZone(lHeight - 23, lHeight));
    EXPECT_TRUE(MenuWindowLayout::InExpandArrowZone(lHeight - 22, lHeight));
    EXPECT_EQ(layout.HitTest(lHeight - 22), kNoMenuRow);
  }
  const MenuWindowLayout rare = Layout({Item(tsMenuCaption, true), Item(tsMenuCaption, true)}, kSpacingZero, true);
  EXPECT_TRUE(rare.HasHiddenInfrequents());
  const int lHeight = rare.WindowHeight(true, true);
  for (int Y = 0; Y < lHeight; ++Y) EXPECT_EQ(rare.HitTest(Y), kNoMenuRow) << "Y = " << Y;
  EXPECT_LE(lHeight, 23 + 4);
}

TEST(MenuWindowLayout, HorizontalPositions) {
  EXPECT_EQ(MenuWindowLayout::TextEdge(24, 200, false), 36);
  EXPECT_EQ(MenuWindowLayout::TextEdge(24, 200, true), 164);
  EXPECT_EQ(MenuWindowLayout::IconLeft(24, 16, 200, true, false), 5);
  EXPECT_EQ(MenuWindowLayout::IconLeft(40, 32, 200, true, false), 5);
  const RECT box = Layout({kCaption}).HighlightBox(1, 200);
  EXPECT_EQ(std::to_string(box.left) + ".." + std::to_string(box.right), "2..194");
}

// In twips at 96 dpi (15 twips per pixel) and 120 dpi (12 twips per pixel).
class MenuWindowPlacement : public ::testing::TestWithParam<float> {
 protected:
  float T(int pixels) const { return static_cast<float>(pixels) * GetParam(); }
  // A 150 x 200 window at (left, top) on a 1024 x 768 screen under a 23-pixel bar.
  tMenuPlacementRequest Request(MenuWindowKind eKind, int left, int top, bool rightToLeft = false,
                                bool shadows = true, RECT parent = {}) const {
    return {.eKind = eKind, .bRightToLeft = rightToLeft, .bShadows = shadows, .Left = T(left), .Top = T(top),
            .Width = T(150), .Height = T(200), .ScreenWidth = T(1024), .ScreenHeight = T(768),
            .TwipsPerPixelX = GetParam(), .TwipsPerPixelY = GetParam(), .lBarHeight = 23, .rcParent = parent};
  }
};

// Each case in pixels: kind, left, top (width 150, height 200), right to left, shadows, the
// parent's rectangle for sub-menus, and where the window goes.
TEST_P(MenuWindowPlacement, EveryEdgeInEveryDirection) {
  using K = MenuWindowKind;
  const struct {
    const char* name;
    K kind;
    int left, top;
    bool rightToLeft, shadows;
    RECT parent;
    int placedLeft, placedTop, join;
    bool up, leftwards;
  } cases[] = {
      {"bar drop that fits stays put", K::BarDrop, 100, 50, false, true, {}, 100, 50, 0, false, false},
      // 126 px beyond the right edge: moved in, the join shifted by 126 + 1.
      {"bar drop past the right edge", K::BarDrop, 1000, 50, false, true, {}, 1024 - 150, 50, 127, false, false},
      {"right-to-left bar drop hangs left of the caption's end", K::BarDrop, 1020, 50, true, true, {}, 870, 50, 0, false,
       false},
      {"right-to-left bar drop past the left edge", K::BarDrop, 143, 50, true, true, {}, 0, 50, -6, false, false},
      {"bar drop past the bottom opens above the bar", K::BarDrop, 100, 600, false, true, {}, 100, 600 - 200 - 23, 0,
       true, false},
      {"sub-menu past the right edge opens left of its parent", K::SubMenu, 950, 100, false, true, {800, 80, 954, 300},
       804 - 150, 100, 0, false, false},
      {"pop-up past the right edge is pushed in", K::PopUp, 950, 100, false, true, {}, 1024 - 150, 100, 0, false, false},
      {"cascade past the bottom moves up", K::PopUp, 100, 700, false, true, {}, 100, 768 - 200, 0, false, false},
      {"right-to-left opens left of the point", K::PopUp, 400, 100, true, true, {}, 250, 100, 0, false, true},
      // Without room on the left: right of the parent, less the shadow.
      {"right-to-left sub-menu without room", K::SubMenu, 100, 100, true, true, {96, 80, 260, 300}, 256, 100, 0, false,
       false},
      {"... without shadows", K::SubMenu, 100, 100, true, false, {96, 80, 260, 300}, 260, 100, 0, false, false},
      {"right-to-left pop-up without room", K::PopUp, 100, 100, true, true, {}, 1024 - 150, 100, 0, false, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PlaceMenuWindow(Request(c.kind, c.left, c.top, c.rightToLeft, c.shadows, c.parent)),
              (tMenuPlacement{T(c.placedLeft), T(c.placedTop), c.join, c.up, c.leftwards}))
        << c.name;
  // A left edge that is not a whole pixel: the join's quotient truncates towards zero.
  auto request = Request(K::BarDrop, 143, 50, true);
  request.Left = T(143) - 1;
  EXPECT_EQ(PlaceMenuWindow(request).lJoinOffset, -6);
}

INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, MenuWindowPlacement, ::testing::Values(15.0F, 12.0F),
                         [](const auto& info) { return info.param == 15.0F ? "dpi96" : "dpi120"; });

}  // namespace
