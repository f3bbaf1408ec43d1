// The colour picker as users meet it: a palette pick, the colour dialog behind "More Colors", the
// ways it closes, sliding between drop-downs, the system page (the host's names for the 28 system
// colours, the local captions, a pick reported as the system colour); every event in order.

#include "drop/DropPanelsOnForm.h"

namespace {

constexpr COLORREF kPaletteRed = 0x0000FF;   // palette cell (1, 2)
constexpr COLORREF kDialogLeftOfWhite = 0x400040;  // the basic colour left of white in the dialog
constexpr COLORREF kWhite = RGB(255, 255, 255);

const std::vector<std::string> kOpened = {"DropDownActivate 1 Fmt 1 Fore", "OnDropDown 1 Fmt 1 Fore"};
// The panel closing on a pick, then the colour reported.
std::vector<std::string> Picked(long colour) {
  return {"OnDropClose 1 Fmt 1 Fore", "ColorSelect 1 Fmt 1 Fore " + std::to_string(colour)};
}

class ColorPanel : public DropPanelsOnForm {};

TEST_F(ColorPanel, OpensAsAToolWindowWithoutTakingActivationAndShowsThePalette) {
  const HWND active = GetActiveWindow();
  OpenPanel(kFore);
  ASSERT_TRUE(PanelShown());
  const HWND popup = Drop()->PopupWindow();
  char sClass[16] = {};
  GetClassNameA(popup, sClass, sizeof sClass);
  EXPECT_STREQ(sClass, "Static");
  EXPECT_EQ(Values((GetWindowLongA(popup, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0, GetActiveWindow() == active), "1 1");
  // Just below the tool.
  const POINT corner = PanelPoint({0, 0}), below = BandPoint(1, Surface(1).Tool(kFore).cTILeft, Surface(1).Height());
  EXPECT_EQ(Values(corner.x, corner.y), Values(below.x, below.y));
  // 48 predefined colours and two white custom rows, as the screen shows them.
  const tPalette start = PredefinedPalette();
  for (int c = 0; c < kPaletteColumns; ++c) {
    for (int r = 0; r < kPaletteRows; ++r) {
      const POINT pt = CellPoint(c, r);
      EXPECT_EQ(ScreenPixel(pt.x, pt.y), r < kPredefinedRows ? start[c][r] : kWhite) << c << "," << r;
    }
  }
  EXPECT_TRUE(mirel_test::SameSequence(kOpened, Rows()));
}

TEST_F(ColorPanel, APickByMouseOrKeysClosesThePanelThenReportsTheColourWhichTheColourBarShows) {
  OpenPanel(kFore);
  MoveTo(CellPoint(1, 1));
  ClickAt(CellPoint(1, 2));
  EXPECT_FALSE(PanelShown());
  EXPECT_EQ(Bands()->Item(Variant(1))->Tools()->Item(Variant(kFore))->DisplayColor(), kPaletteRed);
  const RECT icon = Surface(1).Pass().tools[kFore].rcIcon;
  EXPECT_EQ(GetPixel(Surface(1).SurfaceDC(), icon.left + 1, icon.bottom), kPaletteRed);
  // The first arrow starts at the top-left cell; Enter picks.
  OpenPanel(kFore);
  for (int vk : {VK_DOWN, VK_RIGHT, VK_RIGHT, VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_RETURN}) Desktop().KeyPress(vk);
  EXPECT_TRUE(mirel_test::SameSequence(
      Then(Then(Then(kOpened, Picked(kPaletteRed)), kOpened), Picked(PredefinedPalette()[2][1])), Rows()));
}

// "More Colors" opens the colour dialog for the current cell: cancelled, the panel stays open
// and the cell white; confirmed, the panel closes, reports the colour and the cell keeps it.
TEST_F(ColorPanel, MoreColorsDrivesTheColourDialogForTheCurrentCell) {
  OpenPanel(kFore);
  const std::vector<std::string> dialog = {"OnCustomColor 1 Fmt 1 Fore", "OnCustomColorClose 1 Fmt 1 Fore"};
  for (const int answer : {VK_ESCAPE, VK_RETURN}) {
    MoveTo(CellPoint(3, 7));
    Desktop().QueueModalKeys({VK_LEFT, answer});
    ClickAt(MoreColorsPoint());
    const bool ok = answer == VK_RETURN;
    EXPECT_EQ(Values(PanelShown(), Panel().Colors(3, 7)), Values(!ok, ok ? kDialogLeftOfWhite : kWhite));
  }
  EXPECT_TRUE(mirel_test::SameSequence(Then(Then(Then(kOpened, dialog), dialog), Picked(kDialogLeftOfWhite)), Rows()));
  OpenPanel(kFore);
  EXPECT_EQ(Panel().Colors(3, 7), kDialogLeftOfWhite) << "the cell keeps its colour for the next opening";
}

TEST_F(ColorPanel, EachWayOfClosingReportsTheClosingOnce) {
  AddMenu("File");
  m_Bar->Refresh();
  const struct {
    const char* way;
    std::function<void()> close;
  } ways[] = {
      {"Escape", [&] { Desktop().KeyPress(VK_ESCAPE); }},
      {"a press elsewhere", [&] { ClickAt(BandPoint(1, Surface(1).Width() - 20, Surface(1).Height() + 150)); }},
      {"a menu opening", [&] { ClickAt(CaptionPoint(1)); }},
      {"hiding twice", [&] { Drop()->subHidePanel(), Drop()->subHidePanel(); }},
      {"deactivation", [] {
         HWND other = mirel_test::CreateTestWindow("other", RECT{600, 400, 700, 500});
         SetActiveWindow(other);
         DestroyWindow(other);
       }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.way);
    m_Log.rows.clear();
    OpenPanel(kFore);
    ASSERT_TRUE(PanelShown());
    way.close();
    EXPECT_FALSE(PanelShown());
    Desktop().KeyPress(VK_ESCAPE);
    Drop()->subHidePanel();
    EXPECT_TRUE(mirel_test::SameSequence(Then(kOpened, {"OnDropClose 1 Fmt 1 Fore"}), Rows()));
    EXPECT_EQ(Surface(1).State().iOpenDropTool, kNoTool);
  }
}

TEST_F(ColorPanel, SlidesToTheNextDropDownAfterTheSwitchDelayOnlyWhileTheWindowLasts) {
  OpenPanel(kFore);
  MoveTo(ToolPoint(1, kBack));  // leaving the open drop-down closes it at once
  EXPECT_FALSE(PanelShown());
  Desktop().AdvanceTime(BandInteraction::kOverTimerInterval + 10);
  EXPECT_EQ(Values(PanelShown(), Drop()->ToolIndex()), Values(true, kBack));
  MoveTo(ToolPoint(1, kPlain));
  Desktop().AdvanceTime(BandInteraction::kAutoDropTimerInterval + 10);
  MoveTo(ToolPoint(1, kFore));
  Desktop().AdvanceTime(BandInteraction::kOverTimerInterval + 10);
  EXPECT_FALSE(PanelShown());
  EXPECT_TRUE(mirel_test::SameSequence(
      Then(kOpened, {"OnDropClose 1 Fmt 1 Fore", "DropDownActivate 1 Fmt 2 Back", "OnDropDown 1 Fmt 2 Back",
                     "OnDropClose 1 Fmt 2 Back"}),
      Rows()));
}

// The control's local captions, and a system colour the host renames at this and every later opening.
TEST_F(ColorPanel, TakesTheLocalCaptionsAndTheHostsNamesForTheSystemColours) {
  m_Bar->SetLocalPalette("Farben");
  m_Bar->SetLocalSystem("System-Farben");
  m_Bar->SetLocalMoreColors("Weitere Farben...");
  m_Log.renameColors = [](std::vector<std::string>& names) {
    ASSERT_EQ(names.size(), 28u);
    names[0] = "Rollbalken";
  };
  OpenPanel(kFore);
  EXPECT_TRUE(mirel_test::SameSequence(
      {"Farben", "System-Farben", "Weitere Farben..."},
      {Panel().TabCaption(DropPanel::kPalettePage), Panel().TabCaption(DropPanel::kSystemPage), Panel().MoreColorsText()}));
  Desktop().KeyPress(VK_TAB);  // to the system page
  EXPECT_EQ(Panel().SystemList().List(0), "Rollbalken");
  Desktop().KeyPress(VK_ESCAPE);
  m_Log.renameColors = nullptr;
  OpenPanel(kFore);  // on the page it closed on
  EXPECT_EQ(Values(Panel().Page() == DropPanel::kSystemPage, Panel().SystemList().List(0), Panel().SystemList().List(27)),
            "1 Rollbalken Hot Items");
}

TEST_F(ColorPanel, TheSystemPageListsTheSystemColoursAndPicksOneAsItsSystemColour) {
  OpenPanel(kFore);
  Desktop().KeyPress(VK_TAB);  // to the system page
  const CWlessListBox& list = Panel().SystemList();
  ASSERT_EQ(list.ListCount(), 28);
  EXPECT_EQ(Values(list.List(24), DropPanel::TranslateColor(list.Color(24))),
            Values("Button Light Shadow", GetSysColor(COLOR_3DLIGHT)));
  // Down past the last visible row: the scroll bar follows the list.
  for (int i = 0; i < 28; ++i) Desktop().KeyPress(VK_DOWN);
  EXPECT_EQ(Values(list.ListIndex(), Panel().VScroll().Value()), Values(27, list.TopIndex()))
      << "the first Down selects the first item";
  EXPECT_GT(list.TopIndex(), 0);
  Desktop().KeyPress(VK_RETURN);
  EXPECT_TRUE(mirel_test::SameSequence(Then(kOpened, Picked(-2147483622)), Rows())) << "the system colour's number";
  EXPECT_EQ(Bands()->Item(Variant(1))->Tools()->Item(Variant(kFore))->DisplayColor(), GetSysColor(COLOR_HOTLIGHT));
}

}  // namespace
