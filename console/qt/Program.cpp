#include "console/qt/Program.h"

#include <QCoreApplication>

#include "console/DataPath.h"
#include "console/qt/Help.h"
#include "console/qt/Locale.h"

namespace telvane {

namespace {

std::string PortsFile() {
  const std::string dataPath = DataPathIn(CommonAppDataFolder());
  return dataPath.empty() ? std::string() : dataPath + SettingsFileName;
}

}  // namespace

Program::Program()
    : port_(PortMap::Load(PortsFile())),
      frmMTEs_(port_, timers_, model),
      startup_(model, frmMTEs_) {
  model.TimeSeparatorText = LocaleTimeSeparator();
  model.AttachEngine(frmMTEs_);
  QObject::connect(&frmMain, &TfrmMain::LanguageChosen,
                   [this](int n) { Guarded(model, [&] { startup_.SpTBXLang1Click(n); }); });
  QObject::connect(&frmMain, &TfrmMain::YourLanguageChosen,
                   [this] { Guarded(model, [&] { startup_.SpTBXLangXClick(); }); });
  QObject::connect(&frmMain, &TfrmMain::HelpChosen, [this] { OpenHelp(startup_.ProgramFolder); });
}

void Program::Start(const std::string& programFile) {
  startup_.FormCreate(programFile, PrimaryLanguageId());
  frmMTEs_.FormCreate();
}

void Program::Show() {
  frmMain.show();
  startup_.FormShow();
}

void Program::Close() {
  startup_.FormClose();
  frmMTEs_.FormClose();
}

}  // namespace telvane
