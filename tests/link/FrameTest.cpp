#include "link/Frame.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "link/Commands.h"

namespace telvane {
namespace {

std::string Bytes(std::initializer_list<std::string> pieces) {
  std::string out;
  for (const auto& p : pieces) out += p;
  return out;
}
const std::string soh(1, SOH), stx(1, STX), eot(1, EOT);
std::string Chr(int code) { return std::string(1, static_cast<char>(code)); }

struct WorkedExample {
  const char* name;
  std::string built;
  std::string expected;
};

TEST(FrameTest, WorkedExamplesAreBuiltByteForByte) {
  const WorkedExample examples[] = {
      {"clear all, #", ClearDisplay(AllJudges, '#'), Bytes({soh, "010B#CS", eot, "E"})},
      {"address inquiry to all", AddressInquiry(AllJudges), Bytes({soh, "010B$AI", eot, "Z"})},
      {"J:3 on unit 3", ShowText(OneUnitAddress(3), '$', LayoutJudgeNumber, "J:3"),
       Bytes({soh, "0303$ST000A", stx, "131201J:3", eot, Chr(22)})},
      {"award-entry request to all", AwardEntryRequest(AllJudges, '$'),
       Bytes({soh, "010B$SN001A", stx, "20604", "000000", "0003E8", "0032", "XX.X", eot, Chr(4)})},
      {"set address 03 for serial 1234", SetAddress("1234", "03"),
       Bytes({soh, "#1234$SA0003", stx, "03", eot, Chr(22)})},
      {"status screen", StatusScreen(), Bytes({soh, "00FF#SK0002", stx, "0", eot, Chr(14)})},
      {"keep-alive", BuildFrame(KeepAliveAddr, '#', "AL"), KeepAliveFrame},
  };
  for (const auto& e : examples) EXPECT_EQ(e.built, e.expected) << e.name;
}

TEST(FrameTest, CatalogueFramesCarryTheirCodesAndLengths) {
  EXPECT_EQ(ResetFrame(), BuildFrame("00FF", '#', "RF"));
  EXPECT_EQ(SerialQuery().substr(0, 8), soh + "0000$AU");
  EXPECT_EQ(BuzzFrame().substr(0, 13), soh + "00FF$SB0004" + stx);
  EXPECT_EQ(BuzzFrame().substr(13, 3), "10A");
  EXPECT_EQ(AwardRequest("0303").substr(0, 8), soh + "0303$SR");
  EXPECT_EQ(AwardConfirmation("0C0C").substr(0, 8), soh + "0C0C#CN");
  EXPECT_EQ(ClearDisplay(ResetClearAddr, '#').substr(0, 8), soh + "01FF#CS");
}

TEST(FrameTest, FrameSizesFollowTheLayout) {
  EXPECT_EQ(ClearDisplay(AllJudges, '$').size(), 10u);
  EXPECT_EQ(SetAddress("ABCD", "0B").size(), 18u);
  EXPECT_EQ(AwardEntryRequest(OneUnitAddress(11), '#').size(), 40u);
}

TEST(FrameTest, LengthFieldCountsStxAndPayload) {
  struct Case { std::size_t payload; const char* field; };
  for (auto [size, field] : {Case{0, "0001"}, Case{9, "000A"}, Case{15, "0010"}, Case{254, "00FF"}}) {
    std::string frame = BuildFrame("0101", '#', "ST", std::string(size, 'x'));
    EXPECT_EQ(frame.substr(8, 4), field) << size;
    EXPECT_EQ(frame[12], STX);
    EXPECT_EQ(frame.size(), 10u + 5u + size);
  }
}

TEST(FrameTest, CheckCharacterIsXorOfEverythingBeforeIt) {
  EXPECT_EQ(GetCRC(""), 0);
  EXPECT_EQ(GetCRC(soh + "000B#AL" + eot), 89);
  EXPECT_EQ(GetCRC(std::string("\xFF\x0F")), 0xF0);
  // Characters above 127 enter with their low eight bits; the result may be any byte.
  std::string frame = ShowText("0101", '#', LayoutJudgeLabel, "J\xE9");
  EXPECT_EQ(static_cast<std::uint8_t>(frame.back()), GetCRC(std::string_view(frame).substr(0, frame.size() - 1)));
  // The broadcast award-entry request ends with two bytes of code 4 and stays so.
  std::string request = AwardEntryRequest(AllJudges, '$');
  EXPECT_EQ(request.substr(request.size() - 2), eot + Chr(4));
}

TEST(FrameTest, UnitTermsCoverUnitsTenAndEleven) {
  EXPECT_EQ(UnitAddress(1), "01");
  EXPECT_EQ(UnitAddress(10), "0A");
  EXPECT_EQ(UnitAddress(11), "0B");
  EXPECT_EQ(UnitAddress(12), "0C");
  EXPECT_EQ(OneUnitAddress(3), "0303");
  EXPECT_EQ(OneUnitAddress(10), "0A0A");
  EXPECT_EQ(OneUnitAddress(11), "0B0B");
  EXPECT_EQ(UnitNumber('1'), 1);
  EXPECT_EQ(UnitNumber('A'), 10);
  EXPECT_EQ(UnitNumber('B'), 11);
  for (char c : {'0', 'C', 'a', '\0'}) EXPECT_EQ(UnitNumber(c), 0) << int(c);
  EXPECT_THROW(UnitAddress(256), std::invalid_argument);
  EXPECT_THROW(UnitAddress(-1), std::invalid_argument);
}

TEST(FrameTest, BuilderRejectsProgrammingErrorsWithAMessage) {
  EXPECT_THROW(BuildFrame("010", '#', "CS"), std::invalid_argument);
  EXPECT_THROW(BuildFrame("010BB", '#', "CS"), std::invalid_argument);
  EXPECT_THROW(BuildFrame("#12345", '$', "SA", "01"), std::invalid_argument);
  EXPECT_THROW(BuildFrame("010B", '!', "CS"), std::invalid_argument);
  EXPECT_THROW(BuildFrame("010B", '#', "C"), std::invalid_argument);
  EXPECT_THROW(BuildFrame("010B", '#', "ST", std::string(0xFFFF, 'x')), std::invalid_argument);
  EXPECT_NO_THROW(BuildFrame("010B", '#', "ST", std::string(0xFFFE, 'x')));
  try {
    BuildFrame("01", '#', "CS");
    FAIL();
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find("'01'"), std::string::npos);
  }
}

TEST(FrameTest, SetAddressKeepsAShortSerialCodeAsReported) {
  EXPECT_EQ(SetAddress("12", "01"), BuildFrame("#12", '$', "SA", "01"));
  EXPECT_EQ(SetAddress("", "01").substr(0, 5), soh + "#$SA");
}

TEST(FrameTest, ReplyFieldsPastTheEndAreShortOrEmpty) {
  // Positions 1 to 20: SOH, address 2-5, kind 6, code 7-8, battery 12-13, serial 15-18, EOT, check.
  const std::string packet = soh + "0303$CF" + "..." + "75" + "." + "ABCD" + eot + "x";
  struct Case { std::size_t pos, count; const char* expected; };
  const Case cases[] = {
      {2, 2, "03"}, {3, 1, "3"}, {12, 2, "75"}, {15, 4, "ABCD"}, {20, 6, "x"}, {21, 2, ""}, {100, 4, ""}, {0, 4, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ReplyField(packet, c.pos, c.count), c.expected) << c.pos;
  EXPECT_EQ(ReplyField("", 1, 2), "");
}

}  // namespace
}  // namespace telvane
