#pragma once
// An in-memory serial port for tests: a set of ports that exist, ports another program
// holds, every write recorded with the virtual time it was made, and received bytes injected
// by the test as the units would send them.
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "link/SerialPort.h"
#include "tests/support/VirtualClock.h"

namespace telvane::testing {

struct Written {
  std::int64_t time;
  std::string bytes;
  bool operator==(const Written&) const = default;
};

class MemoryPort : public SerialPort {
 public:
  explicit MemoryPort(const VirtualClock* clock = nullptr) : clock_(clock) {}

  bool Probe(int number) override { return present.count(number) && !heldElsewhere.count(number); }
  void SetPort(int number) override { port_ = number; }
  int Port() const override { return port_; }
  void SetBaud(int baud) override { baud_ = baud; }
  int Baud() const override { return baud_; }
  bool Open() override;
  std::string ErrorText() const override { return error_; }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  void Write(std::string_view bytes) override;
  void FlushInput() override { ++flushes; }
  void SetOnData(DataHandler handler) override { onData_ = std::move(handler); }
  void SetOnGone(GoneHandler handler) override { onGone_ = std::move(handler); }
  std::string DeviceName(int number) const override { return "mem" + std::to_string(number); }

  // As the line would deliver them.
  void Receive(std::string_view bytes) const;
  // The device goes away while open.
  void Unplug(const std::string& reason);
  // Every frame written, without times.
  std::vector<std::string> Frames() const;

  std::set<int> present;
  std::set<int> heldElsewhere;
  std::vector<Written> writes;
  int flushes = 0;
  int opens = 0;
  // Baud rate in force at each successful open.
  std::vector<int> openedAtBaud;

 private:
  const VirtualClock* clock_;
  int port_ = 0;
  int baud_ = 0;
  bool open_ = false;
  std::string error_;
  DataHandler onData_;
  GoneHandler onGone_;
};

}  // namespace telvane::testing
