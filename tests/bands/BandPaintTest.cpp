// What a band shows in every visual style and colour theme, read back from its off-screen
// picture: gripper dots, separators, the state frames of buttons, a disabled colour bar, and
// a transparent band.
#include "BandsOnForm.h"
#include "render/styles/Palette.h"
#include "support/StyleTheme.h"

namespace {

using mirel_test::StyleTheme;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kIcon = 16;

class BandPaintTest : public BandsOnForm, public ::testing::WithParamInterface<StyleTheme> {
 protected:
  void SetUp() override {
    BandsOnForm::SetUp();
    m_Bar->SetVisualStyle(GetParam().style);
    m_Bar->SetTheme(GetParam().theme);
    m_Bar->EndUpdate();
    SetToolIcons(kIcon, {RGB(255, 0, 0), RGB(0, 0, 255)});
    m_Tools = AddBand(1, 1, 400)->Tools();
  }
  COLORREF Pixel(int x, int y) { return GetPixel(Surface(1).SurfaceDC(), x, y); }
  int H() { return Surface(1).Height(); }
  // Shows the tools in a state the mouse would leave them in, as the band paints it.
  void PaintWith(const tBandToolState& state) {
    Surface(1).State() = state;
    Surface(1).Paint();
  }
  // The middle of tool t's frame top: the frame spans the tool's height from row 2.
  COLORREF FrameTop(int t) { return Pixel(Surface(1).Tool(t).cTILeft + Surface(1).Tool(t).cTIWidth / 2, 2); }
  ctsThemes Theme() const { return GetParam().theme; }
  ctsVisualStyleConstants Style() const { return GetParam().style; }

  std::shared_ptr<cTools> m_Tools;
};

COLORREF ByTheme(ctsThemes theme, COLORREF blue, COLORREF silver, COLORREF olive) {
  return theme == XPBlue ? blue : theme == XPSilver ? silver : olive;
}

TEST_P(BandPaintTest, GripperDotsRunDownTheLeftEdge) {
  const int H = this->H();
  ASSERT_EQ(25, H);
  std::vector<std::string> rows;
  for (int y = 3; y <= H - 3; ++y) {
    // The white of each dot shows below and right of its shading.
    const int x = Style() == tsMS2003 ? 6 : 3;
    if (Pixel(x, y) == kWhite && Pixel(x, y + 1) == kWhite) rows.push_back(std::to_string(y));
  }
  using Rows = std::vector<std::string>;
  EXPECT_TRUE(SameSequence(Style() == tsMSNet ? Rows{} : Rows{"5", "9", "13", "17"}, rows)) << "tsMSNet's flat band has none";
  if (Style() == tsMSIE) {
    for (int y : {5, 9, 13, 17})
      EXPECT_EQ(Values(Pixel(1, y - 1), Pixel(2, y)), Values(RGB(214, 207, 198), RGB(141, 136, 122))) << y;
  }
  if (Style() == tsMS2003) {
    EXPECT_EQ(ByTheme(Theme(), RGB(39, 65, 118), RGB(84, 84, 117), RGB(81, 94, 51)), Pixel(4, 4));
    EXPECT_EQ(ByTheme(Theme(), RGB(59, 97, 156), RGB(124, 124, 148), RGB(96, 128, 88)), Pixel(100, H - 1));
  }
}

TEST_P(BandPaintTest, SeparatorsAreThemedLines) {
  m_Tools->Add({.Icon = 1});
  m_Tools->Add({.Style = teSeperator});
  const int x = Surface(1).Tool(2).cTILeft;
  const COLORREF themed = ByTheme(Theme(), RGB(106, 140, 203), RGB(110, 109, 143), RGB(96, 128, 88));
  const COLORREF line = Style() == tsMSIE ? RGB(202, 198, 175) : Style() == tsMSNet ? kWhite : themed;
  for (int y : {4, 12, H() - 5}) EXPECT_EQ(line, Pixel(x, y)) << y;
  EXPECT_NE(line, Pixel(x, 3));
  if (Style() == tsMS2003) { EXPECT_EQ(Values(Pixel(x + 1, 5), Pixel(x + 1, H() - 4)), Values(kWhite, kWhite)); }
}

TEST_P(BandPaintTest, FramesShowHotPressedAndChecked) {
  m_Tools->Add({.Icon = 1});
  auto toggle = m_Tools->Add({.Icon = 2, .Toggle = true});
  struct Look {
    COLORREF hot, pressed, checked;  // the frame's top row inside its border
  };
  const COLORREF netFill = ByTheme(Theme(), RGB(193, 210, 238), RGB(199, 199, 202), RGB(206, 209, 112));
  const Look look = Style() == tsMS2003 ? Look{RGB(255, 242, 200), RGB(254, 149, 82), RGB(255, 213, 140)}
                    : Style() == tsMSNet ? Look{netFill, netFill, netFill}
                                         : Look{RGB(206, 206, 195), RGB(157, 157, 146), RGB(157, 157, 146)};
  // The top row lies inside the border in tsMS2003 and tsMSNet and is the border in tsMSIE.
  const RECT icon = Surface(1).Pass().tools[1].rcIcon;
  PaintWith({.iHotTool = 1, .bInside = true, .iToolUnderCursor = 1});
  EXPECT_EQ(Values(FrameTop(1), Pixel(icon.left + 4, icon.top + 4)), Values(look.hot, RGB(255, 0, 0)))
      << "the icon stays visible over the frame";
  PaintWith({.iPressedTool = 1, .bInside = true});
  EXPECT_EQ(look.pressed, FrameTop(1));
  if (Style() != tsMSIE) {
    const tToolItemInfo& tool = Surface(1).Tool(1);
    EXPECT_EQ(styles::PaletteFor(Style(), Theme()).MenuBorder, Pixel(tool.cTILeft + tool.cTIWidth / 2, 1));
  }
  // A toggle pressed and then left by the mouse is drawn checked, and stays so.
  toggle->State(true);
  PaintWith({.iPressedTool = 2, .bInside = false});
  EXPECT_EQ(look.checked, FrameTop(2));
  PaintWith({});
  EXPECT_EQ(look.checked, FrameTop(2)) << "a set toggle stays checked";
}

TEST_P(BandPaintTest, DisabledColourBarIsGrey) {
  auto colour = m_Tools->Add({.Icon = 1, .Style = teColorDropDown});
  colour->DisplayColor(RGB(0, 200, 0));
  Surface(1).Paint();
  const RECT icon = Surface(1).Pass().tools[1].rcIcon;
  const COLORREF enabled = Pixel(icon.left + 2, icon.bottom);
  colour->Enabled(false);
  EXPECT_EQ(Values(enabled, Pixel(icon.left + 2, icon.bottom)), Values(RGB(0, 200, 0), GetSysColor(COLOR_GRAYTEXT)));
}

TEST_P(BandPaintTest, TransparentBandShowsTheControlBehindIt) {
  auto band = Bands()->Item(1);
  band->Transparent(true);
  EXPECT_EQ(GetPixel(Inside(*m_Bar).Face()->hdc(), band->Left() + 3, band->Top() + 9), Pixel(3, 9)) << "no gripper";
}

INSTANTIATE_TEST_SUITE_P(All, BandPaintTest, mirel_test::AllStyleThemes(), mirel_test::StyleThemeName);

}  // namespace
