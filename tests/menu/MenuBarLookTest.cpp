// What the bar looks like, read back from the control's face: captions in their colours,
// icons, captions that do not fit, and in every visual style and theme the background,
// gripper and the boxes behind hovered and pressed captions.
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "MenuBarPaintTest.h"
#include "core/MirelMenuBar20Internals.h"
#include "render/ResourceBitmaps.h"
#include "render/cMemDC.h"
#include "render/modPicture.h"
#include "support/StyleTheme.h"

namespace menubar_test {
namespace {

using mirel_test::StyleTheme;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kNetBlueBackground = RGB(236, 233, 216);
constexpr COLORREF kNetBlueHoverFill = RGB(193, 210, 238);
constexpr int kNoSpacing = 0;  // MenuHeaderSpacing 0: internal 4, boxes widen by 2 each side
constexpr int kFile = 1;
constexpr int kEdit = 2;

class MenuBarLookTest : public MenuBarPaintTest {
 protected:
  // A bar in `style` and `theme` with File, Edit and View, the spacing at its smallest.
  void StyledBar(ctsVisualStyleConstants style, ctsThemes theme, int widthPx = kBarWidthPx) {
    AddBar(widthPx);
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
    return RECT{Record(iMenu).cMCollX, 0, Record(iMenu).cMCollX + Record(iMenu).cMWidth, Inside(*m_Bar).BarHeight()};
  }
  RECT WholeBar() const { return RECT{0, 0, kBarWidthPx, Inside(*m_Bar).BarHeight()}; }
};

TEST_F(MenuBarLookTest, DisabledCaptionsUseDisabledMenuForeColorAndNeverHover) {
  AddBar();
  m_Bar->SetVisualStyle(tsMSNet);
  m_Bar->SetDisabledMenuForeColor(kRed);
  AddMenu("&File");
  AddMenu("&Edit", false);
  m_Bar->EndUpdate();
  EXPECT_GT(CountPixels(CaptionBox(kFile), kBlack), 0);
  EXPECT_EQ(CountPixels(CaptionBox(kFile), kRed), 0);
  EXPECT_GT(CountPixels(CaptionBox(kEdit), kRed), 0);
  EXPECT_EQ(CountPixels(CaptionBox(kEdit), kBlack), 0);
  Hover(kEdit);
  EXPECT_EQ(CountPixels(WholeBar(), kNetBlueHoverFill), 0);
  Hover(kFile);
  EXPECT_GT(CountPixels(WholeBar(), kNetBlueHoverFill), 0);
  Leave();
  EXPECT_EQ(CountPixels(WholeBar(), kNetBlueHoverFill), 0) << "hover shows only while the mouse is over the control";

  m_Bar->SetEnabled(VARIANT_FALSE);
  m_Bar->EndUpdate();
  EXPECT_EQ(CountPixels(CaptionBox(kFile), kBlack), 0);
  EXPECT_GT(CountPixels(CaptionBox(kFile), kRed), 0);
  Hover(kFile);
  EXPECT_EQ(CountPixels(WholeBar(), kNetBlueHoverFill), 0);
}

TEST_F(MenuBarLookTest, CaptionPastTheRightEdgeIsLaidOutButNotDrawn) {
  constexpr int kNarrow = 60;
  AddBar(kNarrow);
  m_Bar->SetVisualStyle(tsMSNet);
  AddMenu("&File");
  AddMenu("&Edit");
  m_Bar->EndUpdate();
  const tMenuInfo& edit = Record(kEdit);
  ASSERT_GT(edit.cMWidth, 0);
  ASSERT_GT(edit.cMCollX + edit.cMWidth, kNarrow);
  const RECT beyond{edit.cMCollX, 0, kNarrow, Inside(*m_Bar).BarHeight()};
  EXPECT_EQ(CountPixels(beyond, kNetBlueBackground), (beyond.right - beyond.left) * (beyond.bottom - beyond.top));
  EXPECT_GT(CountPixels(CaptionBox(kFile), kBlack), 0);
}

TEST_F(MenuBarLookTest, IconsComeFromTheHeaderListAndTheDisabledIndexWhenDisabled) {
  AddBar();
  m_Bar->SetVisualStyle(tsMSNet);
  HIMAGELIST icons = AttachIcons({kGreen, kRed});
  AddIconMenu("&File", true);
  AddIconMenu("&Edit", false);
  m_Bar->EndUpdate();
  const int top = static_cast<int>(std::nearbyint(Inside(*m_Bar).BarHeight() / 2.0 - 4));
  EXPECT_EQ(CountPixels(RECT{Record(kFile).cMCollX, top, Record(kFile).cMCollX + 8, top + 8}, kGreen), 64);
  EXPECT_EQ(CountPixels(RECT{Record(kEdit).cMCollX, top, Record(kEdit).cMCollX + 8, top + 8}, kRed), 64);
  ImageList_Destroy(icons);
}

// Right to left, the text ends at the caption box's right edge (15 in from the bar's) and
// an icon sits right of its text.
TEST_F(MenuBarLookTest, RightToLeftTextAndIconsEndFifteenInFromTheRight) {
  for (const bool withIcon : {false, true}) {
    SCOPED_TRACE(withIcon ? "with icon" : "text only");
    AddBar(200);
    m_Bar->SetVisualStyle(tsMSNet);
    m_Bar->SetMenuHeaderSpacing(kNoSpacing);
    m_Bar->SetRightToLeft(VARIANT_TRUE);
    HIMAGELIST icons = withIcon ? AttachIcons({kGreen}) : nullptr;
    if (withIcon) AddIconMenu("&File", true); else AddMenu("&File");
    m_Bar->EndUpdate();
    const int height = Inside(*m_Bar).BarHeight();
    const int left = Record(kFile).cMCollX;
    EXPECT_EQ(CountPixels(RECT{185, 0, 200, height}, kBlack), 0);
    EXPECT_EQ(CountPixels(RECT{0, 0, left, height}, kBlack), 0);
    if (withIcon) {
      const int top = static_cast<int>(std::nearbyint(height / 2.0 - 4));
      EXPECT_EQ(left, 185 - TextSize("&File").cx - 8 - 2);
      EXPECT_EQ(CountPixels(RECT{185 - 8, top, 185, top + 8}, kGreen), 64);
      EXPECT_EQ(CountPixels(RECT{0, 0, 185 - 8, height}, kGreen), 0);
      ImageList_Destroy(icons);
    } else {
      EXPECT_GT(CountPixels(RECT{left, 0, 185, height}, kBlack), 0);
    }
  }
}

TEST_F(MenuBarLookTest, HeaderSpacingWidensTheHoverBoxByHalfOnEachSide) {
  AddBar();
  m_Bar->SetVisualStyle(tsMSNet);
  m_Bar->SetMenuHeaderSpacing(3);  // internal 8: half is 4
  AddMenu("&File");
  m_Bar->EndUpdate();
  Hover(kFile);
  const int middle = Inside(*m_Bar).BarHeight() / 2;
  const int left = Record(kFile).cMCollX;
  const int right = left + Record(kFile).cMWidth;
  const COLORREF outline = RGB(49, 106, 197);
  EXPECT_TRUE(SameRows({Hex(kNetBlueBackground), Hex(outline), Hex(outline), Hex(kNetBlueBackground)},
                       {Hex(Pixel(left - 2 - 4 - 1, middle)), Hex(Pixel(left - 2 - 4, middle)),
                        Hex(Pixel(right + 4 - 1, middle)), Hex(Pixel(right + 4, middle))}));
}

// ---- every style and theme ----

// Where on the face a probe reads, for caption iMenu's box.
enum class At { Background, BoxTopLeft, BoxTop, BelowBoxTop, BoxLeft, InsideLeft, Interior, BoxLowEdge, BoxBottom,
                BoxBottomLeft, BoxRight, GripperDot, GripperLight, GripperMid, GripperDark };
struct Probe {
  At where;
  const char* name;
  COLORREF colour;
};
struct Look {
  StyleTheme pair;
  std::vector<Probe> hovered;  // Edit under the mouse
  std::vector<Probe> pressed;  // File's menu opened by a click
  COLORREF textOnHighlight = CLR_INVALID;  // caption text on the hover and pressed fills
};

const Look kLooks[] = {
    {{tsMS2003, XPBlue},
     {{At::BoxTop, "outline", kNavy}, {At::BelowBoxTop, "white line", kWhite}, {At::BoxLowEdge, "outline", kNavy},
      {At::BoxLeft, "outline", kNavy}, {At::BoxRight, "outline", kNavy}},
     {{At::BoxLeft, "outline", kNavy}, {At::InsideLeft, "inner", RGB(246, 246, 246)},
      {At::BoxBottom, "outline", kNavy}, {At::GripperDot, "gripper", RGB(39, 65, 118)}}},
    {{tsMS2003, XPSilver},
     {},
     {{At::BoxLeft, "outline", RGB(124, 124, 148)}, {At::InsideLeft, "inner", kWhite},
      {At::BoxBottom, "outline", RGB(124, 124, 148)}, {At::GripperDot, "gripper", RGB(84, 84, 117)}}},
    {{tsMS2003, XPOlive},
     {},
     {{At::BoxLeft, "outline", RGB(117, 141, 94)}, {At::InsideLeft, "inner", RGB(244, 244, 238)},
      {At::BoxBottom, "outline", RGB(117, 141, 94)}, {At::GripperDot, "gripper", RGB(81, 94, 51)}}},
    {{tsMSNet, XPBlue},
     {{At::Background, "background", kNetBlueBackground}, {At::BoxLeft, "outline", RGB(49, 106, 197)},
      {At::InsideLeft, "fill", kNetBlueHoverFill}, {At::BoxLowEdge, "outline", RGB(49, 106, 197)}},
     {{At::BoxLeft, "outline", RGB(138, 134, 122)}, {At::InsideLeft, "inner", RGB(252, 252, 249)},
      {At::Interior, "fill", RGB(239, 237, 222)}, {At::BoxBottom, "outline", RGB(138, 134, 122)}}},
    {{tsMSNet, XPSilver},
     {{At::Background, "background", RGB(224, 223, 227)}, {At::BoxLeft, "outline", RGB(169, 171, 181)},
      {At::InsideLeft, "fill", RGB(199, 199, 202)}, {At::BoxLowEdge, "outline", RGB(169, 171, 181)}},
     {{At::BoxLeft, "outline", RGB(126, 126, 129)}, {At::InsideLeft, "inner", RGB(252, 252, 249)},
      {At::Interior, "fill", RGB(229, 228, 232)}, {At::BoxBottom, "outline", RGB(126, 126, 129)}}},
    {{tsMSNet, XPOlive},
     {{At::Background, "background", RGB(236, 233, 216)}, {At::BoxLeft, "outline", RGB(147, 160, 112)},
      {At::InsideLeft, "fill", RGB(206, 209, 112)}, {At::BoxLowEdge, "outline", RGB(147, 160, 112)}},
     {{At::BoxLeft, "outline", RGB(138, 134, 122)}, {At::InsideLeft, "inner", RGB(252, 252, 249)},
      {At::Interior, "fill", RGB(239, 237, 222)}, {At::BoxBottom, "outline", RGB(138, 134, 122)}}},
    {{tsMSIE, XPBlue},
     {{At::BoxTopLeft, "fill", RGB(49, 106, 197)}, {At::GripperLight, "gripper light", RGB(214, 207, 198)},
      {At::GripperMid, "gripper middle", RGB(179, 176, 171)}, {At::GripperDark, "gripper dark", RGB(141, 136, 122)}},
     {{At::BoxBottomLeft, "fill", RGB(49, 106, 197)}},
     kWhite},
    {{tsMSIE, XPSilver},
     {{At::BoxTopLeft, "fill", RGB(187, 183, 199)}},
     {{At::BoxBottomLeft, "fill", RGB(187, 183, 199)}},
     kBlack},
    {{tsMSIE, XPOlive},
     {{At::BoxTopLeft, "fill", RGB(147, 160, 112)}},
     {{At::BoxBottomLeft, "fill", RGB(147, 160, 112)}},
     kWhite},
};

void PrintTo(const Look& look, std::ostream* out) { *out << mirel_test::StyleThemeText(look.pair); }

class MenuBarStyleLook : public MenuBarLookTest, public ::testing::WithParamInterface<Look> {
 protected:
  POINT Where(At at, int iMenu) const {
    const int height = Inside(*m_Bar).BarHeight();
    const int middle = height / 2;
    const int left = BoxLeft(iMenu);
    switch (at) {
      case At::Background: return {2, height - 1};
      case At::BoxTopLeft: return {left, 1};
      case At::BoxTop: return {left + 1, 1};
      case At::BelowBoxTop: return {left + 1, 2};
      case At::BoxLeft: return {left, middle};
      case At::InsideLeft: return {left + 1, middle};
      case At::Interior: return {left + 2, middle};
      case At::BoxLowEdge: return {left + 1, height - 3};
      case At::BoxBottom: return {left + 2, height - 1};
      case At::BoxBottomLeft: return {left, height - 1};
      case At::BoxRight: return {BoxRight(iMenu) - 1, middle};
      case At::GripperDot: return {7, 9};
      case At::GripperLight: return {4, 5};
      case At::GripperMid: return {5, 5};
      case At::GripperDark: return {5, 6};
    }
    return {};
  }
  void Read(const char* state, const std::vector<Probe>& probes, int iMenu, mirel_test::Sequence& expected,
            mirel_test::Sequence& actual) {
    for (const Probe& p : probes) {
      const POINT pt = Where(p.where, iMenu);
      const std::string row = std::string(state) + " " + p.name + " (" + std::to_string(pt.x) + "," +
                              std::to_string(pt.y) + ") ";
      expected.push_back(row + Hex(p.colour));
      actual.push_back(row + Hex(Pixel(pt.x, pt.y)));
    }
  }
  void StyledBar() { MenuBarLookTest::StyledBar(GetParam().pair.style, GetParam().pair.theme); }
};

TEST_P(MenuBarStyleLook, HoveredAndPressedCaptionsShowTheirBoxes) {
  const Look& look = GetParam();
  StyledBar();
  mirel_test::Sequence expected;
  mirel_test::Sequence actual;
  Hover(kEdit);
  Read("hovered", look.hovered, kEdit, expected, actual);
  if (look.textOnHighlight != CLR_INVALID) {
    expected.push_back("hovered text inked");
    actual.push_back(CountPixels(CaptionBox(kEdit), look.textOnHighlight) > 0 ? "hovered text inked" : "no text");
  }
  Press(kFile);
  ASSERT_EQ(Inside(*m_Bar).OpenMenuWindows().size(), 1U);
  Read("pressed", look.pressed, kFile, expected, actual);
  if (look.textOnHighlight != CLR_INVALID) {
    expected.push_back("pressed text inked");
    actual.push_back(CountPixels(CaptionBox(kFile), look.textOnHighlight) > 0 ? "pressed text inked" : "no text");
  }
  EXPECT_TRUE(SameRows(expected, actual));
  SaveWindow(m_Bar->hWnd(), "menubar_" + mirel_test::StyleThemeText(look.pair));
}

std::string LookName(const ::testing::TestParamInfo<Look>& info) { return mirel_test::StyleThemeText(info.param.pair); }
INSTANTIATE_TEST_SUITE_P(All, MenuBarStyleLook, ::testing::ValuesIn(kLooks), LookName);

// The Office 2003 hover box is a warm vertical gradient: each row one colour, red full,
// green and blue falling from top to bottom.
TEST_F(MenuBarLookTest, Office2003HoverIsAWarmGradientDarkeningDownwards) {
  StyledBar(tsMS2003, XPBlue);
  Hover(kEdit);
  const int boxHeight = Inside(*m_Bar).BarHeight() - 3;
  std::string faults;
  COLORREF above = Pixel(BoxLeft(kEdit) + 1, 3);
  for (int y = 3; y < boxHeight; ++y) {
    const COLORREF row = Pixel(BoxLeft(kEdit) + 1, y);
    for (int x = BoxLeft(kEdit) + 1; x < BoxRight(kEdit) - 1; ++x) {
      if (Pixel(x, y) != row && GetRValue(Pixel(x, y)) == 255) faults += "row " + std::to_string(y) + " not one colour\n";
    }
    if (GetRValue(row) != 255) faults += "row " + std::to_string(y) + " " + Hex(row) + " not warm\n";
    if (GetGValue(row) > GetGValue(above) || GetBValue(row) > GetBValue(above))
      faults += "row " + std::to_string(y) + " " + Hex(row) + " lighter than " + Hex(above) + "\n";
    above = row;
  }
  const COLORREF top = Pixel(BoxLeft(kEdit) + 1, 3);
  EXPECT_GE(GetGValue(top) - GetGValue(above), 15) << Hex(top) << " to " << Hex(above);
  EXPECT_GE(GetBValue(top) - GetBValue(above), 25) << Hex(top) << " to " << Hex(above);
  EXPECT_EQ(faults, "");
}

// A pressed Office 2003 caption is filled from its theme's piece of the pressed-caption
// artwork, another piece when the menu was opened from the keyboard.
using Office2003Look = MenuBarStyleLook;
TEST_P(Office2003Look, PressedCaptionShowsThePressedArtworkOfItsTheme) {
  const StyleTheme pair = GetParam().pair;
  cMemDC strip;
  ASSERT_TRUE(LoadBitmapSurface("MENUBAR2003_BITMAPS", strip));
  const auto pieceColours = [&strip](int theme, bool alternate) {
    std::set<COLORREF> colours;
    const int left = artwork::kPressedStripX + theme * artwork::kPressedThemePitch +
                     (alternate ? artwork::kPressedAlternateOffset : 0);
    for (int y = 0; y < artwork::kPressedPieceHeight; ++y)
      for (int x = left; x < left + artwork::kPressedPieceWidth; ++x) colours.insert(GetPixel(strip.hdc(), x, y));
    return colours;
  };
  for (const bool byKey : {false, true}) {
    StyledBar();
    if (byKey) PressByKey('F'); else Press(kFile);
    ASSERT_EQ(Inside(*m_Bar).Tracker().KeyboardOpened(), byKey);
    const std::set<COLORREF> piece = pieceColours(pair.theme, byKey);
    for (int y = 3; y < Inside(*m_Bar).BarHeight() - 2; ++y)  // inside both outlines
      EXPECT_EQ(piece.count(Pixel(BoxLeft(kFile) + 2, y)), 1U) << (byKey ? "keyboard" : "mouse") << " row " << y;
  }
}

// Each gripper dot as a map of its 3 x 3 corner: '#' darker than the bar beside it, 'o' white,
// '?' not looked at.
using GripperLook = MenuBarStyleLook;
TEST_P(GripperLook, IsAColumnOfDotsFourApartWithWhiteHighlights) {
  const StyleTheme pair = GetParam().pair;
  StyledBar();
  const int height = Inside(*m_Bar).BarHeight();
  const int left = pair.style == tsMSIE ? 4 : 7;
  const int first = pair.style == tsMSIE ? 5 : 9;
  const int last = pair.style == tsMSIE ? height - 3 : 17;
  const std::string dot = "##?\n##o\n?oo\n";
  const auto luma = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
  std::string expected;
  std::string actual;
  for (int y = first; y <= last; y += 4) {
    expected += "dot at row " + std::to_string(y) + "\n" + dot;
    actual += "dot at row " + std::to_string(y) + "\n";
    for (int row = 0; row < 3; ++row) {
      const COLORREF bar = Pixel(12, y + row);
      for (int column = 0; column < 3; ++column) {
        const COLORREF c = Pixel(left + column, y + row);
        const char seen = c == kWhite ? 'o' : luma(c) + 45 < luma(bar) ? '#' : '.';
        actual += dot[static_cast<std::size_t>(row * 4 + column)] == '?' ? '?' : seen;
      }
      actual += '\n';
    }
  }
  EXPECT_EQ(actual, expected);
}

// kLooks: three Office 2003 pairs, then three Office XP, then three Explorer.
INSTANTIATE_TEST_SUITE_P(Office2003, Office2003Look, ::testing::ValuesIn(kLooks, kLooks + 3), LookName);
INSTANTIATE_TEST_SUITE_P(WithGripper, GripperLook,
                         ::testing::Values(kLooks[0], kLooks[1], kLooks[2], kLooks[6], kLooks[7], kLooks[8]), LookName);

}  // namespace
}  // namespace menubar_test
