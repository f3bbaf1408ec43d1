// Keys as users meet them: hooks before the focus window, swallowing, lParam bits, layout.
#include "support/HeadlessTest.h"
#include "support/Values.h"

namespace mirel_test {
namespace {

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
