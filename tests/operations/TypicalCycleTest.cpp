// One whole operator cycle against three units that answer at once: scan, Next Dive, Get
// Awards, write-back. The complete trace is compared in order.
#include <gtest/gtest.h>

#include <map>

#include "link/Commands.h"
#include "tests/support/EngineFixture.h"
#include "tests/support/Replies.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

class TypicalCycleTest : public EngineFixture {
 protected:
  TypicalCycleTest() { OpenPort(); }

  // Units 1 to 3 answer the broadcast inquiry, acknowledge their judge number and answer
  // award requests with an award and an acknowledgement.
  void Answer(const std::string& frame) {
    if (frame == AddressInquiry(AllJudges)) {
      for (const char* unit : {"01", "02", "03"}) Receive(ConfigReply(unit, "70", std::string("SN") + unit));
      return;
    }
    const std::string addr = frame.substr(1, 2);
    if (frame.find("J:") != std::string::npos) Receive(Ack(addr));
    if (frame.find("$SR") != std::string::npos) {
      Receive(AwardReply(addr, awards.at(addr)));
      Receive(Ack(addr));
    }
  }
  void Run() {
    for (int ticks = 0; ticks < 500; ++ticks) {
      for (; answered < port.writes.size(); ++answered) Answer(port.writes[answered].bytes);
      if (!clock.AdvanceToNext()) return;
    }
    FAIL() << "the cycle did not go idle";
  }

  std::map<std::string, std::string> awards{{"01", "  7.5 "}, {"02", "  8.0 "}, {"03", "  6.5 "}};
  std::size_t answered = 0;
};

TEST_F(TypicalCycleTest, ScanDiveAwardsAndWriteBackTraceInOrder) {
  std::size_t from = window.mmo1.size();
  window.SpTBXFindMTEsClick();
  Run();
  window.SpTBXNextDiveClick();
  Run();
  window.SpTBXGetAwardsClick();
  Run();

  Lines expected{"", "Start of MTE Scan", "", "==> Clear all MTE displays", "==> Find all MTEs",
                 "<==== J1 Here", "<==== J2 Here", "<==== J3 Here"};
  for (int pass = 0; pass < 3; ++pass)
    for (int n = 4; n <= 11; ++n) expected.push_back("==> Hello " + std::to_string(n));
  for (int n = 1; n <= 3; ++n) {
    expected.push_back("==> Display 'J:" + std::to_string(n) + "'");
    expected.push_back("<==== J" + std::to_string(n) + " ACK");
  }
  for (const char* line : {"", "End of MTE Scan", "", "", "NextDive", "", "==> Clear all MTE displays",
                           "==> Display 'First Diver'", "==> Display '103B 3m'", "==> Display 'XX.X'", "",
                           "Start of Award Polling", ""})
    expected.push_back(line);
  for (const char* n : {"1", "2", "3"}) {
    expected.push_back(std::string("==> J") + n + " Award please");
    expected.push_back(std::string("<==== J") + n + awards.at(std::string("0") + n));
    expected.push_back(std::string("<==== J") + n + " ACK");
  }
  for (const char* n : {"1", "2", "3"}) {
    expected.push_back(std::string("==> J") + n + " Award Received");
    expected.push_back("==> Display 'OK" + awards.at(std::string("0") + n) + "'");
  }
  for (const char* line : {"", "End of Award Polling..", "..Display awards on MTEs", "", "==> Clear all MTE displays",
                           "==> Display '  7.5 '", "==> Display '  8.0 '", "==> Display '  6.5 '", "==> Display ''",
                           "==> Display ''", "==> Display ''", "==> Display ''", "", "End of Displaying Awards", ""})
    expected.push_back(line);
  EXPECT_EQ(TraceFrom(from), expected);

  EXPECT_EQ(window.Label("Awd2"), "  8.0 ");
  EXPECT_EQ(engine.MACList.Entries(), (Lines{"SN01", "SN02", "SN03"}));
  EXPECT_EQ(window.LEDs[0], LedColour::Lime);
  EXPECT_TRUE(window.NextDiveEnabled && window.MiscEnabled && window.EchoEnabled);
  EXPECT_FALSE(engine.PollingAwards || engine.DisplayingAwards || engine.Scanning);
  EXPECT_EQ(port.writes.back().bytes, ShowText(AllJudges, '#', "111600", ""));
}

}  // namespace
}  // namespace telvane::testing
