// The subclassing server as a host's windows meet it: attached objects see the messages of
// foreign windows while the windows' own procedures keep running, and detaching puts every
// window back the way it was.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "RecordingWindows.h"
#include "platform/voxSubClsSvr.h"
#include "win32/desktop.h"

using namespace platform_test;

namespace {

constexpr LRESULT kObjectResult = 42;

class RecordingSubclass : public ISubclass {
 public:
  explicit RecordingSubclass(std::string name, EMsgResponse eResponse = emrPreprocess)
      : m_sName(std::move(name)), m_eResponse(eResponse) {}

  EMsgResponse MsgResponse() const override { return m_eResponse; }
  void MsgResponse(EMsgResponse eResponse) override { m_eResponse = eResponse; }
  LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM, LPARAM) override {
    TheLog().push_back(m_sName + " " + MessageName(iMsg));
    if (m_OnMessage) m_OnMessage(hWnd, iMsg);
    return kObjectResult;
  }

  std::function<void(HWND, UINT)> m_OnMessage;

 private:
  std::string m_sName;
  EMsgResponse m_eResponse;
};

// A subclasser that does not go through the server, stacking its procedure on a window.
LONG g_lStackedNext = 0;
LRESULT StackedProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  TheLog().push_back("stacked " + MessageName(iMsg));
  return CallWindowProcA(g_lStackedNext, hWnd, iMsg, wParam, lParam);
}

class SubclassServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetDesktop();
    m_AttachmentsBefore = Server().AttachmentCount();
  }
  void TearDown() override { EXPECT_EQ(Server().AttachmentCount(), m_AttachmentsBefore); }

  static voxSubClsSvr& Server() { return voxSubClsSvr::Instance(); }

 private:
  size_t m_AttachmentsBefore = 0;
};

TEST_F(SubclassServerTest, ForeignFormActivationReachesObjectThenFormProcedure) {
  HWND form = CreateRecordingWindow("form", 10, 10);
  CreateRecordingWindow("other", 300, 10);
  RecordingSubclass watcher("watcher");
  Server().AttachWindowMessage(&watcher, form, WM_ACTIVATE);
  TheLog().clear();

  win32::TheDesktop().MouseMove(100, 100);
  win32::TheDesktop().Click();

  ExpectSequence({"other WM_ACTIVATE", "watcher WM_ACTIVATE", "form WM_ACTIVATE"},
                 Only(TheLog(), {"WM_ACTIVATE"}));
  Server().DetachWindowMessage(&watcher, form, WM_ACTIVATE);
}

TEST_F(SubclassServerTest, OnlyAttachedMessagesReachTheObject) {
  HWND form = CreateRecordingWindow("form", 10, 10);
  RecordingSubclass watcher("watcher");
  Server().AttachWindowMessage(&watcher, form, WM_LBUTTONDOWN);
  TheLog().clear();

  win32::TheDesktop().MouseMove(100, 100);
  win32::TheDesktop().Click();

  ExpectSequence({"watcher WM_LBUTTONDOWN", "form WM_LBUTTONDOWN", "form WM_LBUTTONUP"},
                 Only(TheLog(), {"WM_LBUTTONDOWN", "WM_LBUTTONUP"}));
  Server().DetachWindowMessage(&watcher, form, WM_LBUTTONDOWN);
}

TEST_F(SubclassServerTest, MsgResponseDecidesOrderAndResult) {
  HWND form = CreateRecordingWindow("form", 10, 10);
  struct Case {
    EMsgResponse eResponse;
    Log expected;
    LRESULT result;
  };
  const Case cases[] = {
      {emrPreprocess, {"watcher WM_USER", "form WM_USER"}, 0},
      {emrPostProcess, {"form WM_USER", "watcher WM_USER"}, kObjectResult},
      {emrConsume, {"watcher WM_USER"}, kObjectResult},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.eResponse);
    RecordingSubclass watcher("watcher", c.eResponse);
    Server().AttachWindowMessage(&watcher, form, WM_USER);
    TheLog().clear();
    EXPECT_EQ(SendMessageA(form, WM_USER, 0, 0), c.result);
    ExpectSequence(c.expected, TheLog());
    Server().DetachWindowMessage(&watcher, form, WM_USER);
  }
}

TEST_F(SubclassServerTest, SeveralObjectsSeeAMessageInAttachmentOrder) {
  HWND form = CreateRecordingWindow("form", 10, 10);
  RecordingSubclass first("first");
  RecordingSubclass second("second");
  Server().AttachWindowMessage(&second, form, WM_USER);
  Server().AttachWindowMessage(&first, form, WM_USER);
  TheLog().clear();

  SendMessageA(form, WM_USER, 0, 0);

  ExpectSequence({"second WM_USER", "first WM_USER", "form WM_USER"}, TheLog());
  Server().DetachWindowMessage(&first, form, WM_USER);
  Server().DetachWindowMessage(&second, form, WM_USER);
}

TEST_F(SubclassServerTest, RepeatedAttachDeliversOnceAndNeedsAsManyDetaches) {
  HWND form = CreateRecordingWindow("form", 10, 10);
  const LONG original = GetWindowLongA(form, GWL_WNDPROC);
  RecordingSubclass watcher("watcher");
  Server().AttachWindowMessage(&watcher, form, WM_USER);
  Server().AttachWindowMessage(&watcher, form, WM_USER);
  TheLog().clear();

  SendMessageA(form, WM_USER, 0, 0);
  ExpectSequence({"watcher WM_USER", "form WM_USER"}, TheLog());

  Server().DetachWindowMessage(&watcher, form, WM_USER);
  EXPECT_TRUE(Server().IsSubclassed(form));
  Server().DetachWindowMessage(&watcher, form, WM_USER);
  EXPECT_FALSE(Server().IsSubclassed(form));
  EXPECT_EQ(GetWindowLongA(form, GWL_WNDPROC), original);
}

TEST_F(SubclassServerTest, DetachingInAnyOrderRestoresTheOriginalProcedure) {
  HWND form = CreateRecordingWindow("form", 10, 10);
  HWND top = CreateRecordingWindow("top", 300, 10);
  const LONG formOriginal = GetWindowLongA(form, GWL_WNDPROC);
  RecordingSubclass a("a");
  RecordingSubclass b("b");
  Server().AttachWindowMessage(&a, form, WM_ACTIVATE);
  Server().AttachWindowMessage(&b, top, WM_SHOWWINDOW);
  Server().AttachWindowMessage(&b, form, WM_USER);
  Server().AttachWindowMessage(&a, top, WM_ACTIVATE);
  EXPECT_EQ(Server().AttachmentCount(), 4u);

  Server().DetachWindowMessage(&a, form, WM_ACTIVATE);
  Server().DetachWindowMessage(&a, top, WM_ACTIVATE);
  EXPECT_TRUE(Server().IsSubclassed(form));
  Server().DetachWindowMessage(&b, form, WM_USER);
  Server().DetachWindowMessage(&b, top, WM_SHOWWINDOW);

  EXPECT_EQ(Server().AttachmentCount(), 0u);
  EXPECT_FALSE(Server().IsSubclassed(form));
  EXPECT_FALSE(Server().IsSubclassed(top));
  EXPECT_EQ(GetWindowLongA(form, GWL_WNDPROC), formOriginal);
  TheLog().clear();
  SendMessageA(form, WM_USER, 0, 0);
  ExpectSequence({"form WM_USER"}, TheLog());
}

TEST_F(SubclassServerTest, ProcedureStackedOnTopKeepsWorkingAndTheOriginalReturnsWhenItLeaves) {
  HWND form = CreateRecordingWindow("form", 10, 10);
  const LONG original = GetWindowLongA(form, GWL_WNDPROC);
  RecordingSubclass watcher("watcher");
  Server().AttachWindowMessage(&watcher, form, WM_USER);
  g_lStackedNext = SetWindowLongA(form, GWL_WNDPROC, LongFromWndProc(&StackedProc));

  Server().DetachWindowMessage(&watcher, form, WM_USER);
  EXPECT_EQ(GetWindowLongA(form, GWL_WNDPROC), LongFromWndProc(&StackedProc));
  TheLog().clear();
  SendMessageA(form, WM_USER, 0, 0);
  ExpectSequence({"stacked WM_USER", "form WM_USER"}, TheLog());

  SetWindowLongA(form, GWL_WNDPROC, g_lStackedNext);
  TheLog().clear();
  SendMessageA(form, WM_USER, 0, 0);
  ExpectSequence({"form WM_USER"}, TheLog());
  EXPECT_EQ(GetWindowLongA(form, GWL_WNDPROC), original);
  EXPECT_FALSE(Server().IsSubclassed(form));
}

TEST_F(SubclassServerTest, ObjectDetachingDuringAMessageLetsTheWindowFinishIt) {
  HWND form = CreateRecordingWindow("form", 10, 10);
  RecordingSubclass watcher("watcher");
  watcher.m_OnMessage = [&watcher](HWND hWnd, UINT iMsg) {
    voxSubClsSvr::Instance().DetachWindowMessage(&watcher, hWnd, iMsg);
  };
  Server().AttachWindowMessage(&watcher, form, WM_DESTROY);
  TheLog().clear();

  DestroyWindow(form);

  ExpectSequence({"watcher WM_DESTROY", "form WM_DESTROY", "form WM_NCDESTROY"},
                 Only(TheLog(), {"WM_DESTROY", "WM_NCDESTROY"}));
  EXPECT_FALSE(Server().IsSubclassed(form));
}

TEST_F(SubclassServerTest, DestroyedWindowLeavesNothingBehind) {
  HWND form = CreateRecordingWindow("form", 10, 10);
  RecordingSubclass watcher("watcher");
  Server().AttachWindowMessage(&watcher, form, WM_USER);
  Server().AttachWindowMessage(&watcher, form, WM_ACTIVATE);

  DestroyWindow(form);

  EXPECT_EQ(Server().AttachmentCount(), 0u);
  EXPECT_FALSE(Server().IsSubclassed(form));
  Server().DetachWindowMessage(&watcher, form, WM_USER);
}

}  // namespace
