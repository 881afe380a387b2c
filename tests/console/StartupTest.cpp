#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/FileVerInf.h"
#include "common/VersionBlockWriter.h"
#include "console/HelpTarget.h"
#include "console/MainModel.h"
#include "console/Startup.h"
#include "engine/MTEs.h"
#include "tests/support/MemoryPort.h"
#include "tests/support/VirtualClock.h"

namespace telvane::testing {
namespace {

namespace fs = std::filesystem;

struct Message {
  MessageKind kind;
  std::string text;
};

void SetCommonAppData(const std::string& folder) {
#ifdef _WIN32
  _putenv_s("TELVANE_COMMON_APPDATA", folder.c_str());
#else
  setenv("TELVANE_COMMON_APPDATA", folder.c_str(), 1);
#endif
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) lines.push_back(line);
  return lines;
}

// A folder as the start-up gives it: with the platform's separator at its end.
std::string FolderText(const fs::path& folder) { return (folder / "").string(); }

// Windows reads a version from a program's resources, so there the program file is a copy of
// this test program, which carries the project version.
#ifdef _WIN32
constexpr const char* ProgramVersion = TELVANE_PROJECT_VERSION;
#else
constexpr const char* ProgramVersion = "7.0.7.4";
#endif

// The window model and the engine as the program builds them, with the machine-wide data
// folder in a temporary folder and a program file carrying a version.
class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    fs::create_directories(dataFolder_);
    SetCommonAppData(common_.string());
    window.SetOnMessage([this](MessageKind kind, const std::string& text, const std::string&) {
      messages.push_back({kind, text});
    });
    window.SetOnChange([this](Change change, std::string_view) {
      if (change == Change::Translated) ++retranslations;
    });
    window.AttachEngine(engine);
    WriteProgram(true);
  }
  ~StartupTest() override {
    SetCommonAppData("");
    fs::remove_all(root_);
  }

  void WriteProgram(bool withTranslationTable) {
#ifdef _WIN32
    if (withTranslationTable) {
      fs::copy_file(TFileVersionInfo().VerFileName(), programFile_);
      return;
    }
#endif
    VersionBlockContent content;
    content.HasTranslation = withTranslationTable;
    content.FileVersion = {7, 0, 7, 4};
    content.Strings = {{"FileVersion", "7.0.7.4"}};
    std::vector<std::uint8_t> block = WriteVersionBlock(content);
    std::ofstream(programFile_, std::ios::binary)
        .write(reinterpret_cast<const char*>(block.data()),
               static_cast<std::streamsize>(block.size()));
  }
  void WriteData(const std::string& name, const std::string& text) {
    std::ofstream(dataFolder_ / name, std::ios::binary) << text;
  }
  std::string IniText() const {
    std::ifstream in(dataFolder_ / "Telvane.ini");  // text mode: Windows line ends read as "\n"
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // FormCreate of both windows, main window first, then the window is shown.
  void Start(int primaryLanguageId = 9) {
    startup.FormCreate(programFile_.string(), primaryLanguageId);
    engine.FormCreate();
    startup.FormShow();
  }
  std::array<bool, 16> Mask(const char* mask) const {
    std::array<bool, 16> items{};
    for (std::size_t i = 0; i < items.size(); ++i) items[i] = mask[i] == '1';
    return items;
  }

  fs::path root_ = fs::path(::testing::TempDir()) /
                   ::testing::UnitTest::GetInstance()->current_test_info()->name();
  fs::path common_ = root_ / "ProgramData";
  fs::path dataFolder_ = common_ / "Kelm" / "OstrelUtils";
#ifdef _WIN32
  fs::path programFile_ = root_ / "Telvane.exe";
#else
  fs::path programFile_ = root_ / "Telvane";
#endif
  VirtualClock clock;
  MemoryPort port{&clock};
  MainModel window;
  TfrmMTEs engine{port, clock, window};
  Startup startup{window, engine};
  std::vector<Message> messages;
  int retranslations = 0;
};

TEST_F(StartupTest, FirstStartUsesTheDefaultsAndTheLocaleAndCloseWritesAllEightKeys) {
  Start(25);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(window.Caption, std::string("Telvane Utility v ") + ProgramVersion);
  EXPECT_EQ(startup.ProgramFolder, FolderText(root_));
  EXPECT_EQ(startup.HelpPath, (root_ / HelpProgramName).string());
  EXPECT_EQ(startup.DataPath, FolderText(dataFolder_));
  EXPECT_EQ(window.BaudRate, "19200");
  EXPECT_EQ(window.EchoIntervalValue, 150);
  EXPECT_EQ(engine.FindInterval, 250);
  EXPECT_EQ(engine.AwardInterval, 230);
  EXPECT_EQ(engine.JudgeNoInterval, 190);
  EXPECT_EQ(engine.NextDiveInterval, 120);
  EXPECT_EQ(engine.Loops, 10);
  EXPECT_EQ(window.Spin("seEchoInterval").Text, "150");
  // 150 differs from the form's 110, so the estimate replaced the start text.
  EXPECT_NE(window.Label("lblTime"), "00:00:00");
  EXPECT_EQ(window.LEDs[0], LedColour::Silver);
  EXPECT_EQ(window.LangEnabled, Mask("1001000000110100"));
  EXPECT_EQ(window.LangChecked, (std::array<bool, 16>{}));
  EXPECT_EQ(startup.siLangDispatcher1.ActiveLanguage(), Russian);
  EXPECT_EQ(window.siLangRT1.Text("SpTBXExit"), "Выход");
  EXPECT_FALSE(fs::exists(dataFolder_ / "Telvane.ini"));

  startup.FormClose();
  EXPECT_EQ(Lines(IniText()),
            (std::vector<std::string>{"[General]", "Languages=1001000000110100", "Language=11",
                                      "BaudRate=19200", "EchoInterval=150", "FindInterval=250",
                                      "AwardInterval=230", "JudgeNoInterval=190",
                                      "NextDiveInterval=120"}));
}

TEST_F(StartupTest, LocaleLanguageIgnoresTheMaskAndAFrenchLocaleGivesEnglish) {
  Start(10);
  EXPECT_EQ(startup.Language, Spanish);
  EXPECT_EQ(startup.siLangDispatcher1.ActiveLanguage(), Spanish);
  EXPECT_FALSE(window.LangEnabled[Spanish - 1]);
  // Spanish has no built-in texts: every text falls back to English.
  EXPECT_EQ(window.Text("IDS_10"), "This is a Critical Error.");

  startup.InitialiseLanguage(12);
  EXPECT_EQ(startup.Language, English);
}

TEST_F(StartupTest, StoredValuesAreBroughtIntoRangeAndSavedSo) {
  WriteData("Telvane.ini",
            "[General]\nFindInterval=100\nNextDiveInterval=900\nAwardInterval=0x118\n"
            "JudgeNoInterval=$A0\nEchoInterval=fast\nBaudRate=9600\nLanguages=1\nLanguage=16\n");
  Start();
  EXPECT_EQ(window.Spin("seMTEInterval").Text, "200");
  EXPECT_EQ(engine.FindInterval, 200);
  EXPECT_EQ(window.Spin("seNextDive").Text, "500");
  EXPECT_EQ(engine.NextDiveInterval, 500);
  EXPECT_EQ(engine.AwardInterval, 280);
  EXPECT_EQ(engine.JudgeNoInterval, 160);
  EXPECT_EQ(window.EchoIntervalValue, 150);
  EXPECT_EQ(window.BaudRate, "9600");
  EXPECT_EQ(window.LangEnabled, Mask("1000000000000000"));
  // Hungarian is checked and active although the mask disables its item.
  EXPECT_EQ(window.LangChecked, Mask("0000000000000001"));
  EXPECT_EQ(startup.siLangDispatcher1.ActiveLanguage(), Hungarian);

  startup.FormClose();
  EXPECT_EQ(Lines(IniText()), (std::vector<std::string>{
                                  "[General]", "FindInterval=200", "NextDiveInterval=500",
                                  "AwardInterval=280", "JudgeNoInterval=160", "EchoInterval=150",
                                  "BaudRate=9600", "Languages=1000000000000000", "Language=16"}));
}

TEST_F(StartupTest, MaskCharacterOtherThanOneDisablesItsItemAndExtraCharactersAddressNothing) {
  WriteData("Telvane.ini", "[General]\nLanguages=1x01000000110100111\nLanguage=4\n");
  Start();
  EXPECT_EQ(window.LangEnabled, Mask("1001000000110100"));
  EXPECT_EQ(window.LangChecked, Mask("0001000000000000"));
}

TEST_F(StartupTest, LanguageOutsideTheListKeepsEnglishAndIsWrittenBackUnchanged) {
  WriteData("Telvane.ini", "[General]\nLanguage=17\n");
  Start(25);
  EXPECT_EQ(startup.siLangDispatcher1.ActiveLanguage(), English);
  EXPECT_EQ(window.LangChecked, (std::array<bool, 16>{}));
  startup.FormClose();
  EXPECT_EQ(Lines(IniText())[1], "Language=17");
}

TEST_F(StartupTest, CommentsAndSectionsTheProgramDoesNotKnowSurviveTheClose) {
  WriteData(
      "Telvane.ini",
      "; Telvane settings\n[Ports]\nCOM3=/dev/ttyUSB0\n[General]\n; the hall's cable is long\n"
      "BaudRate=9600\nHall=North\n");
  Start();
  startup.FormClose();
  std::vector<std::string> lines = Lines(IniText());
  EXPECT_EQ(
      std::vector<std::string>(lines.begin(), lines.begin() + 7),
      (std::vector<std::string>{"; Telvane settings", "[Ports]", "COM3=/dev/ttyUSB0", "[General]",
                                "; the hall's cable is long", "BaudRate=9600", "Hall=North"}));
  EXPECT_EQ(lines.size(), 7u + 7u);
}

TEST_F(StartupTest, MissingDataFolderOnCloseShowsTheErrorWritesNothingAndCreatesNoFolder) {
  fs::remove_all(common_ / "Kelm");
  Start();
  startup.FormClose();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].kind, MessageKind::Error);
  EXPECT_EQ(messages[0].text, "Unable to write to " + (dataFolder_ / "Telvane.ini").string());
  EXPECT_FALSE(fs::exists(common_ / "Kelm"));
}

TEST_F(StartupTest, MissingCommonFolderStopsTheStartWithTheStoredTexts) {
  SetCommonAppData((root_ / "absent").string());
  startup.FormCreate(programFile_.string(), 25);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].kind, MessageKind::Error);
  EXPECT_EQ(messages[0].text,
            "Unable to locate Common Application Data folder.This is a Critical Error.");
  EXPECT_EQ(startup.DataPath, "");
  EXPECT_EQ(window.Caption, "Telvane Utility");
  EXPECT_EQ(window.LEDs[10], LedColour::Red);
  EXPECT_EQ(window.Label("Awd11"), "0.0");
  EXPECT_EQ(window.Label("lblWriteB"), "11");
  EXPECT_EQ(window.Label("lblRead1"), "1");
  EXPECT_EQ(window.Label("lblTime"), "lblTime");
  EXPECT_EQ(window.LangEnabled, Mask("1111111111110111"));
  EXPECT_EQ(window.LangChecked, (std::array<bool, 16>{}));
  EXPECT_EQ(startup.siLangDispatcher1.ActiveLanguage(), English);
  EXPECT_EQ(window.BaudRate, "");

  engine.FormCreate();
  startup.FormShow();
  EXPECT_EQ(engine.FindInterval, 200);
  EXPECT_EQ(engine.AwardInterval, 150);
  EXPECT_EQ(engine.JudgeNoInterval, 150);
  EXPECT_EQ(engine.NextDiveInterval, 100);
  EXPECT_EQ(window.EchoIntervalValue, 80);
  startup.FormClose();
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(StartupTest, VersionWithoutTranslationTableIsReportedAndStopsTheStart) {
#ifdef _WIN32
  GTEST_SKIP() << "needs a program whose version resource has no translation table";
#endif
  WriteProgram(false);
  startup.FormCreate(programFile_.string(), 25);
  EXPECT_TRUE(messages.empty());
  ASSERT_EQ(window.mmo1.size(), 1u);
  EXPECT_EQ(window.mmo1[0].rfind("*** Error #", 0), 0u) << window.mmo1[0];
  EXPECT_EQ(window.Caption, "Telvane Utility");
  EXPECT_EQ(startup.HelpPath, (root_ / HelpProgramName).string());
  EXPECT_EQ(startup.DataPath, FolderText(dataFolder_));
  EXPECT_FALSE(startup.IniFile.has_value());
  EXPECT_EQ(startup.siLangDispatcher1.ActiveLanguage(), English);
}

TEST_F(StartupTest, LanguageItemSwitchesCaptionsAndTextsLiveAndLeavesTheUntranslatedAlone) {
  Start();
  startup.SpTBXLang1Click(German);
  EXPECT_EQ(retranslations, 1);
  EXPECT_EQ(window.siLangRT1.Text("SpTBXExit"), "Beenden");
  EXPECT_EQ(window.siLangRT1.Text("Label13"), "Richter");
  EXPECT_EQ(window.Text("IDS_9"), "Der gemeinsame Anwendungsdatenordner wurde nicht gefunden.");
  EXPECT_EQ(engine.Text("IDS_107"), "Richter: ");
  EXPECT_EQ(window.siLangRT1.Text("MsgDlg.Error"), "Fehler");
  // "MTE", the judge numbers and the language names are no texts of the translator.
  for (const char* untranslated : {"Label14", "Label18", "SpTBXLang4", "lblTime"})
    EXPECT_EQ(window.siLangRT1.Text(untranslated), "") << untranslated;
  EXPECT_EQ(window.LangChecked, Mask("0001000000000000"));

  startup.SpTBXLang1Click(German);
  EXPECT_EQ(retranslations, 1);
  startup.FormClose();
  EXPECT_EQ(Lines(IniText())[2], "Language=4");
}

TEST_F(StartupTest, YourLanguageShowsBothTextsOnTwoLinesInTheActiveLanguage) {
  Start();
  startup.SpTBXLangXClick();
  startup.SpTBXLang1Click(Polish);
  startup.SpTBXLangXClick();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].kind, MessageKind::Information);
  EXPECT_EQ(messages[0].text,
            "If you are willing to help translate this program\r\ninto your language, please send "
            "me an email.");
  EXPECT_EQ(
      messages[1].text,
      "Jeśli chcesz pomóc przetłumaczyć ten program\r\nna swój język, wyślij mi proszę e-mail.");
}

TEST_F(StartupTest, TranslationFileAddsALanguageAndEnglishFillsItsGaps) {
  WriteData("Telvane.ini", "[General]\nLanguage=3\n");
  WriteData("Telvane.sib", "[Main.3]\nSpTBXExit = Quitter\n[MTEs.3]\nIDS_107 = \"Juge : \"\n");
  Start();
  EXPECT_EQ(window.siLangRT1.Text("SpTBXExit"), "Quitter");
  EXPECT_EQ(window.Text("IDS_7"), "If you are willing to help translate this program");
  EXPECT_EQ(engine.Text("IDS_107"), "Juge : ");
  EXPECT_TRUE(window.mmo1.empty());
}

TEST_F(StartupTest, MalformedTranslationFileIsReportedOnceAndTheBuiltInTextsStay) {
  WriteData("Telvane.ini", "[General]\nLanguage=4\n");
  WriteData("Telvane.sib", "[Main.4]\nSpTBXExit = Raus\n[MTEs.4\nIDS_107 = Schiri\n");
  Start();
  ASSERT_EQ(window.mmo1.size(), 1u);
  EXPECT_NE(window.mmo1[0].find("Telvane.sib"), std::string::npos) << window.mmo1[0];
  EXPECT_EQ(window.siLangRT1.Text("SpTBXExit"), "Beenden");
  EXPECT_EQ(engine.Text("IDS_107"), "Richter: ");
}

}  // namespace
}  // namespace telvane::testing
