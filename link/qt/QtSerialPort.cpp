#include "link/qt/QtSerialPort.h"

namespace telvane {

namespace {
constexpr qint64 BufferSize = 4096;
}  // namespace

QtSerialPort::QtSerialPort(PortMap map, QObject* parent) : QObject(parent), map_(std::move(map)) {
  connect(&port_, &QSerialPort::readyRead, this, [this] { BytesArrived(); });
  connect(&port_, &QSerialPort::errorOccurred, this,
          [this](QSerialPort::SerialPortError e) { Failed(e); });
}

void QtSerialPort::Configure(QSerialPort& port, int number) const {
  port.setPortName(QString::fromStdString(map_.Device(number)));
  port.setBaudRate(baud_);
  port.setDataBits(QSerialPort::Data8);
  port.setParity(QSerialPort::NoParity);
  port.setStopBits(QSerialPort::OneStop);
  port.setFlowControl(QSerialPort::NoFlowControl);
  port.setReadBufferSize(BufferSize);
}

// availablePorts() does not list pseudo-terminals or by-id links, so the mapped path itself
// is tried. Qt opens exclusively (TIOCEXCL and a lock file in /run/lock), so a port another
// program holds fails here.
bool QtSerialPort::Probe(int number) {
  if (map_.Device(number).empty()) return false;
  QSerialPort probe;
  Configure(probe, number);
  if (!probe.open(QIODevice::ReadWrite)) return false;
  probe.close();
  return true;
}

void QtSerialPort::SetBaud(int baud) {
  baud_ = baud;
  if (port_.isOpen()) port_.setBaudRate(baud_);
}

bool QtSerialPort::Open() {
  if (port_.isOpen()) return true;
  Configure(port_, number_);
  if (!port_.open(QIODevice::ReadWrite)) {
    error_ = port_.errorString().toStdString();
    if (port_.error() == QSerialPort::PermissionError)
      error_ += " (on Linux the user must be in the group that owns the device, often \"dialout\")";
    port_.clearError();
    return false;
  }
  // A pseudo-terminal has no modem lines: these fail there with UnsupportedOperationError,
  // and the port works all the same.
  port_.setDataTerminalReady(true);
  port_.setRequestToSend(true);
  port_.clearError();
  error_.clear();
  return true;
}

void QtSerialPort::Close() {
  if (!port_.isOpen()) return;
  // Closing a port whose device is gone can raise errors of its own; they are not a loss.
  closing_ = true;
  port_.close();
  closing_ = false;
  port_.clearError();
}

void QtSerialPort::Write(std::string_view bytes) {
  port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void QtSerialPort::FlushInput() { port_.clear(QSerialPort::Input); }

void QtSerialPort::BytesArrived() {
  const QByteArray bytes = port_.readAll();
  if (onData_ && !bytes.isEmpty())
    onData_(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// When the device goes away Qt keeps the port open and may raise thousands of ReadErrors
// before one ResourceError; the first of either closes the port at once, which also stops
// the flood, and the loss is told once.
void QtSerialPort::Failed(QSerialPort::SerialPortError error) {
  if (closing_ || !port_.isOpen()) return;
  if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return;
  const std::string reason = port_.errorString().toStdString();
  Close();
  if (onGone_) onGone_(reason);
}

}  // namespace telvane
