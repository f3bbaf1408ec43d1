// When the bar lays out and repaints: nothing between BeginUpdate and EndUpdate, everything
// at EndUpdate (which also fits the control's height to the bar), and again on every resize,
// each resize ending with the ReSize event.
#include <string>
#include <vector>

#include "MenuBarOnForm.h"
#include "core/MirelMenuBar20Internals.h"

namespace menu_test {
namespace {

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

using MenuBarUpdateTest = MenuBarOnForm;

TEST_F(MenuBarUpdateTest, NothingIsLaidOutUntilEndUpdateWhichFitsTheHeightToTheBar) {
  AddBar();
  ResizeSink sink(*m_Bar);
  m_Bar->Connect(&sink);
  AddMenu("File");
  m_Bar->SetTheme(XPOlive);
  EXPECT_EQ(Inside(*m_Bar).BarHeight(), 0);
  EXPECT_EQ(m_Bar->ScaleHeight(), kInitialHeightPx);
  EXPECT_EQ(Record(1).cMWidth, 0);

  m_Bar->EndUpdate();
  const int barHeight = Inside(*m_Bar).BarHeight();
  EXPECT_GT(barHeight, 0);
  EXPECT_GT(Record(1).cMWidth, 0);
  // Fitting the height resizes the control, which lays out again and raises ReSize.
  EXPECT_TRUE(SameSequence({"ReSize 320x" + std::to_string(barHeight)}, sink.rows));
  m_Bar->Disconnect(&sink);
}

TEST_F(MenuBarUpdateTest, BeginUpdateFreezesTheFaceUntilEndUpdate) {
  AddBar();
  m_Bar->SetVisualStyle(tsMSNet);
  AddMenu("File");
  m_Bar->EndUpdate();
  const COLORREF blueBackground = Pixel(2, 2);
  m_Bar->BeginUpdate();
  m_Bar->SetTheme(XPSilver);
  AddMenu("Edit");
  EXPECT_EQ(Pixel(2, 2), blueBackground);
  EXPECT_EQ(Record(2).cMWidth, 0);
  m_Bar->EndUpdate();
  EXPECT_NE(Pixel(2, 2), blueBackground);
  EXPECT_GT(Record(2).cMWidth, 0);
}

TEST_F(MenuBarUpdateTest, ResizingLaysTheCaptionsOutAgainThenRaisesReSize) {
  AddBar(200);
  m_Bar->SetMenuHeaderSpacing(0);
  m_Bar->SetRightToLeft(VARIANT_TRUE);
  AddMenu("File");
  m_Bar->EndUpdate();
  const int barHeight = Inside(*m_Bar).BarHeight();
  const int file = TextSize("&File").cx;
  ResizeSink sink(*m_Bar);
  m_Bar->Connect(&sink);
  const long paints = Inside(*m_Bar).PaintCount();
  m_Bar->Extender().SetWidth(static_cast<float>(300 * Desktop().TwipsPerPixel()));
  EXPECT_EQ(Inside(*m_Bar).PaintCount(), paints + 1);
  EXPECT_EQ(Record(1).cMCollX, 300 - 15 - file);
  EXPECT_TRUE(SameSequence({"ReSize 300x" + std::to_string(barHeight)}, sink.rows));
  m_Bar->Disconnect(&sink);
}

TEST_F(MenuBarUpdateTest, UnloadingReleasesTheFaceTheArtworkAndTheFonts) {
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
  using win32::ObjectKind;
  std::vector<std::string> expected;
  std::vector<std::string> actual;
  const std::pair<ObjectKind, const char*> kinds[] = {
      {ObjectKind::DC, "DCs"},        {ObjectKind::Bitmap, "bitmaps"}, {ObjectKind::Font, "fonts"},
      {ObjectKind::Brush, "brushes"}, {ObjectKind::Pen, "pens"},       {ObjectKind::ImageList, "image lists"}};
  for (const auto& [kind, name] : kinds) {
    const auto index = static_cast<std::size_t>(kind);
    expected.push_back(std::string(name) + " " + std::to_string(countsAtStart_.counts[index]));
    actual.push_back(std::string(name) + " " + std::to_string(win32::LiveObjects(kind)));
  }
  EXPECT_TRUE(SameSequence(expected, actual));
}

}  // namespace
}  // namespace menu_test
