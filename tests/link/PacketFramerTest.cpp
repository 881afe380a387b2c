#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "link/PacketFramer.h"
#include "tests/support/VirtualClock.h"

namespace telvane::testing {
namespace {

// A chunk of received bytes and the virtual time that passes after it.
struct Chunk {
  std::string bytes;
  int waitMs = 0;
};

struct FramingCase {
  const char* name;
  std::vector<Chunk> stream;
  std::vector<std::string> packets;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const FramingCase& c, std::ostream* os) { *os << c.name; }

const std::string Soh(1, SOH);
const std::string Eot(1, EOT);
const std::string Good = Soh + "0101$AY" + Eot + "k";
const std::string EightBit("\x01\xff\xe9\x00\x04\x80", 6);
constexpr int Timeout = PacketFramer::TimeoutMs;

const std::vector<FramingCase> FramingCases = {
    {"NoiseBeforeSohIsDropped", {{"xy" + Eot + "z" + Good}}, {Good}},
    {"SohInsideAPacketIsAnOrdinaryByte",
     {{Soh + "01" + Soh + "AY" + Eot + "c"}},
     {Soh + "01" + Soh + "AY" + Eot + "c"}},
    {"CheckByteEqualToSohEndsThePacket",
     {{Soh + "AY" + Eot + Soh + Good}},
     {Soh + "AY" + Eot + Soh, Good}},
    {"CheckByteEqualToEotEndsThePacket",
     {{Soh + "AY" + Eot + Eot + "z" + Good}},
     {Soh + "AY" + Eot + Eot, Good}},
    {"TwoPacketsInOneChunk", {{Good + Good}}, {Good, Good}},
    {"TimeoutDiscardsThenAGoodPacketFollows",
     {{Soh + "0101$AY", Timeout}, {Eot + "x" + Good}},
     {Good}},
    {"TimeoutWhileAwaitingTheCheckByte", {{Soh + "0101$AY" + Eot, Timeout}, {"x" + Good}}, {Good}},
    {"PacketFinishedJustBeforeTheTimeout",
     {{Soh + "AY", Timeout - 1}, {Eot + "c"}},
     {Soh + "AY" + Eot + "c"}},
    {"TimeoutCountsFromTheSohOfEachPacket",
     {{Good, Timeout - 1}, {Soh + "AY", Timeout - 1}, {Eot + "c"}},
     {Good, Soh + "AY" + Eot + "c"}},
    {"AllEightBitBytesPassUnchanged", {{EightBit}}, {EightBit}},
};

class FramingTest : public ::testing::TestWithParam<FramingCase> {
 protected:
  FramingTest() {
    framer.SetOnPacket([this](const std::string& p) { packets.push_back(p); });
  }

  VirtualClock clock;
  PacketFramer framer{clock};
  std::vector<std::string> packets;
};

TEST_P(FramingTest, DeliversTheSamePacketsWhole) {
  for (const Chunk& c : GetParam().stream) {
    framer.Feed(c.bytes);
    clock.Advance(c.waitMs);
  }
  EXPECT_EQ(packets, GetParam().packets);
}

// Serial reads merge and split arbitrarily: each chunk of the stream is cut once more at
// every offset, and the packets must not change.
TEST_P(FramingTest, DeliversTheSamePacketsSplitAtEveryOffset) {
  const auto& stream = GetParam().stream;
  for (std::size_t c = 0; c < stream.size(); ++c) {
    for (std::size_t cut = 1; cut < stream[c].bytes.size(); ++cut) {
      VirtualClock splitClock;
      PacketFramer split(splitClock);
      std::vector<std::string> got;
      split.SetOnPacket([&](const std::string& p) { got.push_back(p); });
      for (std::size_t i = 0; i < stream.size(); ++i) {
        std::string_view bytes = stream[i].bytes;
        if (i == c) {
          split.Feed(bytes.substr(0, cut));
          split.Feed(bytes.substr(cut));
        } else {
          split.Feed(bytes);
        }
        splitClock.Advance(stream[i].waitMs);
      }
      EXPECT_EQ(got, GetParam().packets) << "chunk " << c << " cut at " << cut;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Streams, FramingTest, ::testing::ValuesIn(FramingCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PacketFramerTest, FeedingByteByByteDeliversEachPacketOnItsLastByte) {
  VirtualClock clock;
  PacketFramer framer(clock);
  std::vector<std::string> packets;
  framer.SetOnPacket([&](const std::string& p) { packets.push_back(p); });
  for (std::size_t i = 0; i + 1 < Good.size(); ++i) framer.Feed(Good.substr(i, 1));
  EXPECT_TRUE(packets.empty());
  framer.Feed(Good.substr(Good.size() - 1));
  EXPECT_EQ(packets, std::vector<std::string>{Good});
}

TEST(PacketFramerTest, HandlerFailureDropsOnlyThatPacketAndIsReported) {
  VirtualClock clock;
  PacketFramer framer(clock);
  std::vector<std::string> handled, errors;
  framer.SetOnPacket([&](const std::string& p) {
    if (p.find("BAD") != std::string::npos) throw std::runtime_error("unreadable field");
    handled.push_back(p);
  });
  framer.SetOnHandlerError([&](const std::string& what) { errors.push_back(what); });
  const std::string bad = Soh + "BAD" + Eot + "c";
  framer.Feed(Good + bad + Good);
  EXPECT_EQ(handled, (std::vector<std::string>{Good, Good}));
  EXPECT_EQ(errors, std::vector<std::string>{"unreadable field"});
}

TEST(PacketFramerTest, ResetForgetsAPacketBeingCollected) {
  VirtualClock clock;
  PacketFramer framer(clock);
  std::vector<std::string> packets;
  framer.SetOnPacket([&](const std::string& p) { packets.push_back(p); });
  framer.Feed(Soh + "0101$A");
  framer.Reset();
  framer.Feed("Y" + Eot + "c" + Good);
  EXPECT_EQ(packets, std::vector<std::string>{Good});
  EXPECT_EQ(clock.NextDue(), -1) << "no timeout left armed after a delivery";
}

}  // namespace
}  // namespace telvane::testing
