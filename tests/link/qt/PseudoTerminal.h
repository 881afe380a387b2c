#pragma once
// A pseudo-terminal pair for real serial I/O without hardware: the test holds the master
// side as the unit network would, the program opens the slave path as its serial port.
#include <string>
#include <string_view>

namespace telvane::testing {

class PseudoTerminal {
 public:
  PseudoTerminal();
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  const std::string& SlavePath() const { return slavePath_; }
  void Send(std::string_view bytes) const;
  // Whatever has arrived within `ms` milliseconds, without waiting once there is some.
  std::string ReceiveAvailable(int ms) const;
  // Closes the master side: to the slave the device is gone.
  void CloseMaster();

 private:
  int master_ = -1;
  std::string slavePath_;
};

}  // namespace telvane::testing
