// Start-up: the main window first, then the engine behind it, as the operator sees them.
#include "console/qt/Main.h"

#include <QApplication>
#include <iostream>

#include "common/qt/QtTimer.h"
#include "console/CommandLine.h"
#include "console/qt/Guard.h"
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

  MainModel model;
  TfrmMain frmMain(model);
  QtTimerSource qtTimers;
  GuardedTimerSource timers(qtTimers, model);
  // Port overrides come from the settings file once start-up reads it; until then the
  // usual device names apply.
  QtSerialPort port(PortMap::Load(""));
  TfrmMTEs frmMTEs(port, timers, model);

  model.ShowStartState();
  model.AttachEngine(frmMTEs);
  frmMTEs.FormCreate();
  frmMain.show();
  int result = app.exec();
  frmMTEs.FormClose();
  return result;
}
