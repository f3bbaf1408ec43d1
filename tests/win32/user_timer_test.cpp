// Timers on the virtual clock: WM_TIMER arrives at exact times, in due order.
#include "support/HeadlessTest.h"

namespace mirel_test {
namespace {

class Timers : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    hwnd_ = CreateTestWindow("timers", RECT{0, 0, 50, 50});
    countsAtStart_ = win32::SnapshotLiveObjects();
    SetTestHandler(hwnd_, [this](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
      if (msg == WM_TIMER) fired_.push_back("timer " + std::to_string(wParam) + " at " + std::to_string(GetTickCount()));
      return std::nullopt;
    });
  }
  HWND hwnd_ = nullptr;
  Sequence fired_;
};

TEST_F(Timers, FireAtExactVirtualTimesInDueOrder) {
  constexpr UINT kOverTimer = 50;
  constexpr UINT kFastTimer = 30;
  SetTimer(hwnd_, 1, kOverTimer, nullptr);
  SetTimer(hwnd_, 2, kFastTimer, nullptr);
  Desktop().AdvanceTime(29);
  EXPECT_TRUE(fired_.empty());
  Desktop().AdvanceTime(71);
  EXPECT_TRUE(SameSequence({"timer 2 at 30", "timer 1 at 50", "timer 2 at 60", "timer 2 at 90", "timer 1 at 100"},
                           fired_));
  EXPECT_EQ(Desktop().Now(), 100u);
}

TEST_F(Timers, RestartingReschedulesAndKillingStops) {
  SetTimer(hwnd_, 7, 100, nullptr);
  Desktop().AdvanceTime(80);
  KillTimer(hwnd_, 7);  // restart = disable + enable
  SetTimer(hwnd_, 7, 100, nullptr);
  Desktop().AdvanceTime(150);
  KillTimer(hwnd_, 7);
  Desktop().AdvanceTime(500);
  EXPECT_TRUE(SameSequence({"timer 7 at 180"}, fired_));
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_);
}

TEST_F(Timers, TimerProcsRunThroughDispatchAndSlowHandlersDoNotQueueBursts) {
  static Sequence procCalls;
  procCalls.clear();
  SetTimer(hwnd_, 3, 20, [](HWND, UINT, std::uintptr_t id, DWORD time) {
    procCalls.push_back("proc " + std::to_string(id) + " at " + std::to_string(time));
  });
  Desktop().AdvanceTime(45);
  EXPECT_TRUE(SameSequence({"proc 3 at 20", "proc 3 at 40"}, procCalls));
  EXPECT_TRUE(fired_.empty());  // a timer procedure takes the place of WM_TIMER
}

TEST_F(Timers, DestroyingTheWindowEndsItsTimers) {
  const auto before = win32::LiveObjects(win32::ObjectKind::Timer);
  SetTimer(hwnd_, 1, 10, nullptr);
  SetTimer(hwnd_, 2, 10, nullptr);
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Timer), before + 2);
  DestroyWindow(hwnd_);
  Desktop().AdvanceTime(100);
  EXPECT_TRUE(fired_.empty());
  EXPECT_EQ(win32::LiveObjects(win32::ObjectKind::Timer), before);
}

TEST_F(Timers, PendingQuitHoldsTimersBackWhileTimeMovesOn) {
  SetTimer(hwnd_, 1, 10, nullptr);
  PostQuitMessage(0);
  Desktop().AdvanceTime(100);  // a quit comes before any timer, so none fires yet
  EXPECT_EQ(Desktop().Now(), 100u);
  EXPECT_TRUE(fired_.empty());
  MSG msg{};
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  Desktop().AdvanceTime(10);
  EXPECT_TRUE(SameSequence({"timer 1 at 100", "timer 1 at 110"}, fired_));  // the overdue one at once
}

}  // namespace
}  // namespace mirel_test
