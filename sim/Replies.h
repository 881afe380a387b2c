#pragma once
// The reply packets of a unit. The program finds a reply by its two-letter code anywhere in
// the packet and reads each field at a fixed position (SOH is position 1); the layouts below
// put every field exactly there and keep every other character free of the codes searched.
#include <string>
#include <string_view>

namespace telvane::sim {

// SOH "0303$AY" EOT check: unit address at 2-3, unit character at 3.
std::string AckReply(int number);
// SOH "0303$AL" EOT check.
std::string AliveReply(int number);
// SOH "0303$CF000" battery "/" serial EOT check: battery at 12-13, serial code at 15-18.
std::string ConfigReply(int number, int battery, std::string_view serial);
// SOH "0000$MC00" serial EOT check: serial code at 11-14; "00" is the address of a unit that
// has no number, and keeps the program's unit-address parse of characters 2-3 working.
std::string SerialReply(std::string_view serial);
// SOH "0303$4H006" STX award EOT check: award text (six characters) at 13-18.
std::string AwardReply(int number, std::string_view award);

// The reply with a check character that cannot be right.
std::string WithBadCheck(std::string reply);

}  // namespace telvane::sim
