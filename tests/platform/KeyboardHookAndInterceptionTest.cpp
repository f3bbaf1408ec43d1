// The thread keyboard hook as users meet it: keys typed on the keyboard are offered to the
// registered menu bars, bands and menu windows before the focus window sees them. And a
// menu-bar control's interception of its host's windows: which messages of the form, the
// top-level window and its own window it sees, its keyboard-hook registration, and that
// stopping leaves no attachment and no hook behind.
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Recorders.h"
#include "platform/MessageInterception.h"
#include "platform/mHooks.h"
#include "platform/voxSubClsSvr.h"
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

RecordingObject NamingWindows(const std::string& name) {
  RecordingObject object(name);
  object.m_bNameWindows = true;
  return object;
}

std::string NameOf(HWND hWnd) {
  char name[64] = {};
  GetWindowTextA(hWnd, name, sizeof name);
  return name;
}

const std::vector<UINT> kProbeMessages = {WM_DESTROY,     WM_ACTIVATE,       WM_SHOWWINDOW, WM_ACTIVATEAPP,
                                          WM_MOUSEACTIVATE, WM_GETMINMAXINFO, WM_TIMER,     WM_MOUSEMOVE,
                                          WM_LBUTTONDOWN, WM_RBUTTONDOWN,    WM_MBUTTONDOWN, WM_CAPTURECHANGED};

// Sends every probe message to each window and lists those the control object saw as sent
// (side effects of the default handling, such as WM_MOUSEACTIVATE going to the parent, are
// not counted).
Sequence Probe(const std::vector<HWND>& windows) {
  Sequence seen;
  for (HWND hWnd : windows) {
    for (UINT iMsg : kProbeMessages) {
      const std::string entry = "control-object " + NameOf(hWnd) + " " + MessageName(iMsg);
      MessageLog log;
      SendMessageA(hWnd, iMsg, 0, 0);
      if (std::find(log.Entries().begin(), log.Entries().end(), entry) != log.Entries().end()) seen.push_back(entry);
    }
  }
  return seen;
}

// What the control object should see: each window's messages, in the order given.
Sequence Expected(const std::vector<std::pair<std::string, std::vector<std::string>>>& windows) {
  Sequence expected;
  for (const auto& [window, messages] : windows) {
    for (const std::string& message : messages) expected.push_back("control-object " + window + " " + message);
  }
  return expected;
}

const std::vector<std::string> kFormMessages = {"WM_ACTIVATE",    "WM_ACTIVATEAPP", "WM_MOUSEACTIVATE",
                                                "WM_GETMINMAXINFO", "WM_LBUTTONDOWN", "WM_RBUTTONDOWN",
                                                "WM_MBUTTONDOWN", "WM_CAPTURECHANGED"};
const std::vector<std::string> kTopMessages = {"WM_ACTIVATE",      "WM_SHOWWINDOW",  "WM_ACTIVATEAPP",
                                               "WM_MOUSEACTIVATE", "WM_GETMINMAXINFO", "WM_LBUTTONDOWN",
                                               "WM_RBUTTONDOWN",   "WM_MBUTTONDOWN", "WM_CAPTURECHANGED"};
const std::vector<std::string> kControlMessages = {"WM_DESTROY", "WM_TIMER", "WM_MOUSEMOVE"};

class MessageInterceptionTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    m_AttachmentsBefore = voxSubClsSvr::Instance().AttachmentCount();
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
  RecordingObject m_Control = NamingWindows("control-object");
  size_t m_AttachmentsBefore = 0;
};

TEST_F(MessageInterceptionTest, FormInsideAnotherWindowTopLevelAndControlEachGiveTheirMessages) {
  HWND top = CreateTestWindow("top", RECT{10, 10, 410, 310});
  HWND form = CreateTestWindow("form", RECT{10, 10, 310, 210}, kTestChildStyle, 0, top);
  HWND control = CreateControl(form);
  MessageInterception interception;
  interception.Start(m_Control, {.hWndControl = control, .hWndForm = form, .bFormIsMDIChild = false, .hWndTop = top});

  EXPECT_TRUE(SameSequence(Expected({{"form", kFormMessages}, {"top", kTopMessages}, {"control", kControlMessages}}),
                           Probe({form, top, control})));
  interception.Stop();
}

TEST_F(MessageInterceptionTest, MdiChildFormIsWatchedThroughItsFrameOnce) {
  HWND frame = CreateTestWindow("frame", RECT{10, 10, 510, 410});
  HWND client = CreateTestWindow("mdi-client", RECT{0, 0, 480, 360}, kTestChildStyle, 0, frame);
  HWND childForm = CreateTestWindow("child-form", RECT{10, 10, 310, 210}, kTestChildStyle, 0, client);
  HWND control = CreateControl(childForm);
  MessageInterception interception;
  interception.Start(m_Control,
                     {.hWndControl = control, .hWndForm = childForm, .bFormIsMDIChild = true, .hWndTop = frame});

  EXPECT_TRUE(SameSequence(Expected({{"frame", kTopMessages}, {"control", kControlMessages}}),
                           Probe({childForm, frame, control})));
  interception.Stop();
}

TEST_F(MessageInterceptionTest, ControlIsAKeyboardHookClientWhileIntercepting) {
  HWND form = CreateTestWindow("form", RECT{10, 10, 310, 210});
  HWND control = CreateControl(form);
  SetFocus(form);
  MessageInterception interception;
  interception.Start(m_Control, {.hWndControl = control, .hWndForm = form, .bFormIsMDIChild = false, .hWndTop = form});
  m_Log.Clear();
  Desktop().KeyDown(kKeyF);
  EXPECT_TRUE(SameSequence({"control-object key F down", "form WM_KEYDOWN"}, m_Log.Only({"down", "WM_KEYDOWN"})));
  Desktop().KeyUp(kKeyF);
  interception.Stop();
}

TEST_F(MessageInterceptionTest, StoppingLeavesNoAttachmentNoHookAndTheWindowsAsTheyWere) {
  HWND top = CreateTestWindow("top", RECT{10, 10, 410, 310});
  HWND form = CreateTestWindow("form", RECT{10, 10, 310, 210}, kTestChildStyle, 0, top);
  HWND control = CreateControl(form);
  const std::vector<LONG> procs = {GetWindowLongA(top, GWL_WNDPROC), GetWindowLongA(form, GWL_WNDPROC),
                                   GetWindowLongA(control, GWL_WNDPROC)};
  const win32::LiveObjectCounts beforeStart = win32::SnapshotLiveObjects();
  {
    MessageInterception interception;
    interception.Start(m_Control, {.hWndControl = control, .hWndForm = form, .bFormIsMDIChild = false, .hWndTop = top});
    EXPECT_TRUE(interception.Active());
    EXPECT_TRUE(mHooks::IsHookInstalled());
  }

  EXPECT_EQ(voxSubClsSvr::Instance().AttachmentCount(), m_AttachmentsBefore);
  EXPECT_EQ(mHooks::HookClientCount(), 0u);
  EXPECT_TRUE(win32::SnapshotLiveObjects() == beforeStart);
  EXPECT_EQ(procs, (std::vector<LONG>{GetWindowLongA(top, GWL_WNDPROC), GetWindowLongA(form, GWL_WNDPROC),
                                      GetWindowLongA(control, GWL_WNDPROC)}));
  EXPECT_TRUE(Probe({form, top, control}).empty());
}

}  // namespace
}  // namespace mirel_test
