#include <gtest/gtest.h>

#include "link/Commands.h"
#include "tests/support/EngineFixture.h"
#include "tests/support/Replies.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

class DiveBroadcastTest : public EngineFixture {
 protected:
  DiveBroadcastTest() { OpenPort(); }
  Lines BroadcastOf(const std::string& name, const std::string& dive) const {
    return {ClearDisplay(AllJudges, '$'), ShowText(AllJudges, '$', LayoutDiverName, name),
            ShowText(AllJudges, '$', LayoutDiveText, dive), AwardEntryRequest(AllJudges, '$')};
  }
};

TEST_F(DiveBroadcastTest, NextDiveCyclesTheTenSampleDives) {
  struct Expect { int click; const char* dive; const char* name; };
  const Expect expected[] = {{1, "103B 3m", "First Diver"}, {5, "5134D 3m", "Fifth Diver"},
                             {10, "5152D 7.5m", "Diver Ten"}, {11, "103B 3m", "First Diver"}};
  int clicks = 0;
  for (const auto& e : expected) {
    while (clicks < e.click) {
      engine.SendList.Clear();
      window.SpTBXNextDiveClick();
      ++clicks;
    }
    EXPECT_EQ(engine.DiveText, e.dive) << e.click;
    EXPECT_EQ(engine.DiverName, e.name) << e.click;
    EXPECT_EQ(engine.SendList.Entries(), BroadcastOf(e.name, e.dive)) << e.click;
  }
  EXPECT_EQ(engine.DiveIndex, 0);
}

TEST_F(DiveBroadcastTest, BroadcastPacingAckTableAndTrace) {
  Register(3);
  for (int n = 1; n <= 11; ++n) {
    window.SetLabel("Awd" + std::to_string(n), "x");
    window.SetLabel(std::string("lblRead") + UnitChars[static_cast<std::size_t>(n - 1)], "4");
  }
  std::size_t traced = window.mmo1.size();
  window.SpTBXNextDiveClick();
  EXPECT_EQ(engine.ScanTimer->Interval(), 270);
  for (std::size_t row = 0; row < 11; ++row)
    for (int cell : engine.AckTable[row]) EXPECT_EQ(cell, row < 3 ? 4 : 0) << row;
  for (int n = 1; n <= 11; ++n) {
    EXPECT_EQ(window.Label("Awd" + std::to_string(n)), "");
    EXPECT_EQ(window.Label(std::string("lblRead") + UnitChars[static_cast<std::size_t>(n - 1)]), "");
  }
  clock.Advance(4 * 270);
  EXPECT_EQ(TraceFrom(traced), (Lines{"", "NextDive", "", "==> Clear all MTE displays", "==> Display 'First Diver'",
                                      "==> Display '103B 3m'", "==> Display 'XX.X'"}));
  EXPECT_EQ(port.writes.back().time, 4 * 270);
}

TEST_F(DiveBroadcastTest, AckTableStopsAtElevenRows) {
  Register(13);
  window.SpTBXNextDiveClick();
  EXPECT_EQ(engine.ScanTimer->Interval(), 13 * 50 + 120);
  for (const auto& row : engine.AckTable)
    for (int cell : row) EXPECT_EQ(cell, 4);
}

TEST_F(DiveBroadcastTest, NextDiveDuringAPollEndsItSilently) {
  Register(2);
  window.btnPollClick();
  ASSERT_TRUE(engine.PollingAwards);
  window.SpTBXNextDiveClick();
  EXPECT_FALSE(engine.PollingAwards);
  EXPECT_TRUE(engine.PendingList.Empty());
  // The requests already queued go out before the dive frames.
  Lines expected{AwardRequest("0101"), AwardRequest("0202")};
  for (const auto& f : BroadcastOf("First Diver", "103B 3m")) expected.push_back(f);
  EXPECT_EQ(engine.SendList.Entries(), expected);
  clock.RunUntilIdle(50);
  for (const auto& line : window.mmo1) EXPECT_NE(line, "End of Award Polling..");
}

TEST_F(DiveBroadcastTest, IndicatorClickWritesTheCurrentDiveToOneUnit) {
  window.LEDClick("LED4");
  const std::string clear = ClearDisplay("0404", '#');
  EXPECT_EQ(port.writes, (std::vector<Written>{{0, clear}}));
  EXPECT_EQ(window.mmo1.back(), "==> " + clear);
  EXPECT_EQ(engine.SendList.Entries(),
            (Lines{ShowText("0404", '#', LayoutDiverName, "First Diver"), ShowText("0404", '#', LayoutDiveText, "103B 3m"),
                   AwardEntryRequest("0404", '#')}));
  EXPECT_EQ(engine.ScanTimer->Interval(), 190);
  EXPECT_EQ(engine.DiveIndex, -1);
  EXPECT_EQ(engine.DiverName, "");
  engine.SendList.Clear();
  window.SpTBXNextDiveClick();
  EXPECT_EQ(engine.DiverName, "First Diver") << "the next broadcast still starts at dive 0";

  for (int i = 0; i < 5; ++i) window.SpTBXNextDiveClick();  // dive 5
  engine.SendList.Clear();
  window.LEDClick("LED11");
  EXPECT_EQ(port.writes.back().bytes, ClearDisplay("0B0B", '#'));
  EXPECT_EQ(engine.SendList[0], ShowText("0B0B", '#', LayoutDiverName, "Diver Six"));
  EXPECT_EQ(engine.SendList[1], ShowText("0B0B", '#', LayoutDiveText, "107C 5m"));
}

TEST_F(DiveBroadcastTest, IndicatorClickWithThePortClosedStillQueuesTheDive) {
  port.Close();
  window.LEDClick("LED1");
  EXPECT_TRUE(port.writes.empty());
  EXPECT_EQ(window.mmo1.back().rfind("*** Port not open", 0), 0u);
  EXPECT_EQ(engine.SendList.Count(), 3u);
  EXPECT_TRUE(engine.ScanTimer->Running());
}

}  // namespace
}  // namespace telvane::testing
