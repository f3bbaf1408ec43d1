// Hot keys typed without Ctrl: a plain hot key names one key of the key-name table and fires
// the first visible, enabled item that carries it, swallowing the key.
#include "HotKeyTestFixture.h"

#include "container/MdiForm.h"
#include "win32/desktop.h"

using namespace hotkey_test;

namespace {

constexpr int kF5 = VK_F1 + 4;
constexpr int kF6 = VK_F1 + 5;
constexpr int kNumPad5 = VK_NUMPAD0 + 5;
constexpr std::int16_t kF5Code = kF5;
constexpr float kSecondBarTop = 1500;
constexpr float kBarWidth = 6000;
constexpr float kBarHeight = 600;

using HotKeyTest = HotKeyOnForm;

TEST_F(HotKeyTest, FiresOnEveryAutoRepeatAndLetsOtherKeysPass) {
  const auto view = AddMenu("mnuView");
  AddHotKeyItem(view, "itmZoom", "");
  AddHotKeyItem(view, "itmRefresh", "F5");

  win32::Desktop& desktop = win32::TheDesktop();
  desktop.KeyDown(kF5);
  desktop.KeyDown(kF5);  // auto-repeat
  desktop.KeyDown(kF5);
  desktop.KeyUp(kF5);
  desktop.KeyPress(kF6);

  ExpectLog(
      {
          "bar MenuItemClick(1, mnuView, 2, itmRefresh)",
          "bar MenuItemClick(1, mnuView, 2, itmRefresh)",
          "bar MenuItemClick(1, mnuView, 2, itmRefresh)",
          "focus WM_KEYUP F5",
          "focus WM_KEYDOWN F6",
          "focus WM_KEYUP F6",
      },
      TakeLog());
}

TEST_F(HotKeyTest, PlainHotKeyMatching) {
  ExpectMatchTable({
      {"F5", {}, kF5, "fires"},
      {"F5", {VK_SHIFT}, kF5, "fires"},  // Shift is not looked at without Ctrl
      {"Shift+F5", {}, kF5, "passes"},   // the whole string must be one key name
      {"Shift+F5", {VK_SHIFT}, kF5, "passes"},
      {"f5", {}, kF5, "passes"},  // names compare case-sensitively
      {"Del", {}, VK_DELETE, "fires"},
      {"N5", {}, kNumPad5, "fires"},
      {"Esc", {}, VK_ESCAPE, "fires"},
      {"S", {}, 'S', "fires"},
      {"F5", {VK_CONTROL}, kF5, "passes"},  // with Ctrl only combinations count
      {"Ctrl+F5", {}, kF5, "passes"},
  });
}

TEST_F(HotKeyTest, FirstVisibleEnabledItemInMenuOrderFires) {
  const auto file = AddMenu("mnuFile");
  const auto disabled = AddHotKeyItem(file, "itmDisabled", "F5");
  disabled->Enabled(false);
  AddHotKeyItem(file, "itmHidden", "F5")->Visible(false);
  const auto edit = AddMenu("mnuEdit");
  AddHotKeyItem(edit, "itmFirst", "F5");
  AddHotKeyItem(AddMenu("mnuView"), "itmSecond", "F5");

  win32::TheDesktop().KeyPress(kF5);
  disabled->Enabled(true);
  win32::TheDesktop().KeyPress(kF5);
  // A plain hot key does not ask about its menu's own state.
  file->Enabled(false);
  win32::TheDesktop().KeyPress(kF5);

  ExpectLog(
      {
          "bar MenuItemClick(2, mnuEdit, 1, itmFirst)",
          "focus WM_KEYUP F5",
          "bar MenuItemClick(1, mnuFile, 1, itmDisabled)",
          "focus WM_KEYUP F5",
          "bar MenuItemClick(1, mnuFile, 1, itmDisabled)",
          "focus WM_KEYUP F5",
      },
      TakeLog());
}

TEST_F(HotKeyTest, KeyHeldWithAltIsNoHotKey) {
  AddHotKeyItem(AddMenu("mnuView"), "itmRefresh", "F5");

  Chord({VK_MENU}, kF5);

  ExpectLog({"focus WM_SYSKEYDOWN F5", "focus WM_SYSKEYUP F5"}, TakeLog());
}

// Plain keys, Ctrl combinations and Ctrl+Esc alike.
TEST_F(HotKeyTest, KeysCountOnlyWhileTheFormIsActiveAndTheBarEnabled) {
  const auto view = AddMenu("mnuView");
  AddHotKeyItem(view, "itmRefresh", "F5");
  AddHotKeyItem(view, "itmSave", "Ctrl+S");
  const auto typeAll = [this] {
    win32::TheDesktop().KeyPress(kF5);
    Chord({VK_CONTROL}, 'S');
    Chord({VK_CONTROL}, VK_ESCAPE);
  };
  HWND hWndOther = CreateKeyWindow("other", nullptr);
  SetActiveWindow(hWndOther);
  SetFocus(hWndOther);
  typeAll();
  SetActiveWindow(m_Form->hWnd());
  SetFocus(m_hWndFocus);
  m_Bar->SetEnabled(VARIANT_FALSE);
  typeAll();
  m_Bar->SetEnabled(VARIANT_TRUE);
  typeAll();

  ExpectLog(
      {
          "other WM_KEYDOWN F5", "other WM_KEYUP F5", "other WM_KEYDOWN S", "other WM_KEYUP S",
          "other WM_KEYDOWN Esc", "other WM_KEYUP Esc",
          "focus WM_KEYDOWN F5", "focus WM_KEYUP F5", "focus WM_KEYDOWN S", "focus WM_KEYUP S",
          "focus WM_KEYDOWN Esc", "focus WM_KEYUP Esc",
          "bar MenuItemClick(1, mnuView, 1, itmRefresh)", "focus WM_KEYUP F5",
          "bar MenuItemClick(1, mnuView, 2, itmSave)", "focus WM_KEYUP S",
          "focus WM_KEYUP Esc",
      },
      TakeLog());
  DestroyWindow(hWndOther);
}

TEST_F(HotKeyTest, OnAnMdiChildFormTheFrameMustBeActive) {
  MdiForm frame;
  FormOptions options;
  options.caption = "Child";
  options.mdiParent = &frame;
  Form child(options);
  const auto childBar = child.AddControl<MirelMenuBar20>(
      {.name = "MirelMenuBar201", .left = 0, .top = 0, .width = kBarWidth, .height = kBarHeight});
  child.Show();
  childBar->EndUpdate();
  ClickRecorder childClicks("child bar", m_Log);
  childBar->Connect(&childClicks);
  childBar->Menus()->Add({.Key = "mnuView", .Caption = "&View", .Enabled = true})->MenuItems()->Add(
      {.Caption = "Refresh", .Key = "itmRefresh", .HotKey = "F5"});
  HWND hWndChildFocus = CreateKeyWindow("child focus", child.hWnd());

  SetActiveWindow(frame.hWnd());
  SetFocus(hWndChildFocus);
  win32::TheDesktop().KeyPress(kF5);
  SetActiveWindow(m_Form->hWnd());
  SetFocus(m_hWndFocus);
  win32::TheDesktop().KeyPress(kF5);

  ExpectLog(
      {
          "child bar MenuItemClick(1, mnuView, 1, itmRefresh)",
          "child focus WM_KEYUP F5",
          "focus WM_KEYDOWN F5",
          "focus WM_KEYUP F5",
      },
      TakeLog());
  childBar->Disconnect(&childClicks);
  child.Unload();
}

TEST_F(HotKeyTest, RenamedKeyNameTakesEffectInEveryControl) {
  const auto second = m_Form->AddControl<MirelMenuBar20>(
      {.name = "MirelMenuBar202", .left = 0, .top = kSecondBarTop, .width = kBarWidth, .height = kBarHeight});
  second->EndUpdate();
  ClickRecorder secondClicks("bar2", m_Log);
  second->Connect(&secondClicks);
  SetFocus(m_hWndFocus);

  AddHotKeyItem(AddMenu("mnuFile"), "itmReload", "F5");
  const auto view = second->Menus()->Add({.Key = "mnuView", .Caption = "&View", .Enabled = true});
  AddHotKeyItem(view, "itmOldName", "F5");
  AddHotKeyItem(view, "itmRefresh", "Refresh");

  win32::TheDesktop().KeyPress(kF5);
  m_Bar->SetHotKeyConstant(kF5Code, "Refresh");
  const std::string sSeenBySecond = second->HotKeyConstant(kF5Code);
  // The first bar's "F5" no longer matches, so the key reaches the second bar.
  win32::TheDesktop().KeyPress(kF5);

  ExpectLog(
      {
          "bar MenuItemClick(1, mnuFile, 1, itmReload)",
          "focus WM_KEYUP F5",
          "bar2 MenuItemClick(1, mnuView, 2, itmRefresh)",
          "focus WM_KEYUP F5",
      },
      TakeLog());
  EXPECT_EQ(sSeenBySecond, "Refresh");
  m_Bar->SetHotKeyConstant(kF5Code, "F5");
  second->Disconnect(&secondClicks);
}

}  // namespace
