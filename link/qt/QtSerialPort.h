#pragma once
// The port seam on QSerialPort. Port numbers become device paths through the PortMap; the
// line runs 8N1 without flow control, DTR and RTS on, exclusively ours while open. Received
// bytes reach the data handler on the user-interface thread as Qt reads them.
#include <QObject>
#include <QSerialPort>

#include "link/PortMap.h"
#include "link/SerialPort.h"

namespace telvane {

class QtSerialPort : public QObject, public SerialPort {
  Q_OBJECT

 public:
  explicit QtSerialPort(PortMap map, QObject* parent = nullptr);

  bool Probe(int number) override;
  void SetPort(int number) override { number_ = number; }
  int Port() const override { return number_; }
  void SetBaud(int baud) override;
  int Baud() const override { return baud_; }
  bool Open() override;
  std::string ErrorText() const override { return error_; }
  void Close() override;
  bool IsOpen() const override { return port_.isOpen(); }
  void Write(std::string_view bytes) override;
  void FlushInput() override;
  void SetOnData(DataHandler handler) override { onData_ = std::move(handler); }
  void SetOnGone(GoneHandler handler) override { onGone_ = std::move(handler); }
  std::string DeviceName(int number) const override { return map_.Device(number); }

 private:
  void Configure(QSerialPort& port, int number) const;
  void BytesArrived();
  void Failed(QSerialPort::SerialPortError error);

  PortMap map_;
  QSerialPort port_;
  int number_ = 0;
  int baud_ = 0;
  bool closing_ = false;
  std::string error_;
  DataHandler onData_;
  GoneHandler onGone_;
};

}  // namespace telvane
