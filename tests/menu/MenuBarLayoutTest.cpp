// Geometry of the menu bar as a host sees it: its height, the caption boxes either way round,
// the hit band of each caption; when it lays out and repaints; unloading releases what it
// drew with.
#include <string>
#include <vector>

#include "MenuBarOnForm.h"
#include "core/MirelMenuBar20Internals.h"

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
      m_Bar->Menus()->Add({.Key = "Popup", .Caption = "Popup", .Style = tsSecondaryMenu, .Enabled = true});
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
    bool rightToLeft;
    bool iconOnFirst;
    std::vector<std::string> menus;
    int inset;  // from the start edge to the first caption
    int gap;
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
  const struct {
    const char* where;
    int x;
    int y;
    int expected;
  } probes[] = {
      {"left of File's band", file.cMCollX - 6, 0, kNoBarMenu},
      {"File band's left end", file.cMCollX - 5, 0, 1},
      {"File band's right end", file.cMCollX + file.cMWidth + 5, bar, 1},
      {"below the bar", file.cMCollX, bar + 1, kNoBarMenu},
      {"disabled Edit", Record(2).cMCollX + 1, 4, kNoBarMenu},
      {"View's middle", view.cMCollX + view.cMWidth / 2, 4, 3},
      {"past View's band", view.cMCollX + view.cMWidth + 6, 4, kNoBarMenu},
  };
  std::vector<std::string> expected;
  std::vector<std::string> actual;
  for (const auto& probe : probes) {
    expected.push_back(std::string(probe.where) + " -> " + std::to_string(probe.expected));
    actual.push_back(std::string(probe.where) + " -> " + std::to_string(Inside(*m_Bar).BarMenuAt(probe.x, probe.y)));
  }
  EXPECT_TRUE(SameSequence(expected, actual));
}

// Records ReSize with the control's size in pixels at that moment.
class ResizeSink : public __MirelMenuBar20 {
 public:
  explicit ResizeSink(const MirelMenuBar20& bar) : m_Bar(bar) {}
  std::vector<std::string> rows;
  void ReSize() override {
    rows.push_back("ReSize " + std::to_string(m_Bar.ScaleWidth()) + "x" + std::to_string(m_Bar.ScaleHeight()));
  }

 private:
  const MirelMenuBar20& m_Bar;
};

// A run-time instance waits for its first EndUpdate; after that, BeginUpdate stops it again.
// Either way nothing is laid out or painted until EndUpdate, which does both once; the first
// also fits the control's height to the bar, which resizes it and raises ReSize. A resize
// lays the captions out again, repaints once, then raises ReSize.
TEST_F(MenuBarLayoutTest, NothingIsLaidOutOrPaintedUntilEndUpdateWhichDoesBothOnceAsDoesAResize) {
  AddBar();
  ResizeSink sink(*m_Bar);
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
  EXPECT_TRUE(SameSequence({"ReSize 320x" + height, "ReSize 300x" + height}, sink.rows));
  m_Bar->Disconnect(&sink);
}

TEST_F(MenuBarLayoutTest, UnloadingReleasesTheFaceTheArtworkAndTheFonts) {
  AddBar();
  for (const ctsVisualStyleConstants style : {tsMS2003, tsMSNet, tsMSIE}) {
    m_Bar->SetVisualStyle(style);
    AddMenu("Menu" + std::to_string(style));
    m_Bar->EndUpdate();
    Hover(1);
    Press(1);
    Desktop().KeyPress(VK_ESCAPE);
  }
  m_Form->Unload();
  Sequence expected = CountRows(countsAtStart_);
  Sequence actual = CountRows(win32::SnapshotLiveObjects());
  expected.erase(expected.begin());  // the windows go with the form object, not at unload
  actual.erase(actual.begin());
  EXPECT_TRUE(SameSequence(expected, actual));
}

}  // namespace
}  // namespace menu_test
