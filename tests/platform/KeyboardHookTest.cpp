// The thread keyboard hook as users meet it: keys typed on the keyboard are offered to the
// registered menu bars, bands and menu windows before the focus window sees them.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingWindows.h"
#include "platform/mHooks.h"
#include "win32/desktop.h"
#include "win32/objcount.h"

using namespace platform_test;

namespace {

constexpr int kKeyF = 'F';
constexpr int kKeyS = 'S';

class RecordingKeyClient : public IKeyboardHookClient {
 public:
  RecordingKeyClient(std::string name, int iSwallowedKey = 0) : m_sName(std::move(name)), m_iSwallowedKey(iSwallowedKey) {}

  void HookCtrlKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) override {
    Record("ctrl-key", iVirtKey, bKeyUp, bAlt, bShift, bHandled);
  }
  void HookKey(std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) override {
    Record("key", iVirtKey, bKeyUp, bAlt, bShift, bHandled);
  }

 private:
  void Record(const char* what, std::int16_t iVirtKey, bool bKeyUp, bool bAlt, bool bShift, bool& bHandled) {
    std::string entry = m_sName + " " + what + " " + KeyName(iVirtKey) + (bKeyUp ? " up" : " down");
    if (bAlt) entry += " alt";
    if (bShift) entry += " shift";
    TheLog().push_back(entry);
    bHandled = iVirtKey == m_iSwallowedKey;
  }

  static std::string KeyName(int iVirtKey) {
    switch (iVirtKey) {
      case VK_SHIFT: return "Shift";
      case VK_CONTROL: return "Ctrl";
      case VK_MENU: return "Alt";
      case VK_ESCAPE: return "Esc";
      case VK_DOWN: return "Down";
      case VK_F1 + 1: return "F2";
      default: return std::string(1, static_cast<char>(iVirtKey));
    }
  }

  std::string m_sName;
  int m_iSwallowedKey;
};

// A client window: a hidden top-level window carrying its kind's object property.
HWND CreateClientWindow(RecordingKeyClient& client, mHooks::eHookClientKind eKind) {
  HWND hWnd = CreateWindowExA(0, "RecordingWindow", "client", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  SetPropA(hWnd, mHooks::ObjectPropertyName(eKind), &client);
  return hWnd;
}

class KeyboardHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetDesktop();
    m_HooksBefore = win32::LiveObjects(win32::ObjectKind::Hook);
    m_Focus = CreateRecordingWindow("focus", 10, 10);
    SetFocus(m_Focus);
  }
  void TearDown() override {
    for (HWND hWnd : m_Clients) mHooks::RemoveHookClient(hWnd);
    EXPECT_EQ(mHooks::HookClientCount(), 0u);
    EXPECT_FALSE(mHooks::IsHookInstalled());
    EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Hook), m_HooksBefore);
  }

  HWND Register(RecordingKeyClient& client, mHooks::eHookClientKind eKind) {
    HWND hWnd = CreateClientWindow(client, eKind);
    mHooks::AddHookClient<RecordingKeyClient>(hWnd, eKind);
    m_Clients.push_back(hWnd);
    return hWnd;
  }

  // What the hook clients and the focus window saw of the keys (paint messages left out).
  static Log KeyEntries() {
    return Only(TheLog(), {"down", "up", "alt", "shift", "WM_KEYDOWN", "WM_KEYUP", "WM_SYSKEYDOWN", "WM_SYSKEYUP",
                           "WM_CHAR"});
  }

  long m_HooksBefore = 0;
  HWND m_Focus = nullptr;
  std::vector<HWND> m_Clients;
};

TEST_F(KeyboardHookTest, UnhandledKeyVisitsEveryClientInRegistrationOrderThenTheFocusWindow) {
  RecordingKeyClient menuWindow("menu-window");
  RecordingKeyClient bar("bar");
  RecordingKeyClient band("band");
  Register(menuWindow, mHooks::hckMenuWindow);
  Register(bar, mHooks::hckMenuBar);
  Register(band, mHooks::hckReBar);
  TheLog().clear();

  win32::TheDesktop().KeyPress(VK_DOWN);

  ExpectSequence({"menu-window key Down down", "bar key Down down", "band key Down down", "focus WM_KEYDOWN",
                  "menu-window key Down up", "bar key Down up", "band key Down up", "focus WM_KEYUP"},
                 KeyEntries());
}

TEST_F(KeyboardHookTest, FirstClientThatHandlesTheKeySwallowsIt) {
  RecordingKeyClient bar("bar");
  RecordingKeyClient menuWindow("menu-window", VK_ESCAPE);
  RecordingKeyClient band("band");
  Register(bar, mHooks::hckMenuBar);
  Register(menuWindow, mHooks::hckMenuWindow);
  Register(band, mHooks::hckReBar);
  TheLog().clear();

  win32::TheDesktop().KeyDown(VK_ESCAPE);

  ExpectSequence({"bar key Esc down", "menu-window key Esc down"}, KeyEntries());
}

TEST_F(KeyboardHookTest, WithCtrlHeldOnlyMenuBarsGetTheKeyForHotKeys) {
  RecordingKeyClient menuWindow("menu-window");
  RecordingKeyClient firstBar("first-bar");
  RecordingKeyClient band("band");
  RecordingKeyClient secondBar("second-bar", kKeyS);
  Register(menuWindow, mHooks::hckMenuWindow);
  Register(firstBar, mHooks::hckMenuBar);
  Register(band, mHooks::hckReBar);
  Register(secondBar, mHooks::hckMenuBar);
  win32::TheDesktop().KeyDown(VK_CONTROL);
  TheLog().clear();

  win32::TheDesktop().KeyDown(kKeyS);

  ExpectSequence({"first-bar ctrl-key S down", "second-bar ctrl-key S down"}, KeyEntries());
  win32::TheDesktop().KeyUp(kKeyS);
  win32::TheDesktop().KeyUp(VK_CONTROL);
}

TEST_F(KeyboardHookTest, KeyUpAltAndShiftReachTheHandlers) {
  RecordingKeyClient bar("bar");
  Register(bar, mHooks::hckMenuBar);
  win32::TheDesktop().KeyDown(VK_MENU);
  TheLog().clear();
  win32::TheDesktop().KeyPress(VK_F1 + 1);
  win32::TheDesktop().KeyUp(VK_MENU);
  win32::TheDesktop().KeyDown(VK_SHIFT);
  win32::TheDesktop().KeyPress(VK_F1 + 1);
  win32::TheDesktop().KeyUp(VK_SHIFT);

  Log keyF2;
  for (const std::string& entry : TheLog())
    if (entry.starts_with("bar key F2")) keyF2.push_back(entry);
  ExpectSequence({"bar key F2 down alt", "bar key F2 up alt", "bar key F2 down shift", "bar key F2 up shift"}, keyF2);
}

// A letter is offered once per stroke as its virtual key; the character it types is not a key.
TEST_F(KeyboardHookTest, LetterIsOfferedOncePerStrokeAsItsVirtualKey) {
  RecordingKeyClient bar("bar");
  Register(bar, mHooks::hckMenuBar);
  TheLog().clear();

  win32::TheDesktop().KeyPress(kKeyF);

  ExpectSequence({"bar key F down", "focus WM_KEYDOWN", "focus WM_CHAR", "bar key F up", "focus WM_KEYUP"},
                 KeyEntries());
}

TEST_F(KeyboardHookTest, ClientWhoseWindowOrPropertyIsGoneIsSkipped) {
  RecordingKeyClient gone("gone");
  RecordingKeyClient unmarked("unmarked");
  RecordingKeyClient bar("bar");
  HWND goneWindow = Register(gone, mHooks::hckMenuWindow);
  HWND unmarkedWindow = Register(unmarked, mHooks::hckReBar);
  Register(bar, mHooks::hckMenuBar);
  DestroyWindow(goneWindow);
  RemovePropA(unmarkedWindow, mHooks::ObjectPropertyName(mHooks::hckReBar));
  TheLog().clear();

  win32::TheDesktop().KeyDown(VK_DOWN);

  ExpectSequence({"bar key Down down", "focus WM_KEYDOWN"}, KeyEntries());
}

TEST_F(KeyboardHookTest, OneHookForAllClientsRemovedWithTheLast) {
  RecordingKeyClient bar("bar");
  RecordingKeyClient band("band");
  HWND barWindow = Register(bar, mHooks::hckMenuBar);
  HWND bandWindow = Register(band, mHooks::hckReBar);
  mHooks::AddHookClient<RecordingKeyClient>(barWindow, mHooks::hckMenuBar);
  EXPECT_EQ(mHooks::HookClientCount(), 2u);
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Hook), m_HooksBefore + 1);

  mHooks::RemoveHookClient(barWindow);
  EXPECT_TRUE(mHooks::IsHookInstalled());
  mHooks::RemoveHookClient(bandWindow);
  EXPECT_FALSE(mHooks::IsHookInstalled());
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Hook), m_HooksBefore);

  TheLog().clear();
  win32::TheDesktop().KeyDown(VK_DOWN);
  ExpectSequence({"focus WM_KEYDOWN"}, KeyEntries());
}

}  // namespace
