// Geometry of the menu bar as a host sees it: the bar's height from the menu font and the
// header image list, the caption boxes written into the menu records left-to-right and
// right-to-left, the header spacing between captions, the hit band of each caption and the
// control's height in twips.
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

TEST_F(MenuBarLayoutTest, BarWithoutVisiblePrimaryMenuHasNoHeight) {
  AddBar();
  m_Bar->Menus()->Add({.Key = "Popup", .Caption = "Popup", .Style = tsSecondaryMenu, .Enabled = true});
  AddMenu("Hidden")->Visible(false);
  m_Bar->EndUpdate();
  EXPECT_EQ(Inside(*m_Bar).BarHeight(), 0);
  EXPECT_EQ(m_Bar->Extender().Height(), 0.0f);
  EXPECT_EQ(Inside(*m_Bar).BarMenuAt(30, 0), kNoBarMenu);
}

TEST_F(MenuBarLayoutTest, BarHeightIsTheTallerOfTheMenuFontLineAndTheHeaderIconsPlusMargins) {
  AddBar();
  AddMenu("File");
  m_Bar->EndUpdate();
  EXPECT_EQ(Inside(*m_Bar).BarHeight(), kMargins + TextSize("Wg").cy);

  constexpr int kIconSize = 32;
  AddBar();
  HIMAGELIST icons = AttachIcons({kWhite}, kIconSize);
  AddMenu("File");
  m_Bar->EndUpdate();
  ASSERT_GT(kIconSize, TextSize("Wg").cy);
  EXPECT_EQ(Inside(*m_Bar).BarHeight(), kMargins + kIconSize);
  ImageList_Destroy(icons);
}

// Captions start half the internal spacing plus 13 in and stand the internal spacing apart
// (MenuHeaderSpacing 6 is 10 inside, 3 is 8, 0 is 4); right to left they start from the
// right edge; a header icon widens its box by its width and 2.
TEST_F(MenuBarLayoutTest, CaptionsRunFromHalfTheSpacingPlus13AndStandTheSpacingApart) {
  AddBar();
  const int file = Width("&File");
  const int edit = Width("&Edit");
  const int view = Width("&View");
  std::vector<std::string> expected{Row("&File", 18, file), Row("&Edit", 18 + file + 10, edit),
                                    Row("&View", 18 + file + 10 + edit + 10, view),
                                    "end " + std::to_string(18 + file + 10 + edit + 10 + view)};
  AddMenu("File");
  AddMenu("Edit");
  AddMenu("View");
  m_Bar->EndUpdate();
  EXPECT_TRUE(SameSequence(expected, LayoutRows())) << "spacing 6";

  AddBar();
  m_Bar->SetMenuHeaderSpacing(3);
  AddMenu("File");
  AddMenu("Edit");
  m_Bar->EndUpdate();
  EXPECT_EQ(Inside(*m_Bar).MenuHeaderSpacingInternal(), 8);
  expected = {Row("&File", 17, file), Row("&Edit", 17 + file + 8, edit), "end " + std::to_string(17 + file + 8 + edit)};
  EXPECT_TRUE(SameSequence(expected, LayoutRows())) << "spacing 3";

  AddBar(200);
  m_Bar->SetMenuHeaderSpacing(0);
  m_Bar->SetRightToLeft(VARIANT_TRUE);
  AddMenu("File");
  AddMenu("Edit");
  m_Bar->EndUpdate();
  expected = {Row("&File", 185 - file, file), Row("&Edit", 185 - file - 4 - edit, edit),
              "end " + std::to_string(185 - file - 4 - edit)};
  EXPECT_TRUE(SameSequence(expected, LayoutRows())) << "right to left, spacing 0";

  constexpr int kIconSize = 8;
  AddBar();
  HIMAGELIST icons = AttachIcons({kWhite}, kIconSize);
  AddIconMenu("File");
  AddMenu("Edit");  // no icon index: no icon space
  m_Bar->EndUpdate();
  expected = {Row("&File", 18, file + kIconSize + 2), Row("&Edit", 18 + kIconSize + 2 + file + 10, edit),
              "end " + std::to_string(18 + kIconSize + 2 + file + 10 + edit)};
  EXPECT_TRUE(SameSequence(expected, LayoutRows())) << "header icon";
  ImageList_Destroy(icons);
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

TEST_F(MenuBarLayoutTest, ControlHeightIsTheBarInTwipsAtEachResolution) {
  for (const int dpi : {96, 120}) {
    AddBar(kBarWidthPx, dpi);
    AddMenu("File");
    m_Bar->EndUpdate();
    EXPECT_EQ(m_Bar->Extender().Height(), static_cast<float>(Inside(*m_Bar).BarHeight() * (1440 / dpi))) << dpi << " dpi";
    EXPECT_EQ(m_Bar->ScaleHeight(), Inside(*m_Bar).BarHeight()) << dpi << " dpi";
  }
}

}  // namespace
}  // namespace menu_test
