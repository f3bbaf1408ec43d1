// A menu-bar control's interception of its host's windows: which messages of the form, the
// top-level window and its own window it sees, its keyboard-hook registration, and that
// stopping leaves no attachment and no hook behind.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RecordingWindows.h"
#include "platform/MessageInterception.h"
#include "platform/voxSubClsSvr.h"
#include "win32/desktop.h"
#include "win32/objcount.h"

using namespace platform_test;

namespace {

constexpr int kNameBufferSize = 64;
constexpr int kKeyF = 'F';

std::string NameOf(HWND hWnd) {
  char name[kNameBufferSize] = {};
  GetWindowTextA(hWnd, name, kNameBufferSize);
  return name;
}

// Stands in for the menu-bar control: sees intercepted messages and hooked keys.
class FakeControl : public ISubclass, public IKeyboardHookClient {
 public:
  EMsgResponse MsgResponse() const override { return emrPreprocess; }
  void MsgResponse(EMsgResponse) override {}
  LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM, LPARAM) override {
    TheLog().push_back("control-object " + NameOf(hWnd) + " " + MessageName(iMsg));
    return 0;
  }
  void HookKey(std::int16_t iVirtKey, bool bKeyUp, bool, bool, bool&) override {
    if (!bKeyUp) TheLog().push_back("control-object key " + std::string(1, static_cast<char>(iVirtKey)));
  }
};

const std::vector<UINT> kProbeMessages = {WM_DESTROY,     WM_ACTIVATE,       WM_SHOWWINDOW, WM_ACTIVATEAPP,
                                          WM_MOUSEACTIVATE, WM_GETMINMAXINFO, WM_TIMER,     WM_MOUSEMOVE,
                                          WM_LBUTTONDOWN, WM_RBUTTONDOWN,    WM_MBUTTONDOWN, WM_CAPTURECHANGED};

// Sends every probe message to each window and lists those the control object saw as sent
// (side effects of the default handling, such as WM_MOUSEACTIVATE going to the parent, are
// not counted).
Log Probe(const std::vector<HWND>& windows) {
  Log seen;
  for (HWND hWnd : windows) {
    for (UINT iMsg : kProbeMessages) {
      const std::string entry = "control-object " + NameOf(hWnd) + " " + MessageName(iMsg);
      TheLog().clear();
      SendMessageA(hWnd, iMsg, 0, 0);
      if (std::find(TheLog().begin(), TheLog().end(), entry) != TheLog().end()) seen.push_back(entry);
    }
  }
  return seen;
}

Log Expected(const std::string& window, const std::vector<std::string>& messages) {
  Log expected;
  for (const std::string& message : messages) expected.push_back("control-object " + window + " " + message);
  return expected;
}

Log Concat(std::vector<Log> parts) {
  Log all;
  for (const Log& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const std::vector<std::string> kFormMessages = {"WM_ACTIVATE",    "WM_ACTIVATEAPP", "WM_MOUSEACTIVATE",
                                                "WM_GETMINMAXINFO", "WM_LBUTTONDOWN", "WM_RBUTTONDOWN",
                                                "WM_MBUTTONDOWN", "WM_CAPTURECHANGED"};
const std::vector<std::string> kTopMessages = {"WM_ACTIVATE",      "WM_SHOWWINDOW",  "WM_ACTIVATEAPP",
                                               "WM_MOUSEACTIVATE", "WM_GETMINMAXINFO", "WM_LBUTTONDOWN",
                                               "WM_RBUTTONDOWN",   "WM_MBUTTONDOWN", "WM_CAPTURECHANGED"};
const std::vector<std::string> kControlMessages = {"WM_DESTROY", "WM_TIMER", "WM_MOUSEMOVE"};

class MessageInterceptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetDesktop();
    m_AttachmentsBefore = voxSubClsSvr::Instance().AttachmentCount();
  }
  void TearDown() override {
    EXPECT_EQ(voxSubClsSvr::Instance().AttachmentCount(), m_AttachmentsBefore);
    EXPECT_FALSE(mHooks::IsHookInstalled());
  }

  HWND CreateControl(HWND parent) {
    HWND hWnd = CreateRecordingChild("control", parent, 0, 0, 150, 24);
    SetPropA(hWnd, mHooks::ObjectPropertyName(mHooks::hckMenuBar), &m_Control);
    return hWnd;
  }

  FakeControl m_Control;
  size_t m_AttachmentsBefore = 0;
};

TEST_F(MessageInterceptionTest, FormInsideAnotherWindowTopLevelAndControlEachGiveTheirMessages) {
  HWND top = CreateRecordingWindow("top", 10, 10, 400, 300);
  HWND form = CreateRecordingChild("form", top, 10, 10, 300, 200);
  HWND control = CreateControl(form);
  MessageInterception interception;
  interception.Start(m_Control, {.hWndControl = control, .hWndForm = form, .bFormIsMDIChild = false, .hWndTop = top});

  ExpectSequence(Concat({Expected("form", kFormMessages), Expected("top", kTopMessages),
                         Expected("control", kControlMessages)}),
                 Probe({form, top, control}));
  interception.Stop();
}

TEST_F(MessageInterceptionTest, MdiChildFormIsWatchedThroughItsFrameOnce) {
  HWND frame = CreateRecordingWindow("frame", 10, 10, 500, 400);
  HWND client = CreateRecordingChild("mdi-client", frame, 0, 0, 480, 360);
  HWND childForm = CreateRecordingChild("child-form", client, 10, 10, 300, 200);
  HWND control = CreateControl(childForm);
  MessageInterception interception;
  interception.Start(m_Control,
                     {.hWndControl = control, .hWndForm = childForm, .bFormIsMDIChild = true, .hWndTop = frame});

  ExpectSequence(Concat({Expected("frame", kTopMessages), Expected("control", kControlMessages)}),
                 Probe({childForm, frame, control}));
  interception.Stop();
}

TEST_F(MessageInterceptionTest, ControlIsAKeyboardHookClientWhileIntercepting) {
  HWND form = CreateRecordingWindow("form", 10, 10, 300, 200);
  HWND control = CreateControl(form);
  SetFocus(form);
  MessageInterception interception;
  interception.Start(m_Control, {.hWndControl = control, .hWndForm = form, .bFormIsMDIChild = false, .hWndTop = form});
  TheLog().clear();

  win32::TheDesktop().KeyDown(kKeyF);
  ExpectSequence({"control-object key F", "form WM_KEYDOWN"}, Only(TheLog(), {"F", "WM_KEYDOWN"}));
  win32::TheDesktop().KeyUp(kKeyF);
  interception.Stop();
}

TEST_F(MessageInterceptionTest, StoppingLeavesNoAttachmentNoHookAndTheWindowsAsTheyWere) {
  HWND top = CreateRecordingWindow("top", 10, 10, 400, 300);
  HWND form = CreateRecordingChild("form", top, 10, 10, 300, 200);
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
