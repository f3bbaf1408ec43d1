// Renders the bar in every visual style and theme, one caption pressed (its menu open), one
// hovered and one disabled, into one contact image for people to look at:
// "<build dir>/test-output/menubar_styles.png" (and a 3x enlargement beside it).
#include <filesystem>
#include <string>

#include "MenuBarPaintTest.h"
#include "win32/png_io.h"

namespace menubar_test {
namespace {

constexpr int kGalleryBarWidth = 220;
constexpr int kGap = 4;
constexpr int kZoom = 3;
constexpr COLORREF kGapColour = RGB(255, 0, 255);

using MenuBarGalleryTest = MenuBarPaintTest;

TEST_F(MenuBarGalleryTest, EveryStyleAndThemeRendersIntoOneContactImage) {
  win32::Surface sheet;
  int barHeight = 0;
  for (int style = tsMS2003; style <= tsMSIE; ++style) {
    for (int theme = XPBlue; theme <= XPOlive; ++theme) {
      AddBar(kGalleryBarWidth);
      m_Bar->SetVisualStyle(static_cast<ctsVisualStyleConstants>(style));
      m_Bar->SetTheme(static_cast<ctsThemes>(theme));
      AddMenu("&File");
      AddMenu("&Edit");
      AddMenu("&View");
      AddMenu("&Tools", false);
      AddMenu("&Help");
      m_Bar->EndUpdate();
      ShowHover(3);
      ShowPressed(1);
      barHeight = m_Bar->BarHeight();
      ASSERT_GT(barHeight, 0);
      if (sheet.width == 0) {
        sheet.Resize(kThemeCount * (kGalleryBarWidth + kGap), kVisualStyleCount * (barHeight + kGap), kGapColour);
      }
      const int left = theme * (kGalleryBarWidth + kGap);
      const int top = style * (barHeight + kGap);
      for (int y = 0; y < barHeight; ++y) {
        for (int x = 0; x < kGalleryBarWidth; ++x) sheet.At(left + x, top + y) = Pixel(x, y);
      }
      TearDown();
    }
  }
  win32::Surface zoomed;
  zoomed.Resize(sheet.width * kZoom, sheet.height * kZoom);
  for (int y = 0; y < zoomed.height; ++y) {
    for (int x = 0; x < zoomed.width; ++x) zoomed.At(x, y) = sheet.At(x / kZoom, y / kZoom);
  }
  std::filesystem::create_directories("test-output");
  EXPECT_TRUE(win32::WritePng(sheet, "test-output/menubar_styles.png"));
  EXPECT_TRUE(win32::WritePng(zoomed, "test-output/menubar_styles_x3.png"));
}

}  // namespace
}  // namespace menubar_test
