#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "console/HelpTarget.h"

namespace telvane {
namespace {

namespace fs = std::filesystem;

class HelpTargetTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(root_ / "bin"); }
  void TearDown() override { fs::remove_all(root_); }
  void Touch(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
  }
  std::string Target() { return HelpTarget((root_ / "bin").string() + "/"); }

  fs::path root_ = fs::path(::testing::TempDir()) / "HelpTargetTest";
};

TEST_F(HelpTargetTest, HelpProgramFirstThenTheGuideBesideTheProgramThenTheInstalledGuide) {
  EXPECT_EQ(Target(), "");

  Touch(root_ / "share/doc/telvane" / UserGuideName);
  EXPECT_EQ(fs::weakly_canonical(Target()), root_ / "share/doc/telvane" / UserGuideName);

  Touch(root_ / "bin" / UserGuideName);
  EXPECT_EQ(fs::path(Target()), root_ / "bin" / UserGuideName);

  Touch(root_ / "bin" / HelpProgramName);
  EXPECT_EQ(fs::path(Target()), root_ / "bin" / HelpProgramName);
}

TEST_F(HelpTargetTest, AFolderNamedLikeTheHelpProgramIsNotIt) {
  fs::create_directories(root_ / "bin" / HelpProgramName);
  Touch(root_ / "bin" / UserGuideName);
  EXPECT_EQ(fs::path(Target()), root_ / "bin" / UserGuideName);
}

}  // namespace
}  // namespace telvane
