#include <gtest/gtest.h>

#include <vector>

#include "console/CommandLine.h"

namespace telvane {
namespace {

std::optional<CommandLineOutcome> Handle(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "telvane");
  return HandleCommandLine(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLineTest, HelpAndVersionAnswerAndExitWhereverTheyStand) {
  const auto help = Handle({"-platform", "offscreen", "--help"});
  ASSERT_TRUE(help.has_value());
  EXPECT_EQ(help->ExitCode, 0);
  EXPECT_EQ(help->Output.rfind("Usage: telvane", 0), 0u);
  EXPECT_NE(help->Output.find("--version"), std::string::npos);

  // The tests' own file carries the program's version block.
  const auto version = Handle({"--version"});
  ASSERT_TRUE(version.has_value());
  EXPECT_EQ(version->ExitCode, 0);
  EXPECT_EQ(version->Output, std::string("Telvane ") + TELVANE_PROJECT_VERSION + "\n");
}

TEST(CommandLineTest, AnythingElseOpensTheWindow) {
  EXPECT_FALSE(Handle({}).has_value());
  EXPECT_FALSE(Handle({"-platform", "offscreen"}).has_value());
  EXPECT_FALSE(Handle({"--helpful", "-version", "help"}).has_value());
}

}  // namespace
}  // namespace telvane
