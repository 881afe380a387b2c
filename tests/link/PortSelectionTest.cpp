// Choosing a port in the selector, writes with no port open, and the device going away,
// against the in-memory port.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/EngineFixture.h"

namespace telvane::testing {
namespace {

const std::string Soh(1, SOH);
const std::string Eot(1, EOT);
const std::string Ack = Soh + "0101$AY" + Eot + "c";

class PortSelectionTest : public EngineFixture {
 protected:
  // Selector items "3", "5", "7".
  static constexpr int Item3 = 0, Item5 = 1, Item7 = 2;
  PortSelectionTest() : EngineFixture({3, 5, 7}) { window.BaudRate = "9600"; }

  std::size_t CountTrace(std::string_view text) const {
    return static_cast<std::size_t>(std::count_if(
        window.mmo1.begin(), window.mmo1.end(),
        [&](const std::string& line) { return line.find(text) != std::string::npos; }));
  }
};

TEST_F(PortSelectionTest, FirstChoiceOfPort5OpensItAtTheConfiguredSpeed) {
  const std::size_t from = window.mmo1.size();
  window.rgCOMPortsClick(Item5);
  EXPECT_EQ(port.Port(), 5);
  EXPECT_TRUE(port.IsOpen());
  EXPECT_EQ(port.openedAtBaud, std::vector<int>{9600});
  EXPECT_EQ(TraceFrom(from), std::vector<std::string>{"Using COM5"});
  EXPECT_EQ(port.flushes, 1);
  EXPECT_TRUE(window.FindMTEsEnabled);
  EXPECT_TRUE(messages.empty());
}

// The engine starts on port 3 at 19200; the speed is given only when the number changes.
TEST_F(PortSelectionTest, FirstChoiceOfPort3OpensAtTheStartSpeed) {
  window.rgCOMPortsClick(Item3);
  EXPECT_TRUE(port.IsOpen());
  EXPECT_EQ(port.openedAtBaud, std::vector<int>{19200});
  EXPECT_EQ(window.mmo1.back(), "Using COM3");
}

TEST_F(PortSelectionTest, SwitchingFrom5To7ReopensAtTheSpeedConfiguredNow) {
  window.rgCOMPortsClick(Item5);
  window.BaudRate = "4800";
  window.rgCOMPortsClick(Item7);
  EXPECT_EQ(port.Port(), 7);
  EXPECT_TRUE(port.IsOpen());
  EXPECT_EQ(port.openedAtBaud, (std::vector<int>{9600, 4800}));
  EXPECT_EQ(window.mmo1.back(), "Using COM7");
}

TEST_F(PortSelectionTest, SelectingTheOpenPortAgainOnlyFlushesItsInput) {
  window.rgCOMPortsClick(Item5);
  const std::size_t from = window.mmo1.size();
  window.rgCOMPortsClick(Item5);
  EXPECT_EQ(port.opens, 1);
  EXPECT_EQ(port.flushes, 2);
  EXPECT_TRUE(TraceFrom(from).empty());
}

TEST_F(PortSelectionTest, PortTakenAfterStartGivesTheErrorBoxAndLeavesNoPortOpen) {
  window.rgCOMPortsClick(Item5);
  port.heldElsewhere.insert(7);
  const std::size_t from = window.mmo1.size();
  window.rgCOMPortsClick(Item7);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].kind, MessageKind::Error);
  EXPECT_EQ(messages[0].text, "Failed to open COM7");
  EXPECT_EQ(messages[0].detail, "Permission denied");
  EXPECT_FALSE(port.IsOpen());
  EXPECT_EQ(port.flushes, 1) << "the failed port's input is not touched";
  EXPECT_TRUE(TraceFrom(from).empty());
  EXPECT_FALSE(window.FindMTEsEnabled);
}

TEST_F(PortSelectionTest, BaudRateThatIsNoWholeNumberChangesNothingAndIsReported) {
  window.rgCOMPortsClick(Item5);
  for (const char* text : {"abc", "", "96OO", "9600.5"}) {
    window.BaudRate = text;
    const std::size_t from = window.mmo1.size();
    window.rgCOMPortsClick(Item7);
    EXPECT_EQ(port.Port(), 5) << text;
    EXPECT_TRUE(port.IsOpen()) << text;
    EXPECT_EQ(port.opens, 1) << text;
    const auto lines = TraceFrom(from);
    ASSERT_EQ(lines.size(), 1u) << text;
    EXPECT_NE(lines[0].find("'" + std::string(text) + "'"), std::string::npos) << lines[0];
  }
  EXPECT_TRUE(messages.empty());
}

// The keep-alive timer runs whether a port is open or not; its frame is dropped and each
// drop reported, and the link goes on.
TEST_F(PortSelectionTest, WritesWithNoPortOpenAreDroppedAndReportedEachTime) {
  window.cbKeepAliveClick(true);
  clock.Advance(2 * 50000 + 400);
  EXPECT_TRUE(port.writes.empty());
  EXPECT_EQ(CountTrace("==> Keep Alive"), 2u);
  EXPECT_EQ(CountTrace("Port not open"), 2u);
  EXPECT_TRUE(engine.SendList.Empty());
  EXPECT_TRUE(messages.empty());

  window.rgCOMPortsClick(Item5);
  clock.Advance(50000);
  EXPECT_EQ(port.writes.size(), 1u);
}

TEST_F(PortSelectionTest, DeviceGoneClosesReportsOnceAndReselectingReopens) {
  window.rgCOMPortsClick(Item5);
  Receive(Soh + "0101$A");
  const std::size_t from = window.mmo1.size();
  port.Unplug("Input/output error");
  EXPECT_FALSE(port.IsOpen());
  EXPECT_FALSE(window.FindMTEsEnabled);
  const auto lines = TraceFrom(from);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("COM5"), std::string::npos) << lines[0];
  EXPECT_NE(lines[0].find("Input/output error"), std::string::npos) << lines[0];

  window.rgCOMPortsClick(Item5);
  EXPECT_TRUE(port.IsOpen());
  EXPECT_EQ(port.opens, 2);
  EXPECT_TRUE(window.FindMTEsEnabled);
  // The half packet from before the loss is gone: its tail is noise, the next packet counts.
  Receive("Y" + Eot + "c" + Ack);
  EXPECT_EQ(CountTrace("<==== J1 ACK"), 1u);
}

}  // namespace
}  // namespace telvane::testing
