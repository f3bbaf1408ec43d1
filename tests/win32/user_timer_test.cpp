// Timers on the virtual clock, as one script: due order, restarts, kills, a pending quit
// holding timers back, and a destroyed window's timers gone.
#include "support/HeadlessTest.h"

namespace mirel_test {
namespace {

class Timers : public HeadlessTest {};

Sequence fired;
void Fired(const std::string& what, std::uintptr_t id, DWORD time) {
  fired.push_back(what + " " + std::to_string(id) + " at " + std::to_string(time));
}

TEST_F(Timers, FireAtExactVirtualTimesInDueOrderUntilKilledOrTheirWindowIsGone) {
  fired.clear();
  HWND hwnd = CreateTestWindow("timers", RECT{0, 0, 50, 50});
  SetTestHandler(hwnd, [](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (msg == WM_TIMER) Fired("timer", wParam, GetTickCount());
    return std::nullopt;
  });
  const auto timersLive = [] { return win32::LiveObjects(win32::ObjectKind::Timer); };
  const long timersAtStart = timersLive();
  const auto step = [&](const std::string& note, DWORD ms) {
    fired.push_back(note);
    Desktop().AdvanceTime(ms);
  };
  SetTimer(hwnd, 1, 50, nullptr);
  SetTimer(hwnd, 2, 30, nullptr);
  step("two timers", 29);
  step("29 ms later", 71);
  KillTimer(hwnd, 1);
  KillTimer(hwnd, 2);
  SetTimer(hwnd, 7, 100, nullptr);
  step("timer 7 set", 80);
  KillTimer(hwnd, 7);  // restart = disable + enable
  SetTimer(hwnd, 7, 100, nullptr);
  step("timer 7 restarted", 150);
  KillTimer(hwnd, 7);
  step("timer 7 killed", 500);
  // A timer procedure takes the place of WM_TIMER; a slow handler does not queue bursts.
  SetTimer(hwnd, 3, 20, [](HWND, UINT, std::uintptr_t id, DWORD time) { Fired("proc", id, time); });
  step("timer 3 with a procedure", 45);
  KillTimer(hwnd, 3);
  SetTimer(hwnd, 1, 10, nullptr);
  PostQuitMessage(0);
  step("a quit pending", 100);  // a quit comes before any timer
  MSG msg{};
  fired.push_back(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) ? MessageName(msg.message) + " taken" : "no quit");
  step("quit gone", 10);  // the overdue timer at once
  SetTimer(hwnd, 2, 10, nullptr);
  fired.push_back("timers live " + std::to_string(timersLive() - timersAtStart));
  DestroyWindow(hwnd);
  step("window destroyed", 100);
  fired.push_back("timers live " + std::to_string(timersLive() - timersAtStart));
  EXPECT_TRUE(SameSequence({"two timers", "29 ms later", "timer 2 at 30", "timer 1 at 50", "timer 2 at 60", "timer 2 at 90",
                            "timer 1 at 100", "timer 7 set", "timer 7 restarted", "timer 7 at 280", "timer 7 killed",
                            "timer 3 with a procedure", "proc 3 at 850", "proc 3 at 870", "a quit pending", "WM_QUIT taken",
                            "quit gone", "timer 1 at 975", "timer 1 at 985", "timers live 2", "window destroyed",
                            "timers live 0"},
                           fired));
  EXPECT_EQ(Desktop().Now(), 1085u);
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_);
}

}  // namespace
}  // namespace mirel_test
