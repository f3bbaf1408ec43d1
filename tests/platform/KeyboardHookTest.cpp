// The thread keyboard hook as users meet it: keys typed on the keyboard are offered to the
// registered menu bars, bands and menu windows before the focus window sees them.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Recorders.h"
#include "platform/mHooks.h"
#include "support/HeadlessTest.h"

namespace mirel_test {
namespace {

constexpr int kKeyF = 'F';
constexpr int kKeyS = 'S';
constexpr int kKeyF2 = VK_F1 + 1;

class KeyboardHookTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    m_Focus = CreateTestWindow("focus", RECT{10, 10, 210, 160});
  }
  void TearDown() override {
    for (HWND hWnd : m_Clients) mHooks::RemoveHookClient(hWnd);
    EXPECT_EQ(mHooks::HookClientCount(), 0u);
    EXPECT_FALSE(mHooks::IsHookInstalled());
    EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Hook), HooksAtStart());
  }

  // A client window: a hidden window carrying its kind's object property, registered with the hook.
  HWND Register(RecordingObject& client, mHooks::eHookClientKind eKind) {
    HWND hWnd = CreateTestWindow("client", RECT{0, 0, 10, 10}, WS_POPUP);
    SetPropA(hWnd, mHooks::ObjectPropertyName(eKind), &client);
    mHooks::AddHookClient<RecordingObject>(hWnd, eKind);
    m_Clients.push_back(hWnd);
    return hWnd;
  }

  // What the hook clients and the focus window saw of the keys (paint messages left out).
  Sequence KeyEntries() const {
    return m_Log.Only({"down", "up", "alt", "shift", "WM_KEYDOWN", "WM_KEYUP", "WM_SYSKEYDOWN", "WM_SYSKEYUP",
                       "WM_CHAR"});
  }
  long HooksAtStart() const { return countsAtStart_.counts[static_cast<size_t>(win32::ObjectKind::Hook)]; }

  MessageLog m_Log;
  HWND m_Focus = nullptr;
  std::vector<HWND> m_Clients;
};

TEST_F(KeyboardHookTest, KeysVisitTheClientsInRegistrationOrderUntilOneHandlesThem) {
  struct Client {
    const char* name;
    mHooks::eHookClientKind kind;
    int swallows;
  };
  const struct {
    const char* story;
    std::vector<Client> clients;
    bool ctrlHeld;
    std::function<void(win32::Desktop&)> type;
    Sequence expected;
  } cases[] = {
      {"an unhandled key reaches every client, then the focus window",
       {{"menu-window", mHooks::hckMenuWindow, 0}, {"bar", mHooks::hckMenuBar, 0}, {"band", mHooks::hckReBar, 0}},
       false,
       [](win32::Desktop& d) { d.KeyPress(VK_DOWN); },
       {"menu-window key Down down", "bar key Down down", "band key Down down", "focus WM_KEYDOWN",
        "menu-window key Down up", "bar key Down up", "band key Down up", "focus WM_KEYUP"}},
      {"the first client that handles the key swallows it",
       {{"bar", mHooks::hckMenuBar, 0}, {"menu-window", mHooks::hckMenuWindow, VK_ESCAPE}, {"band", mHooks::hckReBar, 0}},
       false,
       [](win32::Desktop& d) { d.KeyDown(VK_ESCAPE); },
       {"bar key Esc down", "menu-window key Esc down"}},
      {"with Ctrl held only menu bars get the key, for hot keys",
       {{"menu-window", mHooks::hckMenuWindow, 0},
        {"first-bar", mHooks::hckMenuBar, 0},
        {"band", mHooks::hckReBar, 0},
        {"second-bar", mHooks::hckMenuBar, kKeyS}},
       true,
       [](win32::Desktop& d) { d.KeyDown(kKeyS); },
       {"first-bar ctrl-key S down", "second-bar ctrl-key S down"}},
      // The character a letter types is not offered as a key.
      {"a letter is offered once per stroke as its virtual key",
       {{"bar", mHooks::hckMenuBar, 0}},
       false,
       [](win32::Desktop& d) { d.KeyPress(kKeyF); },
       {"bar key F down", "focus WM_KEYDOWN", "focus WM_CHAR", "bar key F up", "focus WM_KEYUP"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.story);
    std::vector<std::unique_ptr<RecordingObject>> clients;
    for (const Client& client : c.clients) {
      clients.push_back(std::make_unique<RecordingObject>(client.name, client.swallows));
      Register(*clients.back(), client.kind);
    }
    if (c.ctrlHeld) Desktop().KeyDown(VK_CONTROL);
    m_Log.Clear();
    c.type(Desktop());
    EXPECT_TRUE(SameSequence(c.expected, KeyEntries()));
    for (int key : {kKeyS, VK_ESCAPE, VK_CONTROL}) {
      if (GetAsyncKeyState(key) < 0) Desktop().KeyUp(key);
    }
    for (HWND hWnd : m_Clients) mHooks::RemoveHookClient(hWnd);
    m_Clients.clear();
  }
}

TEST_F(KeyboardHookTest, KeyUpAltAndShiftReachTheHandlers) {
  RecordingObject bar("bar");
  Register(bar, mHooks::hckMenuBar);
  Desktop().KeyDown(VK_MENU);
  Desktop().KeyPress(kKeyF2);
  Desktop().KeyUp(VK_MENU);
  Desktop().KeyDown(VK_SHIFT);
  Desktop().KeyPress(kKeyF2);
  Desktop().KeyUp(VK_SHIFT);
  Sequence keyF2;
  for (const std::string& entry : m_Log.Entries()) {
    if (entry.starts_with("bar key F2")) keyF2.push_back(entry);
  }
  EXPECT_TRUE(SameSequence({"bar key F2 down alt", "bar key F2 up alt", "bar key F2 down shift", "bar key F2 up shift"}, keyF2));
}

TEST_F(KeyboardHookTest, ClientWhoseWindowOrPropertyIsGoneIsSkipped) {
  RecordingObject gone("gone");
  RecordingObject unmarked("unmarked");
  RecordingObject bar("bar");
  HWND goneWindow = Register(gone, mHooks::hckMenuWindow);
  HWND unmarkedWindow = Register(unmarked, mHooks::hckReBar);
  Register(bar, mHooks::hckMenuBar);
  DestroyWindow(goneWindow);
  RemovePropA(unmarkedWindow, mHooks::ObjectPropertyName(mHooks::hckReBar));
  m_Log.Clear();
  Desktop().KeyDown(VK_DOWN);
  EXPECT_TRUE(SameSequence({"bar key Down down", "focus WM_KEYDOWN"}, KeyEntries()));
}

TEST_F(KeyboardHookTest, OneHookForAllClientsRemovedWithTheLast) {
  const long hooksBefore = HooksAtStart();
  RecordingObject bar("bar");
  RecordingObject band("band");
  HWND barWindow = Register(bar, mHooks::hckMenuBar);
  HWND bandWindow = Register(band, mHooks::hckReBar);
  mHooks::AddHookClient<RecordingObject>(barWindow, mHooks::hckMenuBar);
  EXPECT_EQ(mHooks::HookClientCount(), 2u);
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Hook), hooksBefore + 1);

  mHooks::RemoveHookClient(barWindow);
  EXPECT_TRUE(mHooks::IsHookInstalled());
  mHooks::RemoveHookClient(bandWindow);
  EXPECT_FALSE(mHooks::IsHookInstalled());
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Hook), hooksBefore);

  m_Log.Clear();
  Desktop().KeyDown(VK_DOWN);
  EXPECT_TRUE(SameSequence({"focus WM_KEYDOWN"}, KeyEntries()));
}

}  // namespace
}  // namespace mirel_test
