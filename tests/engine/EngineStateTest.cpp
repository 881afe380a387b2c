#include <gtest/gtest.h>

#include "tests/support/EngineFixture.h"

namespace telvane::testing {
namespace {

class EngineStateTest : public EngineFixture {
 protected:
  EngineStateTest() : EngineFixture({1, 3, 12, 51}) {}
};

TEST_F(EngineStateTest, StartStateAfterCreation) {
  for (const StringList* list : {&engine.MACList, &engine.PendingList, &engine.JudgeList, &engine.FindList,
                                 &engine.SendList, &engine.MACQueryList})
    EXPECT_TRUE(list->Empty());
  EXPECT_TRUE(engine.MACList.Sorted());
  EXPECT_TRUE(engine.PendingList.Sorted());
  EXPECT_TRUE(engine.JudgeList.Sorted());
  EXPECT_FALSE(engine.FindList.Sorted());
  EXPECT_FALSE(engine.SendList.Sorted());
  EXPECT_FALSE(engine.Scanning || engine.PollingAwards || engine.DisplayingAwards || engine.EchoRunning);
  EXPECT_EQ(engine.DiveIndex, -1);
  EXPECT_EQ(engine.PendingInterval, 0);
  EXPECT_EQ(engine.FindRetries, 0);
  EXPECT_EQ(engine.Loops, 10);
  EXPECT_EQ(engine.ResendPhase, 0);
  EXPECT_EQ(engine.ResendFrame, 0);
  EXPECT_EQ(engine.DiveText, "");
  for (const auto& row : engine.AckTable)
    for (int cell : row) EXPECT_EQ(cell, 0);
  EXPECT_EQ(engine.AckTable.size(), 11u);

  struct TimerStart { const Timer* timer; int interval; };
  for (auto [timer, interval] : {TimerStart{engine.ScanTimer.get(), 400}, TimerStart{engine.MACTimer.get(), 8000},
                                 TimerStart{engine.EchoTimer.get(), 150}, TimerStart{engine.AliveTimer.get(), 50000}}) {
    EXPECT_EQ(timer->Interval(), interval);
    EXPECT_FALSE(timer->Running());
  }
  EXPECT_EQ(port.Port(), 3);
  EXPECT_EQ(port.Baud(), 19200);
  EXPECT_FALSE(port.IsOpen());
}

TEST_F(EngineStateTest, ProbedPortsFillTheSelectorInOrderAndCommandsStartDisabled) {
  EXPECT_EQ(engine.PortList.Entries(), (std::vector<std::string>{"1", "3", "12"}));
  EXPECT_EQ(window.PortItems, engine.PortList.Entries());
  EXPECT_EQ(window.PortItemIndex, -1);
  EXPECT_FALSE(window.FindMTEsEnabled);
  EXPECT_FALSE(window.NextDiveEnabled);
  EXPECT_FALSE(window.MiscEnabled);
  EXPECT_FALSE(window.EchoEnabled);
}

TEST_F(EngineStateTest, DiveTableHoldsTheTenSampleDives) {
  ASSERT_EQ(TfrmMTEs::DiveTable.size(), 10u);
  EXPECT_EQ(TfrmMTEs::DiveTable[0], "103B 3m    First Diver");
  EXPECT_EQ(TfrmMTEs::DiveTable[4], "5134D 3m   Fifth Diver");
  EXPECT_EQ(TfrmMTEs::DiveTable[9], "5152D 7.5m Diver Ten");
  for (auto line : TfrmMTEs::DiveTable) EXPECT_EQ(line[10], ' ') << line;
}

TEST_F(EngineStateTest, ShutdownClosesThePortAndEmptiesTheLists) {
  OpenPort(1);
  ASSERT_TRUE(port.IsOpen());
  engine.MACList.Add("ABCD");
  engine.SendList.Add("x");
  engine.FormClose();
  EXPECT_FALSE(port.IsOpen());
  EXPECT_TRUE(engine.MACList.Empty());
  EXPECT_TRUE(engine.SendList.Empty());
  EXPECT_TRUE(engine.PortList.Empty());
  EXPECT_TRUE(port.writes.empty()) << "nothing is sent at shutdown";
}

TEST(EngineNoPortTest, NoPortLeavesTheSelectorEmpty) {
  VirtualClock clock;
  MemoryPort port(&clock);
  MainModel window;
  TfrmMTEs engine(port, clock, window);
  window.AttachEngine(engine);
  engine.FormCreate();
  EXPECT_TRUE(engine.PortList.Empty());
  EXPECT_TRUE(window.PortItems.empty());
  EXPECT_FALSE(window.FindMTEsEnabled);
}

}  // namespace
}  // namespace telvane::testing
