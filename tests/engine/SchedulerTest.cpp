#include <gtest/gtest.h>

#include "link/Commands.h"
#include "tests/support/EngineFixture.h"
#include "tests/support/Replies.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

class SchedulerTest : public EngineFixture {
 protected:
  SchedulerTest() { OpenPort(); }
  // Frames the scheduler wrote, as (time, bytes), from write number `from` on.
  std::vector<Written> WritesFrom(std::size_t from) const {
    return {port.writes.begin() + static_cast<std::ptrdiff_t>(from), port.writes.end()};
  }
};

TEST_F(SchedulerTest, EachFrameIsTracedByTheFirstRowItMatches) {
  struct Row { std::string frame; std::string line; };
  const Row rows[] = {
      {AddressInquiry(OneUnitAddress(11)), "==> Hello 11"},
      {ShowText("0303", '$', LayoutJudgeNumber, "J:3"), "==> Display 'J:3'"},
      {AwardConfirmation("0303"), "==> J3 Award Received"},
      {AwardRequest("0A0A"), "==> J10 Award please"},
      {ClearDisplay(AllJudges, '$'), "==> Clear all MTE displays"},
      {ShowText(AllJudges, '#', LayoutDiveText, "103B 3m"), "==> Display '103B 3m'"},
      {ShowText(AllJudges, '#', LayoutDiverName, "ACSB"), "==> Clear all MTE displays"},
      {ShowText(AllJudges, '#', LayoutDiverName, "Caf\xE9"), "==> Display 'Caf\xC3\xA9'"},
      {AwardEntryRequest(AllJudges, '$'), "==> Display 'XX.X'"},
      {KeepAliveFrame, "==> Keep Alive"},
      {StatusScreen(), "==> Show Status Screen"},
      {ResetFrame(), "==> " + ResetFrame()},
      {SetAddress("12AB", "01"), "==> " + SetAddress("12AB", "01")},
      // A serial code holding a tested pair: the unit shows as the two characters there.
      {SetAddress("SRxy", "02"), "==> J#S Award please"},
      {SetAddress("1AIx", "02"), "==> Hello #1"},
  };
  for (const auto& row : rows) engine.SendList.Add(row.frame);
  std::size_t traced = window.mmo1.size(), written = port.writes.size();
  engine.ScanTimer->Start();
  clock.Advance(400 * static_cast<int>(std::size(rows)));
  Lines expected;
  for (const auto& row : rows) expected.push_back(row.line);
  EXPECT_EQ(TraceFrom(traced), expected);
  auto writes = WritesFrom(written);
  ASSERT_EQ(writes.size(), std::size(rows));
  for (std::size_t i = 0; i < writes.size(); ++i) {
    EXPECT_EQ(writes[i].bytes, rows[i].frame);
    EXPECT_EQ(writes[i].time, 400 * static_cast<int>(i + 1)) << "one frame per tick at the interval in force";
  }
}

TEST_F(SchedulerTest, IdleTickWithNothingToDoOnlyUpdatesTheEstimate) {
  window.SetLabel("lblTime", "x");
  std::size_t traced = window.mmo1.size();
  engine.ScanTimer->Start();
  clock.Advance(400);
  EXPECT_EQ(window.Label("lblTime"), "0:00:00");
  EXPECT_EQ(TraceFrom(traced), Lines{});
  EXPECT_FALSE(engine.ScanTimer->Running());
}

TEST_F(SchedulerTest, ScanNobodyAnswersRequeuesThreeTimesThenEnds) {
  window.SpTBXFindMTEsClick();
  ASSERT_EQ(port.writes.size(), 2u);
  clock.RunUntilIdle(200);
  auto writes = WritesFrom(2);
  ASSERT_EQ(writes.size(), 33u) << "three passes of eleven inquiries";
  // First idle tick at 1600, then 250 ms pacing; each pass ends with an idle tick.
  for (int pass = 0; pass < 3; ++pass)
    for (int n = 1; n <= 11; ++n) {
      const Written& w = writes[static_cast<std::size_t>(pass * 11 + n - 1)];
      EXPECT_EQ(w.bytes, AddressInquiry(OneUnitAddress(n)));
      EXPECT_EQ(w.time, 1600 + pass * 12 * 250 + n * 250);
    }
  EXPECT_TRUE(engine.FindList.Empty());
  EXPECT_EQ(engine.FindRetries, 4);
  EXPECT_FALSE(engine.Scanning);
  EXPECT_EQ(clock.Now(), 1600 + 3 * 12 * 250 + 250) << "the drop tick, then one more idle tick ends the scan";
  Lines tail(window.mmo1.end() - 3, window.mmo1.end());
  EXPECT_EQ(tail, (Lines{"", "End of MTE Scan", ""}));
  EXPECT_EQ(window.ScreenCursor, Cursor::Normal);
  EXPECT_FALSE(window.NextDiveEnabled) << "no unit registered";
}

TEST_F(SchedulerTest, UnacknowledgedJudgeNumberIsResentUntilCancelAll) {
  window.SpTBXFindMTEsClick();
  Receive(ConfigReply("03", "75", "ABCD"));
  clock.Advance(60000);
  const std::string judge = ShowText("0303", '$', LayoutJudgeNumber, "J:3");
  int resends = 0;
  std::int64_t last = 0;
  for (const auto& w : port.writes) {
    if (w.bytes != judge) continue;
    if (resends > 0) {
      EXPECT_GE(w.time - last, 190);
    }
    last = w.time;
    ++resends;
  }
  EXPECT_GT(resends, 100);
  EXPECT_TRUE(engine.Scanning) << "the scan does not end while the frame waits";
  EXPECT_FALSE(window.NextDiveEnabled) << "enabling reflects the last update, before the unit registered";
  window.btnStopClick();
  clock.RunUntilIdle(10);
  EXPECT_FALSE(engine.Scanning);
  EXPECT_TRUE(window.NextDiveEnabled);
  EXPECT_EQ(window.mmo1[window.mmo1.size() - 2], "End of MTE Scan");
}

TEST_F(SchedulerTest, PendingFramesBeforeAnyScanUseTheJudgeNumberPace) {
  ASSERT_EQ(engine.PendingInterval, 0);
  Receive(ConfigReply("02", "60", "WXYZ"));  // unasked: no scan has run
  engine.ScanTimer->Start();                  // a keep-alive or status screen would do this
  clock.Advance(400);                         // idle tick: pending re-queue
  EXPECT_EQ(engine.ScanTimer->Interval(), engine.JudgeNoInterval);
  ASSERT_TRUE(engine.ScanTimer->Running());
  std::size_t written = port.writes.size();
  clock.Advance(190);
  ASSERT_EQ(port.writes.size(), written + 1) << "the link must not stall at interval 0";
  EXPECT_EQ(port.writes.back().bytes, ShowText("0202", '$', LayoutJudgeNumber, "J:2"));
}

TEST_F(SchedulerTest, KeepAliveIsHeldBackDuringPollingDisplayAndEcho) {
  for (bool* flag : {&engine.PollingAwards, &engine.DisplayingAwards, &engine.EchoRunning}) {
    *flag = true;
    engine.AliveTimerTimer();
    EXPECT_TRUE(engine.SendList.Empty());
    *flag = false;
  }
  engine.ScanTimer->SetInterval(300);
  engine.ScanTimer->Start();
  clock.Advance(200);
  engine.AliveTimerTimer();
  EXPECT_EQ(engine.SendList.Entries(), Lines{KeepAliveFrame});
  std::size_t written = port.writes.size();
  clock.Advance(100);  // a running scan timer keeps its countdown
  ASSERT_EQ(port.writes.size(), written + 1);
  EXPECT_EQ(port.writes.back().bytes, KeepAliveFrame);
  EXPECT_EQ(window.mmo1.back(), "==> Keep Alive");
}

TEST_F(SchedulerTest, KeepAliveBoxRunsTheTimerOnlyWhileTicked) {
  window.cbKeepAliveClick(true);
  clock.Advance(20000);
  window.cbKeepAliveClick(false);
  window.cbKeepAliveClick(true);
  clock.Advance(49999);
  EXPECT_TRUE(engine.SendList.Empty()) << "the first keep-alive needs 50000 ms of the box staying ticked";
  clock.Advance(1);
  EXPECT_EQ(engine.SendList.Count(), 1u);
  window.cbKeepAliveClick(false);
  EXPECT_FALSE(engine.AliveTimer->Running());
}

TEST_F(SchedulerTest, FramesOnAClosedPortAreDroppedOneTickAtATimeAndReported) {
  port.Close();
  engine.SendList.Add(ClearDisplay(AllJudges, '#'));
  engine.SendList.Add(StatusScreen());
  engine.ScanTimer->Start();
  std::size_t traced = window.mmo1.size();
  clock.RunUntilIdle(10);
  EXPECT_TRUE(port.writes.empty());
  Lines lines = TraceFrom(traced);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "==> Clear all MTE displays");
  EXPECT_EQ(lines[1].rfind("*** Port not open", 0), 0u) << lines[1];
  EXPECT_EQ(lines[2], "==> Show Status Screen");
  EXPECT_EQ(lines[3].rfind("*** Port not open", 0), 0u);
  EXPECT_TRUE(engine.SendList.Empty());
}

}  // namespace
}  // namespace telvane::testing
