#include "common/Text.h"

#include <gtest/gtest.h>

namespace telvane {
namespace {

TEST(TextTest, HexPadsToTheGivenDigitsAndGrowsBeyond) {
  EXPECT_EQ(Hex(0, 6), "000000");
  EXPECT_EQ(Hex(1000, 6), "0003E8");
  EXPECT_EQ(Hex(11, 2), "0B");
  EXPECT_EQ(Hex(256, 2), "100");
}

TEST(TextTest, ParsingNeverThrowsAndRejectsWhatIsNotANumber) {
  EXPECT_EQ(ParseHex("0B"), 11);
  EXPECT_EQ(ParseHex("0b"), 11);
  EXPECT_EQ(ParseHex("00"), 0);
  for (const char* bad : {"", "1G", "#1", " 1", "-1"}) EXPECT_FALSE(ParseHex(bad).has_value()) << bad;
  EXPECT_EQ(ParseInt("75"), 75);
  EXPECT_EQ(ParseInt("-1"), -1);
  EXPECT_EQ(ParseInt("+5"), 5);
  for (const char* bad : {"", "7x", "x7", " 7", "99999999999", "+", "-"}) EXPECT_FALSE(ParseInt(bad).has_value()) << bad;
}

TEST(TextTest, TrimDropsBlanksAndControlCharacters) {
  EXPECT_EQ(Trim("  103B 3m  "), "103B 3m");
  EXPECT_EQ(Trim("\x01\t x \x04"), "x");
  EXPECT_EQ(Trim("   "), "");
}

TEST(TextTest, WireCodePageIsLatin1WithQuestionMarkForTheRest) {
  EXPECT_EQ(Utf8ToLatin1("Judge: "), "Judge: ");
  EXPECT_EQ(Utf8ToLatin1("Sędzia"), "S?dzia");
  EXPECT_EQ(Utf8ToLatin1("Dommer: \xC3\xA6"), "Dommer: \xE6");
  EXPECT_EQ(Utf8ToLatin1("\xD0\xA1\xD1\x83"), "??");
  EXPECT_EQ(Utf8ToLatin1("\xE4\xB8\xAD"), "?");
  EXPECT_EQ(Utf8ToLatin1("\xC3"), "?");  // cut short
  EXPECT_EQ(Latin1ToUtf8("\x01\xE9\xFF"), "\x01\xC3\xA9\xC3\xBF");
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all)), all);
}

}  // namespace
}  // namespace telvane
