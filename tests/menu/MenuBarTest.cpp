// The menu bar as a host and a user see it: its layout, hit bands, repaints and unloading, and
// its face read back in every visual style and theme, each probe compared with its surroundings.
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "MenuBarOnForm.h"
#include "core/MirelMenuBar20Internals.h"
#include "render/ResourceBitmaps.h"
#include "render/cMemDC.h"
#include "render/modPicture.h"
#include "support/StyleTheme.h"

namespace menu_test {
namespace {

constexpr int kMargins = 10;  // 5 above and 5 below the tallest element

class MenuBarLayoutTest : public MenuBarOnForm {
 protected:
  // "caption x=<left> w=<width>" for every menu, and the end of the captions.
  std::vector<std::string> LayoutRows() const {
    std::vector<std::string> rows;
    for (int i = 1; i <= Inside(*m_Bar).MenuData().Count(); ++i)
      rows.push_back(Row(Record(i).cMCaption, Record(i).cMCollX, Record(i).cMWidth));
    rows.push_back("end " + std::to_string(Inside(*m_Bar).BarCaptionsEnd()));
    return rows;
  }
  static std::string Row(const std::string& caption, int x, int width) {
    return caption + " x=" + std::to_string(x) + " w=" + std::to_string(width);
  }
  int Width(const char* caption) const { return TextSize(caption).cx; }
};

// The bar is as tall as the taller of the menu font's line and the header icons, plus 5 above
// and 5 below; without a visible primary menu it has no height and no caption to hit. The
// control's height is the bar's in twips at each resolution.
TEST_F(MenuBarLayoutTest, BarHeightIsTheTallerOfTheMenuFontLineAndTheHeaderIconsPlusMargins) {
  constexpr int kIconSize = 32;
  for (const int dpi : {96, 120}) {
    for (const int icon : {-1, 0, kIconSize}) {  // no primary menu shown, one without icons, one with
      SCOPED_TRACE("icon " + std::to_string(icon) + " at " + std::to_string(dpi) + " dpi");
      AddBar(kBarWidthPx, dpi);
      HIMAGELIST icons = icon > 0 ? AttachIcons({kWhite}, icon) : nullptr;
      AddSecondaryMenu("Popup");
      AddMenu("Hidden")->Visible(false);
      if (icon >= 0) AddMenu("File");
      m_Bar->EndUpdate();
      const int height = icon < 0 ? 0 : kMargins + std::max<int>(icon, TextSize("Wg").cy);
      ASSERT_GT(kIconSize, TextSize("Wg").cy);
      EXPECT_EQ(Inside(*m_Bar).BarHeight(), height);
      EXPECT_EQ(m_Bar->Extender().Height(), static_cast<float>(height * (1440 / dpi)));
      EXPECT_EQ(m_Bar->ScaleHeight(), height);
      EXPECT_EQ(Inside(*m_Bar).BarMenuAt(30, 0), height == 0 ? kNoBarMenu : 3);  // File follows Popup, Hidden
      if (icons != nullptr) ImageList_Destroy(icons);
    }
  }
}

// Captions start half the internal spacing plus 13 in and stand the internal spacing apart
// (MenuHeaderSpacing 6 is 10 inside, 3 is 8, 0 is 4); right to left they start from the
// right edge; a header icon widens its box by its width and 2.
TEST_F(MenuBarLayoutTest, CaptionsRunFromHalfTheSpacingPlus13AndStandTheSpacingApart) {
  constexpr int kIconSize = 8;
  const struct {
    const char* name;
    int spacing;
    bool rightToLeft, iconOnFirst;
    std::vector<std::string> menus;
    int inset, gap;  // from the start edge to the first caption, between captions
  } scenarios[] = {
      {"spacing 6", 6, false, false, {"File", "Edit", "View"}, 18, 10},
      {"spacing 3", 3, false, false, {"File", "Edit"}, 17, 8},
      {"right to left, spacing 0", 0, true, false, {"File", "Edit"}, 15, 4},
      {"header icon on File only", 6, false, true, {"File", "Edit"}, 18, 10},
  };
  for (const auto& s : scenarios) {
    AddBar(200);
    m_Bar->SetMenuHeaderSpacing(s.spacing);
    m_Bar->SetRightToLeft(s.rightToLeft ? VARIANT_TRUE : VARIANT_FALSE);
    HIMAGELIST icons = s.iconOnFirst ? AttachIcons({kWhite}, kIconSize) : nullptr;
    Sequence expected;
    int edge = s.inset;  // where the next caption starts, from the start edge
    for (const std::string& menu : s.menus) {
      const bool icon = s.iconOnFirst && &menu == &s.menus.front();
      if (icon) AddIconMenu(menu);
      else AddMenu(menu);  // no icon index: no icon space
      const int width = Width(("&" + menu).c_str()) + (icon ? kIconSize + 2 : 0);
      expected.push_back(Row("&" + menu, s.rightToLeft ? 200 - edge - width : edge, width));
      edge += width + s.gap;
    }
    edge -= s.gap;
    expected.push_back("end " + std::to_string(s.rightToLeft ? 200 - edge : edge));
    m_Bar->EndUpdate();
    EXPECT_TRUE(SameSequence(expected, LayoutRows())) << s.name;
    if (icons != nullptr) ImageList_Destroy(icons);
  }
}

TEST_F(MenuBarLayoutTest, HitBandReachesHalfTheSpacingBeyondEachEnabledCaption) {
  AddBar();
  AddMenu("File");
  AddMenu("Edit", std::nullopt, false);
  AddMenu("View");
  m_Bar->EndUpdate();
  const tMenuInfo& file = Record(1);
  const tMenuInfo& view = Record(3);
  const int bar = Inside(*m_Bar).BarHeight();
  const std::tuple<const char*, int, int, int> probes[] = {
      {"left of File's band", file.cMCollX - 6, 0, kNoBarMenu},
      {"File band's left end", file.cMCollX - 5, 0, 1},
      {"File band's right end", file.cMCollX + file.cMWidth + 5, bar, 1},
      {"below the bar", file.cMCollX, bar + 1, kNoBarMenu},
      {"disabled Edit", Record(2).cMCollX + 1, 4, kNoBarMenu},
      {"View's middle", view.cMCollX + view.cMWidth / 2, 4, 3},
      {"past View's band", view.cMCollX + view.cMWidth + 6, 4, kNoBarMenu},
  };
  for (const auto& [where, x, y, menu] : probes) EXPECT_EQ(Inside(*m_Bar).BarMenuAt(x, y), menu) << where;
}

// A run-time instance waits for its first EndUpdate; after that, BeginUpdate stops it again.
// Either way nothing is laid out or painted until EndUpdate, which does both once; the first
// also fits the control's height to the bar, which resizes it and raises ReSize. A resize
// lays the captions out again, repaints once, then raises ReSize.
TEST_F(MenuBarLayoutTest, NothingIsLaidOutOrPaintedUntilEndUpdateWhichDoesBothOnceAsDoesAResize) {
  AddBar();
  Sequence resizes;  // with the control's size in pixels at that moment
  ReSizeSink sink;
  sink.onReSize = [&] {
    resizes.push_back("ReSize " + std::to_string(m_Bar->ScaleWidth()) + "x" + std::to_string(m_Bar->ScaleHeight()));
  };
  m_Bar->Connect(&sink);
  for (const bool first : {true, false}) {
    SCOPED_TRACE(first ? "first EndUpdate" : "after BeginUpdate");
    if (!first) m_Bar->BeginUpdate();
    EXPECT_FALSE(Inside(*m_Bar).RedrawEnabled());
    const long paints = Inside(*m_Bar).PaintCount();
    const COLORREF face = Pixel(2, 2);
    m_Bar->SetTheme(first ? XPOlive : XPSilver);
    m_Bar->SetMenuHeaderSpacing(first ? 4 : 0);
    m_Bar->SetRightToLeft(first ? VARIANT_FALSE : VARIANT_TRUE);
    m_Bar->SetVisualStyle(first ? tsMSIE : tsMSNet);
    AddMenu(first ? "File" : "Edit")->Caption("&Datei");
    const int iMenu = first ? 1 : 2;
    EXPECT_EQ(Inside(*m_Bar).PaintCount(), paints);
    EXPECT_EQ(Pixel(2, 2), face);
    EXPECT_EQ(Record(iMenu).cMWidth, 0);
    if (first) {
      EXPECT_EQ(Inside(*m_Bar).BarHeight(), 0);
      EXPECT_EQ(m_Bar->ScaleHeight(), kInitialHeightPx);
    }
    m_Bar->EndUpdate();
    EXPECT_TRUE(Inside(*m_Bar).RedrawEnabled());
    EXPECT_EQ(Inside(*m_Bar).PaintCount(), paints + 1);
    EXPECT_NE(Pixel(2, 2), face);
    EXPECT_GT(Record(iMenu).cMWidth, 0);
    EXPECT_GT(Inside(*m_Bar).BarHeight(), 0);
  }
  const long paints = Inside(*m_Bar).PaintCount();
  m_Bar->Extender().SetWidth(static_cast<float>(300 * Desktop().TwipsPerPixel()));
  EXPECT_EQ(Inside(*m_Bar).PaintCount(), paints + 1);
  EXPECT_EQ(Record(1).cMCollX, 300 - 15 - Width("&Datei"));  // right to left, spacing 0
  const std::string height = std::to_string(Inside(*m_Bar).BarHeight());
  EXPECT_TRUE(SameSequence({"ReSize 320x" + height, "ReSize 300x" + height}, resizes));
  m_Bar->Disconnect(&sink);
}

constexpr int kFile = 1;
constexpr int kEdit = 2;

class MenuBarLookTest : public MenuBarOnForm {
 protected:
  // A bar in `style` and `theme` with File, Edit and View, the header spacing at its smallest
  // (MenuHeaderSpacing 0: boxes widen by 2 on each side of a caption).
  void StyledBar(ctsVisualStyleConstants style, ctsThemes theme) {
    AddBar();
    m_Bar->SetVisualStyle(style);
    m_Bar->SetTheme(theme);
    m_Bar->SetMenuHeaderSpacing(0);
    for (const char* key : {"File", "Edit", "View"}) AddMenu(key);
    m_Bar->EndUpdate();
  }
  // Hover and pressed boxes of menu iMenu run from cMCollX - 4 to cMCollX + cMWidth + 2.
  int BoxLeft(int iMenu) const { return Record(iMenu).cMCollX - 4; }
  int BoxRight(int iMenu) const { return Record(iMenu).cMCollX + Record(iMenu).cMWidth + 2; }
  int Height() const { return Inside(*m_Bar).BarHeight(); }
  std::vector<COLORREF> Face() {
    std::vector<COLORREF> face;
    for (int y = 0; y < Height(); ++y)
      for (int x = 0; x < kBarWidthPx; ++x) face.push_back(Pixel(x, y));
    return face;
  }
};

TEST_F(MenuBarLookTest, DisabledCaptionsUseDisabledMenuForeColorAndNeverHover) {
  AddBar();
  m_Bar->SetVisualStyle(tsMSNet);
  m_Bar->SetDisabledMenuForeColor(kRed);
  AddMenu("File");
  AddMenu("Edit", std::nullopt, false);
  m_Bar->EndUpdate();
  EXPECT_GT(CountPixels(CaptionBox(kFile), kBlack), 0);
  EXPECT_EQ(CountPixels(CaptionBox(kFile), kRed), 0);
  EXPECT_GT(CountPixels(CaptionBox(kEdit), kRed), 0);
  EXPECT_EQ(CountPixels(CaptionBox(kEdit), kBlack), 0);
  const std::vector<COLORREF> idle = Face();
  Hover(kEdit);
  EXPECT_TRUE(Face() == idle) << "a disabled caption hovers";
  Hover(kFile);
  EXPECT_FALSE(Face() == idle) << "an enabled caption does not hover";
  Leave();
  EXPECT_TRUE(Face() == idle) << "hover shows only while the mouse is over the control";

  m_Bar->SetEnabled(VARIANT_FALSE);
  m_Bar->EndUpdate();
  EXPECT_FALSE(IsWindowEnabled(m_Bar->hWnd()));
  EXPECT_EQ(CountPixels(CaptionBox(kFile), kBlack), 0);
  EXPECT_GT(CountPixels(CaptionBox(kFile), kRed), 0);
  const std::vector<COLORREF> disabled = Face();
  Hover(kFile);
  EXPECT_TRUE(Face() == disabled) << "a disabled bar hovers";
  m_Bar->SetEnabled(VARIANT_TRUE);
  EXPECT_TRUE(IsWindowEnabled(m_Bar->hWnd()));
}

// Header icons come from the header list, the disabled index for a disabled menu. Right to
// left the text ends at the caption box's right edge (15 in from the bar's, spacing 0) and
// an icon sits right of its text.
TEST_F(MenuBarLookTest, HeaderIconsAndTextLeftToRightAndRightToLeft) {
  for (const bool rightToLeft : {false, true}) {
    SCOPED_TRACE(rightToLeft ? "right to left" : "left to right");
    AddBar(200);
    m_Bar->SetVisualStyle(tsMSNet);
    m_Bar->SetMenuHeaderSpacing(0);
    m_Bar->SetRightToLeft(rightToLeft ? VARIANT_TRUE : VARIANT_FALSE);
    HIMAGELIST icons = AttachIcons({kLime, kRed});
    AddIconMenu("File", true);
    AddIconMenu("Edit", false);
    AddMenu("View");
    m_Bar->EndUpdate();
    const int top = static_cast<int>(std::nearbyint(Height() / 2.0 - 4));
    for (const auto& [iMenu, colour] : {std::pair{kFile, kLime}, std::pair{kEdit, kRed}}) {
      const int left = rightToLeft ? Record(iMenu).cMCollX + Record(iMenu).cMWidth - 8 : Record(iMenu).cMCollX;
      EXPECT_EQ(CountPixels(RECT{left, top, left + 8, top + 8}, colour), 64) << iMenu;
    }
    EXPECT_GT(CountPixels(CaptionBox(3), kBlack), 0);
    if (rightToLeft) {
      EXPECT_EQ(Record(kFile).cMCollX, 185 - TextSize("&File").cx - 8 - 2);
      EXPECT_EQ(CountPixels(RECT{185, 0, 200, Height()}, kBlack), 0);
      EXPECT_EQ(CountPixels(RECT{0, 0, Record(3).cMCollX, Height()}, kBlack), 0);
    }
    ImageList_Destroy(icons);
  }
}

// MenuHeaderSpacing 3 is 8 inside: the hover box's outline stands 4 beyond the caption box
// plus the usual 2 on the left. A caption past the right edge is laid out but not drawn.
TEST_F(MenuBarLookTest, HeaderSpacingWidensTheHoverBoxAndACaptionPastTheEdgeIsNotDrawn) {
  constexpr int kNarrow = 60;
  AddBar(kNarrow);
  m_Bar->SetVisualStyle(tsMSNet);
  m_Bar->SetMenuHeaderSpacing(3);
  AddMenu("File");
  AddMenu("Edit");
  m_Bar->EndUpdate();
  ASSERT_GT(Record(kEdit).cMWidth, 0);
  ASSERT_GT(Record(kEdit).cMCollX + Record(kEdit).cMWidth, kNarrow);
  const RECT beyond{Record(kEdit).cMCollX, 0, kNarrow, Height()};
  EXPECT_EQ(CountPixels(beyond, Pixel(2, Height() - 1)), (beyond.right - beyond.left) * (beyond.bottom - beyond.top));
  EXPECT_GT(CountPixels(CaptionBox(kFile), kBlack), 0);
  Hover(kFile);
  const int middle = Height() / 2;
  const COLORREF background = Pixel(2, middle);
  const int left = Record(kFile).cMCollX - 6;
  const int right = Record(kFile).cMCollX + Record(kFile).cMWidth + 4;
  std::string seen;
  for (const int x : {left - 1, left, right - 1, right}) seen += Pixel(x, middle) == background ? "background " : "box ";
  EXPECT_EQ(seen, "background box box background ");
}

// ---- every style and theme ----

// Where on the face a probe reads, from caption iMenu's box: x from the box's left edge (from
// its right edge when negative), y from the top (from the bottom when negative, the middle row
// when 0); and what it must look like: the bar's background in the same row just left of the
// box, unlike it, white, or the same as (or unlike) an earlier probe.
enum class Is { NotBackground, White, Same, Unlike };
struct Probe {
  bool pressed;  // File's menu opened by a click; otherwise Edit under the mouse
  int x, y;
  const char* name;
  Is is;
  const char* other = nullptr;
};

const std::vector<Probe> kStyleProbes[] = {
    {// Office 2003: one outline round the hover box with a white line inside its top
     {false, 1, 1, "hover outline", Is::NotBackground},
     {false, 0, 0, "hover outline left", Is::Same, "hover outline"},
     {false, -1, 0, "hover outline right", Is::Same, "hover outline"},
     {false, 1, -3, "hover outline low", Is::Same, "hover outline"},
     {false, 1, 2, "hover inner top", Is::White},
     {true, 0, 0, "pressed outline", Is::NotBackground},
     {true, 2, -1, "pressed outline bottom", Is::Same, "pressed outline"},
     {true, 1, 0, "pressed inner", Is::Unlike, "pressed outline"}},
    {// Office XP: an outlined fill under the mouse, a framed light box when pressed
     {false, 0, 0, "hover outline", Is::NotBackground},
     {false, 1, 0, "hover fill", Is::NotBackground},
     {false, 1, 0, "hover fill ", Is::Unlike, "hover outline"},
     {false, 1, -3, "hover outline low", Is::Same, "hover outline"},
     {true, 0, 0, "pressed outline", Is::NotBackground},
     {true, 1, 0, "pressed inner", Is::Unlike, "pressed outline"},
     {true, 2, 0, "pressed fill", Is::Unlike, "pressed inner"},
     {true, 2, -1, "pressed outline bottom", Is::Same, "pressed outline"}},
    {// Explorer: one flat fill, the same hovered and pressed
     {false, 0, 1, "hover fill", Is::NotBackground},
     {true, 0, -1, "pressed fill", Is::Same, "hover fill"}},
};

class MenuBarStyleLook : public MenuBarLookTest, public ::testing::WithParamInterface<StyleTheme> {
 protected:
  POINT Where(int x, int y, int iMenu) const {
    return {x >= 0 ? BoxLeft(iMenu) + x : BoxRight(iMenu) + x, y > 0 ? y : y < 0 ? Height() + y : Height() / 2};
  }
  // A pressed Office 2003 caption is filled from its theme's piece of the pressed-caption
  // artwork, another piece when the menu was opened from the keyboard.
  void ExpectPressedArtwork(bool byKey) {
    ASSERT_EQ(Inside(*m_Bar).Tracker().KeyboardOpened(), byKey);
    if (GetParam().style != tsMS2003) return;
    cMemDC strip;
    ASSERT_TRUE(LoadBitmapSurface("MENUBAR2003_BITMAPS", strip));
    std::set<COLORREF> piece;
    const int left = artwork::kPressedStripX + GetParam().theme * artwork::kPressedThemePitch +
                     (byKey ? artwork::kPressedAlternateOffset : 0);
    for (int y = 0; y < artwork::kPressedPieceHeight; ++y)
      for (int x = left; x < left + artwork::kPressedPieceWidth; ++x) piece.insert(GetPixel(strip.hdc(), x, y));
    for (int y = 3; y < Height() - 2; ++y)  // inside both outlines
      EXPECT_EQ(piece.count(Pixel(BoxLeft(kFile) + 2, y)), 1U) << (byKey ? "keyboard" : "mouse") << " row " << y;
  }
  // Office 2003 and Explorer draw a gripper: a column of dots four apart, each dot a map of its
  // 3 x 3 corner: '#' darker than the bar beside it, 'o' white, '?' not looked at.
  void ExpectGripper() {
    if (GetParam().style == tsMSNet) return;
    const bool ie = GetParam().style == tsMSIE;
    const int left = ie ? 4 : 7;
    const std::string dot = "##?\n##o\n?oo\n";
    const auto luma = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
    std::string expected;
    std::string actual;
    for (int y = ie ? 5 : 9; y <= (ie ? Height() - 3 : 17); y += 4) {
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
};

TEST_P(MenuBarStyleLook, GripperBoxesAndArtworkOfHoveredAndPressedCaptionsAllReleasedOnUnloading) {
  StyledBar(GetParam().style, GetParam().theme);
  ExpectGripper();
  Leave();
  const std::vector<COLORREF> untouched = Face();
  std::map<std::string, COLORREF> seen;
  const auto read = [&](bool pressed) {
    for (const Probe& p : kStyleProbes[GetParam().style]) {
      if (p.pressed != pressed) continue;
      const int iMenu = pressed ? kFile : kEdit;
      const POINT pt = Where(p.x, p.y, iMenu);
      const COLORREF colour = Pixel(pt.x, pt.y);
      const COLORREF background = Pixel(BoxLeft(iMenu) - 1, pt.y);
      const COLORREF other = p.other != nullptr ? seen.at(p.other) : CLR_INVALID;
      seen[p.name] = colour;
      EXPECT_TRUE(p.is == Is::NotBackground ? colour != background
                  : p.is == Is::White       ? colour == kWhite
                  : p.is == Is::Same        ? colour == other
                                            : colour != other)
          << p.name << " (" << pt.x << "," << pt.y << ") is " << ColourText(colour) << ", background " << ColourText(background)
          << (p.other ? ", " + std::string(p.other) + " " + ColourText(other) : "");
    }
  };
  Hover(kEdit);
  read(false);
  Press(kFile);
  ASSERT_EQ(Inside(*m_Bar).OpenMenuWindows().size(), 1U);
  read(true);
  ExpectPressedArtwork(false);
  SaveWindow(m_Bar->hWnd(), "menubar_" + StyleThemeText(GetParam()));
  // A menu opened from the keyboard and closed by the host leaves no box on the bar.
  Leave();
  PressByKey('F');
  ASSERT_EQ(Inside(*m_Bar).OpenMenuWindows().size(), 1U);
  ExpectPressedArtwork(true);
  m_Bar->HideAllMenus();
  EXPECT_TRUE(untouched == Face()) << "a caption box stayed after the menu closed";
  m_Form->Unload();  // releases the face, the artwork and the fonts; the windows go with the form object
  Sequence left = CountRows(win32::SnapshotLiveObjects());
  left.front() = CountRows(countsAtStart_).front();
  EXPECT_TRUE(SameSequence(CountRows(countsAtStart_), left)) << "left after unloading";
}

INSTANTIATE_TEST_SUITE_P(All, MenuBarStyleLook, AllStyleThemes(), StyleThemeName);

// Each theme gives a style colours of its own, and Explorer's captions write in the colour
// that reads on their fill: white on blue and olive, black on silver.
TEST_F(MenuBarLookTest, EachThemeColoursTheBoxesItsOwnWay) {
  // The pressed outline, the hover fill, the hover fill.
  const std::tuple<ctsVisualStyleConstants, bool, int, int> probes[] = {
      {tsMS2003, true, 0, 0}, {tsMSNet, false, 1, 0}, {tsMSIE, false, 0, 1}};
  const COLORREF ieText[] = {kWhite, kBlack, kWhite};
  for (const auto& [style, pressed, x, y] : probes) {
    std::set<COLORREF> colours;
    for (const ctsThemes theme : {XPBlue, XPSilver, XPOlive}) {
      StyledBar(style, theme);
      pressed ? Press(kFile) : Hover(kEdit);
      colours.insert(Pixel(BoxLeft(pressed ? kFile : kEdit) + x, y > 0 ? y : Height() / 2));
      if (style != tsMSIE) continue;
      EXPECT_GT(CountPixels(CaptionBox(kEdit), ieText[theme]), 0) << "hovered, theme " << theme;
      Press(kFile);
      EXPECT_GT(CountPixels(CaptionBox(kFile), ieText[theme]), 0) << "pressed, theme " << theme;
    }
    EXPECT_EQ(colours.size(), 3U) << "style " << style;
  }
}

// The Office 2003 hover box is a warm vertical gradient: each row one colour, red full,
// green and blue falling from top to bottom.
TEST_F(MenuBarLookTest, Office2003HoverIsAWarmGradientDarkeningDownwards) {
  StyledBar(tsMS2003, XPBlue);
  Hover(kEdit);
  std::string faults;
  const COLORREF top = Pixel(BoxLeft(kEdit) + 1, 3);
  COLORREF above = top;
  for (int y = 3; y < Height() - 3; ++y) {
    const COLORREF row = Pixel(BoxLeft(kEdit) + 1, y);
    for (int x = BoxLeft(kEdit) + 1; x < BoxRight(kEdit) - 1; ++x)
      if (Pixel(x, y) != row && GetRValue(Pixel(x, y)) == 255)
        faults += "row " + std::to_string(y) + " not one colour\n";
    if (GetRValue(row) != 255) faults += "row " + std::to_string(y) + " " + ColourText(row) + " not warm\n";
    if (GetGValue(row) > GetGValue(above) || GetBValue(row) > GetBValue(above))
      faults += "row " + std::to_string(y) + " " + ColourText(row) + " lighter than " + ColourText(above) + "\n";
    above = row;
  }
  EXPECT_GE(GetGValue(top) - GetGValue(above), 15) << ColourText(top) << " to " << ColourText(above);
  EXPECT_GE(GetBValue(top) - GetBValue(above), 25) << ColourText(top) << " to " << ColourText(above);
  EXPECT_EQ(faults, "");
}

}  // namespace
}  // namespace menu_test
