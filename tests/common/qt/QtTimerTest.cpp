// The timer rules on real Qt timers. Intervals are short and every wait bounded; the checks
// leave room for a busy machine where a tick comes late, never where it comes early.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <vector>

#include "common/qt/QtTimer.h"
#include "tests/qt/EventLoop.h"

namespace telvane::testing {
namespace {

class QtTimerTest : public ::testing::Test {
 protected:
  QtTimerTest() {
    timer.SetOnTimer([this] { ticks.push_back(clock.nsecsElapsed() / 1e6); });
    clock.start();
  }
  // Runs `action` `atMs` milliseconds from now.
  void At(int atMs, std::function<void()> action) {
    QTimer::singleShot(atMs, Qt::PreciseTimer, &context,
                       [action = std::move(action)] { action(); });
  }

  // Ends pending actions with the test.
  QObject context;
  QtTimer timer{200};
  QElapsedTimer clock;
  std::vector<double> ticks;
};

TEST_F(QtTimerTest, StartOrSameIntervalOnARunningTimerKeepsItsCountdown) {
  timer.Start();
  At(120, [this] {
    timer.Start();
    timer.SetInterval(200);
  });
  ASSERT_TRUE(RunEventsUntil([this] { return !ticks.empty(); }));
  EXPECT_GE(ticks[0], 200.0);
  EXPECT_LT(ticks[0], 310.0) << "the countdown began again at 120 ms";
}

TEST_F(QtTimerTest, AnotherIntervalOrARestartBeginsAFullInterval) {
  timer.Start();
  At(100, [this] { timer.SetInterval(150); });
  ASSERT_TRUE(RunEventsUntil([this] { return !ticks.empty(); }));
  EXPECT_GE(ticks[0], 250.0);

  const double stoppedAt = clock.nsecsElapsed() / 1e6;
  timer.Stop();
  RunEventsFor(50);
  timer.Start();
  ASSERT_TRUE(RunEventsUntil([this] { return ticks.size() == 2; }));
  EXPECT_GE(ticks[1] - stoppedAt, 200.0) << "stopping discards the countdown";
}

TEST_F(QtTimerTest, IntervalZeroNeverTicksButCountsAsRunning) {
  timer.SetInterval(0);
  timer.Start();
  RunEventsFor(150);
  EXPECT_TRUE(ticks.empty());
  EXPECT_TRUE(timer.Running());
  timer.SetInterval(20);
  EXPECT_TRUE(RunEventsUntil([this] { return !ticks.empty(); }));
}

TEST_F(QtTimerTest, NoGapIsShorterThanTheInterval) {
  timer.SetInterval(25);
  timer.Start();
  ASSERT_TRUE(RunEventsUntil([this] { return ticks.size() == 12; }));
  timer.Stop();
  // The tick handler runs a few microseconds after the timer re-arms; allow that much.
  for (std::size_t i = 1; i < ticks.size(); ++i)
    EXPECT_GE(ticks[i] - ticks[i - 1], 24.95) << "gap " << i;
  RunEventsFor(60);
  EXPECT_EQ(ticks.size(), 12u) << "a stopped timer ticked";
}

}  // namespace
}  // namespace telvane::testing
