#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "common/FileVerInf.h"
#include "common/VersionBlockWriter.h"

namespace telvane {
namespace {

namespace fs = std::filesystem;

std::string ErrorText(int code) {
  return "Error #" + std::to_string(code) + " - " + std::strerror(code);
}

VersionBlockContent ExampleContent() {
  VersionBlockContent content;
  content.Language = 0x0809;
  content.CodePage = 1252;
  content.FileVersion = {7, 0, 7, 4};
  content.Strings = {{"CompanyName", "Kelm"},
                     {"FileVersion", "7.0.7.4"},
                     {"ProductName", "Telvane"},
                     {"SpecialBuild", ""}};
  return content;
}

// A program file's bytes around the block: code before it, and a stray copy of the root key
// in UTF-16 that is not the start of a block.
std::string ProgramBytes(const std::vector<std::uint8_t>& block) {
  std::string bytes =
      "\x7f"
      "ELF some code";
  for (char c : std::string_view("VS_VERSION_INFO")) bytes += {c, '\0'};
  bytes += std::string("\0\0 more code ", 13);
  bytes.append(block.begin(), block.end());
  bytes += " trailing data";
  return bytes;
}

class FileVerInfTest : public ::testing::Test {
 protected:
  std::string Fixture(const std::string& name, const std::string& bytes) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }
  std::string Fixture(const std::string& name, const VersionBlockContent& content) {
    return Fixture(name, ProgramBytes(WriteVersionBlock(content)));
  }
  void SetUp() override {
#ifdef _WIN32
    GTEST_SKIP() << "Windows reads version blocks from the resources of a program, not from "
                    "bytes in a file";
#endif
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_ = fs::path(::testing::TempDir()) /
                     ::testing::UnitTest::GetInstance()->current_test_info()->name();
  TFileVersionInfo info_;
};

TEST_F(FileVerInfTest, ExampleBlockGivesItsVersionAndTheChosenStringBlock) {
  info_.SetVerFileName(Fixture("example.bin", ExampleContent()));
  EXPECT_EQ(info_.VerFileLangID(), 0u);
  EXPECT_EQ(info_.StrVerFileVersion(), "7.0.7.4");
  EXPECT_EQ(info_.VerFileLangID(), 0x0809u);
  EXPECT_EQ(info_.VerFileCPID(), 1252u);
}

TEST_F(FileVerInfTest, EachPropertyReadsItsOwnKey) {
  info_.SetVerFileName(Fixture("example.bin", ExampleContent()));
  EXPECT_EQ(info_.StrVerFileCompanyName(), "Kelm");
  EXPECT_EQ(info_.StrVerFileProductName(), "Telvane");
  EXPECT_EQ(info_.StrVerFileVersion(), "7.0.7.4");
}

TEST_F(FileVerInfTest, EachReadLoadsTheFileAfresh) {
  const std::string path = Fixture("example.bin", ExampleContent());
  info_.SetVerFileName(path);
  EXPECT_EQ(info_.StrVerFileVersion(), "7.0.7.4");
  VersionBlockContent next = ExampleContent();
  next.Language = 0x0C0A;  // hexadecimal letters in the string block's key
  next.Strings = {{"FileVersion", "7.0.8.0"}};
  Fixture("example.bin", next);
  EXPECT_EQ(info_.StrVerFileVersion(), "7.0.8.0");
  EXPECT_EQ(info_.VerFileLangID(), 0x0C0Au);
}

TEST_F(FileVerInfTest, FileWithoutAVersionBlockGivesTheErrorTextAndForgetsTheLastBlock) {
  info_.SetVerFileName(Fixture("example.bin", ExampleContent()));
  ASSERT_EQ(info_.StrVerFileVersion(), "7.0.7.4");

  const std::vector<std::uint8_t> block = WriteVersionBlock(ExampleContent());
  std::string damaged = ProgramBytes(block);
  damaged.resize(damaged.size() - 20 - 14);  // cut inside the block
  const std::pair<const char*, std::string> files[] = {
      {"empty.bin", ""},
      {"code.bin",
       "\x7f"
       "ELF nothing but code"},
      {"cut.bin", damaged},
  };
  for (const auto& [name, bytes] : files) {
    info_.SetVerFileName(Fixture(name, bytes));
    const std::string text = info_.StrVerFileVersion();
    EXPECT_EQ(text, ErrorText(ENODATA)) << name;
    EXPECT_EQ(text.rfind("Error #", 0), 0u) << name;
    EXPECT_EQ(info_.VerFileLangID(), 0u) << name;
    EXPECT_EQ(info_.VerFileCPID(), 0u) << name;
  }
}

TEST(FileVerInfErrorTest, MissingFileGivesTheSystemsNotFoundTextOnOneLine) {
  TFileVersionInfo info;
  info.SetVerFileName((fs::path(::testing::TempDir()) / "absent" / "absent.exe").string());
  const std::string text = info.StrVerFileVersion();
#ifdef _WIN32
  EXPECT_EQ(text.rfind("Error #3 - ", 0), 0u) << text;  // the path's folder is missing
#else
  EXPECT_EQ(text, ErrorText(ENOENT));
#endif
  EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
}

TEST_F(FileVerInfTest, BlockWithoutTranslationTableThrowsTheErrorText) {
  VersionBlockContent content = ExampleContent();
  content.HasTranslation = false;
  info_.SetVerFileName(Fixture("untranslated.bin", content));
  try {
    info_.StrVerFileVersion();
    FAIL() << "no exception";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(error.what(), ErrorText(ENODATA));
  }
}

TEST_F(FileVerInfTest, KeyMissingFromTheChosenBlockGivesTheErrorTextAndAnEmptyValueReadsEmpty) {
  info_.SetVerFileName(Fixture("example.bin", ExampleContent()));
  EXPECT_EQ(info_.StrVerFileComments(), ErrorText(ENODATA));
  EXPECT_EQ(info_.VerFileLangID(), 0x0809u);  // the block was chosen before the key was missed
  EXPECT_EQ(info_.StrVerFileSpecialBuild(), "");
}

TEST_F(FileVerInfTest, KeysMatchWithoutRegardToCase) {
  VersionBlockContent content = ExampleContent();
  content.Strings = {{"FILEVERSION", "7.0.7.4"}};
  info_.SetVerFileName(Fixture("shouting.bin", content));
  EXPECT_EQ(info_.StrVerFileVersion(), "7.0.7.4");
}

TEST(ProgramVersionTest, OwnFileCarriesTheProjectVersion) {
  TFileVersionInfo info;
  const fs::path program = info.VerFileName();
  EXPECT_TRUE(program.is_absolute()) << program;
  EXPECT_EQ(program.stem(), "telvane_tests");
  EXPECT_TRUE(fs::exists(program)) << program;
  EXPECT_EQ(info.StrVerFileVersion(), TELVANE_PROJECT_VERSION);
  EXPECT_EQ(info.StrVerFileProductName(), "Telvane");
  EXPECT_EQ(info.VerFileLangID(), 0x0809u);
  EXPECT_EQ(info.VerFileCPID(), 1252u);
}

}  // namespace
}  // namespace telvane
