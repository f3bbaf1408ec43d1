// What closes open menus from outside them — a click on the host form or in a child window
// of it, the form losing activation, being hidden or unloaded, HideAllMenus — and hosts that
// change the tables or unload their form while menus are open, inside the control's events
// or between them: nothing raises an error and every window and device context goes back.
#include "MenuStory.h"

namespace menu_story {
namespace {

// The menu and the sub-menu opened from it close with one MenuOnClose.
Story ClosedBy(const char* name, Step close, std::vector<Step> then = {}, Sequence after = {}) {
  Story story{
      name, {Click(Caption(kFile)), Move(Row(4)), Show({State::Open}), std::move(close), Show({State::Open})}, {}};
  story.steps.insert(story.steps.end(), then.begin(), then.end());
  story.log = {"0 MenuOnDrop 1 File", "= open File,RecentMenu", "0 MenuOnClose 1 File", "= open -"};
  story.log.insert(story.log.end(), after.begin(), after.end());
  return story;
}

Action Active(bool active) {
  return [active](MenusOnForm&) { win32::TheDesktop().SetApplicationActive(active); };
}

// The classic "unload me" in a handler of `event`: the click or key on Undo that led there ends
// quietly.
Story UnloadIn(const char* name, const char* event, bool byKey) {
  Action unload = [event](MenusOnForm& t) { t.m_Events.on[event] = [&t] { t.HostForm().Unload(); }; };
  const Sequence clicked = {"0 MenuOnDrop 2 Edit", "0 MenuItemMouseDown 2 Edit 1 Undo 1 0 @",
                            "0 MenuItemMouseUp 2 Edit 1 Undo 1 0 @", "0 MenuOnClose 2 Edit"};
  const Sequence keyed = {"0 MenuOnDrop 2 Edit", "0 MenuItemMouseUp 2 Edit 1 Undo 0 0 @menu", "0 MenuOnClose 2 Edit"};
  return {name, {Call(unload), Click(Caption(kEdit)), byKey ? Key('U') : Click(Row(1))}, byKey ? keyed : clicked};
}

Action RemoveItem(const char* key) {
  return [key](MenusOnForm& t) {
    t.m_Events.on["MenuItemMouseUp"] = [&t, key] {
      t.Bar().Menus()->Item(Variant("File"))->MenuItems()->Remove(Variant(key));
    };
  };
}

// A host handler that throws as the last step runs: the exception reaches the host's own call
// into the message loop unchanged (logged as "<event> threw to the host"), the menus are left
// as if closed, and a moment later (no double click) the bar drops its menu again.
Story ThrowIn(const char* name, const char* event, std::vector<Step> steps, Sequence log) {
  struct HostFault {};
  steps.back() = Call([event, act = steps.back()](MenusOnForm& t) {
    t.m_Events.on[event] = [] { throw HostFault{}; };
    try {
      t.Run(act);
    } catch (const HostFault&) {
      t.Log(std::string(event) + " threw to the host");
    }
    t.m_Events.on.erase(event);
  });
  for (const Step& step : {Release(), Show({State::Open, State::Sane}), Wait(600), Click(Caption(kFile)),
                           Show({State::Open}), HideAll()})
    steps.push_back(step);
  for (const char* row : {"= open -", "= sane yes", "600 MenuOnDrop 1 File", "= open File", "600 MenuOnClose 1 File"})
    log.emplace_back(row);
  return {name, std::move(steps), std::move(log)};
}

const Story kClose[] = {
    ClosedBy("AClickOnTheHostFormClosesEverything", Click(Screen(kOnTheForm))),
    ClosedBy("AnotherApplicationActivatedClosesEverything", Call(Active(false)),
             {Call(Active(true)), Show({State::Focus})}, {"= focus elsewhere, active form"}),
    ClosedBy("HidingTheHostFormClosesEverything",
             Call([](MenusOnForm& t) { ShowWindow(t.HostForm().hWnd(), SW_HIDE); })),
    ClosedBy("HideAllMenusClosesEverything", HideAll()),
    // A press in a child window of the form reaches the form first as WM_MOUSEACTIVATE.
    {"AClickInAChildWindowOfTheFormClosesAllMenusAndACaptionClickAPopUp",
     {Click(Caption(kFile)), Click(Document()), Show({State::Open}), PopUp("Edit", {400, 200}), Click(Caption(kView)),
      Show({State::Open}), HideAll()},
     {"0 MenuOnDrop 1 File", "0 MenuOnClose 1 File", "= open -", "0 MenuOnDrop 3 View", "= open View",
      "0 MenuOnClose 3 View"}},
    // The bar never keeps the keyboard.
    {"AfterAnItemChosenWithTheMouseTypedTextReachesTheDocument",
     {Click(Document()), Show({State::Focus}), Click(Caption(kEdit)), Click(Row(1)), Show({State::Focus}),
      Call([](MenusOnForm&) { win32::TheDesktop().TypeChar('a'); }), Show({State::Text})},
     {"= focus doc, active form", "0 MenuOnDrop 2 Edit", "0 MenuItemMouseDown 2 Edit 1 Undo 1 0 @",
      "0 MenuItemMouseUp 2 Edit 1 Undo 1 0 @", "0 MenuOnClose 2 Edit", "0 MenuItemClick 2 Edit 1 Undo",
      "= focus doc, active form", "0 doc WM_KEYDOWN A", "0 doc WM_KEYUP A", "= text \"a\""}},
    {"TheHostFormLosingActivationClosesAllMenus",
     {Call([](MenusOnForm& t) {
        t.m_OtherForm = std::make_unique<Form>(
            FormOptions{.caption = "Other", .left = 720, .top = 100, .width = 200, .height = 200, .font = {}});
        t.m_OtherForm->Show();
        SetActiveWindow(t.HostForm().hWnd());
      }),
      Click(Caption(kEdit)), Click(Screen({800, 200})), Show({State::Focus, State::Open}),
      Call([](MenusOnForm& t) { t.m_OtherForm->Unload(); })},
     {"0 MenuOnDrop 2 Edit", "0 MenuOnClose 2 Edit", "= focus elsewhere, active other form", "= open -"}},
    {"ActivationPassingBetweenTheFormAndAMenuWindowLeavesTheMenusOpen",
     {Click(Caption(kFile)), Call([](MenusOnForm& t) { SetActiveWindow(t.Newest().hWnd()); }), Show({State::Open}),
      Call([](MenusOnForm& t) { SetActiveWindow(t.HostForm().hWnd()); }), Show({State::Open}), HideAll()},
     {"0 MenuOnDrop 1 File", "= open File", "= open File", "0 MenuOnClose 1 File"}},
    {"AClickOnTheFormClosesAPopUpWithoutAnyEvent",
     {PopUp("Edit", {400, 200}), Show({State::Open}), Click(Screen(kOnTheForm)), Show({State::Open})},
     {"= open Edit", "= open -"}},
    {"UnloadingTheHostFormWithMenusOpenTakesEveryMenuWindowWithIt",
     {Click(Caption(kFile)), Move(Row(4)), Show({State::Open}), Call([](MenusOnForm& t) {
        const std::vector<HWND> open = Inside(t.Bar()).OpenMenuWindows();
        t.HostForm().Unload();
        for (HWND hWnd : open) EXPECT_FALSE(IsWindow(hWnd));
      })},
     {"0 MenuOnDrop 1 File", "= open File,RecentMenu", "0 MenuOnClose 1 File"}},
    {"MenusClearThenRefreshHideAllMenusAndDestroyingTheForm",
     {Call([](MenusOnForm& t) {
        t.Bar().Menus()->Clear();
        t.Bar().Refresh();
        t.Bar().HideAllMenus();
        t.ExpectAllClosedAndNothingLeaked();
        t.Bar().Disconnect(&t.m_Events);
        t.DropFormObject();  // the host's form going out of scope
      })},
     {}},
    {"ClearAllWithAMenuOpenThenAMouseMoveOverWhereItWas",
     {Click(Caption(kFile)), Move(Row(2)), Call([](MenusOnForm& t) { t.Bar().ClearAll(); }), Mark(),
      Move(Here(0, 3)), Move(Here(0, -3)), Show({State::Open, State::Dropped})},
     {"= open -", "= dropped -1"}},
    {"ItemsRebuiltInMenuOnDropAreWhatTheMenuShowsAndClicks",
     {Call([](MenusOnForm& t) {
        t.m_Events.on["MenuOnDrop"] = [&t] {
          const auto items = t.Bar().Menus()->Item(Variant("File"))->MenuItems();
          items->Clear();
          items->Add({.Caption = "&Fresh", .Key = "Fresh"});
        };
      }),
      Click(Caption(kFile)), Show({State::Infrequents}), Click(Row(1))},
     {"0 MenuOnDrop 1 File", "= rows 1", "0 MenuItemMouseDown 1 File 1 Fresh 1 0 @",
      "0 MenuItemMouseUp 1 File 1 Fresh 1 0 @", "0 MenuOnClose 1 File", "0 MenuItemClick 1 File 1 Fresh"}},
    {"ItemsRemovedInMenuItemMouseUpLeaveNothingToClick",
     {Call(RemoveItem("Open")), Click(Caption(kFile)), Click(Row(2))},
     {"0 MenuOnDrop 1 File", "0 MenuItemMouseDown 1 File 2 Open 1 0 @", "0 MenuItemMouseUp 1 File 2 Open 1 0 @",
      "0 MenuOnClose 1 File"}},
    {"AnEarlierItemRemovedInMenuItemMouseUpStillClicksTheChosenOne",
     {Call(RemoveItem("New")), Click(Caption(kFile)), Click(Row(2))},
     {"0 MenuOnDrop 1 File", "0 MenuItemMouseDown 1 File 2 Open 1 0 @", "0 MenuItemMouseUp 1 File 2 Open 1 0 @",
      "0 MenuOnClose 1 File", "0 MenuItemClick 1 File 1 Open"}},
    {"RemovingTheDroppedMenuClosesItAndLeavesTheBarWorking",
     {Click(Caption(kEdit)), Call([](MenusOnForm& t) { t.Bar().Menus()->Remove(Variant("Edit")); }), Mark(),
      Show({State::Open}), Move(Caption(kFile)), Key(VK_ESCAPE), HideAll(), Click(Caption(kFile)), Show({State::Open}),
      HideAll()},
     {"= open -", "0 MenuOnDrop 1 File", "= open File", "0 MenuOnClose 1 File"}},
    UnloadIn("UnloadInMenuOnCloseAfterAClick", "MenuOnClose", false),
    UnloadIn("UnloadInMenuOnCloseAfterAKey", "MenuOnClose", true),
    UnloadIn("UnloadInMenuItemMouseUpAfterAClick", "MenuItemMouseUp", false),
    UnloadIn("UnloadInMenuItemMouseUpAfterAKey", "MenuItemMouseUp", true),
    ThrowIn("AThrowingMenuOnDropReachesTheHost", "MenuOnDrop", {Click(Caption(kFile))},
            {"0 MenuOnDrop 1 File", "0 MenuOnDrop threw to the host"}),
    ThrowIn("AThrowingMenuMouseMoveReachesTheHost", "MenuMouseMove", {Move(Caption(kFile))},
            {"0 MenuMouseMove threw to the host"}),
    ThrowIn("AThrowingMenuItemMouseDownReachesTheHost", "MenuItemMouseDown", {Click(Caption(kFile)), Press(Row(1))},
            {"0 MenuOnDrop 1 File", "0 MenuItemMouseDown 1 File 1 New 1 0 @", "0 MenuItemMouseDown threw to the host"}),
    ThrowIn("AThrowingMenuItemClickReachesTheHost", "MenuItemClick", {Click(Caption(kFile)), Click(Row(1))},
            {"0 MenuOnDrop 1 File", "0 MenuItemMouseDown 1 File 1 New 1 0 @", "0 MenuItemMouseUp 1 File 1 New 1 0 @",
             "0 MenuOnClose 1 File", "0 MenuItemClick 1 File 1 New", "0 MenuItemClick threw to the host"}),
};

INSTANTIATE_TEST_SUITE_P(Close, MenuStory, ::testing::ValuesIn(kClose), StoryName);

}  // namespace
}  // namespace menu_story
