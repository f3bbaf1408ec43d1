// The colour dialog as a host meets it: modal over a disabled owner, answered by queued keys,
// cancelled when nothing is left to do.
#include <array>

#include "support/HeadlessTest.h"
#include "support/Pixels.h"
#include "support/Values.h"

namespace mirel_test {
namespace {

constexpr COLORREF kYellow = RGB(0xFF, 0xFF, 0x00);
constexpr COLORREF kCustomTeal = RGB(0x10, 0x90, 0x90);

int yellowOnScreen = -1;
HHOOK snapshotHook = nullptr;

class ColorDialog : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    owner_ = CreateTestWindow("owner", RECT{100, 100, 500, 400});
    Desktop().DoEvents();
    cc_.lStructSize = sizeof cc_;
    cc_.hwndOwner = owner_;
    cc_.lpCustColors = custom_.data();
    cc_.Flags = CC_ANYCOLOR;
  }
  HWND owner_ = nullptr;
  std::array<COLORREF, 16> custom_{};
  CHOOSECOLORA cc_{};
};

// Each answer: what ChooseColorA returned, the colour it left, and the extended error. The
// owner is disabled while the dialog runs and active again afterwards; only the dialog's
// window is gone.
TEST_F(ColorDialog, AnswersForQueuedKeysNothingQueuedAnInitialColourAndAWrongSize) {
  custom_[3] = kCustomTeal;
  const auto choose = [this](std::vector<int> keys, DWORD flags, DWORD size = sizeof(CHOOSECOLORA)) {
    cc_.lStructSize = size;
    cc_.Flags = CC_ANYCOLOR | flags;
    cc_.rgbResult = kCustomTeal;
    Desktop().QueueModalKeys(keys);
    const BOOL chosen = ChooseColorA(&cc_);
    return Values(chosen, cc_.rgbResult, CommDlgExtendedError());
  };
  MessageLog log;
  EXPECT_EQ(choose({VK_RIGHT, VK_DOWN, VK_RETURN}, 0), Values(1, kYellow, 0));
  EXPECT_TRUE(SameSequence({"owner WM_ENABLE", "owner WM_ENABLE"}, log.Only({"WM_ENABLE"})));
  EXPECT_EQ(Values(IsWindowEnabled(owner_), GetActiveWindow() == owner_), "1 1");
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Window), countsAtStart_.counts[static_cast<size_t>(win32::ObjectKind::Window)] + 1);
  EXPECT_EQ(choose({}, 0), Values(0, kCustomTeal, 0)) << "nothing queued cancels instead of hanging";
  EXPECT_EQ(choose({VK_RETURN}, CC_RGBINIT), Values(1, kCustomTeal, 0)) << "found among the custom colours";
  EXPECT_EQ(choose({}, 0, 4), Values(0, kCustomTeal, CDERR_STRUCTSIZE));
}

// The hook sees the first queued key while the dialog is up, saves the screen and counts the
// yellow of the selected swatch and the preview of the initial colour.
TEST_F(ColorDialog, FullyOpenDialogShowsTheInitialColourOverItsOwner) {
  cc_.Flags |= CC_FULLOPEN | CC_RGBINIT;
  cc_.rgbResult = kYellow;
  custom_[0] = kCustomTeal;
  yellowOnScreen = -1;
  snapshotHook = SetWindowsHookExA(
      WH_KEYBOARD,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (yellowOnScreen < 0) {
          win32::TheDesktop().SaveScreenPng(OutputPng("color_dialog_full"));
          yellowOnScreen = 0;
          for (int y = 0; y < GetSystemMetrics(SM_CYSCREEN); ++y) {
            for (int x = 0; x < GetSystemMetrics(SM_CXSCREEN); ++x) yellowOnScreen += win32::TheDesktop().ScreenPixel(x, y) == kYellow;
          }
        }
        return CallNextHookEx(snapshotHook, code, wParam, lParam);
      },
      nullptr, 0);
  Desktop().QueueModalKeys({VK_ESCAPE});
  EXPECT_FALSE(ChooseColorA(&cc_));
  UnhookWindowsHookEx(snapshotHook);
  EXPECT_GT(yellowOnScreen, 0);
}

}  // namespace
}  // namespace mirel_test
