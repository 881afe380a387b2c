#include "console/Startup.h"

#include <exception>
#include <filesystem>
#include <stdexcept>

#include "common/FileVerInf.h"
#include "console/DataPath.h"
#include "console/HelpTarget.h"
#include "console/MainModel.h"
#include "engine/MTEs.h"

namespace telvane {

namespace {

constexpr const char* kGeneral = "General";
constexpr const char* kDefaultMask = "1001000000110100";

}  // namespace

Startup::Startup(MainModel& frmMain, TfrmMTEs& frmMTEs) : frmMain_(frmMain), frmMTEs_(frmMTEs) {
  siLangDispatcher1.Register("Main", frmMain.siLangRT1);
  siLangDispatcher1.Register("MTEs", frmMTEs.siLangRT2);
  siLangDispatcher1.SetOnChange([this] { frmMain_.Translated(); });
}

void Startup::FormCreate(const std::string& programFile, int primaryLanguageId) {
  ProgramFolder = FolderOf(programFile);
  HelpPath = ProgramFolder + HelpProgramName;
  DataPath = DataPathIn(CommonAppDataFolder());
  if (DataPath.empty()) {
    // Nothing is translated yet, so the box is in English.
    frmMain_.ShowMessage(MessageKind::Error, frmMain_.Text("IDS_9") + frmMain_.Text("IDS_10"));
    KeepStoredState();
    return;
  }
  try {
    ObtainVersionInfo(programFile);
  } catch (const std::exception& error) {
    frmMain_.ReportError(error.what());
    KeepStoredState();
    return;
  }
  frmMain_.SetCaption("Telvane Utility v " + VersionText);
  IniFile.emplace(DataPath + SettingsFileName);
  frmMTEs_.Loops = 10;
  frmMain_.ShowStartState();
  ReadSettings();
  while (Languages.size() < 16) Languages += '0';
  ShowLanguageItems();
  LoadTranslationFile();
  if (Language == 0) InitialiseLanguage(primaryLanguageId);
  siLangDispatcher1.SetActiveLanguage(Language);
}

// Without settings nothing is loaded: the values start from zero and no serial speed is
// known, so showing the window brings each interval to its spin edit's minimum.
void Startup::KeepStoredState() {
  frmMain_.BaudRate.clear();
  frmMain_.EchoIntervalValue = 0;
  frmMTEs_.FindInterval = 0;
  frmMTEs_.AwardInterval = 0;
  frmMTEs_.JudgeNoInterval = 0;
  frmMTEs_.NextDiveInterval = 0;
}

void Startup::ObtainVersionInfo(const std::string& fName) {
  TFileVersionInfo FVInfo;
  FVInfo.SetVerFileName(fName);
  VersionText = FVInfo.StrVerFileVersion();
}

void Startup::ReadSettings() {
  const Settings& ini = *IniFile;
  frmMain_.BaudRate = ini.ReadString(kGeneral, "BaudRate", "19200");
  frmMain_.EchoIntervalValue = ini.ReadInteger(kGeneral, "EchoInterval", 150);
  frmMTEs_.FindInterval = ini.ReadInteger(kGeneral, "FindInterval", 250);
  frmMTEs_.AwardInterval = ini.ReadInteger(kGeneral, "AwardInterval", 230);
  frmMTEs_.JudgeNoInterval = ini.ReadInteger(kGeneral, "JudgeNoInterval", 190);
  frmMTEs_.NextDiveInterval = ini.ReadInteger(kGeneral, "NextDiveInterval", 120);
  Language = ini.ReadInteger(kGeneral, "Language", 0);
  Languages = ini.ReadString(kGeneral, "Languages", kDefaultMask);
}

// Characters beyond the 16th address no item. The check marks are set before a language is
// chosen from the locale, so a first start shows none checked although one is active.
void Startup::ShowLanguageItems() {
  std::array<bool, 16> enabled{};
  std::array<bool, 16> checked{};
  for (std::size_t i = 0; i < enabled.size(); ++i) {
    enabled[i] = Languages[i] == '1';
    checked[i] = static_cast<int>(i) + 1 == Language;
  }
  frmMain_.SetLanguageItems(enabled, checked);
}

// A faulty file is reported once; the built-in texts stay in force.
void Startup::LoadTranslationFile() {
  siLangDispatcher1.FileName = DataPath + "Telvane.sib";
  std::error_code error;
  if (!std::filesystem::exists(siLangDispatcher1.FileName, error)) return;
  std::string problem = siLangDispatcher1.LoadAllFromFile();
  if (!problem.empty()) frmMain_.ReportError(problem);
}

// The locale decides alone: a Spanish locale makes Spanish active although the default mask
// disables its item.
void Startup::InitialiseLanguage(int primaryLanguageId) {
  Language = LanguageFromPrimaryLanguageId(primaryLanguageId);
}

void Startup::FormShow() {
  frmMain_.SetSpinValue("seMTEInterval", frmMTEs_.FindInterval);
  frmMain_.SetSpinValue("seAwardInterval", frmMTEs_.AwardInterval);
  frmMain_.SetSpinValue("seJudgeNoInterval", frmMTEs_.JudgeNoInterval);
  frmMain_.SetSpinValue("seNextDive", frmMTEs_.NextDiveInterval);
  frmMain_.SetSpinValue("seEchoInterval", frmMain_.EchoIntervalValue);
}

void Startup::FormClose() {
  if (!IniFile) return;
  Settings& ini = *IniFile;
  try {
    ini.WriteString(kGeneral, "Languages", Languages);
    ini.WriteInteger(kGeneral, "Language", Language);
    ini.WriteString(kGeneral, "BaudRate", frmMain_.BaudRate);
    ini.WriteInteger(kGeneral, "EchoInterval", frmMain_.EchoIntervalValue);
    ini.WriteInteger(kGeneral, "FindInterval", frmMTEs_.FindInterval);
    ini.WriteInteger(kGeneral, "AwardInterval", frmMTEs_.AwardInterval);
    ini.WriteInteger(kGeneral, "JudgeNoInterval", frmMTEs_.JudgeNoInterval);
    ini.WriteInteger(kGeneral, "NextDiveInterval", frmMTEs_.NextDiveInterval);
  } catch (const std::runtime_error& error) {
    frmMain_.ShowMessage(MessageKind::Error, error.what());
  }
}

void Startup::SpTBXLang1Click(int language) {
  Language = language;
  siLangDispatcher1.SetActiveLanguage(language);
  // The items form one exclusive group: the clicked one is checked, the others unchecked.
  std::array<bool, 16> checked{};
  if (language >= 1 && language <= 16) checked[static_cast<std::size_t>(language - 1)] = true;
  frmMain_.SetLanguageItems(frmMain_.LangEnabled, checked);
}

void Startup::SpTBXLangXClick() {
  frmMain_.ShowMessage(MessageKind::Information,
                       frmMain_.Text("IDS_7") + "\r\n" + frmMain_.Text("IDS_8"));
}

}  // namespace telvane
