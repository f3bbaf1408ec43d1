// Geometry of the menu bar as a host sees it: the bar's height from the menu font and the
// header image list, the caption boxes written into the menu records left-to-right and
// right-to-left, the header spacing between captions, the hit band of each caption and the
// control's height in twips.
#include <string>
#include <vector>

#include "MenuBarPaintTest.h"
#include "win32/commctrl.h"

namespace menubar_test {
namespace {

constexpr int kMargins = 10;  // 5 above and 5 below the tallest element

std::string Row(const tMenuInfo& menu) {
  return menu.cMCaption + " x=" + std::to_string(menu.cMCollX) + " w=" + std::to_string(menu.cMWidth);
}

class MenuBarLayoutTest : public MenuBarPaintTest {
 protected:
  std::vector<std::string> LayoutRows() const {
    std::vector<std::string> rows;
    for (int i = 1; i <= m_Bar->MenuData().Count(); ++i) rows.push_back(Row(Record(i)));
    return rows;
  }
};

TEST_F(MenuBarLayoutTest, BarWithoutVisiblePrimaryMenuHasNoHeight) {
  AddBar();
  AddMenu("Popup", true, tsSecondaryMenu);
  AddMenu("&Hidden")->Visible(false);
  m_Bar->EndUpdate();
  EXPECT_EQ(m_Bar->BarHeight(), 0);
  EXPECT_EQ(m_Bar->Extender().Height(), 0.0f);
  EXPECT_EQ(m_Bar->BarMenuAt(30, 0), kNoBarMenu);
}

TEST_F(MenuBarLayoutTest, BarHeightIsTheMenuFontLinePlusMargins) {
  AddBar();
  AddMenu("&File");
  m_Bar->EndUpdate();
  EXPECT_EQ(m_Bar->BarHeight(), kMargins + TextSize("Wg").cy);
}

TEST_F(MenuBarLayoutTest, TallerHeaderIconsSetTheBarHeight) {
  constexpr int kIconSize = 32;
  AddBar();
  HIMAGELIST icons = ImageList_Create(kIconSize, kIconSize, ILC_COLOR24, 1, 0);
  HDC screen = GetDC(nullptr);
  HBITMAP picture = CreateCompatibleBitmap(screen, kIconSize, kIconSize);
  ReleaseDC(nullptr, screen);
  ImageList_Add(icons, picture, nullptr);
  DeleteObject(picture);
  ctsMBImageListTypeConstants slot = imlMenuHeader;
  Variant handle(static_cast<int>(HandleToLong(icons)));
  m_Bar->SetImageList(slot, handle);
  AddMenu("&File");
  m_Bar->EndUpdate();
  ASSERT_GT(kIconSize, TextSize("Wg").cy);
  EXPECT_EQ(m_Bar->BarHeight(), kMargins + kIconSize);
  ImageList_Destroy(icons);
}

TEST_F(MenuBarLayoutTest, CaptionsRunLeftToRightHalfTheSpacingPlus13InAndSpacingApart) {
  AddBar();
  AddMenu("&File");
  AddMenu("&Edit");
  AddMenu("&View");
  m_Bar->EndUpdate();
  // Default MenuHeaderSpacing 6: internal 10, first caption at 10 / 2 + 13.
  const int file = TextSize("&File").cx;
  const int edit = TextSize("&Edit").cx;
  const int view = TextSize("&View").cx;
  const std::vector<std::string> expected{
      "&File x=18 w=" + std::to_string(file),
      "&Edit x=" + std::to_string(18 + file + 10) + " w=" + std::to_string(edit),
      "&View x=" + std::to_string(18 + file + 10 + edit + 10) + " w=" + std::to_string(view),
  };
  EXPECT_TRUE(SameRows(expected, LayoutRows()));
  EXPECT_EQ(m_Bar->BarCaptionsEnd(), 18 + file + 10 + edit + 10 + view);
}

TEST_F(MenuBarLayoutTest, HeaderSpacingThreeStoresEightAndSetsCaptionsEightApart) {
  AddBar();
  m_Bar->SetMenuHeaderSpacing(3);
  AddMenu("&File");
  AddMenu("&Edit");
  m_Bar->EndUpdate();
  EXPECT_EQ(m_Bar->MenuHeaderSpacingInternal(), 8);
  EXPECT_EQ(Record(1).cMCollX, 17);  // 8 / 2 + 13
  EXPECT_EQ(Record(2).cMCollX - (Record(1).cMCollX + Record(1).cMWidth), 8);
}

TEST_F(MenuBarLayoutTest, RightToLeftStartsFifteenInFromTheRightEdge) {
  AddBar(200);
  m_Bar->SetMenuHeaderSpacing(0);  // internal 4: 4 / 2 + 13 = 15
  m_Bar->SetRightToLeft(VARIANT_TRUE);
  AddMenu("&File");
  AddMenu("&Edit");
  m_Bar->EndUpdate();
  const int file = TextSize("&File").cx;
  const int edit = TextSize("&Edit").cx;
  const std::vector<std::string> expected{
      "&File x=" + std::to_string(185 - file) + " w=" + std::to_string(file),
      "&Edit x=" + std::to_string(185 - file - 4 - edit) + " w=" + std::to_string(edit),
  };
  EXPECT_TRUE(SameRows(expected, LayoutRows()));
  EXPECT_EQ(m_Bar->BarCaptionsEnd(), 185 - file - 4 - edit);
}

TEST_F(MenuBarLayoutTest, IconsWidenTheCaptionBoxByTheirWidthAndTwo) {
  constexpr int kIconSize = 8;
  AddBar();
  HIMAGELIST icons = ImageList_Create(kIconSize, kIconSize, ILC_COLOR24, 1, 0);
  HDC screen = GetDC(nullptr);
  HBITMAP picture = CreateCompatibleBitmap(screen, kIconSize, kIconSize);
  ReleaseDC(nullptr, screen);
  ImageList_Add(icons, picture, nullptr);
  DeleteObject(picture);
  ctsMBImageListTypeConstants slot = imlMenuHeader;
  Variant handle(static_cast<int>(HandleToLong(icons)));
  m_Bar->SetImageList(slot, handle);
  MenuAddArgs withIcon;
  withIcon.Key = "File";
  withIcon.Caption = "&File";
  withIcon.Enabled = true;
  withIcon.Icon = 1;
  m_Bar->Menus()->Add(withIcon);
  AddMenu("&Edit");  // no icon index: no icon space
  m_Bar->EndUpdate();
  const int file = TextSize("&File").cx;
  const int edit = TextSize("&Edit").cx;
  const std::vector<std::string> expected{
      "&File x=18 w=" + std::to_string(file + kIconSize + 2),
      "&Edit x=" + std::to_string(18 + kIconSize + 2 + file + 10) + " w=" + std::to_string(edit),
  };
  EXPECT_TRUE(SameRows(expected, LayoutRows()));
  ImageList_Destroy(icons);
}

TEST_F(MenuBarLayoutTest, HitBandReachesHalfTheSpacingBeyondEachEnabledCaption) {
  AddBar();
  AddMenu("&File");
  AddMenu("&Edit", false);
  AddMenu("&View");
  m_Bar->EndUpdate();
  const tMenuInfo& file = Record(1);
  const tMenuInfo& view = Record(3);
  const int bar = m_Bar->BarHeight();
  struct Probe {
    const char* where;
    int x;
    int y;
    int expected;
  };
  const std::vector<Probe> probes{
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
  for (const Probe& probe : probes) {
    expected.push_back(std::string(probe.where) + " -> " + std::to_string(probe.expected));
    actual.push_back(std::string(probe.where) + " -> " + std::to_string(m_Bar->BarMenuAt(probe.x, probe.y)));
  }
  EXPECT_TRUE(SameRows(expected, actual));
}

TEST_F(MenuBarLayoutTest, ControlHeightIsTheBarInTwipsAtEachResolution) {
  for (const int dpi : {96, 120}) {
    AddBar(kBarWidthPx, dpi);
    AddMenu("&File");
    m_Bar->EndUpdate();
    const int twipsPerPixel = 1440 / dpi;
    EXPECT_EQ(m_Bar->Extender().Height(), static_cast<float>(m_Bar->BarHeight() * twipsPerPixel)) << dpi << " dpi";
    EXPECT_EQ(m_Bar->ScaleHeight(), m_Bar->BarHeight()) << dpi << " dpi";
    TearDown();
  }
}

}  // namespace
}  // namespace menubar_test
