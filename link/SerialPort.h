#pragma once
// The one way the core reaches the serial line. The program uses QSerialPort behind it,
// the tests an in-memory port. Settings not named here are fixed by every implementation:
// 8 data bits, no parity, 1 stop bit, no flow control, DTR and RTS on while open, 4096-byte
// buffers, exclusive access.
#include <functional>
#include <string>
#include <string_view>

namespace telvane {

class SerialPort {
 public:
  using DataHandler = std::function<void(std::string_view bytes)>;
  using GoneHandler = std::function<void(const std::string& reason)>;

  virtual ~SerialPort() = default;

  // True exactly when port `number` exists and can be opened now (a port another program
  // holds counts as unavailable). Leaves that port closed.
  virtual bool Probe(int number) = 0;
  // Both take effect at the next open (callers close the port before renumbering it).
  virtual void SetPort(int number) = 0;
  virtual int Port() const = 0;
  virtual void SetBaud(int baud) = 0;
  virtual int Baud() const = 0;
  // Opens with the settings above; false leaves the port closed and ErrorText() says why.
  virtual bool Open() = 0;
  virtual std::string ErrorText() const = 0;
  // Closing a closed port does nothing.
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Queues the bytes and returns at once; bytes leave in the order of the calls.
  // Only called while the port is open.
  virtual void Write(std::string_view bytes) = 0;
  // Discards what was received and not yet delivered.
  virtual void FlushInput() = 0;
  // Received bytes, in arbitrary chunks, on the user-interface thread.
  virtual void SetOnData(DataHandler handler) = 0;
  // The device went away while open (adapter pulled, far end closed); the port is already
  // closed when this runs, and it runs once per loss.
  virtual void SetOnGone(GoneHandler handler) = 0;
  // The device port `number` stands for ("/dev/ttyUSB0", "COM5"), shown to the operator
  // beside the number.
  virtual std::string DeviceName(int number) const = 0;
};

}  // namespace telvane
