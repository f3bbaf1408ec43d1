// What the bar looks like, read back from the control's face: captions in their colours,
// icons, captions that do not fit, and in every visual style and theme the background,
// gripper and the boxes behind hovered and pressed captions.
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "MenuBarPaintTest.h"
#include "render/ResourceBitmaps.h"
#include "render/cMemDC.h"
#include "render/modPicture.h"
#include "win32/commctrl.h"

namespace menubar_test {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kNetBlueBackground = RGB(236, 233, 216);
constexpr int kNoSpacing = 0;  // MenuHeaderSpacing 0: internal 4, boxes widen by 2 each side

const char* const kThemeNames[] = {"XPBlue", "XPSilver", "XPOlive"};

class MenuBarLookTest : public MenuBarPaintTest {
 protected:
  // A bar in `style` and `theme` with File, Edit and View, the spacing at its smallest.
  void StyledBar(ctsVisualStyleConstants style, ctsThemes theme) {
    AddBar();
    m_Bar->SetVisualStyle(style);
    m_Bar->SetTheme(theme);
    m_Bar->SetMenuHeaderSpacing(kNoSpacing);
    AddMenu("&File");
    AddMenu("&Edit");
    AddMenu("&View");
    m_Bar->EndUpdate();
  }
  // Hover and pressed boxes of menu iMenu: from cMCollX - 2 - 2 to cMCollX + cMWidth + 2.
  int BoxLeft(int iMenu) const { return Record(iMenu).cMCollX - 4; }
  int BoxRight(int iMenu) const { return Record(iMenu).cMCollX + Record(iMenu).cMWidth + 2; }
  RECT CaptionBox(int iMenu) const {
    return RECT{Record(iMenu).cMCollX, 0, Record(iMenu).cMCollX + Record(iMenu).cMWidth, m_Bar->BarHeight()};
  }
  std::string PixelRow(const std::string& what, int x, int y) { return what + " " + Hex(Pixel(x, y)); }
  // A header image list of solid 8 x 8 images in these colours.
  HIMAGELIST AttachIcons(const std::vector<COLORREF>& colours) {
    constexpr int kIconSize = 8;
    HIMAGELIST icons = ImageList_Create(kIconSize, kIconSize, ILC_COLOR24, static_cast<int>(colours.size()), 0);
    HDC screen = GetDC(nullptr);
    HDC paint = CreateCompatibleDC(screen);
    for (const COLORREF colour : colours) {
      HBITMAP picture = CreateCompatibleBitmap(screen, kIconSize, kIconSize);
      HGDIOBJ old = SelectObject(paint, picture);
      const RECT all{0, 0, kIconSize, kIconSize};
      HBRUSH brush = CreateSolidBrush(colour);
      FillRect(paint, &all, brush);
      DeleteObject(brush);
      SelectObject(paint, old);
      ImageList_Add(icons, picture, nullptr);
      DeleteObject(picture);
    }
    DeleteDC(paint);
    ReleaseDC(nullptr, screen);
    ctsMBImageListTypeConstants slot = imlMenuHeader;
    Variant handle(static_cast<int>(HandleToLong(icons)));
    m_Bar->SetImageList(slot, handle);
    return icons;
  }
};

TEST_F(MenuBarLookTest, DisabledCaptionsUseDisabledMenuForeColor) {
  AddBar();
  m_Bar->SetVisualStyle(tsMSNet);
  m_Bar->SetDisabledMenuForeColor(kRed);
  AddMenu("&File");
  AddMenu("&Edit", false);
  m_Bar->EndUpdate();
  EXPECT_GT(CountPixels(CaptionBox(1), kBlack), 0);
  EXPECT_EQ(CountPixels(CaptionBox(1), kRed), 0);
  EXPECT_GT(CountPixels(CaptionBox(2), kRed), 0);
  EXPECT_EQ(CountPixels(CaptionBox(2), kBlack), 0);

  m_Bar->SetEnabled(VARIANT_FALSE);
  m_Bar->EndUpdate();
  EXPECT_EQ(CountPixels(CaptionBox(1), kBlack), 0);
  EXPECT_GT(CountPixels(CaptionBox(1), kRed), 0);
}

TEST_F(MenuBarLookTest, DisabledCaptionsAndADisabledControlNeverHover) {
  constexpr COLORREF kNetBlueHoverFill = RGB(193, 210, 238);
  AddBar();
  m_Bar->SetVisualStyle(tsMSNet);
  AddMenu("&File");
  AddMenu("&Edit", false);
  m_Bar->EndUpdate();
  const RECT bar{0, 0, kBarWidthPx, m_Bar->BarHeight()};
  ShowHover(2);
  EXPECT_EQ(CountPixels(bar, kNetBlueHoverFill), 0);
  ShowHover(1);
  EXPECT_GT(CountPixels(bar, kNetBlueHoverFill), 0);
  m_Bar->SetEnabled(VARIANT_FALSE);
  m_Bar->EndUpdate();
  ShowHover(1);
  EXPECT_EQ(CountPixels(bar, kNetBlueHoverFill), 0);
}

TEST_F(MenuBarLookTest, HoverShowsOnlyWhileTheMouseIsOverTheControl) {
  constexpr COLORREF kNetBlueHoverFill = RGB(193, 210, 238);
  StyledBar(tsMSNet, XPBlue);
  m_Bar->SetBarHoverIndex(1);
  m_Bar->Refresh();
  const RECT bar{0, 0, kBarWidthPx, m_Bar->BarHeight()};
  EXPECT_EQ(CountPixels(bar, kNetBlueHoverFill), 0);
  ShowHover(1);
  EXPECT_GT(CountPixels(bar, kNetBlueHoverFill), 0);
}

TEST_F(MenuBarLookTest, CaptionPastTheRightEdgeIsLaidOutButNotDrawn) {
  constexpr int kNarrow = 60;
  AddBar(kNarrow);
  m_Bar->SetVisualStyle(tsMSNet);
  AddMenu("&File");
  AddMenu("&Edit");
  m_Bar->EndUpdate();
  const tMenuInfo& edit = Record(2);
  ASSERT_GT(edit.cMWidth, 0);
  ASSERT_GT(edit.cMCollX + edit.cMWidth, kNarrow);
  const RECT beyond{edit.cMCollX, 0, kNarrow, m_Bar->BarHeight()};
  const int area = (beyond.right - beyond.left) * (beyond.bottom - beyond.top);
  EXPECT_EQ(CountPixels(beyond, kNetBlueBackground), area);
  EXPECT_GT(CountPixels(CaptionBox(1), kBlack), 0);
}

TEST_F(MenuBarLookTest, RightToLeftTextEndsAtTheCaptionBoxRightEdge) {
  AddBar(200);
  m_Bar->SetVisualStyle(tsMSNet);
  m_Bar->SetMenuHeaderSpacing(kNoSpacing);
  m_Bar->SetRightToLeft(VARIANT_TRUE);
  AddMenu("&File");
  m_Bar->EndUpdate();
  const int barHeight = m_Bar->BarHeight();
  EXPECT_GT(CountPixels(RECT{Record(1).cMCollX, 0, 185, barHeight}, kBlack), 0);
  EXPECT_EQ(CountPixels(RECT{185, 0, 200, barHeight}, kBlack), 0);
  EXPECT_EQ(CountPixels(RECT{0, 0, Record(1).cMCollX, barHeight}, kBlack), 0);
}

TEST_F(MenuBarLookTest, IconsComeFromTheHeaderListAndTheDisabledIndexWhenDisabled) {
  AddBar();
  m_Bar->SetVisualStyle(tsMSNet);
  HIMAGELIST icons = AttachIcons({kGreen, kRed});
  for (const bool enabled : {true, false}) {
    MenuAddArgs args;
    args.Key = enabled ? "File" : "Edit";
    args.Caption = enabled ? "&File" : "&Edit";
    args.Enabled = enabled;
    args.Icon = 1;
    args.IconDisabled = 2;
    m_Bar->Menus()->Add(args);
  }
  m_Bar->EndUpdate();
  const int top = static_cast<int>(std::nearbyint(m_Bar->BarHeight() / 2.0 - 4));
  const RECT fileIcon{Record(1).cMCollX, top, Record(1).cMCollX + 8, top + 8};
  const RECT editIcon{Record(2).cMCollX, top, Record(2).cMCollX + 8, top + 8};
  EXPECT_EQ(CountPixels(fileIcon, kGreen), 64);
  EXPECT_EQ(CountPixels(editIcon, kRed), 64);
  ImageList_Destroy(icons);
}

TEST_F(MenuBarLookTest, RightToLeftIconsSitRightOfTheirText) {
  AddBar(200);
  m_Bar->SetVisualStyle(tsMSNet);
  m_Bar->SetMenuHeaderSpacing(kNoSpacing);
  m_Bar->SetRightToLeft(VARIANT_TRUE);
  HIMAGELIST icons = AttachIcons({kGreen});
  MenuAddArgs args;
  args.Key = "File";
  args.Caption = "&File";
  args.Enabled = true;
  args.Icon = 1;
  m_Bar->Menus()->Add(args);
  m_Bar->EndUpdate();
  const int top = static_cast<int>(std::nearbyint(m_Bar->BarHeight() / 2.0 - 4));
  EXPECT_EQ(Record(1).cMCollX, 185 - TextSize("&File").cx - 8 - 2);
  EXPECT_EQ(CountPixels(RECT{185 - 8, top, 185, top + 8}, kGreen), 64);
  EXPECT_EQ(CountPixels(RECT{0, 0, 185 - 8, m_Bar->BarHeight()}, kGreen), 0);
  ImageList_Destroy(icons);
}

TEST_F(MenuBarLookTest, HeaderSpacingWidensTheHoverBoxByHalfOnEachSide) {
  constexpr COLORREF kOutline = RGB(49, 106, 197);
  AddBar();
  m_Bar->SetVisualStyle(tsMSNet);
  m_Bar->SetMenuHeaderSpacing(3);  // internal 8: half is 4
  AddMenu("&File");
  m_Bar->EndUpdate();
  ShowHover(1);
  const int middle = m_Bar->BarHeight() / 2;
  const int left = Record(1).cMCollX;
  const int right = Record(1).cMCollX + Record(1).cMWidth;
  const std::vector<std::string> expected{"outside left " + Hex(kNetBlueBackground), "left edge " + Hex(kOutline),
                                          "right edge " + Hex(kOutline), "outside right " + Hex(kNetBlueBackground)};
  const std::vector<std::string> actual{
      PixelRow("outside left", left - 2 - 4 - 1, middle), PixelRow("left edge", left - 2 - 4, middle),
      PixelRow("right edge", right + 4 - 1, middle), PixelRow("outside right", right + 4, middle)};
  EXPECT_TRUE(SameRows(expected, actual));
}

TEST_F(MenuBarLookTest, Office2003HoverIsAWarmGradientUnderAWhiteLineInANavyOutline) {
  StyledBar(tsMS2003, XPBlue);
  ShowHover(2);
  const int barHeight = m_Bar->BarHeight();
  const int boxHeight = barHeight - 3;  // rows 1 .. barHeight - 3
  const int x = BoxLeft(2) + 1;
  std::vector<std::string> expected{"top outline " + Hex(RGB(0, 0, 128)), "white line " + Hex(kWhite)};
  std::vector<std::string> actual{PixelRow("top outline", x, 1), PixelRow("white line", x, 2)};
  // Row k of the gradient is RGB(255, 242 - k * 28 / h, 200 - k * 46 / h); row 0 is
  // RGB(255, 242, 200) and lies under the outline, row 1 under the white line.
  for (int k = 2; k < boxHeight - 1; ++k) {
    const double green = 242 - k * 28.0 / boxHeight;
    const double blue = 200 - k * 46.0 / boxHeight;
    const COLORREF colour = RGB(255, static_cast<int>(std::nearbyint(green)), static_cast<int>(std::nearbyint(blue)));
    expected.push_back("row " + std::to_string(k) + " " + Hex(colour));
    actual.push_back(PixelRow("row " + std::to_string(k), x, 1 + k));
  }
  expected.push_back("bottom outline " + Hex(RGB(0, 0, 128)));
  actual.push_back(PixelRow("bottom outline", x, boxHeight));
  expected.push_back("left outline " + Hex(RGB(0, 0, 128)));
  actual.push_back(PixelRow("left outline", BoxLeft(2), barHeight / 2));
  expected.push_back("right outline " + Hex(RGB(0, 0, 128)));
  actual.push_back(PixelRow("right outline", BoxRight(2) - 1, barHeight / 2));
  EXPECT_TRUE(SameRows(expected, actual));
}

TEST_F(MenuBarLookTest, Office2003PressedCaptionIsOutlinedTwiceByTheme) {
  const COLORREF outline[] = {RGB(0, 0, 128), RGB(124, 124, 148), RGB(117, 141, 94)};
  const COLORREF inner[] = {RGB(246, 246, 246), RGB(255, 255, 255), RGB(244, 244, 238)};
  std::vector<std::string> expected;
  std::vector<std::string> actual;
  for (int theme = XPBlue; theme <= XPOlive; ++theme) {
    StyledBar(tsMS2003, static_cast<ctsThemes>(theme));
    ShowPressed(1);
    const std::string name = kThemeNames[theme];
    const int middle = m_Bar->BarHeight() / 2;
    expected.push_back(name + " outline " + Hex(outline[theme]));
    actual.push_back(PixelRow(name + " outline", BoxLeft(1), middle));
    expected.push_back(name + " inner " + Hex(inner[theme]));
    actual.push_back(PixelRow(name + " inner", BoxLeft(1) + 1, middle));
    expected.push_back(name + " bottom " + Hex(outline[theme]));
    actual.push_back(PixelRow(name + " bottom", BoxLeft(1) + 2, m_Bar->BarHeight() - 1));
    TearDown();
  }
  EXPECT_TRUE(SameRows(expected, actual));
}

TEST_F(MenuBarLookTest, Office2003PressedCaptionStretchesThePressedStripPieceOfItsTheme) {
  cMemDC strip;
  ASSERT_TRUE(LoadBitmapSurface("MENUBAR2003_BITMAPS", strip));
  // The colours of the 3 x 17 piece at x = strip start + 8 * theme (+ 4 for the alternate look).
  const auto pieceColours = [&strip](int theme, bool alternate) {
    std::set<COLORREF> colours;
    const int left = artwork::kPressedStripX + theme * artwork::kPressedThemePitch +
                     (alternate ? artwork::kPressedAlternateOffset : 0);
    for (int y = 0; y < artwork::kPressedPieceHeight; ++y) {
      for (int x = left; x < left + artwork::kPressedPieceWidth; ++x) colours.insert(GetPixel(strip.hdc(), x, y));
    }
    return colours;
  };
  std::vector<std::string> expected;
  std::vector<std::string> actual;
  for (int theme = XPBlue; theme <= XPOlive; ++theme) {
    for (const bool byKey : {false, true}) {
      StyledBar(tsMS2003, static_cast<ctsThemes>(theme));
      m_Bar->SetKeyboardOpened(byKey);
      ShowPressed(1);
      const std::string row = std::string(kThemeNames[theme]) + (byKey ? " keyboard" : " mouse");
      const std::set<COLORREF> piece = pieceColours(theme, byKey);
      bool inPiece = true;
      // Inside both outlines: rows 3 .. bar height - 3.
      for (int y = 3; y < m_Bar->BarHeight() - 2; ++y) inPiece = inPiece && piece.count(Pixel(BoxLeft(1) + 2, y)) == 1;
      expected.push_back(row + " interior from its piece");
      actual.push_back(row + (inPiece ? " interior from its piece" : " interior from elsewhere"));
      TearDown();
    }
  }
  EXPECT_TRUE(SameRows(expected, actual));
}

TEST_F(MenuBarLookTest, OfficeNetHoverAndPressedBoxesByTheme) {
  const COLORREF background[] = {RGB(236, 233, 216), RGB(224, 223, 227), RGB(236, 233, 216)};
  const COLORREF hoverFill[] = {RGB(193, 210, 238), RGB(199, 199, 202), RGB(206, 209, 112)};
  const COLORREF hoverOutline[] = {RGB(49, 106, 197), RGB(169, 171, 181), RGB(147, 160, 112)};
  const COLORREF pressedFill[] = {RGB(239, 237, 222), RGB(229, 228, 232), RGB(239, 237, 222)};
  const COLORREF pressedOutline[] = {RGB(138, 134, 122), RGB(126, 126, 129), RGB(138, 134, 122)};
  const COLORREF pressedInner = RGB(252, 252, 249);
  std::vector<std::string> expected;
  std::vector<std::string> actual;
  for (int theme = XPBlue; theme <= XPOlive; ++theme) {
    StyledBar(tsMSNet, static_cast<ctsThemes>(theme));
    m_Bar->SetBarHoverIndex(2);
    m_Bar->SetMouseOverBar(true);
    ShowPressed(1);
    const std::string name = kThemeNames[theme];
    const int middle = m_Bar->BarHeight() / 2;
    const int bottom = m_Bar->BarHeight() - 1;
    const std::vector<std::pair<std::string, COLORREF>> rows{
        {"background", background[theme]},          {"hover outline", hoverOutline[theme]},
        {"hover fill", hoverFill[theme]},           {"hover bottom", hoverOutline[theme]},
        {"pressed outline", pressedOutline[theme]}, {"pressed inner", pressedInner},
        {"pressed fill", pressedFill[theme]},       {"pressed bottom", pressedOutline[theme]},
    };
    const std::vector<POINT> where{{2, bottom},
                                   {BoxLeft(2), middle},
                                   {BoxLeft(2) + 1, middle},
                                   {BoxLeft(2) + 1, m_Bar->BarHeight() - 3},
                                   {BoxLeft(1), middle},
                                   {BoxLeft(1) + 1, middle},
                                   {BoxLeft(1) + 2, middle},
                                   {BoxLeft(1) + 2, bottom}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
      expected.push_back(name + " " + rows[i].first + " " + Hex(rows[i].second));
      actual.push_back(PixelRow(name + " " + rows[i].first, where[i].x, where[i].y));
    }
    TearDown();
  }
  EXPECT_TRUE(SameRows(expected, actual));
}

TEST_F(MenuBarLookTest, ExplorerHoverAndPressedFillByThemeWithContrastingText) {
  const COLORREF fill[] = {RGB(49, 106, 197), RGB(187, 183, 199), RGB(147, 160, 112)};
  const COLORREF text[] = {kWhite, kBlack, kWhite};
  std::vector<std::string> expected;
  std::vector<std::string> actual;
  for (int theme = XPBlue; theme <= XPOlive; ++theme) {
    StyledBar(tsMSIE, static_cast<ctsThemes>(theme));
    m_Bar->SetBarHoverIndex(2);
    m_Bar->SetMouseOverBar(true);
    ShowPressed(1);
    const std::string name = kThemeNames[theme];
    const int bottom = m_Bar->BarHeight() - 1;
    expected.push_back(name + " hover " + Hex(fill[theme]));
    actual.push_back(PixelRow(name + " hover", BoxLeft(2), 1));
    expected.push_back(name + " pressed " + Hex(fill[theme]));
    actual.push_back(PixelRow(name + " pressed", BoxLeft(1), bottom));
    expected.push_back(name + " hover text inked");
    actual.push_back(name +
                     (CountPixels(CaptionBox(2), text[theme]) > 0 ? " hover text inked" : " hover text missing"));
    expected.push_back(name + " pressed text inked");
    actual.push_back(name +
                     (CountPixels(CaptionBox(1), text[theme]) > 0 ? " pressed text inked" : " pressed text missing"));
    TearDown();
  }
  EXPECT_TRUE(SameRows(expected, actual));
}

TEST_F(MenuBarLookTest, ExplorerGripperIsAColumnOfShadedDotsFourApart) {
  StyledBar(tsMSIE, XPBlue);
  const int barHeight = m_Bar->BarHeight();
  std::vector<std::string> expected;
  std::vector<std::string> actual;
  for (int y = 5; y + 2 < barHeight; y += 4) {
    const std::string dot = "dot " + std::to_string(y);
    const std::vector<std::pair<POINT, COLORREF>> pixels{{{4, y}, RGB(214, 207, 198)},
                                                         {{5, y}, RGB(179, 176, 171)},
                                                         {{4, y + 1}, RGB(179, 176, 171)},
                                                         {{5, y + 1}, RGB(141, 136, 122)},
                                                         {{6, y + 1}, kWhite},
                                                         {{5, y + 2}, kWhite},
                                                         {{6, y + 2}, kWhite}};
    for (const auto& [at, colour] : pixels) {
      const std::string where = dot + " (" + std::to_string(at.x) + "," + std::to_string(at.y) + ")";
      expected.push_back(where + " " + Hex(colour));
      actual.push_back(PixelRow(where, at.x, at.y));
    }
  }
  EXPECT_TRUE(SameRows(expected, actual));
}

TEST_F(MenuBarLookTest, Office2003GripperIsThreeDotsInTheThemeColour) {
  const COLORREF dotColour[] = {RGB(39, 65, 118), RGB(84, 84, 117), RGB(81, 94, 51)};
  std::vector<std::string> expected;
  std::vector<std::string> actual;
  for (int theme = XPBlue; theme <= XPOlive; ++theme) {
    StyledBar(tsMS2003, static_cast<ctsThemes>(theme));
    for (const int y : {9, 13, 17}) {
      const std::vector<std::pair<POINT, COLORREF>> pixels{{{7, y}, dotColour[theme]},
                                                           {{8, y}, dotColour[theme]},
                                                           {{7, y + 1}, dotColour[theme]},
                                                           {{8, y + 1}, dotColour[theme]},
                                                           {{9, y + 1}, kWhite},
                                                           {{8, y + 2}, kWhite},
                                                           {{9, y + 2}, kWhite}};
      for (const auto& [at, colour] : pixels) {
        const std::string where =
            std::string(kThemeNames[theme]) + " (" + std::to_string(at.x) + "," + std::to_string(at.y) + ")";
        expected.push_back(where + " " + Hex(colour));
        actual.push_back(PixelRow(where, at.x, at.y));
      }
    }
    TearDown();
  }
  EXPECT_TRUE(SameRows(expected, actual));
}

}  // namespace
}  // namespace menubar_test
