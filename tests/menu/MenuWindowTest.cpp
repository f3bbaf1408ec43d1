// An open menu window as a host and a user meet it: what it carries while loaded, that it
// leaves nothing behind, its size and place, and its pixels read back from the screen.
#include <algorithm>
#include <array>
#include <set>

#include "MenuBarOnForm.h"
#include "menu/MenuBarLayout.h"
#include "platform/mHooks.h"
#include "platform/voxSubClsSvr.h"
#include "render/ColorScheme.h"
#include "render/styles/Palette.h"
#include "support/StyleTheme.h"

namespace menu_test {
namespace {

// The shadow's steps 0..3 start 3 pixels in from the window's bottom and right edges: step 3
// falls outside the window.
constexpr int kShadowInset = 3;

class MenuWindowTest : public MenuBarOnForm {
 protected:
  void SetUp() override {
    BarOnForm::SetUp();
    BarOverBackdrop();
  }
  RECT Box(HWND hWnd, int i) { return Menu(hWnd).Layout().HighlightBox(i, Menu(hWnd).Size().cx); }
  // A point inside item i's highlight box, clear of its text.
  COLORREF InBox(HWND hWnd, int i) { return Pixel(hWnd, Box(hWnd, i).right - 3, Box(hWnd, i).top + 2); }
  // The outline and fill of a highlighted row, as the user sees them on row i.
  std::pair<COLORREF, COLORREF> HighlightLook(HWND hWnd, int i) {
    Menu(hWnd).SetHighlightedRow(i);
    const std::pair<COLORREF, COLORREF> look{Pixel(hWnd, Box(hWnd, i).left, Box(hWnd, i).top), InBox(hWnd, i)};
    Menu(hWnd).SetHighlightedRow(kNoMenuRow);
    return look;
  }
  // The bounding box of the pixels of `colour` inside `area` (empty when there are none).
  RECT Extent(HWND hWnd, const RECT& area, COLORREF colour) {
    return BoundsWhere(area, [&](int x, int y) { return Pixel(hWnd, x, y) == colour; });
  }
  // The mark's pixels inside item i's check box (outlined as a highlight is) as a map, '#'
  // for the mark colour, with where the map sits in the box.
  std::string CheckMark(HWND hWnd, int i, COLORREF mark, COLORREF outline) {
    const RECT row = Box(hWnd, i);
    const RECT cell = Extent(hWnd, RECT{0, row.top - 2, Menu(hWnd).Size().cx / 2, row.bottom + 2}, outline);
    if (cell.left >= cell.right) return "no check box";
    const RECT ink = Extent(hWnd, cell, mark);
    std::string map = "at " + std::to_string(ink.left - cell.left) + "," + std::to_string(ink.top - cell.top) +
                      " in a " + std::to_string(cell.right - cell.left) + "x" + std::to_string(cell.bottom - cell.top) +
                      " box\n";
    for (int y = ink.top; y < ink.bottom; ++y) {
      for (int x = ink.left; x < ink.right; ++x) map += Pixel(hWnd, x, y) == mark ? '#' : '.';
      map += '\n';
    }
    return map;
  }
  // Where the join under the pressed caption ends, in the window's own pixels.
  int JoinRight() {
    const tMenuInfo& menu = Record(1);
    const RECT pressed =
        MenuBarLayout::PressedBox(menu, Inside(*m_Bar).MenuHeaderSpacingInternal(), Inside(*m_Bar).BarHeight());
    return pressed.right - (menu.cMCollX - 2);
  }
};

// A parent menu window unloads its open child first.
TEST_F(MenuWindowTest, WhileLoadedCarriesItsMarkerAndRegistrationsAndUnloadingLeavesNothing) {
  AddFileMenu();
  AddSecondaryMenu("Sub");
  Menus()->Item(Variant("Sub"))->MenuItems()->Add({.Caption = "Child", .Key = "Child"});
  const auto countsBefore = win32::SnapshotLiveObjects();
  const std::size_t hooksBefore = mHooks::HookClientCount();
  const std::size_t attachmentsBefore = voxSubClsSvr::Instance().AttachmentCount();
  HWND hWnd = Drop(1);
  ASSERT_EQ(Inside(*m_Bar).OpenMenuWindows(), std::vector<HWND>{hWnd});
  EXPECT_EQ(GetPropA(hWnd, "MirelMenuForm:ObjectPtr"), static_cast<void*>(frmMenu::FromWindow(hWnd)));
  std::array<char, 64> text{};
  GetWindowTextA(hWnd, text.data(), static_cast<int>(text.size()));
  EXPECT_STREQ(text.data(), "voxMirelMenuPanel");
  EXPECT_TRUE(frmMenu::IsMenuWindow(hWnd));
  EXPECT_FALSE(frmMenu::IsMenuWindow(m_Form->hWnd()));
  EXPECT_TRUE(IsWindowVisible(hWnd));
  EXPECT_EQ(GetWindowLongA(hWnd, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  EXPECT_EQ(mHooks::HookClientCount(), hooksBefore + 1);
  // Its own window: 6, 15, 275, 3806; the control's window: 512, 514.
  EXPECT_EQ(voxSubClsSvr::Instance().AttachmentCount(), attachmentsBefore + 6);
  SendMessageA(hWnd, frmMenu::kMsgUnloadMenu, 0, 0);
  Desktop().DoEvents();
  EXPECT_FALSE(IsWindow(hWnd));
  EXPECT_EQ(frmMenu::FromWindow(hWnd), nullptr);
  EXPECT_TRUE(Inside(*m_Bar).OpenMenuWindows().empty());
  EXPECT_EQ(mHooks::HookClientCount(), hooksBefore);
  EXPECT_EQ(voxSubClsSvr::Instance().AttachmentCount(), attachmentsBefore);
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsBefore);

  HWND hParent = Drop(1);
  HWND hChild = Drop(2, hParent);
  Menu(hParent).SetOpenChildKey("Sub");
  EXPECT_EQ(Inside(*m_Bar).OpenMenuWindows(), (std::vector<HWND>{hParent, hChild}));
  Menu(hParent).Unload();
  EXPECT_FALSE(IsWindow(hChild));
  EXPECT_FALSE(IsWindow(hParent));
  EXPECT_TRUE(Inside(*m_Bar).OpenMenuWindows().empty());
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsBefore);
}

// The width is margin + caption + 12 + 12 (+ 3 for the shadow); a hot key adds its own width
// and the 30-pixel column gap that keeps it clear of the caption; shadows add 3 across, 4 down.
// The margin is 24, or an item image's width + 8 when wider, and MenuLeftMargin reports the
// last shown menu's.
TEST_F(MenuWindowTest, WindowSizeFollowsTheMarginTheWidestItemAndTheShadows) {
  auto items = AddMenu("File")->MenuItems();
  auto item = items->Add({.Caption = "Open", .Key = "Open"});
  const SIZE plain = Menu(Drop(1)).Size();
  item->HotKey("Ctrl+O");
  const SIZE withHotKey = Menu(Drop(1)).Size();
  const LONG hotKeyWidth = TextExtent(*m_Bar->DefaultMenuItemFont(), "Ctrl+O").cx;
  const LONG captionWidth = TextExtent(*m_Bar->DefaultMenuItemFont(), "Open").cx;
  EXPECT_EQ(plain.cx, 24 + captionWidth + 12 + 12 + 3);
  EXPECT_EQ(withHotKey.cx, plain.cx + hotKeyWidth + 30);
  EXPECT_EQ(withHotKey.cy, plain.cy);
  m_Bar->SetMenuShadows(VARIANT_FALSE);
  const SIZE flat = Menu(Drop(1)).Size();
  EXPECT_EQ(flat.cx, withHotKey.cx - 3);
  EXPECT_EQ(flat.cy, withHotKey.cy - 4);

  HIMAGELIST icons = AttachIcons({kLime}, 20, imlMenuItems);
  EXPECT_EQ(m_Bar->MenuLeftMargin(), 24);
  EXPECT_EQ(Menu(Drop(1)).Size().cx, flat.cx + 4);
  EXPECT_EQ(m_Bar->MenuLeftMargin(), 28);
  m_Bar->HideAllMenus();
  ImageList_Destroy(icons);
}

// A tick of 14 pixels in the item's text colour, grey text when disabled.
constexpr char kTick[] =
    "at 7,6 in a 21x19 box\n"
    "......#\n"
    ".....##\n"
    "#...##.\n"
    "##.##..\n"
    ".###...\n"
    "..#....\n";

// The highlight box is outlined at its corners, filled inside, and goes without a trace. A
// disabled row is never drawn highlighted; a sub-menu row stays highlighted while its child is
// open, wherever the mouse goes. Check marks are ticks in a box outlined as a highlight is.
TEST_F(MenuWindowTest, WhichRowsAreDrawnHighlightedAndCheckMarks) {
  AddFileMenu();  // New, a separator, Wrap (checked), Locked (checked, disabled)
  AddSecondaryMenu("More");
  Menus()->Item(Variant("File"))->MenuItems()->Add(
      {.Style = tsSubMenu, .Caption = "&More", .SubMenuName = "More", .Key = "MoreItem"});
  HWND hWnd = Drop(1);
  frmMenu& form = Menu(hWnd);
  const RECT box = Box(hWnd, 5);
  const COLORREF before = InBox(hWnd, 5);
  form.SetHighlightedRow(5);
  const COLORREF outline = Pixel(hWnd, box.left, box.top);
  const COLORREF fill = InBox(hWnd, 5);
  EXPECT_NE(outline, before);
  EXPECT_EQ(Pixel(hWnd, box.right - 1, box.bottom - 1), outline);
  EXPECT_NE(fill, before);
  EXPECT_NE(fill, outline);
  form.SetHighlightedRow(kNoMenuRow);
  EXPECT_EQ(InBox(hWnd, 5), before);
  form.SetHighlightedRow(4);
  EXPECT_NE(InBox(hWnd, 4), fill);
  EXPECT_FALSE(form.IsRowHighlighted(4));
  form.SetOpenChildKey("MoreItem");
  form.SetHighlightedRow(kNoMenuRow);
  EXPECT_EQ(InBox(hWnd, 5), fill);
  form.SetOpenChildKey("");
  EXPECT_EQ(InBox(hWnd, 5), before);
  EXPECT_EQ(CheckMark(hWnd, 3, kBlack, outline), kTick);
  EXPECT_EQ(CheckMark(hWnd, 4, GetSysColor(COLOR_GRAYTEXT), outline), kTick);
  SaveWindow(hWnd, "menuwindow_checkmarks");
}

// The widest caption of a sub-menu item keeps a clear gap before the arrow. Right to left the
// icon column lies at the right, the sub-menu arrow ("3" glyph) 9 pixels from the left edge,
// and the captions end at width - (margin + 12).
TEST_F(MenuWindowTest, SubMenuArrowKeepsClearOfTheCaptionAndRightToLeftMirrorsTheRow) {
  constexpr int kClearGap = 10;
  AddSecondaryMenu("More");
  auto items = AddMenu("File")->MenuItems();
  items->Add({.Style = tsSubMenu, .Caption = "Recent Documents", .SubMenuName = "More", .Key = "More"});
  items->Add({.Caption = "&Open", .Key = "Open"});
  HWND hWnd = Drop(2);
  const frmMenu& form = Menu(hWnd);
  const int textLeft = MenuWindowLayout::TextEdge(m_Bar->MenuLeftMargin(), form.Size().cx, false);
  int lastInk = -1;  // the widest gap between columns with ink in the row's line
  int widestGap = 0;
  for (int x = textLeft; x < form.Size().cx - 4; ++x) {
    bool ink = false;
    for (int y = form.Layout().Row(1).lY; y < form.Layout().Row(1).lY + form.Layout().LineHeight(); ++y)
      ink = ink || Pixel(hWnd, x, y) != Pixel(hWnd, textLeft - 2, y);
    if (ink && lastInk >= 0) widestGap = std::max(widestGap, x - lastInk - 1);
    if (ink) lastInk = x;
  }
  EXPECT_GE(widestGap, kClearGap) << "the arrow touches the caption";

  const int y = Box(hWnd, 2).top + 2;
  std::set<COLORREF> column;
  for (int x = 2; x < 24; ++x) column.insert(Pixel(hWnd, x, y));
  m_Bar->SetRightToLeft(VARIANT_TRUE);
  hWnd = Drop(2);
  const int W = Menu(hWnd).Size().cx;
  const RECT row1 = Box(hWnd, 1);
  const RECT row2 = Box(hWnd, 2);
  EXPECT_EQ(column.count(Pixel(hWnd, W - kShadowInset - 12, y)), 1U) << "no icon column at the right";
  EXPECT_EQ(column.count(Pixel(hWnd, 4, y)), 0U) << "an icon column at the left";
  EXPECT_GT(CountWindowPixels(hWnd, RECT{9, row1.top, 20, row1.bottom}, kBlack), 0);
  EXPECT_EQ(CountWindowPixels(hWnd, RECT{2, row1.top, 9, row1.bottom}, kBlack), 0);
  const int textEdge = W - (24 + 12);
  EXPECT_GT(CountWindowPixels(hWnd, RECT{textEdge - 12, row2.top, textEdge, row2.bottom}, kBlack), 0);
  EXPECT_EQ(CountWindowPixels(hWnd, RECT{textEdge, row2.top, W - kShadowInset, row2.bottom}, kBlack), 0);
  SaveWindow(hWnd, "menuwindow_right_to_left");
}

// A hot expand arrow is boxed like a highlighted row in Office 2003, only outlined in Office XP.
TEST_F(MenuWindowTest, AHotExpandArrowIsBoxedAndHiddenInfrequentsTakeNoRow) {
  for (const ctsVisualStyleConstants style : {tsMS2003, tsMSNet}) {
    SCOPED_TRACE(style == tsMS2003 ? "Office 2003" : "Office XP");
    m_Bar->HideAllMenus();
    Menus()->Clear();
    m_Bar->SetVisualStyle(style);
    auto file = Menus()->Add({.Key = "File", .Caption = "&File", .Enabled = true, .DisplayInfrequents = true});
    file->MenuItems()->Add({.Caption = "&Open", .Key = "Open"});
    file->MenuItems()->Add({.Caption = "&Rare", .Infrequent = true, .Key = "Rare"});
    HWND hWnd = Drop(1);
    frmMenu& form = Menu(hWnd);
    ASSERT_TRUE(form.ExpandArrowShown());
    EXPECT_FALSE(form.Layout().Row(2).bShown);
    const auto [outline, fill] = HighlightLook(hWnd, 1);
    const RECT box{2, form.Size().cy - 23, form.Size().cx - 6, form.Size().cy - 23 + 17};
    const COLORREF inside = Pixel(hWnd, box.left + 1, box.top + 1);
    EXPECT_EQ(CountWindowPixels(hWnd, box, outline), 0);
    form.SetExpandArrowHot(true);
    EXPECT_EQ(Pixel(hWnd, box.left, box.top), outline);
    EXPECT_EQ(Pixel(hWnd, box.right - 1, box.bottom - 1), outline);
    EXPECT_EQ(Pixel(hWnd, box.left + 1, box.top + 1), style == tsMS2003 ? fill : inside);
    SaveWindow(hWnd, std::string("menuwindow_expand_arrow_hot_") + (style == tsMS2003 ? "2003" : "xp"));
    form.SetExpandArrowHot(false);
    EXPECT_EQ(CountWindowPixels(hWnd, box, outline), 0);
  }
}

// Under the pressed caption the frame opens: one colour of its own along the top row, another
// where the caption's right edge comes down, then the border; each theme its own. A bar menu
// past the screen's right edge moves in, its join along with the caption; one past the bottom
// opens above the bar and draws no join; at each resolution.
TEST_F(MenuWindowTest, ABarMenuStaysOnTheScreenAndItsJoinFollowsTheCaption) {
  AddFileMenu();
  std::set<COLORREF> inners;
  COLORREF inner = CLR_INVALID, edge = CLR_INVALID;  // the blue theme's
  for (const ctsThemes theme : {XPOlive, XPSilver, XPBlue}) {
    SCOPED_TRACE("theme " + std::to_string(theme));
    m_Bar->SetTheme(theme);
    HWND hWnd = Drop(1);
    const int right = JoinRight();
    inner = Pixel(hWnd, 1, 0);
    edge = Pixel(hWnd, right - 1, 0);
    const COLORREF border = Pixel(hWnd, right, 0);
    for (int x = 1; x < right - 1; ++x) EXPECT_EQ(Pixel(hWnd, x, 0), inner) << "x " << x;
    EXPECT_EQ(border, Pixel(hWnd, 0, Menu(hWnd).Size().cy / 2));
    EXPECT_NE(inner, border);
    EXPECT_NE(edge, inner);
    EXPECT_NE(edge, border);
    inners.insert(inner);
  }
  EXPECT_EQ(inners.size(), 3U);
  for (const int dpi : {96, 120}) {
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    BarOverBackdrop(dpi, win32::kDefaultScreenWidth - 60);
    AddFileMenu();
    const int requestedLeft = BarRect().left + Record(1).cMCollX - 2;
    HWND hWnd = Drop(1);
    RECT rc = WindowRect(hWnd);
    EXPECT_EQ(rc.right, win32::kDefaultScreenWidth);
    EXPECT_EQ(rc.top, kFormTop + Inside(*m_Bar).BarHeight());
    EXPECT_FALSE(Menu(hWnd).OpenedUpwards());
    const int shift = requestedLeft - rc.left;
    ASSERT_GT(shift, 0);
    EXPECT_EQ(Pixel(hWnd, shift + 1, 0), inner);
    EXPECT_EQ(Pixel(hWnd, shift + JoinRight() - 2, 0), inner);
    EXPECT_EQ(Pixel(hWnd, shift + JoinRight() - 1, 0), edge);

    BarOverBackdrop(dpi, kFormLeft, win32::kDefaultScreenHeight - 60);
    AddFileMenu();
    hWnd = Drop(1);
    rc = WindowRect(hWnd);
    EXPECT_EQ(rc.bottom, win32::kDefaultScreenHeight - 60);
    ASSERT_TRUE(Menu(hWnd).OpenedUpwards());
    EXPECT_EQ(CountWindowPixels(hWnd, RECT{0, 0, Menu(hWnd).Size().cx, Menu(hWnd).Size().cy}, inner), 0);
  }
}

TEST_F(MenuWindowTest, NeighbouringInfrequentRowsJoinWithoutAStripe) {
  auto items = AddMenu("View")->MenuItems();
  items->Add({.Caption = "&Open", .Key = "Open"});
  items->Add({.Caption = "&Ruler", .Infrequent = true, .Key = "Ruler"});
  items->Add({.Caption = "&Grid", .Infrequent = true, .Key = "Grid"});
  HWND hWnd = Drop(1);
  const frmMenu& form = Menu(hWnd);
  const int x = form.Size().cx - 12;  // right of the captions, inside the frame
  const COLORREF fill = Pixel(hWnd, x, form.Layout().Row(2).lBandTop);
  EXPECT_NE(fill, Pixel(hWnd, x, (form.Layout().Row(1).lBandTop + form.Layout().Row(1).lBandBottom) / 2));
  for (int y = form.Layout().Row(2).lBandTop; y < form.Layout().Row(3).lBandBottom; ++y)
    EXPECT_EQ(Pixel(hWnd, x, y), fill) << "y " << y;
}

class MenuShadowTest : public MenuWindowTest, public ::testing::WithParamInterface<StyleTheme> {};

// Three steps along the bottom and right edges, the first three pixels of each strip left
// as the screen was.
TEST_P(MenuShadowTest, ShadowIsTheBlendOfWhatTheScreenHeld) {
  m_Bar->SetVisualStyle(GetParam().style);
  m_Bar->SetTheme(GetParam().theme);
  AddFileMenu();
  const RECT rc = WindowRect(Drop(1));
  m_Bar->HideAllMenus();
  Desktop().DoEvents();
  const int W = rc.right - rc.left;
  const int H = rc.bottom - rc.top;
  const win32::Surface under = Desktop().Screen();
  Drop(1);
  const auto& factors = styles::PaletteFor(GetParam().style, GetParam().theme).ShadowFactors;
  Sequence mismatches;
  const auto check = [&](int x, int y, int step, bool copied) {
    const COLORREF was = under.At(rc.left + x, rc.top + y);
    const COLORREF expected = copied ? was : ShadowBlend(factors[static_cast<std::size_t>(step)], was);
    if (ScreenPixel(rc.left + x, rc.top + y) != expected)
      mismatches.push_back(std::to_string(x) + ", " + std::to_string(y) + ": " + ColourText(expected) + " / " +
                           ColourText(ScreenPixel(rc.left + x, rc.top + y)));
  };
  for (int i = 0; i < kShadowInset; ++i) {
    for (int j = 0; j < W - kShadowInset; ++j) check(j, H - kShadowInset + i, i, j < kShadowInset);
    for (int j = 0; j < H; ++j) check(W - kShadowInset + i, j, i, j < kShadowInset);
  }
  EXPECT_TRUE(SameSequence({}, mismatches)) << "pixels that differ (x, y: expected / actual)";
  SaveScreen("menuwindow_shadow_" + StyleThemeText(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(All, MenuShadowTest, AllStyleThemes(), StyleThemeName);

}  // namespace
}  // namespace menu_test
