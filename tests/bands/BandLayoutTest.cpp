// Geometry of the bands and their tools as a host sees it: band places on their lines below
// the menu bar, the control's height, where each tool starts and how wide it is by style and
// caption alignment, and the point from which tools no longer fit.
#include <limits>

#include "BandsOnForm.h"

namespace {

constexpr int kIcon = 16;

std::string Place(cBand& band) { return std::to_string(band.Left()) + "," + std::to_string(band.Top()); }

class BandLayoutTest : public BandsOnForm {
 protected:
  void SetUp() override { BandsOnForm::SetUp(); m_Bar->EndUpdate(); }
  // The band's tools as "key left width drawn" rows.
  std::vector<std::string> ToolRows(int p) {
    std::vector<std::string> rows;
    MirelReBar& s = Surface(p);
    for (int t = 1; t <= s.ToolCount(); ++t) {
      const tToolItemInfo& tool = s.Tool(t);
      rows.push_back(Values(tool.cTIKey, tool.cTILeft, tool.cTIWidth, s.Pass().tools[t].bDrawn ? "drawn" : "hidden"));
    }
    return rows;
  }
};

// Without a menu the first line starts at the top; a band on line -1 lies wholly above the
// control, which then ends 0 high.
TEST_F(BandLayoutTest, BandsOfOneLineSitSideBySide) {
  auto first = AddBand(1, 1, 300);
  auto second = AddBand(1, 2, 200);
  auto third = AddBand(1, 3, 100);
  EXPECT_TRUE(SameSequence({"3,1", "306,1", "509,1"}, {Place(*first), Place(*second), Place(*third)}));
  EXPECT_FLOAT_EQ(26.0f * Inside(*m_Bar).TwipsPerPixelY(), m_Bar->Extender().Height());
  second->Width(250);
  EXPECT_EQ(559, third->Left());
  Bands()->Clear();
  AddBand(-1, 1);
  EXPECT_EQ(0.0f, m_Bar->Extender().Height());
}

TEST_F(BandLayoutTest, LinesStackBelowTheMenuBar) {
  AddMenu("File");
  m_Bar->EndUpdate();
  const int M = Inside(*m_Bar).BarHeight();
  ASSERT_GT(M, 0);
  auto upper = AddBand(1, 1);
  auto lower = AddBand(2, 1);
  const float twipsY = Inside(*m_Bar).TwipsPerPixelY();
  EXPECT_EQ(Values(upper->Top(), lower->Top(), lower->Height(), m_Bar->Extender().Height()),
            Values(M + 1, M + 27, 25, static_cast<float>(M + 27 + 25) * twipsY));
  EXPECT_EQ(M + 1 - 26, AddBand(0, 2)->Top()) << "line 0 lies above the first line";
  Bands()->Remove(1);
  EXPECT_EQ(M + 1, Bands()->Item(1)->Top()) << "the second line moved up";
}

// A band as wide as a Long allows and one on the last line an Integer allows are laid out
// like any other; the bitmaps such sizes would need are refused, and the control goes on
// painting its bar and opening its menus.
TEST_F(BandLayoutTest, BandsBeyondAnyScreenLeaveTheControlWorking) {
  AddMenu("File")->MenuItems()->Add({.Caption = "&Open"});
  m_Bar->EndUpdate();
  const int M = Inside(*m_Bar).BarHeight();
  auto wide = AddBand(1, 1, std::numeric_limits<std::int32_t>::max());
  auto far = AddBand(std::numeric_limits<std::int16_t>::max(), 1);
  EXPECT_EQ(M + 1, wide->Top());
  EXPECT_GT(far->Top(), wide->Top());
  const POINT file = CaptionPoint(1);
  Desktop().MouseMove(file.x, file.y);
  Desktop().MouseDown(win32::MouseButton::Left);
  EXPECT_EQ(1u, Inside(*m_Bar).OpenMenuWindows().size());
  Desktop().MouseUp(win32::MouseButton::Left);
  Desktop().KeyPress(VK_ESCAPE);
  // No face can be allocated that tall, yet the bar follows its tables: the cleared menu
  // neither paints nor opens, and a new one opens where it is laid out.
  m_Bar->Menus()->Clear();
  EXPECT_EQ(0, ErrorOf([&] { m_Bar->Refresh(); }));
  Desktop().MouseDown(win32::MouseButton::Left);
  Desktop().MouseUp(win32::MouseButton::Left);
  EXPECT_TRUE(Inside(*m_Bar).OpenMenuWindows().empty());
  AddMenu("Edit")->MenuItems()->Add({.Caption = "&Undo"});
  Desktop().MouseDown(win32::MouseButton::Left);
  EXPECT_EQ(1u, Inside(*m_Bar).OpenMenuWindows().size());
  Desktop().MouseUp(win32::MouseButton::Left);
  Desktop().KeyPress(VK_ESCAPE);
}

TEST_F(BandLayoutTest, ToolSpacingMovesTheFirstTool) {
  SetToolIcons(kIcon, {RGB(255, 0, 0)});
  m_Bar->SetToolSpacing(3);
  EXPECT_EQ(4, m_Bar->ToolSpacing());
  auto tools = AddBand(1, 1)->Tools();
  tools->Add({.Key = "A", .Icon = 1});
  tools->Add({.Key = "B", .Icon = 1});
  EXPECT_TRUE(SameSequence({"A 15 18 drawn", "B 43 18 drawn"}, ToolRows(1)));
}

TEST_F(BandLayoutTest, DropDownsAreWiderByTheirArrow) {
  auto bare = AddBand(1, 1)->Tools();
  EXPECT_EQ(0, bare->Add()->Width()) << "no icon list and no caption";
  EXPECT_EQ(10, bare->Add({.Style = teIconDropDown})->Width());
  SetToolIcons(kIcon, {RGB(255, 0, 0)});
  auto tools = AddBand(2, 1)->Tools();
  for (std::int16_t style : {teButton, teIconDropDown, teColorDropDown, teMenuDropDown})
    tools->Add({.Icon = 1, .Style = style});
  const std::int32_t button = tools->Item(1)->Width();
  ASSERT_GT(button, 0);
  for (int t = 2; t <= 4; ++t) EXPECT_EQ(button + 10, tools->Item(t)->Width()) << t;
}

TEST_F(BandLayoutTest, CaptionsStandOnTheirSideOfTheIcon) {
  m_Bar->SetDefaultBandSize(bs32x32);
  m_Bar->EndUpdate();
  SetToolIcons(kIcon, {RGB(255, 0, 0)});
  auto band = AddBand(1, 1, 600);
  band->DisplayCaptions(true);
  auto tools = band->Tools();
  for (std::int16_t alignment : {tsTop, tsBottom, tsLeft, tsRight})
    tools->Add({.Caption = "Paste", .CaptionAlignment = alignment, .Icon = 1});
  const auto& t = Surface(1).Pass().tools;  // 1 top, 2 bottom, 3 left, 4 right
  const LONG TW = t[1].rcCaption.right - t[1].rcCaption.left;
  ASSERT_GT(TW, kIcon);
  EXPECT_LE(t[1].rcCaption.bottom, t[1].rcIcon.top) << "caption above the icon";
  EXPECT_LE(t[2].rcIcon.bottom, t[2].rcCaption.top) << "caption below the icon";
  EXPECT_EQ(t[3].rcCaption.right + 2, t[3].rcIcon.left) << "caption left of the icon";
  EXPECT_EQ(t[4].rcIcon.right + 2, t[4].rcCaption.left) << "caption right of the icon";
  EXPECT_EQ((t[1].rcCaption.left + t[1].rcCaption.right) / 2, (t[1].rcIcon.left + t[1].rcIcon.right) / 2) << "centred";
  EXPECT_EQ(Values(tools->Item(1)->Width(), tools->Item(2)->Width(), tools->Item(3)->Width(), tools->Item(4)->Width()),
            Values(TW, TW, TW + kIcon + 2, TW + kIcon + 2));
  band->DisplayCaptions(false);
  EXPECT_EQ(kIcon + 2, tools->Item(3)->Width()) << "without captions a button is its icon";
}

TEST_F(BandLayoutTest, LabelsAndMessagesAreMeasuredByTheirText) {
  auto tools = AddBand(1, 1)->Tools();
  auto label = tools->Add({.Caption = "Font:", .Style = teLabel});
  auto message = tools->Add({.Style = teMessage});
  message->Text("Ready");
  const auto& t = Surface(1).Pass().tools;
  EXPECT_EQ(Values(label->Width(), t[2].sText, message->Left()),
            Values(t[1].rcCaption.right - t[1].rcCaption.left, "Ready", label->Left() + label->Width() + 6));
  EXPECT_GT(message->Width(), 0);
}

TEST_F(BandLayoutTest, ToolsPastTheOverflowPointAreHidden) {
  SetToolIcons(kIcon, {RGB(255, 0, 0)});
  auto box = AddHostedBox(30, 20);
  auto band = AddBand(1, 1, 90);
  auto tools = band->Tools();
  for (const char* key : {"A", "B", "C"}) tools->Add({.Key = key, .Icon = 1});
  tools->Add({.Key = "Sep", .Style = teSeperator});
  tools->Add({.Key = "Box", .Style = teControl, .Ctrl = box});
  EXPECT_TRUE(SameSequence({"A 13 18 drawn", "B 37 18 drawn", "C 61 18 hidden", "Sep 85 2 hidden",
                            "Box 93 30 hidden"},
                           ToolRows(1)));
  EXPECT_FALSE(IsWindowVisible(box->hWnd()));
  band->DisplayMoreTools(false);
  EXPECT_TRUE(SameSequence({"A 13 18 drawn", "B 37 18 drawn", "C 61 18 drawn", "Sep 85 2 drawn",
                            "Box 93 30 hidden"},
                           ToolRows(1)));
  band->Width(130);
  EXPECT_TRUE(IsWindowVisible(box->hWnd()));
  POINT at{0, 0};
  MapWindowPoints(box->hWnd(), Surface(1).hWnd(), &at, 1);
  EXPECT_EQ(Values(at.x, at.y), "93 2") << "centred on the band's height";
}

}  // namespace
