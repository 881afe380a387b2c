// The real engine, operations and window model against the simulated network, in virtual
// time: what an operator does at a competition, end to end, with no terminal and no clock.
#include <gtest/gtest.h>

#include "tests/sim/SimBench.h"

namespace telvane::testing {
namespace {

using sim::DisplayLine;
using sim::FaultKind;

std::string Six(const std::string& award) { return std::string(6 - award.size(), ' ') + award; }

TEST(NetworkScenario, ScanDiveAndAwardsEndWithEveryAwardOnEveryDisplay) {
  auto units = sim::DefaultUnits(3);
  SimBench bench(Units(units));

  bench.window.SpTBXFindMTEsClick();
  ASSERT_TRUE(bench.clock.RunUntilIdle());
  for (int n = 1; n <= 3; ++n) {
    EXPECT_TRUE(bench.Traced("<==== J" + std::to_string(n) + " Here"));
    EXPECT_EQ(bench.network.Units()[n - 1]->Display(),
              (std::vector<DisplayLine>{{"131201", "J:" + std::to_string(n)}}));
  }
  EXPECT_TRUE(bench.Traced("End of MTE Scan"));
  EXPECT_TRUE(bench.window.NextDiveEnabled);

  bench.window.SpTBXNextDiveClick();
  ASSERT_TRUE(bench.clock.RunUntilIdle());
  for (const auto& unit : bench.network.Units())
    EXPECT_EQ(unit->Display(),
              (std::vector<DisplayLine>{{"111100", "First Diver"}, {"121302", "103B 3m"}}));

  bench.window.btnPollClick();
  ASSERT_TRUE(bench.clock.RunUntilIdle());
  for (int n = 1; n <= 3; ++n) {
    const std::string award = Six(units[n - 1].awards[0]);
    EXPECT_EQ(bench.window.Label("Awd" + std::to_string(n)), award);
    EXPECT_TRUE(bench.Traced("<==== J" + std::to_string(n) + award));
  }
  const long polled = bench.TracePos("End of Award Polling..");
  const long shown = bench.TracePos("End of Displaying Awards");
  ASSERT_GE(polled, 0);
  EXPECT_GT(shown, polled);
  // The write-back table: row r holds the awards of judges r+1 and r+8.
  std::vector<DisplayLine> table;
  for (int row = 0; row <= 6; ++row)
    table.push_back({"111" + std::to_string(row) + "00",
                     row < 3 ? Six(units[static_cast<std::size_t>(row)].awards[0]) : ""});
  for (const auto& unit : bench.network.Units()) EXPECT_EQ(unit->Display(), table);
}

TEST(NetworkScenario, ResetNumbersUnitsInSerialCodeOrderNotInReplyOrder) {
  auto units = sim::DefaultUnits(3);
  units[0].serial = "R5D1";  // first to answer the serial query, sorts last
  units[1].serial = "B3X9";
  units[2].serial = "K7P2";
  SimBench bench(Units(units));
  bench.window.SpTBXFindMTEsClick();
  ASSERT_TRUE(bench.clock.RunUntilIdle());

  bench.window.SetSpinValue("seReset", 1000);
  bench.window.SpTBXResetAllClick();
  ASSERT_TRUE(bench.clock.RunUntilIdle());

  const long r = bench.TracePos("MC00R5D1");
  const long b = bench.TracePos("MC00B3X9");
  const long k = bench.TracePos("MC00K7P2");
  ASSERT_GE(r, 0);
  EXPECT_LT(r, b);
  EXPECT_LT(b, k);
  EXPECT_EQ(bench.network.BySerial("B3X9").Number(), 1);
  EXPECT_EQ(bench.network.BySerial("K7P2").Number(), 2);
  EXPECT_EQ(bench.network.BySerial("R5D1").Number(), 3);
  EXPECT_GE(bench.TracePos("End of MTE Scan", bench.TracePos("Start of MTE Reset")), 0);
  EXPECT_TRUE(bench.engine.PendingList.Empty());
}

TEST(NetworkScenario, EchoTestCountsExactlyTheAcknowledgementsAUnitLoses) {
  for (std::uint32_t seed : {1u, 7u, 1234u}) {
    SCOPED_TRACE(seed);
    auto units = sim::DefaultUnits(3);
    const double fraction = 0.1;
    units[1].fault = {FaultKind::DropsAcks, fraction, 0};
    SimBench bench({units, seed, 19200});
    bench.window.SpTBXFindMTEsClick();
    ASSERT_TRUE(bench.clock.RunUntilIdle());

    const int loops = 100;
    bench.window.SetSpinValue("seLoops", loops);
    bench.window.SpTBXEchoClick();
    ASSERT_TRUE(bench.clock.RunUntilIdle());

    ASSERT_TRUE(bench.Traced("End of Echo Test"));
    for (char c : {'1', '2', '3'})
      EXPECT_EQ(bench.window.Label(std::string("lblWrite") + c), std::to_string(loops));
    EXPECT_EQ(bench.window.Label("lblRead1"), std::to_string(loops));
    EXPECT_EQ(bench.window.Label("lblRead2"),
              std::to_string(loops - static_cast<int>(loops * fraction)));
    EXPECT_EQ(bench.window.Label("lblRead3"), std::to_string(loops));
  }
}

TEST(NetworkScenario, UnitThatNeverAcknowledgesHoldsTheScanUntilCancelAll) {
  auto units = sim::DefaultUnits(3);
  units[1].fault = {FaultKind::NeverAcks, 0.0, 0};
  SimBench bench(Units(units));
  bench.window.SpTBXFindMTEsClick();

  EXPECT_FALSE(bench.clock.RunUntilIdle(2000));
  EXPECT_TRUE(bench.Traced("<==== J2 Here"));
  EXPECT_FALSE(bench.Traced("End of MTE Scan"));
  EXPECT_FALSE(bench.engine.PendingList.Empty());

  bench.window.btnStopClick();
  ASSERT_TRUE(bench.clock.RunUntilIdle());
  EXPECT_TRUE(bench.Traced("End of MTE Scan"));
}

}  // namespace
}  // namespace telvane::testing
