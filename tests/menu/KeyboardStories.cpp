// Menus driven by the keyboard through the thread hook: Alt mode and caption mnemonics on the
// bar, and the menu windows' keys (Enter, Esc, arrows, item mnemonics). A key click reports
// button 0 and the pointer at the menu window's corner.
#include "MenuStory.h"

namespace menu_story {
namespace {

// A second Alt, Esc with no menu open, any press, a pop-up and a change of activation leave
// Alt mode; a plain letter afterwards drops nothing and reaches the focus window.
Story WhatLeavesAltMode() {
  const std::vector<std::vector<Step>> leavers = {
      {Key(VK_MENU)},
      {Key(VK_ESCAPE)},
      {Click(Screen(kOnTheForm))},
      {Call([](MenusOnForm&) {  // another application active for a moment
        win32::TheDesktop().SetApplicationActive(false);
        win32::TheDesktop().SetApplicationActive(true);
      })},
      {Click(Document())},
      {Click(Caption(kView, 150))},  // on the bar past the captions
      {PopUp("View", {400, 200}), Key(VK_ESCAPE)},  // the pop-up has the keys: 'E' is its Edit item's mnemonic
  };
  Story story{"WhatLeavesAltModeAndALetterThenDropsNothing", {}, {}};
  for (const auto& leave : leavers) {
    story.steps.push_back(Key(VK_MENU));
    story.steps.push_back(Show({State::Alt}));
    story.steps.insert(story.steps.end(), leave.begin(), leave.end());
    story.steps.push_back(Show({State::Alt}));
    story.steps.push_back(Key('E'));
    story.steps.push_back(Show({State::Open}));
  }
  const Sequence left = {"= alt yes", "= alt no", "= open -"};
  const Sequence typed = {"= alt yes", "= alt no", "0 doc WM_KEYDOWN E", "0 doc WM_KEYUP E", "= open -"};
  const Sequence popUp = {"= alt yes", "0 doc WM_KEYUP Esc", "= alt no", "0 doc WM_KEYDOWN E", "0 doc WM_KEYUP E",
                          "= open -"};
  for (const Sequence* rows : {&left, &left, &left, &left, &typed, &typed, &popUp})
    story.log.insert(story.log.end(), rows->begin(), rows->end());
  return story;
}

const Story kKeyboard[] = {
    {"DownDownEnterClicksTheHighlightedItem",
     {Click(Caption(kFile)), Key(VK_DOWN, 2), Key(VK_RETURN), Show({State::Alt})},
     {"0 MenuOnDrop 1 File", "0 MenuItemMouseUp 1 File 2 Open 0 0 @menu", "0 MenuOnClose 1 File",
      "0 MenuItemClick 1 File 2 Open", "= alt no"}},
    {"AltMnemonicDownEnterClicksFromTheKeyboard",
     {Key(VK_MENU), Show({State::Alt}), Key('E'), Show({State::ByKey}), Key(VK_DOWN), Key(VK_RETURN),
      Show({State::Alt})},
     {"= alt yes", "0 MenuOnDrop 2 Edit", "= by key yes", "0 MenuItemMouseUp 2 Edit 1 Undo 0 0 @menu",
      "0 MenuOnClose 2 Edit", "0 MenuItemClick 2 Edit 1 Undo", "= alt no"}},
    {"AnItemMnemonicClicksItsItem",
     {Click(Caption(kEdit)), Key('T'), Show({State::Alt})},
     {"0 MenuOnDrop 2 Edit", "0 MenuItemMouseUp 2 Edit 2 Cut 0 0 @menu", "0 MenuOnClose 2 Edit",
      "0 MenuItemClick 2 Edit 2 Cut", "= alt no"}},
    {"AMnemonicPressedWithAltHeldDropsItsMenu",
     {KeyDown(VK_MENU), Key('V'), KeyUp(VK_MENU), Show({State::Open}), Key(VK_ESCAPE)},
     {"0 MenuOnDrop 3 View", "= open View", "0 MenuOnClose 3 View"}},
    WhatLeavesAltMode(),
    {"EnterOnADisabledItemIsSwallowedAndChangesNothing",  // Down: New, Open, Recent, More, Disabled
     {Click(Caption(kFile)), Key(VK_DOWN, 5), Show({State::Highlight}), Key(VK_RETURN), Show({State::Open}),
      HideAll()},
     {"0 MenuOnDrop 1 File", "= highlight 6", "= open File", "0 MenuOnClose 1 File"}},
    {"ArrowsMoveTheHighlightOverShownItemsAndWrap",
     {Click(Caption(kEdit)), Key(VK_DOWN, 3, {State::Highlight}), Key(VK_UP, 2, {State::Highlight}), HideAll()},
     {"0 MenuOnDrop 2 Edit", "= highlight 1", "= highlight 2", "= highlight 1", "= highlight 2", "= highlight 1",
      "0 MenuOnClose 2 Edit"}},
    {"EscInASubMenuClosesEveryMenu",
     {Click(Caption(kFile)), Key(VK_DOWN, 3), Key(VK_RIGHT, 1, {State::Open}), Key(VK_DOWN, 1, {State::Highlight}),
      Key(VK_ESCAPE, 1, {State::Open})},
     {"0 MenuOnDrop 1 File", "= open File,RecentMenu", "= highlight 1", "0 MenuOnClose 1 File", "= open -"}},
    {"LeftAndRightMoveBetweenSubMenusAndBarCaptions",
     {Click(Caption(kFile)), Key(VK_DOWN, 1, {State::Open}), Key(VK_RIGHT, 1, {State::Open}),
      Key(VK_LEFT, 1, {State::Open}), Key(VK_DOWN, 3, {State::Open}), Key(VK_RIGHT, 1, {State::Open}),
      Key(VK_LEFT, 2, {State::Open}), HideAll()},
     {"0 MenuOnDrop 1 File", "= open File",                          // Down
      "0 MenuOnClose 1 File", "0 MenuOnDrop 2 Edit", "= open Edit",  // Right on New
      "0 MenuOnClose 2 Edit", "0 MenuOnDrop 1 File", "= open File",  // Left in Edit
      "= open File", "= open File", "= open File",                   // Down to Recent
      "= open File,RecentMenu",                                      // Right on Recent
      "= open File",                                                 // Left in RecentMenu
      "0 MenuOnClose 1 File", "0 MenuOnDrop 3 View", "= open View",  // Left in File
      "0 MenuOnClose 3 View"}},
    {"RightToLeftSwapsTheArrowsThatOpenAndCloseSubMenus",
     {Call([](MenusOnForm& t) { t.Bar().SetRightToLeft(VARIANT_TRUE); }), Click(Caption(kFile)), Key(VK_DOWN, 3),
      Key(VK_LEFT, 1, {State::Open}), Key(VK_RIGHT, 1, {State::Open}), HideAll()},
     {"0 MenuOnDrop 1 File", "= open File,RecentMenu", "= open File", "0 MenuOnClose 1 File"}},
};

INSTANTIATE_TEST_SUITE_P(Keyboard, MenuStory, ::testing::ValuesIn(kKeyboard), StoryName);

}  // namespace
}  // namespace menu_story
