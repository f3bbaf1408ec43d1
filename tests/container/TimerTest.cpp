// The Timer component on the virtual clock: ticks at exact times, created disabled,
// restart = disable + enable.
#include <string>
#include <vector>

#include "support/Errors.h"
#include "support/HeadlessTest.h"
#include "container/HostExceptions.h"
#include "container/RuntimeErrors.h"
#include "container/Timer.h"
#include "win32/objcount.h"

namespace {

using mirel_test::SameSequence;

class TimerTest : public mirel_test::HeadlessTest {
 protected:
  // Records the virtual time of each tick of `timer`.
  void Record(Timer& timer, const std::string& name) {
    timer.OnTimer = [this, name] { m_Ticks.push_back(name + " @" + std::to_string(Desktop().Now())); };
  }
  std::vector<std::string> m_Ticks;
};

TEST_F(TimerTest, CreatedDisabledAndTicksEveryIntervalOnTheVirtualClock) {
  Timer timer;
  Record(timer, "t");
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 0u);
  timer.SetInterval(50);
  Desktop().AdvanceTime(200);
  EXPECT_TRUE(m_Ticks.empty()) << "a new timer must not tick before it is enabled";

  timer.SetEnabled(true);  // at 200
  Desktop().AdvanceTime(175);
  EXPECT_TRUE(SameSequence({"t @250", "t @300", "t @350"}, m_Ticks));
}

TEST_F(TimerTest, RestartStartsAFullIntervalAfresh) {
  Timer timer;
  Record(timer, "t");
  timer.SetInterval(100);
  timer.SetEnabled(true);
  Desktop().AdvanceTime(160);  // tick at 100, next due at 200
  timer.SetEnabled(true);      // already enabled: nothing changes
  Desktop().AdvanceTime(50);   // 210: tick at 200
  timer.Restart();             // next due at 310
  Desktop().AdvanceTime(150);  // 360
  EXPECT_TRUE(SameSequence({"t @100", "t @200", "t @310"}, m_Ticks));
}

TEST_F(TimerTest, IntervalZeroStopsAndIntervalChangeRestarts) {
  Timer timer;
  Record(timer, "t");
  timer.SetEnabled(true);
  Desktop().AdvanceTime(100);
  EXPECT_TRUE(m_Ticks.empty()) << "interval 0 never ticks";
  timer.SetInterval(30);  // at 100 -> 130, 160
  Desktop().AdvanceTime(70);
  timer.SetInterval(25);  // at 170 -> 195
  Desktop().AdvanceTime(30);
  EXPECT_TRUE(SameSequence({"t @130", "t @160", "t @195"}, m_Ticks));
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(mirel_test::ErrorOf([&] { timer.SetInterval(65536); }), runtime_error_number::InvalidPropertyValue);
  EXPECT_EQ(timer.Interval(), 25u);
}

TEST_F(TimerTest, TimersFireInDueOrderAndAHandlerMayStopItsTimer) {
  Timer fast;
  Timer slow;
  Record(slow, "slow");
  fast.OnTimer = [&] {
    m_Ticks.push_back("fast @" + std::to_string(Desktop().Now()));
    fast.SetEnabled(false);  // one shot
  };
  slow.SetInterval(25);
  fast.SetInterval(10);
  slow.SetEnabled(true);
  fast.SetEnabled(true);
  Desktop().AdvanceTime(60);
  EXPECT_TRUE(SameSequence({"fast @10", "slow @25", "slow @50"}, m_Ticks));
}

TEST_F(TimerTest, LeavesNoWindowOrTimerBehind) {
  {
    Timer timer;
    timer.SetInterval(10);
    timer.SetEnabled(true);
    Desktop().AdvanceTime(20);
    EXPECT_GT(win32::LiveObjects(win32::ObjectKind::Timer), 0);
  }
  EXPECT_EQ(win32::SnapshotLiveObjects(), countsAtStart_);
}

}  // namespace

namespace {

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
