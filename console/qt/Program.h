#pragma once
// The whole program put together in start-up order: the main window first, then the serial
// port, the timers and the engine behind it, then start-up proper. The program's main() and
// the end-to-end tests build exactly this, so what the tests drive is what operators run.
#include <string>

#include "common/qt/QtTimer.h"
#include "console/MainModel.h"
#include "console/Startup.h"
#include "console/qt/Guard.h"
#include "console/qt/Main.h"
#include "engine/MTEs.h"
#include "link/qt/QtSerialPort.h"

namespace telvane {

class Program {
 public:
  // Needs the application object. The settings folder is looked up now: its "Ports" section
  // pins port numbers to devices before the engine probes them.
  Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Start-up and creation of both windows; `programFile` is the program's own file (its
  // version information is read from it).
  void Start(const std::string& programFile);
  // Shows the window and runs what start-up does once it is on screen.
  void Show();
  // Saves the settings and closes the port, as closing the window does.
  void Close();

  MainModel model;
  TfrmMain frmMain{model};

 private:
  QtTimerSource qtTimers_;
  GuardedTimerSource timers_{qtTimers_, model};
  QtSerialPort port_;
  TfrmMTEs frmMTEs_;
  Startup startup_;
};

}  // namespace telvane
