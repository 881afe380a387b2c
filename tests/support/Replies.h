#pragma once
// Reply packets as the units send them, with every field at the position the program reads
// and a correct check character.
#include <string>

#include "link/Frame.h"

namespace telvane::testing {

inline std::string Packet(std::string body) {
  std::string packet = std::string(1, SOH) + body + EOT;
  return packet + static_cast<char>(GetCRC(packet));
}
// Battery at 12-13, serial code at 15-18.
inline std::string ConfigReply(const std::string& addr, const std::string& battery, const std::string& serial) {
  return Packet(addr + addr + "$CF000" + battery + "0" + serial);
}
inline std::string Ack(const std::string& addr) { return Packet(addr + addr + "$AY"); }
inline std::string AliveReply(const std::string& addr) { return Packet(addr + addr + "$AL"); }
// Award text (six characters) at 13-18.
inline std::string AwardReply(const std::string& addr, const std::string& award) {
  return Packet(addr + addr + "$4H0007" + award);
}
// Serial code at 11-14.
inline std::string SerialReply(const std::string& serial) { return Packet("0000$MC00" + serial); }

}  // namespace telvane::testing
