// The simulated units on their own: what they answer, what they ignore, and that no byte
// sequence can break them.
#include <gtest/gtest.h>

#include <random>

#include "link/Commands.h"
#include "sim/Network.h"
#include "tests/support/VirtualClock.h"

namespace telvane::testing {
namespace {

struct Wire {
  explicit Wire(int units = 3) : network(clock, {sim::DefaultUnits(units), 1, 19200}) {
    network.SetWriter([this](std::string_view bytes) { replies.emplace_back(bytes); });
  }
  VirtualClock clock;
  sim::Network network;
  std::vector<std::string> replies;
};

TEST(SimUnit, RepliesOnlyToFramesOfKindAndAddressThatAskForThem) {
  struct Case {
    std::string frame;
    std::vector<std::string> codes;  // reply codes in line order
  };
  const std::vector<Case> cases = {
      {AddressInquiry("0202"), {"CF"}},
      {AddressInquiry(AllJudges), {"CF", "CF", "CF"}},
      {ClearDisplay(AllJudges, '$'), {"AY", "AY", "AY"}},
      {ClearDisplay(AllJudges, '#'), {}},
      {AwardRequest("0303"), {}},  // no dive yet: no award entered
      {SerialQuery(), {}},         // every unit has a number
      {AwardConfirmation("0101"), {}},
      {SetAddress("B3X9", "07"), {"AY"}},
      {KeepAliveFrame, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.frame);
    Wire wire;
    wire.network.Receive(c.frame);
    ASSERT_TRUE(wire.clock.RunUntilIdle());
    std::vector<std::string> codes;
    for (const auto& reply : wire.replies) codes.push_back(reply.substr(6, 2));
    EXPECT_EQ(codes, c.codes);
  }
}

TEST(SimUnit, SetAddressAcknowledgesFromTheNewAddress) {
  Wire wire;
  wire.network.Receive(SetAddress("B3X9", "07"));
  ASSERT_TRUE(wire.clock.RunUntilIdle());
  ASSERT_EQ(wire.replies.size(), 1u);
  EXPECT_EQ(wire.replies[0].substr(1, 2), "07");
  EXPECT_EQ(wire.network.BySerial("B3X9").Number(), 7);
}

TEST(SimUnit, DisplaySummaryKeepsOneTextPerLayoutAndClearsWithTheDisplay) {
  Wire wire(1);
  const auto& unit = *wire.network.Units()[0];
  EXPECT_EQ(unit.DisplaySummary(), "J1 shows nothing");
  wire.network.Receive(ShowText("0101", '$', "111000", "  7.5"));
  wire.network.Receive(ShowText("0101", '$', "111100", ""));
  wire.network.Receive(ShowText("0101", '$', "111000", "\xE9<\x07>"));
  ASSERT_TRUE(wire.clock.RunUntilIdle());
  // Latin-1 text comes out as UTF-8, control characters in hexadecimal.
  EXPECT_EQ(unit.DisplaySummary(), "J1 shows 111000 \"\xC3\xA9<<07>>\" | 111100 \"\"");
  wire.network.Receive(ClearDisplay("0101", '$'));
  ASSERT_TRUE(wire.clock.RunUntilIdle());
  EXPECT_EQ(unit.DisplaySummary(), "J1 shows nothing");
}

TEST(SimUnit, RepliesNeverOverlapOnTheLine) {
  Wire wire(11);
  std::vector<std::int64_t> times;
  wire.network.SetWriter([&](std::string_view) { times.push_back(wire.clock.Now()); });
  wire.network.Receive(AddressInquiry(AllJudges));
  ASSERT_TRUE(wire.clock.RunUntilIdle());
  ASSERT_EQ(times.size(), 11u);
  // A 20-character reply takes over 10 ms at 19200 baud.
  for (std::size_t i = 1; i < times.size(); ++i) EXPECT_GE(times[i] - times[i - 1], 10);
}

TEST(SimUnit, FrameSplitAtEveryOffsetIsAnsweredOnce) {
  const std::string frame = AddressInquiry("0101");
  for (std::size_t cut = 0; cut <= frame.size(); ++cut) {
    Wire wire;
    wire.network.Receive(frame.substr(0, cut));
    wire.network.Receive(frame.substr(cut));
    ASSERT_TRUE(wire.clock.RunUntilIdle());
    EXPECT_EQ(wire.replies.size(), 1u) << "cut at " << cut;
  }
}

TEST(SimUnit, DamagedFramesAreIgnoredAndNoBytesBreakTheUnits) {
  Wire wire;
  std::string bad = AddressInquiry(AllJudges);
  bad.back() = static_cast<char>(bad.back() ^ 1);
  wire.network.Receive(bad);
  std::mt19937 random(42);
  std::uniform_int_distribution<int> byte(0, 255);
  const std::string alphabet = std::string("\x01\x02\x04", 3) + "0123456789AB#$CFSTAIAUSRSNRF";
  for (int chunk = 0; chunk < 2000; ++chunk) {
    std::string bytes;
    for (int i = 0; i < 40; ++i)
      bytes +=
          random() % 2 ? static_cast<char>(byte(random)) : alphabet[random() % alphabet.size()];
    wire.network.Receive(bytes);
    wire.clock.Advance(random() % 50);
  }
  wire.network.Receive(ResetFrame());  // whatever the noise did, a reset brings every unit back
  ASSERT_TRUE(wire.clock.RunUntilIdle(100000));
  wire.replies.clear();
  wire.network.Receive(SerialQuery());
  ASSERT_TRUE(wire.clock.RunUntilIdle());
  EXPECT_EQ(wire.replies.size(), 3u);
}

}  // namespace
}  // namespace telvane::testing
