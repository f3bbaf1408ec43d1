// Menus driven by the keyboard through the thread hook: Alt mode and caption mnemonics on the
// bar, the menu windows' keys (Enter, Esc, arrows, item mnemonics; a key click reports button
// 0 and the pointer at the menu window's corner), and hot keys typed into a focused document:
// a plain hot key names one key of the key-name table; with Ctrl held only Ctrl combinations
// count, named by the first character after their last "+", with Shift and Alt asked for by
// name. The first visible, enabled item that matches fires and its key is swallowed; other
// keys reach the document.
#include "MenuStory.h"
#include "container/MdiForm.h"

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
    {"ArrowsMoveTheHighlightOverShownItemsAndWrapAndEnterClicksIt",
     {Click(Caption(kEdit)), Key(VK_DOWN, 3, {State::Highlight}), Key(VK_UP, 2, {State::Highlight}), Key(VK_RETURN),
      Show({State::Alt})},
     {"0 MenuOnDrop 2 Edit", "= highlight 1", "= highlight 2", "= highlight 1", "= highlight 2", "= highlight 1",
      "0 MenuItemMouseUp 2 Edit 1 Undo 0 0 @menu", "0 MenuOnClose 2 Edit", "0 MenuItemClick 2 Edit 1 Undo",
      "= alt no"}},
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


constexpr int kF5 = VK_F1 + 4;
constexpr int kF6 = VK_F1 + 5;
constexpr RECT kKeyWindowRect{10, 60, 210, 160};

// Lets Enabled (or Visible) of an item, or of a menu when `item` is null.
Step Let(const char* menu, const char* item, bool enabled, bool on) {
  return Call([=](MenusOnForm& t) {
    auto m = t.Bar().Menus()->Item(Variant(menu));
    if (item != nullptr) enabled ? t.Item(menu, item)->Enabled(on) : t.Item(menu, item)->Visible(on);
    else enabled ? m->Enabled(on) : m->Visible(on);
  });
}
Step Enable(const char* menu, const char* item, bool on) { return Let(menu, item, true, on); }
Step Visible(const char* menu, const char* item, bool on) { return Let(menu, item, false, on); }

// Another bar on `form` with a View menu of (caption, hot key) items; its events logged under `prefix`.
struct OtherBar : EventRows {
  OtherBar(MenusOnForm& fixture, Form& form, const ControlPlacement& placement, const char* prefix,
           std::initializer_list<std::pair<const char*, const char*>> items)
      : EventRows(fixture, prefix), bar(form.AddControl<MirelMenuBar20>(placement)) {
    bar->EndUpdate();
    bar->Connect(this);
    const auto view = bar->Menus()->Add({.Key = "View", .Caption = "&View", .Enabled = true})->MenuItems();
    for (const auto& [caption, hotKey] : items) view->Add({.Caption = caption, .Key = caption, .HotKey = hotKey});
  }
  ~OtherBar() override { bar->Disconnect(this); }
  std::shared_ptr<MirelMenuBar20> bar;
};

const Story kHotKeys[] = {
    {"FiresOnEveryAutoRepeatAndLetsOtherKeysPass",
     {SetHotKey("Edit", "Cut", "F5"), FocusDocument(), KeyDown(kF5), KeyDown(kF5), KeyDown(kF5), KeyUp(kF5), Key(kF6)},
     {"0 MenuItemClick 2 Edit 2 Cut", "0 MenuItemClick 2 Edit 2 Cut", "0 MenuItemClick 2 Edit 2 Cut",
      "0 doc WM_KEYUP F5", "0 doc WM_KEYDOWN F6", "0 doc WM_KEYUP F6"}},
    // A plain hot key does not ask about its menu's own state.
    {"FirstVisibleEnabledItemInMenuOrderFires",
     {SetHotKey("File", "New", "F5"), Enable("File", "New", false), SetHotKey("File", "Open", "F5"),
      Visible("File", "Open", false), SetHotKey("Edit", "Undo", "F5"), SetHotKey("View", "Toolbar", "F5"),
      FocusDocument(), Key(kF5), Enable("File", "New", true), Key(kF5), Enable("File", nullptr, false), Key(kF5)},
     {"0 MenuItemClick 2 Edit 1 Undo", "0 doc WM_KEYUP F5", "0 MenuItemClick 1 File 1 New", "0 doc WM_KEYUP F5",
      "0 MenuItemClick 1 File 1 New", "0 doc WM_KEYUP F5"}},
    // Plain keys, Ctrl combinations and Ctrl+Esc alike.
    {"KeysCountOnlyWhileTheFormIsActiveAndTheBarEnabled",
     {SetHotKey("Edit", "Undo", "F5"), SetHotKey("Edit", "Cut", "Ctrl+S"), Call([](MenusOnForm& t) {
        t.m_hWndOther = t.KeyWindow("other", kKeyWindowRect, nullptr);
        SetActiveWindow(t.m_hWndOther);
        SetFocus(t.m_hWndOther);
      }),
      Key(kF5), Chord({VK_CONTROL}, 'S'), Chord({VK_CONTROL}, VK_ESCAPE),  // another window active
      Call([](MenusOnForm& t) {
        SetActiveWindow(t.HostForm().hWnd());
        DestroyWindow(std::exchange(t.m_hWndOther, nullptr));
        t.Bar().SetEnabled(VARIANT_FALSE);
      }),
      FocusDocument(), Key(kF5), Chord({VK_CONTROL}, 'S'), Chord({VK_CONTROL}, VK_ESCAPE),  // the bar disabled
      Call([](MenusOnForm& t) { t.Bar().SetEnabled(VARIANT_TRUE); }),
      Key(kF5), Chord({VK_CONTROL}, 'S'), Chord({VK_CONTROL}, VK_ESCAPE)},
     {"0 other WM_KEYDOWN F5", "0 other WM_KEYUP F5", "0 other WM_KEYDOWN S", "0 other WM_KEYUP S",
      "0 other WM_KEYDOWN Esc", "0 other WM_KEYUP Esc",                                  // another window active
      "0 doc WM_KEYDOWN F5", "0 doc WM_KEYUP F5", "0 doc WM_KEYDOWN S", "0 doc WM_KEYUP S",
      "0 doc WM_KEYDOWN Esc", "0 doc WM_KEYUP Esc",                                      // the bar disabled
      "0 MenuItemClick 2 Edit 1 Undo", "0 doc WM_KEYUP F5", "0 MenuItemClick 2 Edit 2 Cut", "0 doc WM_KEYUP S",
      "0 doc WM_KEYUP Esc"}},
    // A disabled or hidden item still claims its Ctrl key, so nothing fires; the items of a
    // disabled or hidden menu are skipped, so the next menu's item fires.
    {"DisabledOrHiddenItemsClaimTheirCtrlKeyAndItemsOfDisabledOrHiddenMenusAreSkipped",
     {SetHotKey("File", "New", "Ctrl+S"), SetHotKey("Edit", "Undo", "Ctrl+S"), FocusDocument(),
      Enable("File", "New", false), Chord({VK_CONTROL}, 'S'), Enable("File", "New", true),
      Visible("File", "New", false), Chord({VK_CONTROL}, 'S'), Visible("File", "New", true),
      Enable("File", nullptr, false), Chord({VK_CONTROL}, 'S'), Enable("File", nullptr, true),
      Visible("File", nullptr, false), Chord({VK_CONTROL}, 'S'), Visible("File", nullptr, true),
      Chord({VK_CONTROL}, 'S')},
     {"0 doc WM_KEYUP S", "0 doc WM_KEYUP S", "0 MenuItemClick 2 Edit 1 Undo", "0 doc WM_KEYUP S",
      "0 MenuItemClick 2 Edit 1 Undo", "0 doc WM_KEYUP S", "0 MenuItemClick 1 File 1 New", "0 doc WM_KEYUP S"}},
};

INSTANTIATE_TEST_SUITE_P(HotKeys, MenuStory, ::testing::ValuesIn(kHotKeys), StoryName);

// One hot key typed with one chord, and what comes of it: "fires" (the item's MenuItemClick,
// the key swallowed), "passes" (no event, the document gets the key) or "swallowed" (neither).
struct MatchRow {
  const char* hotKey;
  std::vector<int> modifiers;
  int vk;
  const char* outcome;
};

void PrintTo(const MatchRow& row, std::ostream* out) { *out << row.hotKey; }

class HotKeyMatching : public MenusOnForm, public ::testing::WithParamInterface<std::vector<MatchRow>> {};

TEST_P(HotKeyMatching, TypedChordsAgainstOneItemsHotKey) {
  Run(FocusDocument());
  const auto has = [this](const char* part) {
    return std::ranges::any_of(Rows(), [part](const std::string& row) { return row.find(part) != std::string::npos; });
  };
  for (const MatchRow& row : GetParam()) {
    Item("Edit", "Undo")->HotKey(row.hotKey);
    Run(Mark());
    Run(Chord(row.modifiers, row.vk));
    std::string chord;
    for (int vk : row.modifiers) chord += vk == VK_CONTROL ? "Ctrl+" : vk == VK_SHIFT ? "Shift+" : "Alt+";
    const bool fired = has("MenuItemClick");
    const bool passed = has("KEYDOWN");
    EXPECT_EQ(fired && passed ? "fires and passes" : fired ? "fires" : passed ? "passes" : "swallowed",
              std::string(row.outcome))
        << '"' << row.hotKey << "\" on " << chord << KeyName(row.vk);
  }
}

const std::vector<MatchRow> kPlain = {
    {"F5", {}, kF5, "fires"},
    {"F5", {VK_SHIFT}, kF5, "fires"},  // Shift is not looked at without Ctrl
    {"Shift+F5", {}, kF5, "passes"},   // the whole string must be one key name
    {"Shift+F5", {VK_SHIFT}, kF5, "passes"},
    {"f5", {}, kF5, "passes"},  // names compare case-sensitively
    {"Del", {}, VK_DELETE, "fires"},
    {"N5", {}, VK_NUMPAD0 + 5, "fires"},
    {"Esc", {}, VK_ESCAPE, "fires"},
    {"S", {}, 'S', "fires"},
    {"F5", {VK_CONTROL}, kF5, "passes"},  // with Ctrl only combinations count
    {"Ctrl+F5", {}, kF5, "passes"},
    {"F5", {VK_MENU}, kF5, "passes"},  // nor with Alt
};
const std::vector<MatchRow> kCtrl = {
    {"Ctrl+S", {VK_CONTROL}, 'S', "fires"},
    {"Ctrl+S", {VK_CONTROL, VK_SHIFT}, 'S', "passes"},  // Shift held must be named
    {"Ctrl+Shift+S", {VK_CONTROL, VK_SHIFT}, 'S', "fires"},
    {"Ctrl+Shift+S", {VK_CONTROL}, 'S', "fires"},  // naming a key not held does no harm
    {"Shift+Ctrl+S", {VK_CONTROL, VK_SHIFT}, 'S', "fires"},
    {"Ctrl+Alt+S", {VK_CONTROL, VK_MENU}, 'S', "fires"},
    {"Ctrl+S", {VK_CONTROL, VK_MENU}, 'S', "passes"},  // Alt held must be named
    {"Ctrl+Alt+S", {VK_CONTROL}, 'S', "fires"},
    {"Ctrl+F5", {VK_CONTROL}, 'F', "fires"},  // only the first character counts
    {"Ctrl+F5", {VK_CONTROL}, kF5, "passes"},
    // A key counts by the character it types: function keys type none, number-pad keys
    // their digit or operator (their codes read as characters would be t, s and c).
    {"Ctrl+T", {VK_CONTROL}, kF5, "passes"},
    {"Ctrl+S", {VK_CONTROL}, VK_F1 + 3, "passes"},
    {"Ctrl+C", {VK_CONTROL}, VK_NUMPAD0 + 3, "passes"},
    {"Ctrl+3", {VK_CONTROL}, VK_NUMPAD0 + 3, "fires"},
    {"Ctrl+*", {VK_CONTROL}, VK_MULTIPLY, "fires"},
    {"CtrlS", {VK_CONTROL}, 'S', "passes"},   // no "+"
    {"ctrl+S", {VK_CONTROL}, 'S', "passes"},  // words compare case-sensitively
    {"Ctrl+s", {VK_CONTROL}, 'S', "fires"},   // the key character is upper-cased
    {"Ctrl+1", {VK_CONTROL}, '1', "fires"},
    {"Ctrl+=", {VK_CONTROL}, VK_OEM_PLUS, "fires"},
    {"Ctrl+", {VK_CONTROL}, 'S', "passes"},
    {"S", {VK_CONTROL}, 'S', "passes"},
    {"Ctrl+S", {VK_CONTROL}, VK_RETURN, "passes"},  // Enter and the arrows pass (Ctrl+Esc: swallowed)
    {"Ctrl+S", {VK_CONTROL}, VK_DOWN, "passes"},
    {"Ctrl+S", {VK_CONTROL}, VK_LEFT, "passes"},
};
INSTANTIATE_TEST_SUITE_P(Tables, HotKeyMatching, ::testing::Values(kPlain, kCtrl),
                         [](const auto& info) { return info.index == 0 ? "Plain" : "Ctrl"; });

TEST_F(MenusOnForm, OnAnMdiChildFormTheFrameMustBeActive) {
  MdiForm frame;
  Form child({.caption = "Child", .font = {}, .mdiParent = &frame});
  child.Show();
  OtherBar childBar(*this, child, {.name = "MirelMenuBar201", .width = 6000, .height = 600}, "child ",
                    {{"Refresh", "F5"}});
  const HWND hWndChildDocument = KeyWindow("child doc", kKeyWindowRect, child.hWnd());
  SetActiveWindow(frame.hWnd());
  SetFocus(hWndChildDocument);
  Run(Key(kF5));
  SetActiveWindow(HostForm().hWnd());
  Run(FocusDocument());
  Run(Key(kF5));
  EXPECT_TRUE(mirel_test::SameSequence({"0 child MenuItemClick 1 View 1 Refresh", "0 child doc WM_KEYUP F5",
                                        "0 doc WM_KEYDOWN F5", "0 doc WM_KEYUP F5"},
                                       Rows()));
}

TEST_F(MenusOnForm, RenamedKeyNameTakesEffectInEveryControl) {
  OtherBar second(*this, HostForm(), {.name = "MirelMenuBar202", .left = 0, .top = 1500, .width = 6000, .height = 600},
                  "bar2 ", {{"Old", "F5"}, {"Refresh", "Refresh"}});
  for (const Step& step : {SetHotKey("File", "New", "F5"), FocusDocument(), Key(kF5)}) Run(step);
  Bar().SetHotKeyConstant(kF5, "Refresh");
  Run(Key(kF5));  // the first bar's "F5" no longer matches, so the key reaches the second bar
  Bar().SetHotKeyConstant(kF5, "F5");
  EXPECT_TRUE(mirel_test::SameSequence({"0 MenuItemClick 1 File 1 New", "0 doc WM_KEYUP F5",
                                        "0 bar2 MenuItemClick 1 View 2 Refresh", "0 doc WM_KEYUP F5"},
                                       Rows()));
}

}  // namespace
}  // namespace menu_story
