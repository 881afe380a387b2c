// Telvane: answers --help and --version, or runs the program until its window is closed.
#include <QApplication>
#include <iostream>

#include "console/CommandLine.h"
#include "console/qt/Program.h"

int main(int argc, char* argv[]) {
  using namespace telvane;
  // --help and --version answer before any window (or display) is needed.
  if (const auto answered = HandleCommandLine(argc, argv)) {
    (answered->ExitCode == 0 ? std::cout : std::cerr) << answered->Output;
    return answered->ExitCode;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Telvane");

  Program program;
  program.Start(QCoreApplication::applicationFilePath().toStdString());
  program.Show();
  const int result = app.exec();
  program.Close();
  return result;
}
