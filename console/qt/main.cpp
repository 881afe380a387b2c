// Start-up: the main window first, then the engine behind it, as the operator sees them.
#include "console/qt/Main.h"

#include <QApplication>
#include <iostream>

#include "common/qt/QtTimer.h"
#include "console/CommandLine.h"
#include "console/DataPath.h"
#include "console/Startup.h"
#include "console/qt/Guard.h"
#include "console/qt/Help.h"
#include "console/qt/Locale.h"
#include "engine/MTEs.h"
#include "link/qt/QtSerialPort.h"

int main(int argc, char* argv[]) {
  using namespace telvane;
  // --help and --version answer before any window (or display) is needed.
  if (const auto answered = HandleCommandLine(argc, argv)) {
    (answered->ExitCode == 0 ? std::cout : std::cerr) << answered->Output;
    return answered->ExitCode;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Telvane");

  MainModel model;
  model.TimeSeparatorText = LocaleTimeSeparator();
  TfrmMain frmMain(model);
  QtTimerSource qtTimers;
  GuardedTimerSource timers(qtTimers, model);
  // The "Ports" section of the settings file pins port numbers to devices; it is read once,
  // before the ports are probed.
  const std::string dataPath = DataPathIn(CommonAppDataFolder());
  QtSerialPort port(PortMap::Load(dataPath.empty() ? std::string() : dataPath + "Telvane.ini"));
  TfrmMTEs frmMTEs(port, timers, model);
  model.AttachEngine(frmMTEs);

  Startup startup(model, frmMTEs);
  startup.FormCreate(QCoreApplication::applicationFilePath().toStdString(), PrimaryLanguageId());
  frmMTEs.FormCreate();
  QObject::connect(&frmMain, &TfrmMain::LanguageChosen, [&](int n) { Guarded(model, [&] { startup.SpTBXLang1Click(n); }); });
  QObject::connect(&frmMain, &TfrmMain::YourLanguageChosen, [&] { Guarded(model, [&] { startup.SpTBXLangXClick(); }); });
  QObject::connect(&frmMain, &TfrmMain::HelpChosen, [&] { OpenHelp(startup.ProgramFolder); });

  frmMain.show();
  startup.FormShow();
  int result = app.exec();
  startup.FormClose();
  frmMTEs.FormClose();
  return result;
}
