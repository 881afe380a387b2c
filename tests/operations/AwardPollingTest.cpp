#include <gtest/gtest.h>

#include "link/Commands.h"
#include "tests/support/EngineFixture.h"
#include "tests/support/Replies.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

class AwardPollingTest : public EngineFixture {
 protected:
  AwardPollingTest() { OpenPort(); }
  std::size_t Count(const std::string& frame) const {
    std::size_t n = 0;
    for (const auto& w : port.writes) n += w.bytes == frame;
    return n;
  }
  std::size_t Find(const std::string& line) const {
    return static_cast<std::size_t>(std::find(window.mmo1.begin(), window.mmo1.end(), line) - window.mmo1.begin());
  }
};

TEST_F(AwardPollingTest, PollStartQueuesOneRequestPerRegisteredNumber) {
  Register(3);
  std::size_t traced = window.mmo1.size();
  window.btnPollClick();
  EXPECT_EQ(engine.PendingList.Entries(),
            (Lines{"01" + AwardRequest("0101"), "02" + AwardRequest("0202"), "03" + AwardRequest("0303")}));
  EXPECT_EQ(engine.SendList.Entries(), (Lines{AwardRequest("0101"), AwardRequest("0202"), AwardRequest("0303")}));
  EXPECT_EQ(TraceFrom(traced), (Lines{"", "Start of Award Polling", ""}));
  EXPECT_TRUE(engine.PollingAwards);
  EXPECT_EQ(engine.ScanTimer->Interval(), 230);
  clock.Advance(230);
  EXPECT_EQ(window.mmo1.back(), "==> J1 Award please");
}

TEST_F(AwardPollingTest, AGapInTheNumbersPollsForeverUntilCancelAll) {
  Register(3);  // units 1, 2 and 4 answered the scan
  window.btnPollClick();
  Receive(Ack("01"));
  Receive(Ack("02"));
  Receive(Ack("04"));
  clock.Advance(20000);
  EXPECT_GT(Count(AwardRequest("0303")), 50u);
  EXPECT_EQ(Count(AwardRequest("0404")), 0u);
  EXPECT_TRUE(engine.PollingAwards);
  std::size_t traced = window.mmo1.size();
  window.btnStopClick();
  clock.RunUntilIdle(20);
  EXPECT_FALSE(engine.PollingAwards);
  EXPECT_FALSE(engine.DisplayingAwards);
  for (const auto& line : TraceFrom(traced)) EXPECT_NE(line, "End of Award Polling..");
}

TEST_F(AwardPollingTest, PollWithNoUnitEndsAtOnceAndWritesBackEmptyRows) {
  window.btnPollClick();
  EXPECT_TRUE(engine.SendList.Empty());
  clock.RunUntilIdle(20);
  const std::size_t end = Find("End of Award Polling..");
  ASSERT_LT(end, window.mmo1.size());
  EXPECT_EQ(window.mmo1[end + 1], "..Display awards on MTEs");
  Lines written = port.Frames();
  ASSERT_EQ(written.size(), 8u);
  EXPECT_EQ(written[0], ClearDisplay(AllJudges, '#'));
  for (int r = 0; r <= 6; ++r)
    EXPECT_EQ(written[static_cast<std::size_t>(r + 1)], ShowText(AllJudges, '#', "111" + std::to_string(r) + "00", ""));
  EXPECT_EQ(written[1].substr(8, 4), "0007");
  EXPECT_GT(Find("End of Displaying Awards"), end);
}

TEST_F(AwardPollingTest, WriteBackRowsPairJudgesAndSkipMissingAwards) {
  struct Row { int r; const char* text; };
  window.SetLabel("Awd1", "  7.5 ");
  window.SetLabel("Awd8", "  8.0 ");
  window.SetLabel("Awd9", "  6.5 ");  // judge 2 gave nothing: row 1 starts with judge 9
  window.SetLabel("Awd11", "  9.0 ");
  window.SetLabel("Awd5", "  5.0 ");
  window.SendAllAwards();
  const Row rows[] = {{0, "  7.5   8.0 "}, {1, "  6.5 "}, {2, ""}, {3, "  9.0 "}, {4, "  5.0 "}, {5, ""}, {6, ""}};
  ASSERT_EQ(engine.SendList.Count(), 8u);
  for (const auto& row : rows)
    EXPECT_EQ(engine.SendList[static_cast<std::size_t>(row.r + 1)],
              ShowText(AllJudges, '#', "111" + std::to_string(row.r) + "00", row.text));
  EXPECT_EQ(engine.SendList[1].substr(8, 4), "0013");
  EXPECT_TRUE(engine.ScanTimer->Running());
}

TEST_F(AwardPollingTest, CancelAllDuringWriteBackDropsTheRemainingRows) {
  window.btnPollClick();
  clock.Advance(230);  // end of the empty poll: eight write-back frames queued
  ASSERT_TRUE(engine.DisplayingAwards);
  clock.Advance(3 * 230);
  window.btnStopClick();
  std::size_t sent = port.writes.size();
  clock.Advance(230);
  EXPECT_EQ(port.writes.size(), sent);
  EXPECT_FALSE(engine.DisplayingAwards);
  EXPECT_EQ(window.mmo1[window.mmo1.size() - 2], "End of Displaying Awards");
}

TEST_F(AwardPollingTest, CancelAllChangesOnlyItsFourThings) {
  Register(2);
  window.btnPollClick();
  engine.AckTable[0].fill(4);
  engine.AckTable[5].fill(4);
  engine.FindList.Add("01x");
  engine.DisplayingAwards = true;
  bool running = engine.ScanTimer->Running();
  std::size_t traced = window.mmo1.size();
  window.btnStopClick();
  EXPECT_EQ(engine.AckTable[0], (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(engine.AckTable[5], (std::array<int, 4>{4, 4, 4, 4})) << "rows beyond the registered units stay";
  EXPECT_TRUE(engine.PendingList.Empty() && engine.SendList.Empty() && !engine.PollingAwards);
  EXPECT_EQ(engine.FindList.Count(), 1u);
  EXPECT_TRUE(engine.DisplayingAwards);
  EXPECT_EQ(engine.ScanTimer->Running(), running);
  EXPECT_EQ(window.mmo1.size(), traced);
}

TEST_F(AwardPollingTest, FindMTEsDuringAPollEndsItJustBeforeTheScan) {
  Register(2);
  window.btnPollClick();
  window.SetLabel("Awd1", "  7.0 ");
  window.SpTBXFindMTEsClick();
  EXPECT_TRUE(engine.PollingAwards);
  EXPECT_TRUE(engine.PendingList.Empty());
  EXPECT_EQ(window.Label("Awd1"), "");
  clock.RunUntilIdle(200);
  const std::size_t poll = Find("End of Award Polling..");
  const std::size_t scan = Find("End of MTE Scan");
  ASSERT_LT(scan, window.mmo1.size());
  EXPECT_LT(poll, scan);
  EXPECT_LT(scan, Find("End of Displaying Awards"));
}

}  // namespace
}  // namespace telvane::testing
