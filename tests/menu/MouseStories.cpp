// Menus driven by the mouse: clicks on captions and items, press-drag-release, hot-tracking
// along the bar, tool tips, cascading sub-menus, pop-up menus and the infrequent items'
// expand arrow.
#include "MenuStory.h"

namespace menu_story {
namespace {

constexpr int kPreDelay = 1000;     // a tip shows after resting this long
constexpr int kTipTick = 25;
constexpr int kDoubleClick = 501;   // just past the double-click time
constexpr int kViewZoom = 4;
constexpr int kViewLocked = 5;

const Story kMouse[] = {
    // At 120 dpi: item events report the pointer in screen twips of the resolution. A host
    // hiding the menus in MenuItemMouseUp still gets the click.
    {"ClickingAnItemRaisesDownUpCloseAndClickInOrderInScreenTwips",
     {Call([](MenusOnForm& t) { t.m_Events.on["MenuItemMouseUp"] = [&t] { t.Bar().HideAllMenus(); }; }),
      Click(Caption(kFile)), Show({State::Open}), Click(Row(2))},
     {"0 MenuOnDrop 1 File", "= open File", "0 MenuItemMouseDown 1 File 2 Open 1 0 @",
      "0 MenuItemMouseUp 1 File 2 Open 1 0 @", "0 MenuOnClose 1 File", "0 MenuItemClick 1 File 2 Open"},
     120},
    {"PressOnACaptionDraggedIntoTheMenuAndReleasedOverAnItemIsAClick",
     {Press(Caption(kEdit)), Show({State::Open}), Move(Row(2, 0, -1)), Move(Row(2)), Release()},
     {"0 MenuOnDrop 2 Edit", "= open Edit", "0 MenuItemMouseUp 2 Edit 2 Cut 1 0 @", "0 MenuOnClose 2 Edit",
      "0 MenuItemClick 2 Edit 2 Cut"}},
    {"ItemMovesReportTheRowUnderTheMouseInScreenTwips",
     {Click(Caption(kEdit)), Moves(), Move(Row(1)), Move(AboveRow(1)), Show({State::Highlight}), HideAll()},
     {"0 MenuOnDrop 2 Edit", "0 MenuItemMouseMove 2 Edit 1 Undo 0 0 @", "0 MenuItemMouseMove 2 Edit -1  0 0 @",
      "= highlight -1", "0 MenuOnClose 2 Edit"}},
    {"AnItemShowsItsToolTipAfterThePreDelayAndLosesItOnTheNextRow",
     {Click(Caption(kFile)), Move(Row(2)), Wait(kPreDelay), Show({State::Tip}), Move(Row(2, 1)), Wait(kTipTick),
      Show({State::Tip}), Move(Row(1)), Wait(kTipTick), Show({State::Tip}), HideAll()},
     {"0 MenuOnDrop 1 File", "= tip no", "= tip yes", "= tip no", "1050 MenuOnClose 1 File"}},
    {"TheBarHoversACaptionUntilTheLeavePollFindsTheMouseGone",
     {Move(Caption(kEdit)), Show({State::Hover}), Move(Screen(kOnTheForm)), Show({State::Hover}), Wait(10),
      Show({State::Hover})},
     {"= hover 2 over", "= hover 2 over", "= hover 2 away"}},
    {"ACaptionShowsItsToolTipAfterThePreDelayButNotWhileItsMenuIsOpen",
     {Move(Caption(kEdit)), Wait(kPreDelay), Show({State::Tip}), Move(Caption(kEdit, 1)), Wait(kTipTick),
      Show({State::Tip}), Click(Here()), Show({State::Tip}), Move(Caption(kEdit)), Wait(kTipTick), Show({State::Tip}),
      HideAll()},
     {"= tip no", "= tip yes", "1025 MenuOnDrop 2 Edit", "= tip no", "= tip no", "1050 MenuOnClose 2 Edit"}},
    // Every press reaches the host form first, which closes the open menus; the press on the
    // caption then drops it again.
    {"ClickingTheDroppedCaptionAgainClosesAndDropsItAgain",
     {Click(Caption(kFile)), Wait(kDoubleClick), Click(Caption(kFile)), Show({State::Open, State::Dropped}), HideAll()},
     {"0 MenuOnDrop 1 File", "501 MenuOnClose 1 File", "501 MenuOnDrop 1 File", "= open File", "= dropped 1",
      "501 MenuOnClose 1 File"}},
    // However long a menu has been open, moving to the next caption hot-tracks.
    {"HotTrackingClosesTheOpenMenuAtOnceAndDropsTheNextFiftyMillisecondsLater",
     {Click(Caption(kFile)), Wait(2000), Mark(), Move(Caption(kEdit)), Show({State::Open}), Wait(49),
      Show({State::Open}), Wait(1), Show({State::Open, State::Dropped}), HideAll()},
     {"0 MenuOnClose 1 File", "= open -", "= open -", "50 MenuOnDrop 2 Edit", "= open Edit", "= dropped 2",
      "50 MenuOnClose 2 Edit"}},
    {"AfterAMenuClosedTheBarHotTracksForOneSecondAndThenOnlyHovers",
     {Click(Caption(kFile)), Key(VK_ESCAPE), Move(Caption(kEdit)), Wait(50), Key(VK_ESCAPE), Wait(1000), Moves(),
      Move(Caption(kView)), Wait(100), Show({State::Open, State::Hover})},
     {"0 MenuOnDrop 1 File", "0 MenuOnClose 1 File", "50 MenuOnDrop 2 Edit", "50 MenuOnClose 2 Edit",
      "1050 MenuMouseMove 3 View 0 0 @", "= open -", "= hover 3 over"}},
    {"SubMenusCascadeAtOnceAndSwitchAfterTwentyFiveMilliseconds",
     {Click(Caption(kFile)), Move(Row(4)), Show({State::Open}), Move(BarMenuRow(5)), Show({State::Open}), Wait(24),
      Show({State::Open}), Wait(1), Show({State::Open}), Move(BarMenuRow(2)), Show({State::Open}), HideAll()},
     {"0 MenuOnDrop 1 File", "= open File,RecentMenu", "= open File", "= open File", "= open File,MoreMenu",
      "= open File", "25 MenuOnClose 1 File"}},
    {"AnItemOfACascadedSubMenuIsClickedLikeAnyOther",
     {Click(Caption(kFile)), Move(Row(4)), Move(Row(2)), Show({State::Open, State::Highlight}), Click(Row(2))},
     {"0 MenuOnDrop 1 File", "= open File,RecentMenu", "= highlight 2", "0 MenuItemMouseDown 4 RecentMenu 2 Two 1 0 @",
      "0 MenuItemMouseUp 4 RecentMenu 2 Two 1 0 @", "0 MenuOnClose 1 File", "0 MenuItemClick 4 RecentMenu 2 Two"}},
    // PopUpMenu takes a screen point in twips; while a menu is open it only closes it. An
    // unknown key opens nothing (keys compare exactly).
    {"PopUpMenuOpensAtAScreenPointAndWhileAMenuIsOpenOnlyCloses",
     {PopUp("Nothing", {0, 0}), PopUp("edit", {0, 0}), Show({State::Open}), PopUp("Edit", {200, 300}),
      Show({State::Open, State::MenuAt}), PopUp("Edit", {200, 300}), Show({State::Open}), PopUp("File", {0, 0}),
      Click(Row(1))},
     {"= open -", "= open Edit", "= menu at 200,300", "= open -", "0 MenuItemMouseDown 1 File 1 New 1 0 @",
      "0 MenuItemMouseUp 1 File 1 New 1 0 @", "0 MenuItemClick 1 File 1 New"}},
    // Hot-tracking waits 50 ms to drop the next caption; a pop-up the host opens meanwhile stays
    // the only menu.
    {"APopUpOpenedWhileTheBarWaitsToHotTrackStaysTheOnlyMenu",
     {Click(Caption(kFile)), Move(Caption(kEdit)), PopUp("View", {300, 150}), Wait(60), Show({State::Open}), HideAll()},
     {"0 MenuOnDrop 1 File", "0 MenuOnClose 1 File", "= open View"}},
    // A toggle of the infrequent items re-opens the menu and raises only MenuOnInfrequentOpen
    // or MenuOnInfrequentClose.
    {"RestingOnTheExpandArrowForOneSecondShowsTheInfrequentItems",
     {Click(Caption(kView)), Show({State::Arrow, State::Infrequents}), Move(Arrow()), Show({State::Arrow}), Wait(1000),
      Show({State::Open, State::Arrow, State::Infrequents, State::Dropped}), HideAll()},
     {"0 MenuOnDrop 3 View", "= arrow shown", "= rows 1 3 4 5", "= arrow hot", "1000 MenuOnInfrequentOpen 3 View",
      "= open View", "= arrow none", "= rows 1 2 3 4 5 6", "= dropped 3", "1000 MenuOnClose 3 View"}},
    {"ClicksOnTheArrowSeparatorsSubMenuRowsAndEmptySpaceToggleButADisabledItemDoesNot",
     {Click(Caption(kView)), Click(Arrow()), Show({State::Open, State::Infrequents}), Click(AboveRow(kViewZoom)),
      Show({State::Open, State::Infrequents}), Click(Row(kViewZoom)), Show({State::Open, State::Infrequents}),
      Click(AboveRow(1)), Show({State::Open, State::Infrequents}), Click(Row(kViewLocked)),
      Show({State::Open, State::Infrequents}), HideAll()},
     {"0 MenuOnDrop 3 View", "0 MenuOnInfrequentOpen 3 View", "= open View", "= rows 1 2 3 4 5 6",
      "0 MenuOnInfrequentClose 3 View", "= open View", "= rows 1 3 4 5", "0 MenuOnInfrequentOpen 3 View",
      "= open View", "= rows 1 2 3 4 5 6", "0 MenuOnInfrequentClose 3 View", "= open View", "= rows 1 3 4 5",
      "= open View", "= rows 1 3 4 5", "0 MenuOnClose 3 View"}},
    {"APopUpReopensWhereItWasAfterTheToggle",
     {PopUp("View", {300, 150}), Click(Arrow()), Show({State::Open, State::MenuAt}), HideAll()},
     {"0 MenuOnInfrequentOpen 3 View", "= open View", "= menu at 300,150"}},
};

INSTANTIATE_TEST_SUITE_P(Mouse, MenuStory, ::testing::ValuesIn(kMouse), StoryName);

}  // namespace
}  // namespace menu_story
