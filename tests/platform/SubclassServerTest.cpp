// The subclassing server as a host's windows meet it: attached objects see the messages of
// foreign windows while the windows' own procedures keep running, and detaching puts every
// window back the way it was.
#include <vector>
#include <string>

#include "Recorders.h"
#include "platform/voxSubClsSvr.h"
#include "support/HeadlessTest.h"
#include "support/Values.h"

namespace mirel_test {
namespace {

// A subclasser that does not go through the server, stacking its procedure on a window.
LONG g_lStackedNext = 0;
LRESULT StackedProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
  MessageLog::Active()->Add("stacked " + MessageName(iMsg));
  return CallWindowProcA(g_lStackedNext, hWnd, iMsg, wParam, lParam);
}

class SubclassServerTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    m_AttachmentsBefore = Server().AttachmentCount();
  }
  void TearDown() override { EXPECT_EQ(Server().AttachmentCount(), m_AttachmentsBefore); }

  static voxSubClsSvr& Server() { return voxSubClsSvr::Instance(); }
  static HWND Window(const char* name, int x) { return CreateTestWindow(name, RECT{x, 10, x + 200, 160}); }
  MessageLog m_Log;

 private:
  size_t m_AttachmentsBefore = 0;
};

// Each row attaches a watcher to a foreign form for one message, with a response, and either
// clicks the form or sends it the message: only the attached message reaches the watcher,
// before or after the form's own procedure or instead of it, and the response decides the
// result.
TEST_F(SubclassServerTest, AttachedMessagesReachTheObjectAsItsResponseSays) {
  const struct {
    UINT attached;
    EMsgResponse eResponse;
    std::vector<std::string> shown;  // empty: a WM_USER sent, every entry shown
    Sequence expected;
    LRESULT result = 0;
  } cases[] = {
      {WM_ACTIVATE, emrPreprocess, {"WM_ACTIVATE"}, {"other WM_ACTIVATE", "watcher WM_ACTIVATE", "form WM_ACTIVATE"}},
      {WM_LBUTTONDOWN, emrPreprocess, {"WM_LBUTTONDOWN", "WM_LBUTTONUP"},
       {"watcher WM_LBUTTONDOWN", "form WM_LBUTTONDOWN", "form WM_LBUTTONUP"}},
      {WM_USER, emrPreprocess, {}, {"watcher WM_USER", "form WM_USER"}},
      {WM_USER, emrPostProcess, {}, {"form WM_USER", "watcher WM_USER"}, kObjectResult},
      {WM_USER, emrConsume, {}, {"watcher WM_USER"}, kObjectResult},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(MessageName(c.attached) + " " + std::to_string(c.eResponse));
    HWND form = Window("form", 10);
    HWND other = Window("other", 300);
    RecordingObject watcher("watcher", 0, c.eResponse);
    Server().AttachWindowMessage(&watcher, form, c.attached);
    m_Log.Clear();
    if (c.shown.empty()) {
      EXPECT_EQ(SendMessageA(form, WM_USER, 0, 0), c.result);
    } else {
      Desktop().AdvanceTime(GetDoubleClickTime() + 1);  // not a double click
      Desktop().MouseMove(100, 100);
      Desktop().Click();
    }
    EXPECT_TRUE(SameSequence(c.expected, c.shown.empty() ? m_Log.Entries() : m_Log.Only(c.shown)));
    Server().DetachWindowMessage(&watcher, form, c.attached);
    DestroyWindow(form);
    DestroyWindow(other);
  }
}

// One window's story, with who saw a WM_USER after each step: objects see it in attachment
// order and once each; one attached twice needs two detaches; detaching in any order (another
// window's attachments still there) gives the form its own procedure back; a procedure
// stacked on top by someone else keeps working and the original returns when it leaves.
// Destroyed, the window takes its attachments with it.
TEST_F(SubclassServerTest, AttachAndDetachInAnyOrderPutTheWindowBackAsItWas) {
  HWND form = Window("form", 10);
  HWND top = Window("top", 300);
  const LONG original = GetWindowLongA(form, GWL_WNDPROC);
  RecordingObject first("first");
  RecordingObject second("second");
  Sequence seen;
  const auto after = [&](const std::string& step) {
    seen.push_back("-- " + step);
    m_Log.Clear();
    SendMessageA(form, WM_USER, 0, 0);
    seen.insert(seen.end(), m_Log.Entries().begin(), m_Log.Entries().end());
    const LONG proc = GetWindowLongA(form, GWL_WNDPROC);
    seen.push_back(std::to_string(Server().AttachmentCount()) + " attached, form " +
                   (proc == original ? "original" : proc == LongFromWndProc(&StackedProc) ? "stacked" : "server's") +
                   (Server().IsSubclassed(form) ? " subclassed" : "") + ", top " + (Server().IsSubclassed(top) ? "subclassed" : "plain"));
  };
  Server().AttachWindowMessage(&second, form, WM_USER);
  Server().AttachWindowMessage(&first, form, WM_USER);
  Server().AttachWindowMessage(&first, form, WM_USER);
  Server().AttachWindowMessage(&first, top, WM_ACTIVATE);
  Server().AttachWindowMessage(&second, top, WM_SHOWWINDOW);
  after("attached");
  Server().DetachWindowMessage(&second, form, WM_USER);
  Server().DetachWindowMessage(&first, form, WM_USER);
  after("second and one of first's detached");
  Server().DetachWindowMessage(&first, form, WM_USER);
  after("first's other detached");
  Server().DetachWindowMessage(&second, top, WM_SHOWWINDOW);
  Server().DetachWindowMessage(&first, top, WM_ACTIVATE);
  after("top's detached");
  Server().AttachWindowMessage(&first, form, WM_USER);
  g_lStackedNext = SetWindowLongA(form, GWL_WNDPROC, LongFromWndProc(&StackedProc));
  Server().DetachWindowMessage(&first, form, WM_USER);
  after("attached, stacked on, detached");
  SetWindowLongA(form, GWL_WNDPROC, g_lStackedNext);
  after("unstacked");
  EXPECT_TRUE(SameSequence({"-- attached", "second WM_USER", "first WM_USER", "form WM_USER",
                            "5 attached, form server's subclassed, top subclassed", "-- second and one of first's detached",
                            "first WM_USER", "form WM_USER", "3 attached, form server's subclassed, top subclassed",
                            "-- first's other detached", "form WM_USER", "2 attached, form original, top subclassed",
                            "-- top's detached", "form WM_USER", "0 attached, form original, top plain",
                            "-- attached, stacked on, detached", "stacked WM_USER", "form WM_USER",
                            "0 attached, form stacked subclassed, top plain", "-- unstacked", "form WM_USER",
                            "0 attached, form original, top plain"},
                           seen));

  // An object detaching while its window is being destroyed lets the window finish; the
  // window's remaining attachments go with it.
  second.m_OnMessage = [&second](HWND hWnd, UINT iMsg) { voxSubClsSvr::Instance().DetachWindowMessage(&second, hWnd, iMsg); };
  Server().AttachWindowMessage(&second, form, WM_DESTROY);
  Server().AttachWindowMessage(&first, form, WM_USER);
  Server().AttachWindowMessage(&first, form, WM_ACTIVATE);
  m_Log.Clear();
  DestroyWindow(form);
  EXPECT_TRUE(SameSequence({"second WM_DESTROY", "form WM_DESTROY", "form WM_NCDESTROY"}, m_Log.Only({"WM_DESTROY", "WM_NCDESTROY"})));
  EXPECT_EQ(Values(Server().AttachmentCount(), Server().IsSubclassed(form)), "0 0");
  Server().DetachWindowMessage(&first, form, WM_USER);
}

}  // namespace
}  // namespace mirel_test
