#include <gtest/gtest.h>

#include "link/Commands.h"
#include "tests/support/EngineFixture.h"
#include "tests/support/Replies.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

class DispatcherTest : public EngineFixture {
 protected:
  DispatcherTest() { OpenPort(); }
  Lines ReceiveAndTrace(const std::string& packet) {
    std::size_t from = window.mmo1.size();
    Receive(packet);
    return TraceFrom(from);
  }
};

TEST_F(DispatcherTest, ReplyTraceLinesNameTheUnitInDecimal) {
  struct Row { std::string packet; Lines lines; };
  const Row rows[] = {
      {Ack("0B"), {"<==== J11 ACK"}},
      {Ack("00"), {"<==== J0 ACK"}},
      {AliveReply("05"), {"<==== J5 Alive"}},
      {AwardReply("03", "  7.5 "), {"<==== J3  7.5 "}},
      {ConfigReply("0A", "80", "KQ12"), {"<==== J10 Here"}},
      {SerialReply("KQ12"), {"<==== " + SerialReply("KQ12")}},
      // Several codes in one packet: each handler and its line, in the fixed order.
      {Packet("0404$ALCF075.KQ34"), {"<==== J4 Alive", "<==== J4 Here"}},
      // A serial code holding "CF" runs the configuration handler first, whose battery field
      // (inside the serial code) is no number: the packet's handling ends there, reported.
      {Packet("0000$MC00KQCF"),
       {"*** Configuration reply with unreadable battery level 'QC' not handled: " + Packet("0000$MC00KQCF")}},
      // Dropped unseen: no hexadecimal unit address, or no code at all.
      {Packet("1G1G$AY"), {}},
      {Packet("0"), {}},
      {std::string(1, SOH), {}},
      {Packet("0303$ZZ"), {}},
  };
  for (const auto& row : rows) EXPECT_EQ(ReceiveAndTrace(row.packet), row.lines) << row.packet;
}

TEST_F(DispatcherTest, WrongCheckCharacterIsHandledLikeAnyOther) {
  std::string ack = Ack("03");
  ack.back() = static_cast<char>(ack.back() ^ 0x55);
  EXPECT_EQ(ReceiveAndTrace(ack), Lines{"<==== J3 ACK"});
}

TEST_F(DispatcherTest, ConfigReplyRegistersTheUnitOnceAndStopsItsInquiries) {
  window.SpTBXFindMTEsClick();
  window.SpTBXFindMTEsClick();  // two scans: 22 inquiries
  ASSERT_EQ(engine.FindList.Count(), 22u);
  Receive(ConfigReply("03", "45", "ABCD"));
  Receive(ConfigReply("03", "20", "ABCD"));
  EXPECT_EQ(engine.MACList.Entries(), Lines{"ABCD"});
  EXPECT_EQ(engine.JudgeList.Entries(), Lines{"03"});
  EXPECT_EQ(engine.PendingList.Entries(), Lines{"03" + ShowText("0303", '$', LayoutJudgeNumber, "J:3")});
  EXPECT_EQ(engine.FindList.Count(), 20u);
  for (const auto& entry : engine.FindList) EXPECT_NE(entry.substr(0, 2), "03");
  EXPECT_EQ(window.LEDs[2], LedColour::Red) << "the second reply's battery level wins";
  EXPECT_FALSE(engine.ScanTimer->Running() && engine.ScanTimer->Interval() != 1600) << "a config reply leaves the scan timer alone";
}

TEST_F(DispatcherTest, ConfigReplyWithUnreadableBatteryEndsAtTheBatteryField) {
  window.SpTBXFindMTEsClick();
  Lines lines = ReceiveAndTrace(Packet("0303$CF000x7.WXYZMC"));
  EXPECT_EQ(engine.MACList.Entries(), Lines{"WXYZ"});
  EXPECT_EQ(engine.JudgeList.Entries(), Lines{"03"});
  EXPECT_TRUE(engine.PendingList.Empty());
  EXPECT_EQ(engine.FindList.Count(), 11u);
  EXPECT_EQ(window.LEDs[2], LedColour::Silver);
  ASSERT_EQ(lines.size(), 1u) << "no Here line and no serial-code handling, one error line";
  EXPECT_NE(lines[0].find("unreadable battery level 'x7'"), std::string::npos) << lines[0];
  EXPECT_TRUE(engine.SendList.Empty()) << "the MC handler did not run";
}

TEST_F(DispatcherTest, AcknowledgementRemovesOnlyItsUnitsPendingFrames) {
  for (const char* entry : {"03J", "03SR", "30X", "0303", "13Y"}) engine.PendingList.Add(entry);
  Receive(Ack("03"));
  EXPECT_EQ(engine.PendingList.Entries(), (Lines{"13Y", "30X"}));
  EXPECT_TRUE(engine.SendList.Empty());
  EXPECT_FALSE(engine.ScanTimer->Running());
}

TEST_F(DispatcherTest, AcknowledgementDuringTheEchoTestOnlyCountsIt) {
  engine.PendingList.Add("03J");
  engine.EchoRunning = true;
  Receive(Ack("03"));
  Receive(Ack("0C"));  // no counter for that character
  EXPECT_EQ(window.Label("lblRead3"), "1");
  EXPECT_EQ(engine.PendingList.Count(), 1u);
}

TEST_F(DispatcherTest, SerialCodeRepliesAssignAddressesByCount) {
  struct Step { std::string serial; std::string frame; };
  const Step steps[] = {
      {"BB22", SetAddress("BB22", "01")},
      {"AA11", SetAddress("AA11", "02")},
      {"CC33", SetAddress("CC33", "03")},
      {"BB22", SetAddress("BB22", "03")},  // known already: gets the current count
      // Differs only in case: not added, no entry contains it, so the first entry is named.
      {"aa11", SetAddress("AA11", "03")},
  };
  for (const auto& step : steps) Receive(SerialReply(step.serial));
  Lines expected;
  for (const auto& step : steps) expected.push_back(step.frame);
  EXPECT_EQ(engine.SendList.Entries(), expected);
  EXPECT_EQ(engine.MACList.Entries(), (Lines{"AA11", "BB22", "CC33"}));
  EXPECT_TRUE(engine.ScanTimer->Running());
}

TEST_F(DispatcherTest, AwardReplyIsConfirmedEchoedAndShown) {
  Receive(AwardReply("08", "  8.5 "));
  EXPECT_EQ(engine.SendList.Entries(),
            (Lines{AwardConfirmation("0808"), ShowText("0808", '$', LayoutAwardEcho, "OK  8.5 ")}));
  EXPECT_EQ(window.Label("Awd8"), "  8.5 ");
  EXPECT_TRUE(engine.ScanTimer->Running());

  engine.SendList.Clear();
  Receive(AwardReply("0C", "  9.0 "));
  EXPECT_EQ(engine.SendList.Entries(),
            (Lines{AwardConfirmation("0C0C"), ShowText("0C0C", '$', LayoutAwardEcho, "OK  9.0 ")}));
  for (int n = 1; n <= 11; ++n) EXPECT_EQ(window.Label("Awd" + std::to_string(n)), n == 8 ? "  8.5 " : "") << n;
}

TEST_F(DispatcherTest, AliveReplyMarksLowBatteryAndQueuesTheJudgeLabel) {
  Receive(AliveReply("03"));
  EXPECT_EQ(window.LEDs[2], LedColour::Red);
  EXPECT_EQ(engine.SendList.Entries(), Lines{ShowText("0303", '#', LayoutJudgeLabel, "Judge: 3")});
  EXPECT_TRUE(engine.ScanTimer->Running());
  engine.SendList.Clear();
  Receive(AliveReply("0C"));
  EXPECT_EQ(engine.SendList.Entries(), Lines{ShowText("0C0C", '#', LayoutJudgeLabel, "Judge: 0")});
}

TEST_F(DispatcherTest, TranslatedJudgeLabelGoesOutInTheWireCodePage) {
  engine.siLangRT2.SetText(12, "IDS_107", "Sędzia: ");
  engine.siLangRT2.SetText(9, "IDS_107", "Dommer\xC3\xA6: ");
  engine.siLangRT2.SetLanguage(12);
  Receive(AliveReply("01"));
  engine.siLangRT2.SetLanguage(9);
  Receive(AliveReply("01"));
  EXPECT_EQ(engine.SendList.Entries(), (Lines{ShowText("0101", '#', LayoutJudgeLabel, "S?dzia: 1"),
                                              ShowText("0101", '#', LayoutJudgeLabel, "Dommer\xE6: 1")}));
}

TEST_F(DispatcherTest, ShortAndDamagedPacketsNeverCrash) {
  // Every prefix of every reply, and a few byte soups, through the whole receive path.
  for (const std::string& reply : {ConfigReply("03", "75", "ABCD"), AwardReply("03", "  7.0 "), SerialReply("ZZ99"),
                                   Ack("0B"), AliveReply("0A")})
    for (std::size_t n = 1; n <= reply.size(); ++n) {
      std::string cut = reply.substr(0, n);
      EXPECT_NO_THROW(engine.FramedPacketStringPacket(cut)) << n;
    }
  for (const char* soup : {"\x01" "03MC", "\x01" "03CF", "\x01" "034H", "\x01" "03AL", "\x01" "03AY"})
    EXPECT_NO_THROW(engine.FramedPacketStringPacket(soup));
}

}  // namespace
}  // namespace telvane::testing
