#include <gtest/gtest.h>

#include "link/Commands.h"
#include "tests/support/EngineFixture.h"
#include "tests/support/Replies.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

class DiscoveryTest : public EngineFixture {
 protected:
  DiscoveryTest() { OpenPort(); }
};

TEST_F(DiscoveryTest, FindMTEsWritesTwoFramesAtOnceAndTheInquiriesAfter1600) {
  engine.SendList.Add(StatusScreen());  // already queued: goes first, 1600 ms on
  std::size_t traced = window.mmo1.size();
  window.SpTBXFindMTEsClick();
  EXPECT_EQ(port.writes, (std::vector<Written>{{0, ClearDisplay(AllJudges, '#')}, {0, AddressInquiry(AllJudges)}}));
  EXPECT_EQ(TraceFrom(traced),
            (Lines{"", "Start of MTE Scan", "", "==> Clear all MTE displays", "==> Find all MTEs"}));
  EXPECT_EQ(engine.FindList.Count(), 11u);
  EXPECT_EQ(engine.FindList[10], "0B" + AddressInquiry("0B0B"));
  EXPECT_EQ(engine.ScanTimer->Interval(), 1600);
  EXPECT_EQ(engine.PendingInterval, 190);
  EXPECT_EQ(engine.FindRetries, 0);
  EXPECT_TRUE(engine.Scanning);
  EXPECT_EQ(window.ScreenCursor, Cursor::Wait);
  clock.Advance(1599);
  EXPECT_EQ(port.writes.size(), 2u);
  clock.Advance(1);
  EXPECT_EQ(port.writes.back(), (Written{1600, StatusScreen()}));
  clock.Advance(1600);  // idle tick: the find list is queued at FindInterval
  clock.Advance(250);
  EXPECT_EQ(port.writes.back(), (Written{3450, AddressInquiry("0101")}));
}

TEST_F(DiscoveryTest, FindMTEsTwiceKeepsTwentyTwoInquiriesUntilUnitsAnswer) {
  window.SpTBXFindMTEsClick();
  window.SpTBXFindMTEsClick();
  EXPECT_EQ(engine.FindList.Count(), 22u);
  Receive(ConfigReply("05", "55", "E5E5"));
  EXPECT_EQ(engine.FindList.Count(), 20u);
  EXPECT_EQ(engine.FindRetries, 0);
}

TEST_F(DiscoveryTest, ResetQueuesItsFramesAndAssignsNumbersInSerialOrder) {
  window.SpTBXResetAllClick();
  EXPECT_EQ(engine.SendList.Entries(),
            (Lines{ClearDisplay(ResetClearAddr, '#'), ResetFrame(), ResetFrame(), SerialQuery()}));
  EXPECT_EQ(engine.MACQueryList.Entries(), (Lines{SerialQuery(), SerialQuery(), SerialQuery()}));
  EXPECT_EQ(engine.ScanTimer->Interval(), 190);
  EXPECT_TRUE(engine.MACTimer->Running());
  EXPECT_EQ(window.ScreenCursor, Cursor::Wait);
  // Units answer A, B, C; B's code sorts first, then A's, then C's.
  Receive(SerialReply("KA20"));
  Receive(SerialReply("KA10"));
  Receive(SerialReply("KA30"));

  std::vector<std::int64_t> queries;
  std::size_t traced = window.mmo1.size();
  std::int64_t assignedAt = -1;
  while (clock.Now() < 40000) {
    clock.AdvanceToNext();
    if (assignedAt < 0 && engine.Scanning) assignedAt = clock.Now();
  }
  for (const auto& w : port.writes)
    if (w.bytes == SerialQuery()) queries.push_back(w.time);
  // One query from the queue (fourth scan tick), three from the MAC timer.
  EXPECT_EQ(queries, (std::vector<std::int64_t>{4 * 190, 8000, 16000, 24000}));
  EXPECT_EQ(assignedAt, 32000);
  Lines lines = TraceFrom(traced);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Start of MTE Scan"), lines.end());
  // The scan after assignment re-sends set-address frames with the numbers by sorted code.
  std::vector<std::string> assigned;
  for (const auto& w : port.writes)
    if (w.time >= 32000 && w.bytes.find("$SA") != std::string::npos) assigned.push_back(w.bytes);
  ASSERT_GE(assigned.size(), 3u);
  EXPECT_EQ(Lines(assigned.begin(), assigned.begin() + 3),
            (Lines{SetAddress("KA10", "01"), SetAddress("KA20", "02"), SetAddress("KA30", "03")}));
  EXPECT_EQ(engine.PendingList.Count(), 3u) << "they wait for acknowledgements with their unit prefix";
  Receive(Ack("02"));
  EXPECT_EQ(engine.PendingList.Count(), 2u);
}

TEST_F(DiscoveryTest, ShorterResetIntervalShortensTheQueryPhase) {
  window.SetSpinValue("seReset", 1000);
  window.SpTBXResetAllClick();
  while (!engine.Scanning && clock.Now() < 20000) clock.AdvanceToNext();
  EXPECT_EQ(clock.Now(), 4000);
}

TEST_F(DiscoveryTest, NewResetIntervalRestartsARunningQueryCountdown) {
  window.SpTBXResetAllClick();
  clock.Advance(5000);
  window.SetSpinValue("seReset", 2000);  // countdown restarts at 5000
  std::size_t queries = 0;
  clock.Advance(6999 - 5000);
  for (const auto& w : port.writes) queries += w.bytes == SerialQuery();
  EXPECT_EQ(queries, 1u) << "only the queued one so far";
  clock.Advance(1);
  EXPECT_EQ(port.writes.back(), (Written{7000, SerialQuery()}));
}

TEST_F(DiscoveryTest, AssignmentWithNoUnitsGoesStraightToAScan) {
  engine.MACQueryList.Clear();
  engine.MACTimer->Start();
  clock.Advance(8000);
  EXPECT_FALSE(engine.MACTimer->Running());
  EXPECT_TRUE(engine.Scanning);
  EXPECT_TRUE(engine.PendingList.Empty());
}

TEST_F(DiscoveryTest, MoreThanElevenSerialCodesGetNumbersBeyondB) {
  for (int i = 0; i < 13; ++i) engine.MACList.Add("S" + std::to_string(100 + i));
  engine.SetAddresses();
  EXPECT_EQ(engine.PendingList.Count(), 13u);
  EXPECT_EQ(engine.PendingList[12], "0D" + SetAddress("S112", "0D"));
}

TEST_F(DiscoveryTest, StatusScreenAndBuzzQueueAndKeepTheLastInterval) {
  engine.ScanTimer->SetInterval(230);
  window.SpTBXStatusScrClick();
  window.SpTBXBuzzClick();
  clock.Advance(460);
  EXPECT_EQ(port.Frames(), (Lines{StatusScreen(), BuzzFrame()}));
  EXPECT_EQ(port.writes[0].time, 230);
  EXPECT_EQ(window.mmo1.back(), "==> " + BuzzFrame());
}

TEST_F(DiscoveryTest, IntervalSpinEditsCopyIntoTheEngine) {
  window.SpinTyped("seMTEInterval", "27");  // partial typing copies at once
  EXPECT_EQ(engine.FindInterval, 27);
  window.SpinTyped("seMTEInterval", "");
  EXPECT_EQ(engine.FindInterval, 200) << "no number reads as the minimum";
  window.SpinTyped("seMTEInterval", "900");
  window.SpinFocusLost("seMTEInterval");
  EXPECT_EQ(engine.FindInterval, 300);
  window.SetSpinValue("seJudgeNoInterval", 160);
  EXPECT_EQ(engine.JudgeNoInterval, 160);
  EXPECT_EQ(engine.PendingInterval, 0) << "reaches PendingInterval only at the next scan";
  window.SpTBXFindMTEsClick();
  EXPECT_EQ(engine.PendingInterval, 160);
}

TEST_F(DiscoveryTest, ScanWritesWithThePortClosedAreDroppedAndTheScanGoesOn) {
  port.Close();
  std::size_t traced = window.mmo1.size();
  window.SpTBXFindMTEsClick();
  EXPECT_TRUE(port.writes.empty());
  Lines lines = TraceFrom(traced);
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.rfind("*** Port not open", 0) == 0; }), 2);
  EXPECT_TRUE(engine.ScanTimer->Running());
  EXPECT_EQ(engine.FindList.Count(), 11u);
}

}  // namespace
}  // namespace telvane::testing
