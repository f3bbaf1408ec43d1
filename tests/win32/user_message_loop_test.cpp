// Message loops as a host runs them: DoEvents drains everything and returns, modal loops
// end headless, WM_QUIT reaches the outer loop, paints come when the queue is empty.
#include "support/HeadlessTest.h"

namespace mirel_test {
namespace {

constexpr UINT kStep = WM_USER + 1;
constexpr UINT kSteps = 3;

class MessageLoops : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    hwnd_ = CreateTestWindow("loop", RECT{0, 0, 60, 60});
    Desktop().DoEvents();
  }
  HWND hwnd_ = nullptr;
};

TEST_F(MessageLoops, DoEventsRunsChainsOfPostedMessagesAndPaintsLast) {
  SetTestHandler(hwnd_, [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (msg == kStep && wParam < kSteps) PostMessageA(hwnd, kStep, wParam + 1, 0);
    return std::nullopt;
  });
  MessageLog log;
  InvalidateRect(hwnd_, nullptr, TRUE);
  PostMessageA(hwnd_, kStep, 1, 0);
  Desktop().DoEvents();
  EXPECT_TRUE(SameSequence({"loop 0x401", "loop 0x401", "loop 0x401", "loop WM_PAINT", "loop WM_ERASEBKGND"},
                           log.Entries()));
}

TEST_F(MessageLoops, ModalLoopEndsWhenItsScriptedInputIsUsedUpOrNothingIsLeft) {
  // A modal window runs its own GetMessage loop until it is destroyed.
  const auto runModal = [this](bool scriptClose) {
    HWND dialog = CreateTestWindow("dialog", RECT{10, 10, 50, 50}, kTestPopupStyle, 0, hwnd_);
    if (scriptClose) PostMessageA(dialog, WM_CLOSE, 0, 0);
    MSG msg{};
    while (IsWindow(dialog) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    const bool closedByInput = !IsWindow(dialog);
    DestroyWindow(dialog);
    return closedByInput;
  };
  EXPECT_TRUE(runModal(true));
  EXPECT_FALSE(runModal(false));  // headless and idle: GetMessageA answers WM_QUIT instead of blocking
  MSG msg{};
  EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), 0);
  EXPECT_EQ(msg.message, WM_QUIT);
}

TEST_F(MessageLoops, QuitMessageIsLeftForTheOuterLoopAfterEverythingPosted) {
  PostMessageA(hwnd_, kStep, 0, 0);
  PostQuitMessage(3);
  MessageLog log;
  Desktop().DoEvents();  // a nested loop must not eat the quit
  MSG msg{};
  EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), 0);
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
  EXPECT_TRUE(SameSequence({"loop 0x401"}, log.Entries()));
}

TEST_F(MessageLoops, PeekWithoutRemovingLeavesTheMessage) {
  PostMessageA(hwnd_, kStep, 0, 0);
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
  ASSERT_TRUE(PeekMessageA(&msg, hwnd_, kStep, kStep, PM_REMOVE));
  EXPECT_EQ(msg.message, kStep);
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageLoops, CloseDestroysThroughTheDefaultProcedure) {
  SendMessageA(hwnd_, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(hwnd_));
}

}  // namespace
}  // namespace mirel_test
