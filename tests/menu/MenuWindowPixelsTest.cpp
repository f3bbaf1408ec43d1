// Pixels of an open menu window read back from the screen: the 14-pixel check mark, the
// highlight box and the shadow strips, which must be the blend of what the screen held
// under them before the window showed.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "MenuWindowTest.h"
#include "core/MirelMenuBar20Internals.h"
#include "menu/MenuBarLayout.h"
#include "render/ColorScheme.h"
#include "render/styles/Palette.h"
#include "support/Pixels.h"
#include "support/StyleTheme.h"

namespace menu_window_test {
namespace {

// The shadow's steps 0..3 start 3 pixels in from the window's bottom and right edges: step 3
// falls outside the window.
constexpr int kShadowInset = 3;
constexpr int kVisibleSteps = 3;
constexpr int kUnshadedStart = 3;

std::string Hex(COLORREF c) { return mirel_test::ColourText(c); }

::testing::AssertionResult NoMismatches(const std::vector<std::string>& mismatches) {
  if (mismatches.empty()) return ::testing::AssertionSuccess();
  std::ostringstream out;
  out << mismatches.size() << " pixels differ (x, y: expected / actual):\n";
  for (const auto& line : mismatches) out << "  " << line << "\n";
  return ::testing::AssertionFailure() << out.str();
}

class MenuWindowPixelsTest : public MenuWindowTest {
 protected:
  COLORREF Pixel(HWND hWnd, int x, int y) { return Desktop().WindowPixel(hWnd, x, y); }

  // The check box of item i: the outline's extent along the row's middle line and down the
  // box's left edge.
  RECT FindCheckBox(HWND hWnd, int i, COLORREF outline) {
    const RECT box = Menu(hWnd).Layout().HighlightBox(i, Menu(hWnd).Size().cx);
    const int middle = (box.top + box.bottom) / 2;
    RECT cell{-1, -1, -1, -1};
    for (int x = 0; x < Menu(hWnd).Size().cx / 2; ++x) {
      if (Pixel(hWnd, x, middle) != outline) continue;
      if (cell.left < 0) cell.left = x;
      cell.right = x + 1;
    }
    for (int y = box.top - 2; y < box.bottom + 2; ++y) {
      if (Pixel(hWnd, cell.left, y) != outline) continue;
      if (cell.top < 0) cell.top = y;
      cell.bottom = y + 1;
    }
    return cell;
  }

  // The mark's pixels inside item i's check box as a map, '#' for the mark colour, with
  // where the map sits in the box.
  std::string CheckMark(HWND hWnd, int i, COLORREF mark) {
    const COLORREF outline = styles::PaletteFor(tsMS2003, XPBlue).HighlightOutline;
    const RECT cell = FindCheckBox(hWnd, i, outline);
    if (cell.left < 0) return "no check box";
    RECT ink{cell.right, cell.bottom, cell.left, cell.top};
    for (int y = cell.top; y < cell.bottom; ++y)
      for (int x = cell.left; x < cell.right; ++x)
        if (Pixel(hWnd, x, y) == mark)
          ink = RECT{std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                     std::max<LONG>(ink.bottom, y + 1)};
    std::string map = "at " + std::to_string(ink.left - cell.left) + "," + std::to_string(ink.top - cell.top) +
                      " in a " + std::to_string(cell.right - cell.left) + "x" + std::to_string(cell.bottom - cell.top) +
                      " box\n";
    for (int y = ink.top; y < ink.bottom; ++y) {
      for (int x = ink.left; x < ink.right; ++x) map += Pixel(hWnd, x, y) == mark ? '#' : '.';
      map += '\n';
    }
    return map;
  }
};

// A tick of 14 pixels in the item's text colour, grey text when disabled.
constexpr char kTick[] =
    "at 7,6 in a 21x19 box\n"
    "......#\n"
    ".....##\n"
    "#...##.\n"
    "##.##..\n"
    ".###...\n"
    "..#....\n";

TEST_F(MenuWindowPixelsTest, CheckMarksAreTicksInTheTextColour) {
  AddFileMenu();
  HWND hWnd = Drop(1);
  EXPECT_EQ(CheckMark(hWnd, 3, RGB(0, 0, 0)), kTick);
  EXPECT_EQ(CheckMark(hWnd, 4, GetSysColor(COLOR_GRAYTEXT)), kTick);
  SaveWindow(hWnd, "menuwindow_checkmarks");
}

TEST_F(MenuWindowPixelsTest, HighlightBoxIsFilledAndOutlinedThenRestored) {
  AddFileMenu();
  HWND hWnd = Drop(1);
  frmMenu& form = Menu(hWnd);
  const RECT box = form.Layout().HighlightBox(1, form.Size().cx);
  const POINT inside{box.right - 3, box.top + 2};
  const COLORREF before = Pixel(hWnd, inside.x, inside.y);
  form.SetHighlightedRow(1);
  EXPECT_EQ(Pixel(hWnd, box.left, box.top), RGB(0, 0, 128));
  EXPECT_EQ(Pixel(hWnd, box.right - 1, box.bottom - 1), RGB(0, 0, 128));
  EXPECT_EQ(Pixel(hWnd, inside.x, inside.y), RGB(255, 238, 194));
  form.SetHighlightedRow(kNoMenuRow);
  EXPECT_EQ(Pixel(hWnd, inside.x, inside.y), before);
  EXPECT_EQ(form.HighlightedRow(), kNoMenuRow);
}

TEST_F(MenuWindowPixelsTest, RightToLeftMirrorsTheColumnTextAndSubMenuArrow) {
  m_Bar->SetRightToLeft(VARIANT_TRUE);
  m_Bar->Menus()->Add({.Key = "More", .Caption = "More", .Style = tsSecondaryMenu, .Enabled = true});
  auto items = AddMenu("File")->MenuItems();
  items->Add({.Style = tsSubMenu, .Caption = "&More", .SubMenuName = "More", .Key = "More"});
  items->Add({.Caption = "&Open", .Key = "Open"});
  const int iFile = 2;
  HWND hWnd = Drop(iFile);
  frmMenu& form = Menu(hWnd);
  const int W = form.Size().cx;
  const RECT row1 = form.Layout().HighlightBox(1, W);
  const RECT row2 = form.Layout().HighlightBox(2, W);
  const COLORREF body = RGB(246, 246, 246);
  const COLORREF black = RGB(0, 0, 0);
  // The icon column lies at the right: its middle differs from the body; the left edge does not.
  EXPECT_NE(Pixel(hWnd, W - kShadowInset - 12, row2.top + 2), body);
  EXPECT_EQ(Pixel(hWnd, 4, row2.top + 2), body);
  // The "3" glyph starts 9 pixels from the left edge; nothing is drawn left of it.
  EXPECT_GT(CountWindowPixels(hWnd, RECT{9, row1.top, 20, row1.bottom}, black), 0);
  EXPECT_EQ(CountWindowPixels(hWnd, RECT{2, row1.top, 9, row1.bottom}, black), 0);
  // The caption text ends at width - (margin + 12).
  const int lTextEdge = W - (24 + 12);
  EXPECT_GT(CountWindowPixels(hWnd, RECT{lTextEdge - 12, row2.top, lTextEdge, row2.bottom}, black), 0);
  EXPECT_EQ(CountWindowPixels(hWnd, RECT{lTextEdge, row2.top, W - kShadowInset, row2.bottom}, black), 0);
  SaveWindow(hWnd, "menuwindow_right_to_left");
}

TEST_F(MenuWindowPixelsTest, ExpandArrowHighlightAndHiddenInfrequents) {
  auto file = m_Bar->Menus()->Add({.Key = "File", .Caption = "&File", .Enabled = true, .DisplayInfrequents = true});
  m_Bar->EndUpdate();
  file->MenuItems()->Add({.Caption = "&Open", .Key = "Open"});
  file->MenuItems()->Add({.Caption = "&Rare", .Infrequent = true, .Key = "Rare"});
  HWND hWnd = Drop(1);
  frmMenu& form = Menu(hWnd);
  ASSERT_TRUE(form.ExpandArrowShown());
  EXPECT_FALSE(form.Layout().Row(2).bShown);
  const SIZE size = form.Size();
  const RECT box{2, size.cy - 23, size.cx - 6, size.cy - 23 + 17};
  const COLORREF outline = RGB(0, 0, 128);
  EXPECT_EQ(CountWindowPixels(hWnd, box, outline), 0);
  form.SetExpandArrowHot(true);
  EXPECT_EQ(Pixel(hWnd, box.left, box.top), outline);
  EXPECT_EQ(Pixel(hWnd, box.right - 1, box.bottom - 1), outline);
  EXPECT_EQ(Pixel(hWnd, box.left + 1, box.top + 1), RGB(255, 238, 194));
  SaveWindow(hWnd, "menuwindow_expand_arrow_hot");
  form.SetExpandArrowHot(false);
  EXPECT_EQ(CountWindowPixels(hWnd, box, outline), 0);
}

TEST_F(MenuWindowPixelsTest, NetStyleOutlinesTheExpandArrowOnly) {
  m_Bar->SetVisualStyle(tsMSNet);
  auto file = m_Bar->Menus()->Add({.Key = "File", .Caption = "&File", .Enabled = true, .DisplayInfrequents = true});
  m_Bar->EndUpdate();
  file->MenuItems()->Add({.Caption = "&Rare", .Infrequent = true, .Key = "Rare"});
  HWND hWnd = Drop(1);
  frmMenu& form = Menu(hWnd);
  const SIZE size = form.Size();
  const RECT box{2, size.cy - 23, size.cx - 6, size.cy - 23 + 17};
  const COLORREF inside = Pixel(hWnd, box.left + 1, box.top + 1);
  form.SetExpandArrowHot(true);
  EXPECT_EQ(Pixel(hWnd, box.left, box.top), RGB(49, 106, 197));
  EXPECT_EQ(Pixel(hWnd, box.left + 1, box.top + 1), inside);
}

// A disabled row under the mouse is not drawn highlighted; a sub-menu row stays highlighted
// while its child is open, wherever the mouse goes.
TEST_F(MenuWindowPixelsTest, WhichRowsAreDrawnHighlighted) {
  m_Bar->Menus()->Add({.Key = "More", .Caption = "More", .Style = tsSecondaryMenu, .Enabled = true});
  auto items = AddMenu("File")->MenuItems();
  items->Add({.Style = tsSubMenu, .Caption = "&More", .SubMenuName = "More", .Key = "MoreItem"});
  items->Add({.Caption = "&Gone", .Enabled = false, .Key = "Gone"});
  HWND hWnd = Drop(2);
  frmMenu& form = Menu(hWnd);
  const COLORREF fill = RGB(255, 238, 194);
  const auto Inside = [&](int i) {
    const RECT box = form.Layout().HighlightBox(i, form.Size().cx);
    return Pixel(hWnd, box.right - 3, box.top + 2);
  };
  form.SetHighlightedRow(2);
  EXPECT_NE(Inside(2), fill);
  EXPECT_FALSE(form.IsRowHighlighted(2));
  form.SetHighlightedRow(1);
  EXPECT_EQ(Inside(1), fill);
  form.SetOpenChildKey("MoreItem");
  form.SetHighlightedRow(kNoMenuRow);
  EXPECT_EQ(Inside(1), fill);
  form.SetOpenChildKey("");
  EXPECT_NE(Inside(1), fill);
}

// Under the pressed caption the frame opens: the caption's inner colour along the top row,
// its outline colour where the caption's right edge comes down.
TEST_F(MenuWindowPixelsTest, JoinUnderThePressedCaption) {
  struct Case {
    ctsThemes eTheme;
    COLORREF inner;
    COLORREF edge;
  };
  const Case cases[] = {{XPBlue, RGB(151, 184, 232), RGB(0, 0, 128)},
                        {XPSilver, RGB(186, 185, 205), RGB(124, 124, 148)},
                        {XPOlive, RGB(194, 206, 159), RGB(117, 141, 94)}};
  AddFileMenu();
  for (const Case& c : cases) {
    m_Bar->SetTheme(c.eTheme);
    HWND hWnd = Drop(1);
    const tMenuInfo& menu = Inside(*m_Bar).MenuData().Menu(1);
    const RECT pressed = MenuBarLayout::PressedBox(menu, Inside(*m_Bar).MenuHeaderSpacingInternal(), Inside(*m_Bar).BarHeight());
    const int lJoinRight = pressed.right - (menu.cMCollX - 2);
    for (int x = 1; x < lJoinRight - 1; ++x) EXPECT_EQ(Pixel(hWnd, x, 0), c.inner) << "theme " << c.eTheme << " x " << x;
    EXPECT_EQ(Pixel(hWnd, lJoinRight - 1, 0), c.edge) << "theme " << c.eTheme;
    EXPECT_EQ(Pixel(hWnd, lJoinRight, 0), styles::PaletteFor(tsMS2003, c.eTheme).MenuBorder);
    m_Bar->HideAllMenus();
  }
}

// A bar menu pushed in from the screen's right edge moves its join along with the caption.
TEST_F(MenuWindowPixelsTest, JoinFollowsTheCaptionWhenTheMenuIsPushedIn) {
  Restart(win32::kDefaultDpi, win32::kDefaultScreenWidth - 60);
  AddFileMenu();
  RECT rcBar{};
  GetWindowRect(m_Bar->hWnd(), &rcBar);
  const tMenuInfo& menu = Inside(*m_Bar).MenuData().Menu(1);
  const int lRequestedLeft = rcBar.left + menu.cMCollX - 2;
  HWND hWnd = Drop(1);
  RECT rc{};
  GetWindowRect(hWnd, &rc);
  const int lShift = lRequestedLeft - rc.left;
  ASSERT_GT(lShift, 0);
  const RECT pressed = MenuBarLayout::PressedBox(menu, Inside(*m_Bar).MenuHeaderSpacingInternal(), Inside(*m_Bar).BarHeight());
  const int lJoinRight = pressed.right - (menu.cMCollX - 2);
  EXPECT_EQ(Pixel(hWnd, lShift + 1, 0), RGB(151, 184, 232));
  EXPECT_EQ(Pixel(hWnd, lShift + lJoinRight - 2, 0), RGB(151, 184, 232));
  EXPECT_EQ(Pixel(hWnd, lShift + lJoinRight - 1, 0), RGB(0, 0, 128));
}

TEST_F(MenuWindowPixelsTest, AMenuOpenedAboveTheBarDrawsNoJoin) {
  Restart(win32::kDefaultDpi, kFormLeft, win32::kDefaultScreenHeight - 60);
  AddFileMenu();
  HWND hWnd = Drop(1);
  ASSERT_TRUE(Menu(hWnd).OpenedUpwards());
  const SIZE size = Menu(hWnd).Size();
  EXPECT_EQ(CountWindowPixels(hWnd, RECT{0, 0, size.cx, size.cy}, RGB(151, 184, 232)), 0);
}

// Neighbouring infrequent rows share one background, with no stripe between them.
TEST_F(MenuWindowPixelsTest, NeighbouringInfrequentRowsJoinWithoutAStripe) {
  auto items = AddMenu("View")->MenuItems();
  items->Add({.Caption = "&Ruler", .Infrequent = true, .Key = "Ruler"});
  items->Add({.Caption = "&Grid", .Infrequent = true, .Key = "Grid"});
  HWND hWnd = Drop(1);
  const frmMenu& form = Menu(hWnd);
  const COLORREF fill = styles::PaletteFor(tsMS2003, XPBlue).InfrequentFill;
  const int x = form.Size().cx - 12;  // right of the captions, inside the frame
  for (int y = form.Layout().Row(1).lBandTop; y < form.Layout().Row(2).lBandBottom; ++y)
    EXPECT_EQ(Pixel(hWnd, x, y), fill) << "y " << y;
}

// The widest caption of a sub-menu item keeps a clear gap before the arrow.
TEST_F(MenuWindowPixelsTest, ASubMenuArrowKeepsAClearGapFromTheWidestCaption) {
  constexpr int kClearGap = 10;
  m_Bar->Menus()->Add({.Key = "More", .Caption = "More", .Style = tsSecondaryMenu, .Enabled = true});
  auto items = AddMenu("File")->MenuItems();
  items->Add({.Style = tsSubMenu, .Caption = "Recent Documents", .SubMenuName = "More", .Key = "Recent"});
  HWND hWnd = Drop(2);
  const frmMenu& form = Menu(hWnd);
  const tMenuRow& row = form.Layout().Row(1);
  const int lTextLeft = MenuWindowLayout::TextEdge(m_Bar->MenuLeftMargin(), form.Size().cx, false);
  std::vector<int> inkColumns;
  for (int x = lTextLeft; x < form.Size().cx - 4; ++x) {
    for (int y = row.lY; y < row.lY + form.Layout().LineHeight(); ++y) {
      if (Pixel(hWnd, x, y) == Pixel(hWnd, lTextLeft - 2, y)) continue;
      inkColumns.push_back(x);
      break;
    }
  }
  ASSERT_GE(inkColumns.size(), 2u);
  int lWidestGap = 0;
  for (std::size_t k = 1; k < inkColumns.size(); ++k) lWidestGap = std::max(lWidestGap, inkColumns[k] - inkColumns[k - 1] - 1);
  EXPECT_GE(lWidestGap, kClearGap) << "the arrow touches the caption";
}

class MenuShadowTest : public MenuWindowPixelsTest, public ::testing::WithParamInterface<mirel_test::StyleTheme> {};

TEST_P(MenuShadowTest, ShadowIsTheBlendOfWhatTheScreenHeld) {
  m_Bar->SetVisualStyle(GetParam().style);
  m_Bar->SetTheme(GetParam().theme);
  AddFileMenu();
  // Where the window goes, and what the screen holds there before it shows.
  RECT rc{};
  GetWindowRect(Drop(1), &rc);
  m_Bar->HideAllMenus();
  Desktop().DoEvents();
  const int W = rc.right - rc.left;
  const int H = rc.bottom - rc.top;
  std::vector<COLORREF> under(static_cast<std::size_t>(W * H));
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) under[static_cast<std::size_t>(y * W + x)] = ScreenPixel(rc.left + x, rc.top + y);
  const auto Under = [&](int x, int y) { return under[static_cast<std::size_t>(y * W + x)]; };

  Drop(1);
  std::vector<std::string> mismatches;
  const auto check = [&](int x, int y, int step, bool bCopied) {
    const COLORREF expected =
        bCopied ? Under(x, y)
                : ShadowBlend(styles::PaletteFor(GetParam().style, GetParam().theme).ShadowFactors[
                                  static_cast<std::size_t>(step)],
                              Under(x, y));
    const COLORREF actual = ScreenPixel(rc.left + x, rc.top + y);
    if (actual != expected)
      mismatches.push_back(std::to_string(x) + ", " + std::to_string(y) + ": " + Hex(expected) + " / " + Hex(actual));
  };
  for (int i = 0; i < kVisibleSteps; ++i)
    for (int j = 0; j < W - kShadowInset; ++j) check(j, H - kShadowInset + i, i, j < kUnshadedStart);
  for (int i = 0; i < kVisibleSteps; ++i)
    for (int j = 0; j < H; ++j) check(W - kShadowInset + i, j, i, j < kUnshadedStart);
  EXPECT_TRUE(NoMismatches(mismatches));
  SaveScreen("menuwindow_shadow_" + mirel_test::StyleThemeText(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(All, MenuShadowTest, mirel_test::AllStyleThemes(), mirel_test::StyleThemeName);

}  // namespace
}  // namespace menu_window_test
