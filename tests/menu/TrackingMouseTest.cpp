// Menus driven by the mouse: clicks on captions and items, press-drag-release, hot-tracking
// along the bar, cascading sub-menus and pop-up menus, each compared as the table of events
// the host receives.
#include "TrackingTest.h"
#include "core/MirelMenuBar20Internals.h"

namespace tracking_test {
namespace {

constexpr DWORD kOverDelay = 50;
constexpr DWORD kAutoDropWindow = 1000;
constexpr DWORD kCascadeDelay = 25;
constexpr DWORD kTipDisplayTick = 25;
constexpr DWORD kLeavePoll = 10;

std::string At(POINT pt, int twips) {
  return std::to_string(pt.x * twips) + " " + std::to_string(pt.y * twips);
}

// Item events report the pointer in screen twips at every resolution.
class TrackingAtDpi : public TrackingTest, public ::testing::WithParamInterface<int> {
 protected:
  TrackingAtDpi() { m_iDpi = GetParam(); }
};

TEST_P(TrackingAtDpi, ClickingAnItemRaisesDownUpCloseAndClickInOrder) {
  ASSERT_EQ(Twips(), 1440 / GetParam());
  ClickCaption(kFile);
  ASSERT_EQ(OpenMenuKeys(), "File");
  const POINT open = RowPoint(Newest(), 2);
  ClickAt(open);
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 1 File",
                        "0 MenuItemMouseDown 1 File 2 Open 1 0 " + At(open, Twips()),
                        "0 MenuItemMouseUp 1 File 2 Open 1 0 " + At(open, Twips()),
                        "0 MenuOnClose 1 File",
                        "0 MenuItemClick 1 File 2 Open"},
                       Rows()));
  ExpectAllClosedAndNothingLeaked();
}

INSTANTIATE_TEST_SUITE_P(Dpi, TrackingAtDpi, ::testing::Values(96, 120));

// A host that hides the menus from its MenuItemMouseUp handler.
class HidingHost : public __MirelMenuBar20 {
 public:
  explicit HidingHost(MirelMenuBar20& bar) : m_Bar(bar) {}
  void MenuItemMouseUp(std::int16_t, std::string, std::int16_t, std::string, std::int16_t, std::int16_t, float,
                       float) override {
    m_Bar.HideAllMenus();
  }

 private:
  MirelMenuBar20& m_Bar;
};

TEST_F(TrackingTest, AHostHidingTheMenusOnMouseUpStillGetsTheClick) {
  HidingHost host(*m_Bar);
  m_Bar->Connect(&host);
  ClickCaption(kEdit);
  const POINT undo = RowPoint(Newest(), 1);
  ClickAt(undo);
  m_Bar->Disconnect(&host);
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 2 Edit",
                        "0 MenuItemMouseDown 2 Edit 1 Undo 1 0 " + At(undo, Twips()),
                        "0 MenuItemMouseUp 2 Edit 1 Undo 1 0 " + At(undo, Twips()),
                        "0 MenuOnClose 2 Edit",
                        "0 MenuItemClick 2 Edit 1 Undo"},
                       Rows()));
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, PressOnACaptionDraggedIntoTheMenuAndReleasedOverAnItemIsAClick) {
  MoveTo(CaptionPoint(kEdit));
  Desktop().MouseDown(win32::MouseButton::Left);
  ASSERT_EQ(OpenMenuKeys(), "Edit");
  const POINT cut = RowPoint(Newest(), 2);
  MoveTo(POINT{cut.x, cut.y - 1});
  MoveTo(cut);
  Desktop().MouseUp(win32::MouseButton::Left);
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 2 Edit",
                        "0 MenuItemMouseUp 2 Edit 2 Cut 1 0 " + At(cut, Twips()),
                        "0 MenuOnClose 2 Edit",
                        "0 MenuItemClick 2 Edit 2 Cut"},
                       Rows()));
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, ItemMovesReportTheRowUnderTheMouseInScreenTwips) {
  ClickCaption(kEdit);
  const frmMenu& menu = Newest();
  const POINT undo = RowPoint(menu, 1);
  const POINT above = ClientPoint(menu, menu.Layout().Row(1).lBandTop - 1);
  RecordMoves(true);
  Mark();
  MoveTo(undo);
  MoveTo(above);
  EXPECT_TRUE(SameRows({"0 MenuItemMouseMove 2 Edit 1 Undo 0 0 " + At(undo, Twips()),
                        "0 MenuItemMouseMove 2 Edit -1  0 0 " + At(above, Twips())},
                       Rows()));
  EXPECT_EQ(Newest().HighlightedRow(), kNoMenuRow);
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, AnItemShowsItsToolTipAfterThePreDelayAndLosesItOnTheNextRow) {
  ClickCaption(kFile);
  const POINT open = RowPoint(Newest(), 2);
  std::vector<std::string> states;
  const auto note = [&](const std::string& step) {
    states.push_back(step + ": " + (Inside(*m_Bar).ToolTipWindow() != nullptr ? "tip" : "no tip"));
  };
  MoveTo(open);
  Desktop().AdvanceTime(static_cast<DWORD>(m_Bar->ToolTipPreTime()));
  note("resting");
  MoveTo(POINT{open.x + 1, open.y});
  Desktop().AdvanceTime(kTipDisplayTick);
  note("moved once more");
  MoveTo(RowPoint(Newest(), 1));
  Desktop().AdvanceTime(kTipDisplayTick);
  note("on New");
  EXPECT_TRUE(SameRows({"resting: no tip", "moved once more: tip", "on New: no tip"}, states));
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, TheBarHoversACaptionUntilTheLeavePollFindsTheMouseGone) {
  std::vector<std::string> states;
  const auto note = [&](const std::string& step) {
    states.push_back(step + ": hover " + std::to_string(Inside(*m_Bar).Tracker().HoverIndex()) +
                     (Inside(*m_Bar).Tracker().MouseOverBar() ? " over" : " away"));
  };
  MoveTo(CaptionPoint(kEdit));
  note("on Edit");
  MoveTo(POINT{kFormLeft + 300, kFormTop + 300});
  note("left");
  Desktop().AdvanceTime(kLeavePoll);
  note("10 ms later");
  EXPECT_TRUE(SameRows({"on Edit: hover 2 over", "left: hover 2 over", "10 ms later: hover 2 away"}, states));
  EXPECT_TRUE(Rows().empty());
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, ACaptionShowsItsToolTipAfterThePreDelayButNotWhileItsMenuIsOpen) {
  const POINT edit = CaptionPoint(kEdit);
  std::vector<std::string> states;
  const auto note = [&](const std::string& step) {
    states.push_back(step + ": " + (Inside(*m_Bar).ToolTipWindow() != nullptr ? "tip" : "no tip"));
  };
  MoveTo(edit);
  Desktop().AdvanceTime(static_cast<DWORD>(m_Bar->ToolTipPreTime()));
  note("resting");
  MoveTo(POINT{edit.x + 1, edit.y});
  Desktop().AdvanceTime(kTipDisplayTick);
  note("moved once more");
  Desktop().Click();
  note("pressed");
  MoveTo(edit);
  Desktop().AdvanceTime(kTipDisplayTick);
  note("moved while open");
  EXPECT_TRUE(SameRows({"resting: no tip", "moved once more: tip", "pressed: no tip", "moved while open: no tip"},
                       states));
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

// Every press reaches the host form first, which closes the open menus; the press on the
// caption then drops it again.
TEST_F(TrackingTest, ClickingTheDroppedCaptionAgainClosesAndDropsItAgain) {
  ClickCaption(kFile);
  Desktop().AdvanceTime(GetDoubleClickTime() + 1);
  ClickCaption(kFile);
  EXPECT_EQ(OpenMenuKeys(), "File");
  EXPECT_EQ(Inside(*m_Bar).Tracker().DroppedIndex(), kFile);
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 1 File", "501 MenuOnClose 1 File", "501 MenuOnDrop 1 File"}, Rows()));
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, HotTrackingClosesTheOpenMenuAtOnceAndDropsTheNextFiftyMillisecondsLater) {
  ClickCaption(kFile);
  Desktop().AdvanceTime(kAutoDropWindow * 2);  // an open menu hot-tracks however long it is open
  Mark();
  MoveTo(CaptionPoint(kEdit));
  EXPECT_TRUE(SameRows({"0 MenuOnClose 1 File"}, Rows()));
  EXPECT_EQ(OpenMenuKeys(), "");
  Desktop().AdvanceTime(kOverDelay - 1);
  EXPECT_EQ(OpenMenuKeys(), "");
  Desktop().AdvanceTime(1);
  EXPECT_TRUE(SameRows({"0 MenuOnClose 1 File", "50 MenuOnDrop 2 Edit"}, Rows()));
  EXPECT_EQ(OpenMenuKeys(), "Edit");
  EXPECT_EQ(Inside(*m_Bar).Tracker().DroppedIndex(), kEdit);
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, AfterAMenuClosedTheBarHotTracksForOneSecondAndThenOnlyHovers) {
  ClickCaption(kFile);
  Desktop().KeyPress(VK_ESCAPE);
  MoveTo(CaptionPoint(kEdit));
  Desktop().AdvanceTime(kOverDelay);
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 1 File", "0 MenuOnClose 1 File", "50 MenuOnDrop 2 Edit"}, Rows()));
  Desktop().KeyPress(VK_ESCAPE);
  Desktop().AdvanceTime(kAutoDropWindow);
  Mark();
  RecordMoves(true);
  const POINT view = CaptionPoint(kView);
  MoveTo(view);
  Desktop().AdvanceTime(kOverDelay * 2);
  EXPECT_TRUE(SameRows({"0 MenuMouseMove 3 View 0 0 " + At(view, Twips())}, Rows()));
  EXPECT_EQ(OpenMenuKeys(), "");
  EXPECT_EQ(Inside(*m_Bar).Tracker().HoverIndex(), kView);
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, SubMenusCascadeAtOnceAndSwitchAfterTwentyFiveMilliseconds) {
  ClickCaption(kFile);
  const frmMenu& file = Newest();
  const POINT recent = RowPoint(file, 4);
  const POINT more = RowPoint(file, 5);
  std::vector<std::string> states;
  const auto note = [&](const std::string& step) { states.push_back(step + ": " + OpenMenuKeys()); };
  MoveTo(recent);
  note("on Recent");
  MoveTo(more);
  note("on More");
  Desktop().AdvanceTime(kCascadeDelay - 1);
  note("24 ms later");
  Desktop().AdvanceTime(1);
  note("25 ms later");
  MoveTo(RowPoint(file, 2));
  note("on Open");
  EXPECT_TRUE(SameRows({"on Recent: File,RecentMenu", "on More: File", "24 ms later: File",
                        "25 ms later: File,MoreMenu", "on Open: File"},
                       states));
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 1 File"}, Rows()));
  m_Bar->HideAllMenus();
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, AnItemOfACascadedSubMenuIsClickedLikeAnyOther) {
  ClickCaption(kFile);
  MoveTo(RowPoint(Newest(), 4));
  ASSERT_EQ(OpenMenuKeys(), "File,RecentMenu");
  const POINT two = RowPoint(Newest(), 2);
  MoveTo(two);
  EXPECT_EQ(OpenMenuKeys(), "File,RecentMenu");
  EXPECT_EQ(Newest().HighlightedRow(), 2);
  SaveScreen("tracking_cascade");
  ClickAt(two);
  EXPECT_TRUE(SameRows({"0 MenuOnDrop 1 File",
                        "0 MenuItemMouseDown 4 RecentMenu 2 Two 1 0 " + At(two, Twips()),
                        "0 MenuItemMouseUp 4 RecentMenu 2 Two 1 0 " + At(two, Twips()),
                        "0 MenuOnClose 1 File",
                        "0 MenuItemClick 4 RecentMenu 2 Two"},
                       Rows()));
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, PopUpMenuOpensAtAScreenPointInTwipsAndWhileAMenuIsOpenOnlyCloses) {
  const POINT at{200, 300};
  m_Bar->PopUpMenu("Edit", static_cast<float>(at.x * Twips()), static_cast<float>(at.y * Twips()));
  ASSERT_EQ(OpenMenuKeys(), "Edit");
  RECT rcMenu{};
  GetWindowRect(Newest().hWnd(), &rcMenu);
  EXPECT_EQ(rcMenu.left, at.x);
  EXPECT_EQ(rcMenu.top, at.y);
  m_Bar->PopUpMenu("Edit", static_cast<float>(at.x * Twips()), static_cast<float>(at.y * Twips()));
  EXPECT_EQ(OpenMenuKeys(), "");
  m_Bar->PopUpMenu("File", 0, 0);
  ASSERT_EQ(OpenMenuKeys(), "File");
  const POINT newItem = RowPoint(Newest(), 1);
  ClickAt(newItem);
  EXPECT_TRUE(SameRows({"0 MenuItemMouseDown 1 File 1 New 1 0 " + At(newItem, Twips()),
                        "0 MenuItemMouseUp 1 File 1 New 1 0 " + At(newItem, Twips()),
                        "0 MenuItemClick 1 File 1 New"},
                       Rows()));
  ExpectAllClosedAndNothingLeaked();
}

TEST_F(TrackingTest, PopUpMenuWithAnUnknownKeyOpensNothing) {
  m_Bar->PopUpMenu("Nothing", 0, 0);
  m_Bar->PopUpMenu("edit", 0, 0);  // keys compare exactly
  EXPECT_EQ(OpenMenuKeys(), "");
  EXPECT_TRUE(Rows().empty());
  ExpectAllClosedAndNothingLeaked();
}

}  // namespace
}  // namespace tracking_test
