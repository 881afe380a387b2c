#include <gtest/gtest.h>

#include "sim/Options.h"

namespace telvane::testing {
namespace {

using sim::FaultKind;
using sim::OptionError;
using sim::ParseOptions;

TEST(SimOptions, ImpossibleCommandLinesAreRefused) {
  const std::vector<std::vector<std::string>> lines = {
      {"--units", "13"},
      {"--units", "0"},
      {"--units", "x"},
      {"--fault", "2=zap"},
      {"--fault", "silent"},
      {"--fault", "2=dropack:1.5"},
      {"--units", "3", "--fault", "4=silent"},
      {"--battery", "100"},
      {"--awards", "7.5,abc"},
      {"--awards", "1234567"},
      {"--seed"},
      {"--frobnicate"},
  };
  for (const auto& line : lines) {
    SCOPED_TRACE(line.front() + (line.size() > 1 ? " " + line[1] : ""));
    EXPECT_THROW(ParseOptions(line), OptionError);
  }
}

TEST(SimOptions, PerUnitSettingsOverrideSettingsForAll) {
  auto options = ParseOptions({"--units", "4", "--battery", "50", "--battery", "2=9", "--awards",
                               "8.5", "--awards", "3=none", "--fault", "4=dropack:0.25", "--fault",
                               "1=late:200", "--seed", "9", "--device", "/dev/ttyS1"});
  const auto& units = options.network.units;
  ASSERT_EQ(units.size(), 4u);
  EXPECT_EQ(units[0].battery, 50);
  EXPECT_EQ(units[1].battery, 9);
  EXPECT_EQ(units[0].awards, std::vector<std::string>{"8.5"});
  EXPECT_TRUE(units[2].awards.empty());
  EXPECT_EQ(units[3].fault.kind, FaultKind::DropsAcks);
  EXPECT_DOUBLE_EQ(units[3].fault.dropFraction, 0.25);
  EXPECT_EQ(units[0].fault.kind, FaultKind::Late);
  EXPECT_EQ(units[0].fault.lateMs, 200);
  EXPECT_EQ(units[1].fault.kind, FaultKind::None);
  EXPECT_EQ(options.network.seed, 9u);
  EXPECT_EQ(options.device, "/dev/ttyS1");
}

TEST(SimOptions, BuiltInSerialCodesHoldNoReplyCodeAndDoNotSortInUnitOrder) {
  auto units = ParseOptions({}).network.units;
  ASSERT_EQ(units.size(), 11u);
  bool sorted = true;
  for (std::size_t i = 0; i < units.size(); ++i) {
    EXPECT_FALSE(sim::ContainsSearchedCode(units[i].serial)) << units[i].serial;
    EXPECT_EQ(units[i].number, static_cast<int>(i) + 1);
    if (i > 0 && units[i - 1].serial > units[i].serial) sorted = false;
  }
  EXPECT_FALSE(sorted);
}

}  // namespace
}  // namespace telvane::testing
