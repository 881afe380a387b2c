#pragma once
// Which device a port number of the selector (1 to 50) stands for. On Windows port n is
// "COMn". Elsewhere a fixed table gives the usual device names, and the section "Ports" of
// the settings file overrides single numbers ("COM5=/dev/serial/by-id/usb-FTDI..."), so an
// operator can pin an adapter by its stable link and tests can point a number at a
// pseudo-terminal.
#include <map>
#include <string>

namespace telvane {

class PortMap {
 public:
  // The defaults with the overrides of the file's "Ports" section; a missing or unreadable
  // file leaves the defaults. Read once at start, before the ports are probed.
  static PortMap Load(const std::string& iniPath);

  // The device path of port `n`; empty for a number without one.
  std::string Device(int n) const;

 private:
  std::map<int, std::string> overrides_;
};

}  // namespace telvane
