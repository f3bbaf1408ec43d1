// The Timer component on the virtual clock, as one script: created disabled, ticks at exact
// times, restart = disable + enable, interval 0 stops, a new interval restarts, timers in due
// order, a handler may stop its own timer; and only a host's exception leaves a tick.

#include "container/HostExceptions.h"
#include "container/RuntimeErrors.h"
#include "container/Timer.h"
#include "support/Errors.h"
#include "support/HeadlessTest.h"

namespace {

using mirel_test::SameSequence;

class TimerTest : public mirel_test::HeadlessTest {};

TEST_F(TimerTest, TicksAtExactTimesOnlyWhileEnabledWithAnIntervalInDueOrder) {
  std::vector<std::string> ticks;
  const auto step = [&](const std::string& note, DWORD ms) {
    ticks.push_back(note);
    Desktop().AdvanceTime(ms);
  };
  {
    Timer timer;
    Timer fast;
    timer.OnTimer = [&] { ticks.push_back("tick @" + std::to_string(Desktop().Now())); };
    fast.OnTimer = [&] {
      ticks.push_back("fast @" + std::to_string(Desktop().Now()));
      fast.SetEnabled(false);  // one shot
    };
    ticks.push_back(std::string(timer.Enabled() ? "enabled" : "disabled") + ", interval " + std::to_string(timer.Interval()));
    timer.SetInterval(50);
    step("interval 50, not enabled", 200);
    timer.SetEnabled(true);
    step("enabled at 200", 175);
    timer.SetInterval(100);  // a new interval restarts: due at 475
    step("interval 100 at 375", 160);
    timer.SetEnabled(true);  // already enabled: nothing changes
    step("enabled again at 535", 50);
    timer.Restart();  // due again a full interval later
    step("restarted at 585", 150);
    timer.SetInterval(0);
    step("interval 0 at 735", 100);
    ticks.push_back(timer.Enabled() ? "still enabled" : "disabled");
    EXPECT_EQ(mirel_test::ErrorOf([&] { timer.SetInterval(65536); }), runtime_error_number::InvalidPropertyValue);
    ticks.push_back("interval " + std::to_string(timer.Interval()));
    timer.SetInterval(25);
    fast.SetInterval(10);
    fast.SetEnabled(true);
    step("interval 25 and a one-shot 10 at 835", 60);
    EXPECT_GT(win32::LiveObjects(win32::ObjectKind::Timer), 0);
  }
  EXPECT_TRUE(SameSequence({"disabled, interval 0", "interval 50, not enabled", "enabled at 200", "tick @250", "tick @300",
                            "tick @350", "interval 100 at 375", "tick @475", "enabled again at 535", "tick @575", "restarted at 585",
                            "tick @685", "interval 0 at 735", "still enabled", "interval 0",
                            "interval 25 and a one-shot 10 at 835", "fast @845", "tick @860", "tick @885"},
                           ticks));
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_);
}

// A tick whose handler fails: the library's own error ends at the timer's window; a host's
// exception (marked as it leaves the host's handler) reaches the caller of the message loop.
TEST_F(TimerTest, OnlyAHostsExceptionLeavesATick) {
  struct HostFault {};
  Timer timer;
  timer.SetInterval(10);
  timer.OnTimer = [] { RaiseRuntimeError(runtime_error_number::SubscriptOutOfRange); };
  timer.SetEnabled(true);
  EXPECT_NO_THROW(Desktop().AdvanceTime(25));
  timer.OnTimer = [] {
    try {
      throw HostFault{};
    } catch (...) {
      host_exceptions::MarkCurrentAsHosts();
      throw;
    }
  };
  EXPECT_THROW(Desktop().AdvanceTime(25), HostFault);
}

}  // namespace
