#pragma once
// Start-up and shutdown of the main window, the settings it loads and saves, and the language
// menu. Holds the console values that live from start to end of the program. Start-up runs
// on the window model and the engine before the engine's own creation (the main window is
// created first), and before the window is shown.
#include <array>
#include <optional>
#include <string>

#include "console/Languages.h"
#include "console/Settings.h"

namespace telvane {

class MainModel;
class TfrmMTEs;

class Startup {
 public:
  // Registers both windows' translators with the dispatcher.
  Startup(MainModel& frmMain, TfrmMTEs& frmMTEs);

  // `programFile` is the program's own file, full path; `primaryLanguageId` the primary
  // language identifier of the user's locale in the Windows numbering (9 when unknown).
  void FormCreate(const std::string& programFile, int primaryLanguageId);
  void FormShow();
  // Writes the settings back. A write that fails is shown as an error box and ends the save;
  // the window closes all the same.
  void FormClose();

  void ObtainVersionInfo(const std::string& fName);
  void InitialiseLanguage(int primaryLanguageId);
  // Language item n ("SpTBXLang" + n) was clicked.
  void SpTBXLang1Click(int language);
  // "Your language".
  void SpTBXLangXClick();

  LanguageDispatcher siLangDispatcher1;

  std::string ProgramFolder;
  std::string HelpPath;
  std::string DataPath;
  std::string VersionText;
  std::optional<Settings> IniFile;
  int Language = 0;
  std::string Languages;

 private:
  void ReadSettings();
  void ShowLanguageItems();
  void LoadTranslationFile();
  void KeepStoredState();

  MainModel& frmMain_;
  TfrmMTEs& frmMTEs_;
};

}  // namespace telvane
