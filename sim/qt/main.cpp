// telvane-sim: a line of simulated MTE units on a pseudo-terminal or a serial device, in real
// time, with a one-line monitor of every frame heard and every reply sent.
#include <QCoreApplication>
#include <QSerialPort>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "common/qt/QtTimer.h"
#include "sim/Network.h"
#include "sim/Options.h"
#include "sim/qt/PtyEndpoint.h"
#include "sim/qt/QuitOnSignal.h"

using namespace telvane;
using namespace telvane::sim;

namespace {

int Fail(const std::string& reason) {
  std::cerr << "telvane-sim: " << reason << std::endl;
  return 2;
}

// A real second port, for playing the units over a null-modem cable.
std::unique_ptr<QSerialPort> OpenDevice(const std::string& path, int baud, Network& network) {
  auto port = std::make_unique<QSerialPort>(QString::fromStdString(path));
  port->setBaudRate(baud);
  port->setDataBits(QSerialPort::Data8);
  port->setParity(QSerialPort::NoParity);
  port->setStopBits(QSerialPort::OneStop);
  port->setFlowControl(QSerialPort::NoFlowControl);
  if (!port->open(QIODevice::ReadWrite))
    throw std::runtime_error("cannot open " + path + ": " + port->errorString().toStdString());
  QSerialPort* raw = port.get();
  QObject::connect(raw, &QSerialPort::readyRead, [raw, &network] {
    const QByteArray bytes = raw->readAll();
    network.Receive(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  });
  QObject::connect(raw, &QSerialPort::errorOccurred,
                   [raw, path](QSerialPort::SerialPortError error) {
                     if (error != QSerialPort::ResourceError) return;
                     std::cerr << "telvane-sim: " << path << " went away" << std::endl;
                     raw->close();
                     QCoreApplication::exit(1);
                   });
  network.SetWriter([raw](std::string_view bytes) {
    raw->write(bytes.data(), static_cast<qint64>(bytes.size()));
  });
  return port;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  SimOptions options;
  try {
    options = ParseOptions(args);
  } catch (const OptionError& e) {
    return Fail(e.what());
  }
  if (options.help) {
    std::cout << UsageText;
    return 0;
  }

  try {
    QCoreApplication app(argc, argv);
    QuitOnSignal quit;
    QtTimerSource timers;
    Network network(timers, options.network);
    network.SetMonitor([](const std::string& line) { std::cout << line << std::endl; });

    std::unique_ptr<PtyEndpoint> pty;
    std::unique_ptr<QSerialPort> device;
    if (options.device.empty()) {
      pty = std::make_unique<PtyEndpoint>();
      pty->SetOnData([&network](std::string_view bytes) { network.Receive(bytes); });
      network.SetWriter([&pty](std::string_view bytes) { pty->Write(bytes); });
      std::cout << pty->Path() << std::endl;
    } else {
      device = OpenDevice(options.device, options.network.baud, network);
      std::cout << options.device << std::endl;
    }
    std::cout << "telvane-sim: " << network.Units().size() << " units; Ctrl-C ends" << std::endl;
    const int result = app.exec();
    // The last word on a run: what each display was left showing.
    for (const auto& unit : network.Units()) std::cout << unit->DisplaySummary() << std::endl;
    return result;
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
}
