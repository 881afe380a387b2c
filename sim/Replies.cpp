#include "sim/Replies.h"

#include "common/Text.h"
#include "link/Frame.h"

namespace telvane::sim {

namespace {

std::string Address(int number) { return OneUnitAddress(number); }

std::string Finish(std::string reply) {
  reply += EOT;
  reply += static_cast<char>(GetCRC(reply));
  return reply;
}

}  // namespace

std::string AckReply(int number) { return Finish(SOH + Address(number) + "$AY"); }

std::string AliveReply(int number) { return Finish(SOH + Address(number) + "$AL"); }

std::string ConfigReply(int number, int battery, std::string_view serial) {
  const std::string level = battery < 10 ? "0" + std::to_string(battery) : std::to_string(battery);
  return Finish(SOH + Address(number) + "$CF000" + level + "/" + std::string(serial));
}

std::string SerialReply(std::string_view serial) {
  return Finish(SOH + std::string("0000$MC00") + std::string(serial));
}

std::string AwardReply(int number, std::string_view award) {
  return Finish(SOH + Address(number) + "$4H006" + STX + std::string(award));
}

std::string WithBadCheck(std::string reply) {
  if (!reply.empty()) reply.back() = static_cast<char>(reply.back() ^ 0x55);
  return reply;
}

}  // namespace telvane::sim
