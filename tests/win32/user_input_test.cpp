// Input as users meet it. Mouse: hit testing through z-order and regions, capture, activation
// on click, double clicks. Keys: hooks before the focus window, swallowing, lParam bits, layout.
#include "Steps.h"
#include "support/Values.h"

namespace mirel_test {
namespace {

class MouseInput : public HeadlessTest {
 protected:
  // Keeps only the mouse and capture messages, with the client coordinates of each.
  void RecordMouse(HWND hwnd) {
    SetTestHandler(hwnd, [this](HWND h, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
      if ((msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_CAPTURECHANGED) {
        char caption[32] = {};
        GetWindowTextA(h, caption, sizeof caption);
        std::string entry = std::string(caption) + " " + MessageName(msg);
        if (msg != WM_CAPTURECHANGED) {
          entry += " " + std::to_string(GET_X_LPARAM(lParam)) + "," + std::to_string(GET_Y_LPARAM(lParam));
        }
        mouse_.push_back(entry);
      }
      return std::nullopt;
    });
  }
  Sequence mouse_;
};

TEST_F(MouseInput, WindowFromPointHonoursTopMostOrderVisibilityChildrenAndRegions) {
  HWND topmost = CreateTestWindow("topmost", RECT{100, 100, 300, 300}, kTestPopupStyle, WS_EX_TOPMOST);
  HWND normal = CreateTestWindow("normal", RECT{0, 0, 200, 200});  // newer, yet below
  HWND child = CreateTestWindow("child", RECT{10, 10, 60, 60}, kTestChildStyle, 0, normal);
  HWND hidden = CreateTestWindow("hidden", RECT{0, 0, 400, 400}, WS_POPUP, WS_EX_TOPMOST);

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
  EXPECT_TRUE(IsWindow(hidden));
  // A region cuts the top-most window down to its lower-right quarter.
  SetWindowRgn(topmost, CreateRectRgn(100, 100, 200, 200), TRUE);
  EXPECT_EQ(under(), "normal child normal desktop topmost ");
  // Made top-most, the other window goes above; a disabled child is passed over.
  SetWindowPos(normal, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowRgn(topmost, nullptr, TRUE);
  EnableWindow(child, FALSE);
  EXPECT_EQ(under(), "normal normal normal desktop topmost ");
}

TEST_F(MouseInput, CaptureTakesEveryMouseMessageInItsOwnClientCoordinates) {
  HWND left = CreateTestWindow("left", RECT{0, 0, 100, 100});
  HWND right = CreateTestWindow("right", RECT{200, 0, 300, 100});
  RecordMouse(left);
  RecordMouse(right);
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
                           mouse_));
}

// Clicks in steps: another application taking the activation deactivates the window until
// it gives it back; a press asks the window under it and its parents whether to activate,
// except in the active window itself or while a window holds the capture; a second press soon
// after is a double click for classes that ask for it; a window answering MA_NOACTIVATE is
// clicked without activation.
TEST_F(MouseInput, ClicksActivateAskingTheWindowAndItsParentsFirst) {
  HWND main = CreateTestWindow("main", RECT{0, 0, 200, 200});
  HWND child = CreateTestWindow("child", RECT{10, 10, 60, 60}, kTestChildStyle, 0, main);
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
       {"main WM_NCACTIVATE", "main WM_ACTIVATE", "main WM_ACTIVATEAPP", "active none, focus none, capture none"}, kClicks},
      {"and gives it back", [&] { Desktop().SetApplicationActive(true); },
       {"main WM_ACTIVATEAPP", "main WM_NCACTIVATE", "main WM_ACTIVATE", mainHolds}, kClicks},
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

constexpr int kKeyF = 'F';
constexpr int kKeyG = 'G';
constexpr LPARAM kAltBit = 1 << 29;
constexpr LPARAM kPreviousBit = 1 << 30;
constexpr LPARAM kUpBit = static_cast<LPARAM>(1u << 31);

struct HookCall {
  int code;
  WPARAM vk;
  LPARAM lParam;
};
std::vector<HookCall> hookCalls;
HHOOK swallowHook = nullptr;
HHOOK passHook = nullptr;

// Swallows F, passes everything else on.
LRESULT SwallowF(int code, WPARAM wParam, LPARAM lParam) {
  hookCalls.push_back({code, wParam, lParam});
  MessageLog::Active()->Add("hook " + std::string(1, static_cast<char>(wParam)) + ((lParam & kUpBit) ? " up" : " down"));
  if (code == HC_ACTION && wParam == kKeyF) return 1;
  return CallNextHookEx(swallowHook, code, wParam, lParam);
}

LRESULT PassOn(int code, WPARAM wParam, LPARAM lParam) {
  MessageLog::Active()->Add("older hook " + std::string(1, static_cast<char>(wParam)));
  return CallNextHookEx(passHook, code, wParam, lParam);
}

class Keyboard : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    hookCalls.clear();
    focus_ = CreateTestWindow("focus", RECT{0, 0, 100, 100});
    Desktop().DoEvents();
  }
  void TearDown() override {
    for (HHOOK* h : {&swallowHook, &passHook}) {
      if (*h) UnhookWindowsHookEx(*h);
      *h = nullptr;
    }
  }
  HWND focus_ = nullptr;
};

TEST_F(Keyboard, HookSwallowsAKeySoTheFocusWindowNeverSeesIt) {
  passHook = SetWindowsHookExA(WH_KEYBOARD, PassOn, nullptr, 0);
  swallowHook = SetWindowsHookExA(WH_KEYBOARD, SwallowF, nullptr, 0);
  ASSERT_EQ(GetFocus(), focus_);
  MessageLog log;
  Desktop().KeyPress(kKeyF);
  Desktop().KeyPress(kKeyG);
  EXPECT_TRUE(SameSequence({"hook F down", "hook F up", "hook G down", "older hook G",
                            "focus WM_KEYDOWN", "focus WM_CHAR", "hook G up", "older hook G", "focus WM_KEYUP"},
                           log.Entries()));
}

TEST_F(Keyboard, HookSeesRepeatScanCodeAltPreviousStateAndTransitionBits) {
  swallowHook = SetWindowsHookExA(WH_KEYBOARD, SwallowF, nullptr, 0);
  MessageLog log;
  Desktop().KeyDown(kKeyG);
  Desktop().KeyDown(kKeyG, 3);
  Desktop().KeyUp(kKeyG);
  Desktop().KeyDown(VK_MENU);
  Desktop().KeyPress(kKeyG);
  Desktop().KeyUp(VK_MENU);
  const UINT scanG = MapVirtualKeyA(kKeyG, MAPVK_VK_TO_VSC);
  EXPECT_EQ(scanG, 0x22u);
  ASSERT_EQ(hookCalls.size(), 7u);
  // Repeat count, scan code, previous state and transition; the Alt bit on Alt itself, on G
  // with Alt held, and not once Alt is up.
  EXPECT_EQ(Values(hookCalls[0].lParam, hookCalls[1].lParam, hookCalls[2].lParam),
            Values(static_cast<LPARAM>(1 | (scanG << 16)), static_cast<LPARAM>(3 | (scanG << 16)) | kPreviousBit,
                   static_cast<LPARAM>(1 | (scanG << 16)) | kPreviousBit | kUpBit));
  EXPECT_EQ(Values(hookCalls[3].lParam & kAltBit, hookCalls[4].lParam & kAltBit, hookCalls[6].lParam & kAltBit),
            Values(kAltBit, kAltBit, 0));
  EXPECT_EQ(log.Only({"WM_SYSKEYDOWN", "WM_SYSCHAR", "WM_SYSKEYUP"}),
            (Sequence{"focus WM_SYSKEYDOWN", "focus WM_SYSKEYDOWN", "focus WM_SYSCHAR", "focus WM_SYSKEYUP",
                      "focus WM_SYSKEYUP"}));
}

TEST_F(Keyboard, ModifiersToggleAndTypedCharactersArriveThroughTheUsLayout) {
  Desktop().KeyDown(VK_CONTROL);
  const bool downWhileHeld = GetAsyncKeyState(VK_CONTROL) < 0;
  Desktop().KeyUp(VK_CONTROL);
  Desktop().KeyPress(VK_CAPITAL);
  EXPECT_EQ(Values(downWhileHeld, GetAsyncKeyState(VK_CONTROL), GetKeyState(VK_CAPITAL) & 1), "1 0 1");
  Desktop().KeyPress(VK_CAPITAL);  // off again: Caps Lock would invert the letters' case
  std::string typed;
  SetTestHandler(focus_, [&typed](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (msg == WM_CHAR) typed.push_back(static_cast<char>(wParam));
    return std::nullopt;
  });
  for (char c : std::string("Ab1!?~ ")) Desktop().TypeChar(c);
  EXPECT_EQ(typed, "Ab1!?~ ");
  HKL layouts[2] = {};
  ASSERT_EQ(GetKeyboardLayoutList(2, layouts), 1);
  EXPECT_EQ(Values(VkKeyScanExA('s', layouts[0]), VkKeyScanExA('S', layouts[0]), VkKeyScanExA('+', layouts[0])),
            Values(int{'S'}, 0x100 | 'S', 0x100 | VK_OEM_PLUS));
}

}  // namespace
}  // namespace mirel_test
