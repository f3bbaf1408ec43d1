// Tools as users meet them: the mouse and the keyboard on band surfaces, with every public
// event the control raises recorded as a row, in order, and the geometry the events report.

#include "bands/BandsOnForm.h"
#include "menu/frmMenu.h"
#include "render/frmToolTip.h"

namespace {

// Band "Std" (line 1) holds: 1 Plain (hot key F7), 2 Toggle (caption "&Wrap"), 3 Left and 4 Right (group 7), 5 Off (disabled),
// 6 Insert (a menu drop-down); band "Fmt" (line 1, position 2) holds 1 Fmt.
class ToolInteraction : public BandsInUse {
 protected:
  static constexpr int kPlain = 1, kToggle = 2, kLeft = 3, kRight = 4, kOff = 5, kMenuTool = 6;

  void SetUp() override {
    BandsInUse::SetUp();
    SetToolIcons(16, {RGB(200, 0, 0), RGB(0, 150, 0), RGB(0, 0, 200)});
    auto insert = m_Bar->Menus()->Add({.Key = "InsertMenu", .Caption = "Insert", .Style = tsSecondaryMenu});
    insert->MenuItems()->Add({.Caption = "&Picture", .Key = "Picture"});
    insert->MenuItems()->Add({.Caption = "&Table", .Key = "Table"});
    auto std = Bands()->Add({.Key = "Std", .lLineIndex = 1, .lLinePosition = 1, .lWidth = 300});
    auto tools = std->Tools();
    tools->Add({.Key = "Plain", .Icon = 1, .ToolTipText = "Plain tool", .HotKey = "F7"});
    tools->Add({.Key = "Toggle", .Caption = "&Wrap", .Icon = 2, .Toggle = true});
    tools->Add({.Key = "Left", .Grouped = true, .GroupID = 7, .Icon = 3});
    tools->Add({.Key = "Right", .Grouped = true, .GroupID = 7, .Icon = 1});
    tools->Add({.Key = "Off", .Enabled = false, .Icon = 2});
    tools->Add({.Key = "Insert", .Icon = 3, .Style = teMenuDropDown});
    Bands()->Add({.Key = "Fmt", .lLineIndex = 1, .lLinePosition = 2, .lWidth = 200})->Tools()->Add({.Key = "Fmt", .Icon = 1});
    StartLogging();
  }
};

TEST_F(ToolInteraction, ClicksRaiseTheirEventsInOrderAndChangeTheStates) {
  const auto tools = Bands()->Item(Variant(1))->Tools();
  // Left a second time, already down: still a change, from no old tool.
  for (const int t : {kPlain, kToggle, kToggle, kLeft, kLeft, kRight}) ClickAt(ToolPoint(1, t));
  EXPECT_TRUE(SameSequence({"Down 1 Std 1 Plain 1", "Up 1 Std 1 Plain 1", "Click 1 Std 1 Plain",
                            "Down 1 Std 2 Toggle 1", "Up 1 Std 2 Toggle 1", "Toggle 1 Std 2 Toggle True", "Click 1 Std 2 Toggle",
                            "Down 1 Std 2 Toggle 1", "Up 1 Std 2 Toggle 1", "Toggle 1 Std 2 Toggle False", "Click 1 Std 2 Toggle",
                            "Down 1 Std 3 Left 1", "Group 1 Std 3 Left -1 NONE 7", "Up 1 Std 3 Left 1", "Click 1 Std 3 Left",
                            "Down 1 Std 3 Left 1", "Group 1 Std 3 Left -1 NONE 7", "Up 1 Std 3 Left 1", "Click 1 Std 3 Left",
                            "Down 1 Std 4 Right 1", "Group 1 Std 4 Right 3 Left 7", "Up 1 Std 4 Right 1", "Click 1 Std 4 Right"},
                           Rows()));
  // The host's records follow the mirror.
  EXPECT_EQ(Values(tools->Item(Variant(kToggle))->State(), tools->Item(Variant(kLeft))->State(),
                   tools->Item(Variant(kRight))->State(), Surface(1).GetToolState(kRight)),
            "0 0 1 1");
}

TEST_F(ToolInteraction, RestingOnAToolShowsItsHotFrameAndTipUntilTheMouseLeaves) {
  const auto tips = [] { return mirel_test::TopLevelWindowsOfClass(frmToolTip::kClassName).size(); };
  MoveTo(ToolPoint(1, kPlain));
  EXPECT_EQ(Surface(1).State().iHotTool, kPlain);
  Desktop().AdvanceTime(m_Bar->ToolTipPreTime() + 10);
  MoveTo(ToolPoint(1, kPlain, 1));  // the move after the pre-delay shows the tip
  Desktop().AdvanceTime(30);
  EXPECT_EQ(tips(), 1u);
  MoveTo(BandPoint(1, 40, Surface(1).Height() + 40));  // off the band: the leave poll ends the hover
  Desktop().AdvanceTime(20);
  EXPECT_EQ(Values(Surface(1).State().iHotTool, tips()), Values(kNoTool, 0));
}

TEST_F(ToolInteraction, MovingFromToolToToolLeavesTheBandAsAWholeRepaintDrawsIt) {
  for (const ctsVisualStyleConstants style : {tsMS2003, tsMSNet, tsMSIE}) {
    m_Bar->SetVisualStyle(style);
    Bands()->Item(Variant(1))->Tools()->Item(Variant(kToggle))->State(true);
    for (const int t : {kPlain, kToggle, kLeft, kRight, kPlain}) MoveTo(ToolPoint(1, t));
    const auto picture = [&] {
      std::vector<COLORREF> pixels;
      for (int y = 0; y < Surface(1).Height(); ++y)
        for (int x = 0; x < Surface(1).Width(); ++x) pixels.push_back(Desktop().WindowPixel(Surface(1).hWnd(), x, y));
      return pixels;
    };
    const std::vector<COLORREF> partial = picture();
    Surface(1).Paint();
    EXPECT_TRUE(partial == picture()) << "style " << style;
  }
}

// Pressed on Plain, released on Toggle: Plain's release, no click; released outside: nothing.
// A disabled tool gets no events and no hot frame.
TEST_F(ToolInteraction, PressesThatEndElsewhereAndADisabledToolClickNothing) {
  Press(ToolPoint(1, kPlain));
  Release(ToolPoint(1, kToggle));
  Press(ToolPoint(1, kPlain));
  Release(BandPoint(1, 40, Surface(1).Height() + 30));
  EXPECT_EQ(Values(Surface(1).State().iPressedTool, GetCapture() == nullptr), Values(kNoTool, true));
  m_Log.bWithMoves = true;
  MoveTo(ToolPoint(1, kPlain));
  MoveTo(ToolPoint(1, kOff));
  ClickAt(ToolPoint(1, kOff));
  EXPECT_EQ(Surface(1).State().iHotTool, kNoTool);
  EXPECT_TRUE(
      SameSequence({"Down 1 Std 1 Plain 1", "Up 1 Std 1 Plain 1", "Down 1 Std 1 Plain 1", "Move 1 Std 1 Plain"}, Rows()));
}

TEST_F(ToolInteraction, TheChevronReportsWhereTheHostShowsTheHiddenTools) {
  const int w = Surface(1).Width();
  const POINT at = BandPoint(1, w - 4, 5);
  const POINT corner = BandPoint(1, w - 11, Surface(1).Height());
  ClickAt(at);
  const int tpp = Desktop().TwipsPerPixel();
  const std::string where = Values(at.x * tpp, at.y * tpp, corner.x * tpp, corner.y * tpp);
  EXPECT_TRUE(SameSequence({"ChevronDown 1 Std 1 " + where, "ChevronUp 1 Std 1 " + where}, Rows()));
}

// Hot keys and caption mnemonics reach the tools, and so does keyboard activation: a group
// member alone in the group inverts; one taking over from another is set.
TEST_F(ToolInteraction, HotKeysMnemonicsAndKeyboardActivationClickToggleAndSelectInAGroup) {
  Desktop().KeyPress(VK_F1 + 6);  // F7
  Desktop().KeyPress(VK_MENU);
  Desktop().KeyPress('W');
  Desktop().KeyPress('W');  // keyboard access ended with the click: a plain W does nothing
  EXPECT_FALSE(Inside(*m_Bar).Tracker().AltMode());
  for (const int t : {kPlain, kToggle, kRight, kRight, kOff}) Inside(*m_Bar).BandData().AltToolClick(1, t);
  EXPECT_TRUE(SameSequence({"Click 1 Std 1 Plain", "Toggle 1 Std 2 Toggle True", "Click 1 Std 1 Plain",
                            "Toggle 1 Std 2 Toggle False", "Click 1 Std 4 Right", "Click 1 Std 4 Right"},
                           Rows()));
  const auto tools = Bands()->Item(Variant(1))->Tools();
  EXPECT_FALSE(tools->Item(Variant(kRight))->State());
  Inside(*m_Bar).BandData().AltToolClick(1, kLeft);
  Inside(*m_Bar).BandData().AltToolClick(1, kRight);
  EXPECT_EQ(Values(tools->Item(Variant(kLeft))->State(), tools->Item(Variant(kRight))->State()), "0 1");
}

TEST_F(ToolInteraction, AMenuToolOpensItsMenuBelowItAndHearsItClose) {
  m_Log.answerDropDown = [](Variant& panel) { panel = Variant("InsertMenu"); };
  const POINT arrow = ArrowPoint(1, kMenuTool);
  ClickAt(arrow);
  ASSERT_EQ(Inside(*m_Bar).OpenMenuWindows().size(), 1u);
  RECT rcMenu{};
  GetWindowRect(Inside(*m_Bar).OpenMenuWindows().front(), &rcMenu);
  EXPECT_EQ(Values(rcMenu.top, Surface(1).State().iOpenDropTool), Values(BandPoint(1, 0, Surface(1).Height()).y, kMenuTool));
  const frmMenu& menu = *frmMenu::FromWindow(Inside(*m_Bar).OpenMenuWindows().front());
  ClickAt(POINT{rcMenu.left + 20, rcMenu.top + menu.Layout().Row(2).lY + 4});
  EXPECT_TRUE(SameSequence({"DropDownActivate 1 Std 6 Insert", "OnDropDown 1 Std 6 Insert", "OnDropClose 1 Std 6 Insert",
                            "MenuItemClick 1 InsertMenu 2 Table"},
                           Rows()));
  EXPECT_EQ(Surface(1).State().iOpenDropTool, kNoTool);
  // An answer that names no menu opens nothing and is reported.
  m_Log.rows.clear();
  m_Log.answerDropDown = [](Variant& panel) { panel = Variant::Integer(9); };
  ClickAt(arrow);
  EXPECT_TRUE(SameSequence({"DropDownActivate 1 Std 6 Insert", "ErrorMessage 10 9 6 Insert"}, Rows()));
  EXPECT_TRUE(Inside(*m_Bar).OpenMenuWindows().empty());
}

TEST_F(ToolInteraction, DraggingABandByItsGripperMovesItAcrossLinesWithoutLeavingAnEmptyLine) {
  // Line and position of bands 1 and 2.
  const auto lines = [&] {
    const BandTable& table = Inside(*m_Bar).BandData().Table();
    return Values(table.Band(1).cBILineIndex, table.Band(1).cBILinePosition, table.Band(2).cBILineIndex,
                  table.Band(2).cBILinePosition);
  };
  const POINT grip = BandPoint(2, 2, 10);
  MoveTo(grip);
  Desktop().MouseDown(win32::MouseButton::Left);
  MoveTo(POINT{grip.x, grip.y + Surface(2).Height() + 10});
  Desktop().AdvanceTime(30);
  EXPECT_EQ(lines(), "1 1 2 1");
  MoveTo(grip);
  Desktop().AdvanceTime(30);
  EXPECT_EQ(lines(), "1 1 1 2");
  // Along the line: past the middle of the band on its left, it takes its place.
  MoveTo(BandPoint(1, 20, 10));
  Desktop().AdvanceTime(30);
  Desktop().MouseUp(win32::MouseButton::Left);
  EXPECT_EQ(lines(), "1 2 1 1");
  EXPECT_LT(Surface(2).Left(), Surface(1).Left());
  Desktop().AdvanceTime(100);
  EXPECT_FALSE(Inside(*m_Bar).Tracker().tmrDrag().Enabled());
}

TEST_F(ToolInteraction, AHostRemovingTheBandOrUnloadingInsideAClickEndsTheClickQuietly) {
  m_Log.onClick = [&] { Bands()->Remove(Variant(1)); };
  ClickAt(ToolPoint(1, kPlain));
  EXPECT_EQ(Bands()->Count(), 1);
  m_Log.onClick = [&] { m_Form->Unload(); };
  ClickAt(ToolPoint(1, 1));
  m_Log.onClick = nullptr;
  EXPECT_TRUE(SameSequence({"Down 1 Std 1 Plain 1", "Up 1 Std 1 Plain 1", "Click 1 Std 1 Plain", "Down 1 Fmt 1 Fmt 1",
                            "Up 1 Fmt 1 Fmt 1", "Click 1 Fmt 1 Fmt"},
                           Rows()));
}
}  // namespace
