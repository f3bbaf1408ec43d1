// Creation and destruction as a host meets them: message order, ownership, and leaks.
#include "support/HeadlessTest.h"

namespace mirel_test {
namespace {

class WindowLifecycle : public HeadlessTest {};

constexpr RECT kMainRect{10, 10, 210, 160};
constexpr RECT kChildRect{5, 5, 105, 65};
constexpr RECT kGrandchildRect{2, 2, 32, 22};
constexpr RECT kPopupRect{50, 50, 120, 90};

TEST_F(WindowLifecycle, VisibleTopLevelWindowIsCreatedShownActivatedAndPainted) {
  MessageLog log;
  HWND main = CreateTestWindow("main", kMainRect);
  ASSERT_TRUE(IsWindow(main));
  EXPECT_TRUE(SameSequence({"main WM_NCCREATE", "main WM_CREATE", "main WM_SIZE", "main WM_MOVE",
                            "main WM_SHOWWINDOW", "main WM_WINDOWPOSCHANGING", "main WM_ACTIVATEAPP",
                            "main WM_NCACTIVATE", "main WM_ACTIVATE", "main WM_SETFOCUS",
                            "main WM_WINDOWPOSCHANGED"},
                           log.Entries()));
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetFocus(), main);
  log.Clear();
  Desktop().DoEvents();
  EXPECT_TRUE(SameSequence({"main WM_PAINT", "main WM_ERASEBKGND"}, log.Entries()));
}

TEST_F(WindowLifecycle, ChildWindowGetsCreationMessagesWithoutActivation) {
  HWND main = CreateTestWindow("main", kMainRect);
  MessageLog log;
  HWND child = CreateTestWindow("child", kChildRect, kTestChildStyle, 0, main);
  EXPECT_TRUE(SameSequence({"child WM_NCCREATE", "child WM_CREATE", "child WM_SIZE", "child WM_MOVE"}, log.Entries()));
  EXPECT_EQ(GetParent(child), main);
  RECT r{};
  GetWindowRect(child, &r);
  EXPECT_EQ(r.left, kMainRect.left + kChildRect.left);
  EXPECT_EQ(r.top, kMainRect.top + kChildRect.top);
}

TEST_F(WindowLifecycle, WindowRefusingCreationIsGoneAgain) {
  WNDCLASSA wc{};
  wc.lpszClassName = "Refuser";
  wc.lpfnWndProc = [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
    return msg == WM_CREATE ? -1 : DefWindowProcA(hwnd, msg, wParam, lParam);
  };
  ASSERT_NE(RegisterClassA(&wc), 0);
  const auto before = win32::SnapshotLiveObjects();
  EXPECT_EQ(CreateWindowExA(0, "Refuser", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);
  EXPECT_EQ(win32::SnapshotLiveObjects(), before);
}

TEST_F(WindowLifecycle, DestroyGoesOwnedFirstThenParentFirstDestroyAndChildFirstNcDestroy) {
  HWND main = CreateTestWindow("main", kMainRect);
  HWND child = CreateTestWindow("child", kChildRect, kTestChildStyle, 0, main);
  HWND grandchild = CreateTestWindow("grandchild", kGrandchildRect, kTestChildStyle, 0, child);
  HWND popup = CreateTestWindow("popup", kPopupRect, kTestPopupStyle, 0, main);
  ASSERT_EQ(GetWindow(popup, GW_OWNER), main);
  SetCapture(grandchild);
  SetTimer(child, 1, 100, nullptr);
  int marker = 0;
  SetPropA(main, "Key", &marker);

  MessageLog log;
  EXPECT_TRUE(DestroyWindow(main));
  EXPECT_TRUE(SameSequence({"popup WM_DESTROY", "popup WM_NCDESTROY", "main WM_DESTROY", "child WM_DESTROY",
                            "grandchild WM_DESTROY", "grandchild WM_NCDESTROY", "child WM_NCDESTROY",
                            "main WM_NCDESTROY"},
                           log.Only({"WM_DESTROY", "WM_NCDESTROY"})));
  EXPECT_EQ(log.Only({"WM_CAPTURECHANGED"}), Sequence{"grandchild WM_CAPTURECHANGED"});
  for (HWND h : {main, child, grandchild, popup}) EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_);
}

TEST_F(WindowLifecycle, DestroyingTheActiveWindowActivatesItsOwner) {
  HWND main = CreateTestWindow("main", kMainRect);
  HWND popup = CreateTestWindow("popup", kPopupRect, kTestPopupStyle, 0, main);
  ASSERT_EQ(GetActiveWindow(), popup);
  MessageLog log;
  DestroyWindow(popup);
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_TRUE(SameSequence({"popup WM_NCACTIVATE", "popup WM_ACTIVATE", "popup WM_KILLFOCUS", "main WM_NCACTIVATE",
                            "main WM_ACTIVATE", "main WM_SETFOCUS"},
                           log.Only({"WM_NCACTIVATE", "WM_ACTIVATE", "WM_SETFOCUS", "WM_KILLFOCUS"})));
}

TEST_F(WindowLifecycle, ManyCyclesOfCreatePaintDestroyLeaveEveryCounterWhereItStarted) {
  constexpr int kCycles = 10000;
  constexpr RECT kSmall{0, 0, 8, 8};
  for (int i = 0; i < kCycles; ++i) {
    HWND hwnd = CreateTestWindow("cycle", kSmall, kTestPopupStyle, WS_EX_TOPMOST);
    HWND child = CreateTestWindow("cycle child", RECT{1, 1, 4, 4}, kTestChildStyle, 0, hwnd);
    SetTimer(hwnd, 1, 10, nullptr);
    SetWindowRgn(hwnd, CreateRectRgn(0, 0, 6, 6), TRUE);
    UpdateWindow(hwnd);
    HDC hdc = GetDC(child);
    ReleaseDC(child, hdc);
    DestroyWindow(hwnd);
  }
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_);
}

}  // namespace
}  // namespace mirel_test
