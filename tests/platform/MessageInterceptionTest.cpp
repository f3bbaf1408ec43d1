// A menu-bar control's interception of its host's windows: which messages of the form, the
// top-level window and its own window it sees, its keyboard-hook registration, and that
// stopping leaves no attachment and no hook behind.
#include <algorithm>
#include <string>
#include <vector>

#include "Recorders.h"
#include "platform/MessageInterception.h"
#include "platform/voxSubClsSvr.h"
#include "support/HeadlessTest.h"

namespace mirel_test {
namespace {

constexpr int kKeyF = 'F';

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
