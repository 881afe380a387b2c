#include "tests/support/VirtualClock.h"

#include <gtest/gtest.h>

#include <string>

namespace telvane::testing {
namespace {

// Each tick appends its timer's letter and the virtual time, so order and timing read at a glance.
struct Recorder {
  std::string log;
  VirtualClock& clock;
  void Hook(Timer& t, char name) {
    t.SetOnTimer([this, name] { log += name + std::to_string(clock.Now()) + " "; });
  }
};

TEST(VirtualClockTest, TimerRulesHoldInVirtualTime) {
  VirtualClock clock;
  Recorder rec{"", clock};
  auto a = clock.CreateTimer(100);
  rec.Hook(*a, 'a');
  EXPECT_FALSE(a->Running());
  clock.Advance(500);
  EXPECT_EQ(rec.log, "") << "a timer is created stopped";

  a->Start();           // at 500
  clock.Advance(50);    // 550
  a->Start();           // running: no change
  a->SetInterval(100);  // same interval: no change
  clock.Advance(60);    // 610: tick at 600
  EXPECT_EQ(rec.log, "a600 ");

  a->SetInterval(30);   // another interval: full new interval from 610
  clock.Advance(30);
  EXPECT_EQ(rec.log, "a600 a640 ");

  a->Stop();            // discards the countdown
  clock.Advance(25);
  a->Start();           // 665: full interval again
  clock.Advance(29);
  EXPECT_EQ(rec.log, "a600 a640 ");
  clock.Advance(1);
  EXPECT_EQ(rec.log, "a600 a640 a695 ");
}

TEST(VirtualClockTest, IntervalZeroNeverTicksButCountsAsRunning) {
  VirtualClock clock;
  Recorder rec{"", clock};
  auto z = clock.CreateTimer(0);
  rec.Hook(*z, 'z');
  z->Start();
  EXPECT_TRUE(z->Running());
  EXPECT_TRUE(clock.RunUntilIdle());
  clock.Advance(100000);
  EXPECT_EQ(rec.log, "");
  z->SetInterval(10);  // from then on it ticks
  clock.Advance(20);
  EXPECT_EQ(rec.log, "z100010 z100020 ");
}

TEST(VirtualClockTest, TicksFireInDueOrderAndHandlersMayRetimeTimers) {
  VirtualClock clock;
  std::string log;
  auto a = clock.CreateTimer(30);
  auto b = clock.CreateTimer(20);
  a->SetOnTimer([&] { log += "a" + std::to_string(clock.Now()) + " "; b->Stop(); b->Start(); });
  b->SetOnTimer([&] { log += "b" + std::to_string(clock.Now()) + " "; });
  a->Start();
  b->Start();
  clock.Advance(95);
  // b restarts at each tick of a, so it ticks 20 ms after each a.
  EXPECT_EQ(log, "b20 a30 b50 a60 b80 a90 ");
}

TEST(VirtualClockTest, BoundedDriveReportsALivelock) {
  VirtualClock clock;
  auto forever = clock.CreateTimer(10);
  int ticks = 0;
  forever->SetOnTimer([&] { ++ticks; });
  forever->Start();
  EXPECT_FALSE(clock.RunUntilIdle(50));
  EXPECT_EQ(ticks, 50);
  EXPECT_EQ(clock.NextDue(), 510);
  forever->Stop();
  EXPECT_EQ(clock.NextDue(), -1);
  EXPECT_FALSE(clock.AdvanceToNext());
}

}  // namespace
}  // namespace telvane::testing
