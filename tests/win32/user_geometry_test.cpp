// Moving, sizing, showing and stacking windows as the control's menus and tips do it.
#include "support/HeadlessTest.h"

namespace mirel_test {
namespace {

class WindowGeometry : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    form_ = CreateTestWindow("form", RECT{0, 0, 300, 200});
    Desktop().DoEvents();
  }
  HWND form_ = nullptr;
};

TEST_F(WindowGeometry, MoveAndSizeReportOnlyWhatChanged) {
  MessageLog log;
  MoveWindow(form_, 10, 0, 300, 200, TRUE);
  EXPECT_TRUE(SameSequence({"form WM_WINDOWPOSCHANGING", "form WM_WINDOWPOSCHANGED", "form WM_MOVE"}, log.Entries()));
  log.Clear();
  SetWindowPos(form_, nullptr, 0, 0, 320, 240, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(SameSequence({"form WM_WINDOWPOSCHANGING", "form WM_WINDOWPOSCHANGED", "form WM_SIZE"}, log.Entries()));
  RECT r{};
  GetClientRect(form_, &r);
  EXPECT_EQ(r.right, 320);
  EXPECT_EQ(r.bottom, 240);
  log.Clear();
  Desktop().DoEvents();  // a resized window paints again
  EXPECT_TRUE(SameSequence({"form WM_PAINT", "form WM_ERASEBKGND"}, log.Entries()));
}

TEST_F(WindowGeometry, MenuShownWithoutActivationLeavesTheFormActive) {
  HWND menu = CreateTestWindow("menu", RECT{20, 20, 120, 120}, WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, form_);
  MessageLog log;
  ShowWindow(menu, SW_SHOWNOACTIVATE);
  EXPECT_TRUE(IsWindowVisible(menu));
  EXPECT_EQ(GetActiveWindow(), form_);
  EXPECT_EQ(GetFocus(), form_);
  EXPECT_TRUE(SameSequence({"menu WM_SHOWWINDOW", "menu WM_WINDOWPOSCHANGING", "menu WM_WINDOWPOSCHANGED"}, log.Entries()));
  EXPECT_EQ(WindowFromPoint(POINT{50, 50}), menu);
}

TEST_F(WindowGeometry, TipRaisedTopMostAndShownWithoutActivation) {
  constexpr UINT kShowTipFlags = SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
  HWND tip = CreateTestWindow("tip", RECT{40, 40, 90, 60}, WS_POPUP, WS_EX_TOOLWINDOW, form_);
  HWND other = CreateTestWindow("other", RECT{0, 0, 200, 200}, kTestPopupStyle, WS_EX_TOPMOST);
  SetActiveWindow(form_);
  SetWindowPos(tip, HWND_TOPMOST, 0, 0, 80, 20, kShowTipFlags);
  EXPECT_TRUE(GetWindowLongA(tip, GWL_EXSTYLE) & static_cast<LONG>(WS_EX_TOPMOST));
  EXPECT_EQ(GetActiveWindow(), form_);
  EXPECT_EQ(WindowFromPoint(POINT{45, 45}), tip);
  EXPECT_EQ(WindowFromPoint(POINT{150, 150}), other);
  RECT r{};
  GetWindowRect(tip, &r);
  EXPECT_EQ(r.right - r.left, 80);
}

TEST_F(WindowGeometry, EnableWindowReportsThePreviousStateAndNotifies) {
  MessageLog log;
  EXPECT_FALSE(EnableWindow(form_, FALSE));  // was enabled
  EXPECT_TRUE(EnableWindow(form_, FALSE));   // already disabled, nothing sent
  EXPECT_TRUE(EnableWindow(form_, TRUE));
  EXPECT_TRUE(SameSequence({"form WM_KILLFOCUS", "form WM_ENABLE", "form WM_ENABLE"}, log.Entries()));
  EXPECT_EQ(GetFocus(), nullptr);
}

}  // namespace
}  // namespace mirel_test
