// Input as users meet it. Mouse: hit testing through z-order, capture, activation
// on click, double clicks. Keys: hooks before the focus window, swallowing, lParam bits, layout.
#include <cstdio>

#include "Steps.h"

namespace mirel_test {
namespace {

using MouseInput = HeadlessTest;

TEST_F(MouseInput, WindowFromPointHonoursTopMostOrderVisibilityAndChildren) {
  CreateTestWindow("topmost", RECT{100, 100, 300, 300}, kTestPopupStyle, WS_EX_TOPMOST);
  HWND normal = CreateTestWindow("normal", RECT{0, 0, 200, 200});  // newer, yet below
  HWND child = CreateTestWindow("child", RECT{10, 10, 60, 60}, kTestChildStyle, 0, normal);
  CreateTestWindow("hidden", RECT{0, 0, 400, 400}, WS_POPUP, WS_EX_TOPMOST);

  // The windows under (150,150), (50,50), (80,80), (350,350) and (250,250).
  const auto under = [] {
    std::string names;
    for (POINT p : {POINT{150, 150}, POINT{50, 50}, POINT{80, 80}, POINT{350, 350}, POINT{250, 250}}) {
      const HWND hwnd = WindowFromPoint(p);
      names += (hwnd == GetDesktopWindow() ? "desktop" : NameOf(hwnd)) + " ";
    }
    return names;
  };
  EXPECT_EQ(under(), "topmost child normal desktop topmost ");
  // Made top-most, the other window goes above; a disabled child is passed over.
  SetWindowPos(normal, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EnableWindow(child, FALSE);
  EXPECT_EQ(under(), "normal normal normal desktop topmost ");
}

TEST_F(MouseInput, CaptureTakesEveryMouseMessageInItsOwnClientCoordinates) {
  Sequence mouse;
  const TestHandler record = [&mouse](HWND h, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    if (msg == WM_CAPTURECHANGED) mouse.push_back(NameOf(h) + " " + MessageName(msg));
    if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) {
      mouse.push_back(NameOf(h) + " " + MessageName(msg) + " " + std::to_string(GET_X_LPARAM(lParam)) + "," +
                      std::to_string(GET_Y_LPARAM(lParam)));
    }
    return std::nullopt;
  };
  HWND left = CreateTestWindow("left", RECT{0, 0, 100, 100});
  HWND right = CreateTestWindow("right", RECT{200, 0, 300, 100});
  SetTestHandler(left, record);
  SetTestHandler(right, record);
  Desktop().MouseMove(250, 50);
  Desktop().MouseMove(50, 50);
  Desktop().MouseDown(win32::MouseButton::Left);
  SetCapture(left);
  Desktop().MouseMove(250, 60);
  Desktop().MouseUp(win32::MouseButton::Left);
  SetCapture(right);  // the losing window hears of it
  ReleaseCapture();
  Desktop().MouseMove(40, 40);
  EXPECT_TRUE(SameSequence({"right WM_MOUSEMOVE 50,50", "left WM_MOUSEMOVE 50,50", "left WM_LBUTTONDOWN 50,50",
                            "left WM_MOUSEMOVE 250,60", "left WM_LBUTTONUP 250,60", "left WM_CAPTURECHANGED",
                            "right WM_CAPTURECHANGED", "left WM_MOUSEMOVE 40,40"},
                           mouse));
}

// Clicks in steps: another application taking the activation deactivates the window until it
// gives it back, telling every top-level window of the application, hidden ones too; a press
// asks the window under it and its parents whether to activate, except in the active window
// itself or while a window holds the capture; a second press soon after is a double click for
// classes that ask for it; a window answering MA_NOACTIVATE is clicked without activation.
TEST_F(MouseInput, ClicksActivateAskingTheWindowAndItsParentsFirst) {
  HWND main = CreateTestWindow("main", RECT{0, 0, 200, 200});
  HWND child = CreateTestWindow("child", RECT{10, 10, 60, 60}, kTestChildStyle, 0, main);
  CreateTestWindow("hidden", RECT{0, 0, 10, 10}, WS_POPUP);
  SetActiveWindow(main);
  const auto clickAt = [this](int x, int y) {
    Desktop().AdvanceTime(GetDoubleClickTime() + 1);  // a plain click, not a double click
    Desktop().MouseMove(x, y);
    Desktop().Click();
  };
  const std::vector<std::string> kClicks = {"WM_MOUSEACTIVATE", "WM_ACTIVATE", "WM_ACTIVATEAPP", "WM_NCACTIVATE",
                                            "WM_LBUTTONDOWN", "WM_LBUTTONUP", "WM_LBUTTONDBLCLK"};
  const char* mainHolds = "active main, focus main, capture none";
  HWND menu = nullptr;
  EXPECT_TRUE(RunSteps({
      {"another application takes the activation", [&] { Desktop().SetApplicationActive(false); },
       {"main WM_NCACTIVATE", "main WM_ACTIVATE", "main WM_ACTIVATEAPP", "hidden WM_ACTIVATEAPP",
        "active none, focus none, capture none"}, kClicks},
      {"and gives it back", [&] { Desktop().SetApplicationActive(true); },
       {"main WM_ACTIVATEAPP", "hidden WM_ACTIVATEAPP", "main WM_NCACTIVATE", "main WM_ACTIVATE", mainHolds}, kClicks},
      {"click the child", [&] { clickAt(15, 15); },
       {"child WM_MOUSEACTIVATE", "main WM_MOUSEACTIVATE", "child WM_LBUTTONDOWN", "child WM_LBUTTONUP", mainHolds}, kClicks},
      {"click the active window", [&] { clickAt(100, 100); }, {"main WM_LBUTTONDOWN", "main WM_LBUTTONUP", mainHolds}, kClicks},
      {"double click", [&] {
         Desktop().AdvanceTime(GetDoubleClickTime() + 1);
         Desktop().DoubleClick();
       },
       {"main WM_LBUTTONDOWN", "main WM_LBUTTONUP", "main WM_LBUTTONDBLCLK", "main WM_LBUTTONUP", mainHolds}, kClicks},
      {"click with the child holding the capture", [&] {
         SetCapture(child);
         clickAt(100, 100);
         ReleaseCapture();
       },
       {"child WM_LBUTTONDOWN", "child WM_LBUTTONUP", mainHolds}, kClicks},
      {"click a window answering no-activate", [&] {
         menu = CreateTestWindow("menu", RECT{300, 0, 400, 100}, WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
         ShowWindow(menu, SW_SHOWNOACTIVATE);
         SetTestHandler(menu, [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
           if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
           return std::nullopt;
         });
         clickAt(350, 50);
       },
       {"menu WM_MOUSEACTIVATE", "menu WM_LBUTTONDOWN", "menu WM_LBUTTONUP", mainHolds}, kClicks},
      {"click it once it answers as usual", [&] {
         SetTestHandler(menu, nullptr);
         clickAt(350, 50);
       },
       {"menu WM_MOUSEACTIVATE", "main WM_NCACTIVATE", "main WM_ACTIVATE", "menu WM_NCACTIVATE", "menu WM_ACTIVATE",
        "menu WM_LBUTTONDOWN", "menu WM_LBUTTONUP", "active menu, focus menu, capture none"},
       kClicks},
  }));
  EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), 0);
}

HHOOK newerHook = nullptr;
HHOOK olderHook = nullptr;

std::string KeyName(WPARAM vk) { return vk == VK_MENU ? "Alt" : std::string(1, static_cast<char>(vk)); }

// The newer hook logs each key with its lParam and swallows F; the older one passes all on.
LRESULT Newer(int code, WPARAM wParam, LPARAM lParam) {
  char bits[12];
  std::snprintf(bits, sizeof bits, "%08lX", static_cast<unsigned long>(lParam));
  MessageLog::Active()->Add("hook " + KeyName(wParam) + " " + bits);
  if (code == HC_ACTION && wParam == 'F') return 1;
  return CallNextHookEx(newerHook, code, wParam, lParam);
}
LRESULT Older(int code, WPARAM wParam, LPARAM lParam) {
  MessageLog::Active()->Add("older hook " + KeyName(wParam));
  return CallNextHookEx(olderHook, code, wParam, lParam);
}

class Keyboard : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    focus_ = CreateTestWindow("focus", RECT{0, 0, 100, 100});
    Desktop().DoEvents();
  }
  HWND focus_ = nullptr;
};

// The newest hook sees each key first; F it swallows, so neither the older hook nor the focus
// window sees it. lParam carries the repeat count, the scan code (0x22 for G), the Alt bit
// while Alt is held, the previous state and the transition.
TEST_F(Keyboard, HooksSeeKeysNewestFirstSwallowThemAndGetTheKeyStateBits) {
  olderHook = SetWindowsHookExA(WH_KEYBOARD, Older, nullptr, 0);
  newerHook = SetWindowsHookExA(WH_KEYBOARD, Newer, nullptr, 0);
  ASSERT_EQ(GetFocus(), focus_);
  MessageLog log;
  Desktop().KeyPress('F');
  Desktop().KeyDown('G');
  Desktop().KeyDown('G', 3);
  Desktop().KeyUp('G');
  Desktop().KeyDown(VK_MENU);
  Desktop().KeyPress('G');
  Desktop().KeyUp(VK_MENU);
  UnhookWindowsHookEx(newerHook);
  UnhookWindowsHookEx(olderHook);
  EXPECT_EQ(MapVirtualKeyA('G', MAPVK_VK_TO_VSC), 0x22u);
  EXPECT_TRUE(SameSequence({"hook F 00210001", "hook F C0210001",                                          // swallowed
                            "hook G 00220001", "older hook G", "focus WM_KEYDOWN", "focus WM_CHAR",         // pressed
                            "hook G 40220003", "older hook G", "focus WM_KEYDOWN", "focus WM_CHAR",         // repeated
                            "hook G C0220001", "older hook G", "focus WM_KEYUP",                            // released
                            "hook Alt 20380001", "older hook Alt", "focus WM_SYSKEYDOWN",                   // Alt
                            "hook G 20220001", "older hook G", "focus WM_SYSKEYDOWN", "focus WM_SYSCHAR",  // Alt+G
                            "hook G E0220001", "older hook G", "focus WM_SYSKEYUP",
                            "hook Alt C0380001", "older hook Alt", "focus WM_SYSKEYUP"},
                           log.Entries()));
}

// (Modifier key states reach the keyboard hook's clients: platform KeyboardHookTest.)
TEST_F(Keyboard, TypedCharactersArriveThroughTheUsLayout) {
  std::string typed;
  SetTestHandler(focus_, [&typed](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (msg == WM_CHAR) typed.push_back(static_cast<char>(wParam));
    return std::nullopt;
  });
  for (char c : std::string("Ab1!?~ ")) Desktop().TypeChar(c);
  EXPECT_EQ(typed, "Ab1!?~ ");
}

}  // namespace
}  // namespace mirel_test
