// The thread keyboard hook offers keys to the registered bars, bands and menu windows before
// the focus window; a menu bar's interception sees its form's, top-level window's and own
// messages and leaves no attachment and no hook behind.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Recorders.h"
#include "platform/MessageInterception.h"
#include "platform/mHooks.h"
#include "platform/voxSubClsSvr.h"
#include "support/HeadlessTest.h"
#include "support/Values.h"

namespace mirel_test {
namespace {

constexpr int kKeyF = 'F';
constexpr int kKeyS = 'S';
constexpr int kKeyF2 = VK_F1 + 1;

using KeyboardHookTest = HeadlessTest;

// Each story registers its clients (each twice: the second registration is ignored), types,
// and compares what the clients and the focus window saw of the keys. One hook serves every
// client and goes with the last.
TEST_F(KeyboardHookTest, KeysVisitTheClientsInRegistrationOrderUntilOneHandlesThem) {
  CreateTestWindow("focus", RECT{10, 10, 210, 160});
  const long hooksAtStart = win32::LiveObjects(win32::ObjectKind::Hook);
  enum Gone { kPresent, kWindowGone, kPropertyGone };
  struct Client { const char* name; mHooks::eHookClientKind kind; int swallows = 0; Gone gone = kPresent; };
  const struct {
    const char* story;
    std::vector<Client> clients;
    std::vector<int> held, typed;  // keys held down while typing, keys typed
    Sequence expected;
  } cases[] = {
      {"an unhandled key reaches every client, then the focus window",
       {{"menu-window", mHooks::hckMenuWindow}, {"bar", mHooks::hckMenuBar}, {"band", mHooks::hckReBar}}, {}, {VK_DOWN},
       {"menu-window key Down down", "bar key Down down", "band key Down down", "focus WM_KEYDOWN",
        "menu-window key Down up", "bar key Down up", "band key Down up", "focus WM_KEYUP"}},
      {"the first client that handles the key swallows it",
       {{"bar", mHooks::hckMenuBar}, {"menu-window", mHooks::hckMenuWindow, VK_ESCAPE}, {"band", mHooks::hckReBar}},
       {}, {VK_ESCAPE},
       {"bar key Esc down", "menu-window key Esc down", "bar key Esc up", "menu-window key Esc up"}},
      {"with Ctrl held only menu bars get the key, for hot keys",
       {{"menu-window", mHooks::hckMenuWindow}, {"first-bar", mHooks::hckMenuBar}, {"band", mHooks::hckReBar},
        {"second-bar", mHooks::hckMenuBar, kKeyS}}, {VK_CONTROL}, {kKeyS},
       {"first-bar ctrl-key S down", "second-bar ctrl-key S down", "first-bar ctrl-key S up", "second-bar ctrl-key S up"}},
      // The character a letter types is not offered as a key.
      {"a letter is offered once per stroke as its virtual key",
       {{"bar", mHooks::hckMenuBar}}, {}, {kKeyF},
       {"bar key F down", "focus WM_KEYDOWN", "focus WM_CHAR", "bar key F up", "focus WM_KEYUP"}},
      {"key up, Alt and Shift reach the handlers",
       {{"bar", mHooks::hckMenuBar}}, {VK_SHIFT, VK_MENU}, {kKeyF2},
       {"bar key F2 down alt shift", "focus WM_SYSKEYDOWN", "bar key F2 up alt shift", "focus WM_SYSKEYUP"}},
      {"a client whose window or property is gone is skipped",
       {{"gone", mHooks::hckMenuWindow, 0, kWindowGone}, {"unmarked", mHooks::hckReBar, 0, kPropertyGone},
        {"bar", mHooks::hckMenuBar}}, {}, {VK_DOWN},
       {"bar key Down down", "focus WM_KEYDOWN", "bar key Down up", "focus WM_KEYUP"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.story);
    std::vector<std::unique_ptr<RecordingObject>> clients;
    std::vector<HWND> windows;
    for (const Client& client : c.clients) {
      clients.push_back(std::make_unique<RecordingObject>(client.name, client.swallows));
      windows.push_back(CreateTestWindow("client", RECT{0, 0, 10, 10}, WS_POPUP));
      SetPropA(windows.back(), mHooks::ObjectPropertyName(client.kind), clients.back().get());
      mHooks::AddHookClient<RecordingObject>(windows.back(), client.kind);
      mHooks::AddHookClient<RecordingObject>(windows.back(), client.kind);
      if (client.gone == kWindowGone) DestroyWindow(windows.back());
      if (client.gone == kPropertyGone) RemovePropA(windows.back(), mHooks::ObjectPropertyName(client.kind));
    }
    EXPECT_EQ(mHooks::HookClientCount(), c.clients.size());
    EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Hook), hooksAtStart + 1);
    MessageLog log;
    for (int key : c.held) Desktop().KeyDown(key);
    log.Clear();
    for (int key : c.typed) Desktop().KeyPress(key);
    EXPECT_TRUE(SameSequence(c.expected, log.Only({"down", "up", "alt", "shift", "WM_KEYDOWN", "WM_KEYUP", "WM_SYSKEYDOWN",
                                                    "WM_SYSKEYUP", "WM_CHAR"})));
    for (int key : c.held) Desktop().KeyUp(key);
    for (HWND hWnd : windows) {
      mHooks::RemoveHookClient(hWnd);
      EXPECT_EQ(mHooks::IsHookInstalled(), mHooks::HookClientCount() > 0);
    }
    EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Hook), hooksAtStart);
  }
}

// For each window, "<name>:" and the probe messages the control object saw as sent to it
// (side effects of the default handling, such as WM_MOUSEACTIVATE going to the parent, are
// not counted).
Sequence Probe(const std::vector<HWND>& windows) {
  Sequence seen;
  for (HWND hWnd : windows) {
    char name[64] = {};
    GetWindowTextA(hWnd, name, sizeof name);
    std::string row = name + std::string(":");
    for (UINT iMsg : {WM_DESTROY, WM_ACTIVATE, WM_SHOWWINDOW, WM_ACTIVATEAPP, WM_MOUSEACTIVATE, WM_GETMINMAXINFO, WM_TIMER,
                      WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_CAPTURECHANGED}) {
      MessageLog log;
      SendMessageA(hWnd, iMsg, 0, 0);
      const std::string message = MessageName(iMsg);
      if (std::ranges::count(log.Entries(), "control-object " + std::string(name) + " " + message) > 0) row += " " + message;
    }
    seen.push_back(row);
  }
  return seen;
}

const std::string kFormSees =
    " WM_ACTIVATE WM_ACTIVATEAPP WM_MOUSEACTIVATE WM_GETMINMAXINFO WM_LBUTTONDOWN WM_RBUTTONDOWN WM_MBUTTONDOWN WM_CAPTURECHANGED";
const std::string kTopSees = " WM_ACTIVATE WM_SHOWWINDOW WM_ACTIVATEAPP WM_MOUSEACTIVATE WM_GETMINMAXINFO WM_LBUTTONDOWN "
                             "WM_RBUTTONDOWN WM_MBUTTONDOWN WM_CAPTURECHANGED";
const std::string kControlSees = " WM_DESTROY WM_TIMER WM_MOUSEMOVE";

class MessageInterceptionTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    m_AttachmentsBefore = voxSubClsSvr::Instance().AttachmentCount();
    m_Control.m_bNameWindows = true;
  }
  void TearDown() override {
    EXPECT_EQ(voxSubClsSvr::Instance().AttachmentCount(), m_AttachmentsBefore);
    EXPECT_FALSE(mHooks::IsHookInstalled());
  }

  HWND CreateControl(HWND parent) {
    HWND hWnd = CreateTestWindow("control", RECT{0, 0, 150, 24}, kTestChildStyle, 0, parent);
    SetPropA(hWnd, mHooks::ObjectPropertyName(mHooks::hckMenuBar), &m_Control);
    return hWnd;
  }

  MessageLog m_Log;  // what the windows and the control object see, for the whole test
  RecordingObject m_Control{"control-object"};
  size_t m_AttachmentsBefore = 0;
};

// While intercepting, the form, the top-level window and the control each give their
// messages, and the control is a keyboard-hook client; stopping leaves no attachment, no hook
// and every window's procedure as it was.
TEST_F(MessageInterceptionTest, FormInsideAnotherWindowTopLevelAndControlEachGiveTheirMessagesUntilStopped) {
  HWND top = CreateTestWindow("top", RECT{10, 10, 410, 310});
  HWND form = CreateTestWindow("form", RECT{10, 10, 310, 210}, kTestChildStyle, 0, top);
  HWND control = CreateControl(form);
  const auto procs = [&] { return Values(GetWindowLongA(top, GWL_WNDPROC), GetWindowLongA(form, GWL_WNDPROC), GetWindowLongA(control, GWL_WNDPROC)); };
  const std::string procsBefore = procs();
  const win32::LiveObjectCounts beforeStart = win32::SnapshotLiveObjects();
  SetFocus(form);
  {
    MessageInterception interception;
    interception.Start(m_Control, {.hWndControl = control, .hWndForm = form, .bFormIsMDIChild = false, .hWndTop = top});
    EXPECT_TRUE(interception.Active());
    EXPECT_TRUE(SameSequence({"form:" + kFormSees, "top:" + kTopSees, "control:" + kControlSees}, Probe({form, top, control})));
    m_Log.Clear();
    Desktop().KeyPress(kKeyF);
    EXPECT_TRUE(SameSequence({"control-object key F down", "form WM_KEYDOWN"}, m_Log.Only({"down", "WM_KEYDOWN"})));
  }
  EXPECT_EQ(mHooks::HookClientCount(), 0u);
  EXPECT_EQ(CountRows(win32::SnapshotLiveObjects()), CountRows(beforeStart));
  EXPECT_EQ(procs(), procsBefore);
  EXPECT_TRUE(SameSequence({"form:", "top:", "control:"}, Probe({form, top, control})));
}

TEST_F(MessageInterceptionTest, MdiChildFormIsWatchedThroughItsFrameOnce) {
  HWND frame = CreateTestWindow("frame", RECT{10, 10, 510, 410});
  HWND client = CreateTestWindow("mdi-client", RECT{0, 0, 480, 360}, kTestChildStyle, 0, frame);
  HWND childForm = CreateTestWindow("child-form", RECT{10, 10, 310, 210}, kTestChildStyle, 0, client);
  HWND control = CreateControl(childForm);
  MessageInterception interception;
  interception.Start(m_Control, {.hWndControl = control, .hWndForm = childForm, .bFormIsMDIChild = true, .hWndTop = frame});
  EXPECT_TRUE(SameSequence({"child-form:", "frame:" + kTopSees, "control:" + kControlSees}, Probe({childForm, frame, control})));
  interception.Stop();
}

}  // namespace
}  // namespace mirel_test
