#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "console/Settings.h"

namespace telvane {
namespace {

namespace fs = std::filesystem;

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(folder_); }
  void TearDown() override { fs::remove_all(folder_); }

  void WriteFile(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
  std::string FileText() const {
    std::ifstream in(path_);  // text mode: Windows line ends read as "\n"
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::vector<std::string> NonBlankLines() const {
    std::vector<std::string> lines;
    std::istringstream in(FileText());
    for (std::string line; std::getline(in, line);)
      if (!line.empty()) lines.push_back(line);
    return lines;
  }

  fs::path folder_ = fs::path(::testing::TempDir()) /
                     ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::string path_ = (folder_ / "Telvane.ini").string();
};

TEST_F(SettingsTest, IntegersReadDecimalOrHexadecimalAndOtherTextGivesTheDefault) {
  struct Case {
    const char* value;
    int expected;
  };
  const Case cases[] = {
      {"250", 250}, {" 120 ", 120}, {"-5", -5},  {"0x1F", 31}, {"0XfF", 255}, {"$A0", 160},
      {"$", -1},    {"0x", -1},     {"abc", -1}, {"12ms", -1}, {"", -1},      {"1.5", -1},
  };
  for (const Case& c : cases) {
    WriteFile(std::string("[General]\nFindInterval=") + c.value + "\n");
    EXPECT_EQ(Settings(path_).ReadInteger("General", "FindInterval", -1), c.expected) << c.value;
  }
}

TEST_F(SettingsTest, MissingFileSectionOrKeyGivesTheDefault) {
  Settings settings(path_);
  EXPECT_EQ(settings.ReadString("General", "BaudRate", "19200"), "19200");
  WriteFile("[Ports]\nBaudRate=9600\n[General]\nLanguage=4\n");
  EXPECT_EQ(settings.ReadString("General", "BaudRate", "19200"), "19200");
  EXPECT_EQ(settings.ReadInteger("General", "Language", 0), 4);
}

TEST_F(SettingsTest, WriteKeepsCommentsKeyOrderAndWhatTheProgramDoesNotKnow) {
  WriteFile(
      "; written by hand\n[Ports]\nCOM3=/dev/ttyUSB0\n\n[General]\n; slower units\n"
      "FindInterval=300\nOperator=Anna; Bob\nLanguage=4\n");
  Settings settings(path_);
  settings.WriteInteger("General", "FindInterval", 200);
  settings.WriteInteger("General", "EchoInterval", 150);
  // SimpleIni sets comments and sections apart by blank lines of its own; only those change.
  EXPECT_EQ(NonBlankLines(),
            (std::vector<std::string>{"; written by hand", "[Ports]", "COM3=/dev/ttyUSB0",
                                      "[General]", "; slower units", "FindInterval=200",
                                      "Operator=Anna; Bob", "Language=4", "EchoInterval=150"}));
  const std::string saved = FileText();
  settings.WriteInteger("General", "FindInterval", 200);
  EXPECT_EQ(FileText(), saved);
  EXPECT_EQ(settings.ReadString("General", "Operator", ""), "Anna; Bob");
  EXPECT_FALSE(fs::exists(path_ + ".tmp"));
}

TEST_F(SettingsTest, EachWriteGoesStraightToTheFile) {
  Settings settings(path_);
  settings.WriteString("General", "Languages", "1");
  EXPECT_EQ(FileText(), "[General]\nLanguages=1\n");
  settings.WriteInteger("General", "Language", 12);
  EXPECT_EQ(Settings(path_).ReadInteger("General", "Language", 0), 12);
}

TEST_F(SettingsTest, WriteIntoAMissingFolderFailsWithThePathAndCreatesNothing) {
  const fs::path missing = folder_ / "Kelm" / "OstrelUtils";
  const std::string path = (missing / "Telvane.ini").string();
  Settings settings(path);
  try {
    settings.WriteString("General", "Languages", "1001000000110100");
    FAIL() << "the write succeeded";
  } catch (const std::runtime_error& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
  }
  EXPECT_FALSE(fs::exists(folder_ / "Kelm"));
}

}  // namespace
}  // namespace telvane
