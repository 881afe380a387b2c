#pragma once
// A frame from the program as a unit reads it. Units check what the program never checks in
// replies: the layout, hexadecimal address digits and the check character. A frame that fails
// any of these is line noise to a unit and is ignored.
#include <optional>
#include <string>
#include <string_view>

namespace telvane::sim {

struct ReceivedFrame {
  // The address field names a range of unit numbers: "0303" is unit 3, "010B" units 1 to 11,
  // "00FF" every unit, "0000" only units that have no number yet (their number counts as 0).
  int first = 0;
  int last = 0;
  // Set-address frames name their unit by serial code instead of a range.
  std::string serial;
  char kind = '$';
  std::string code;
  std::string payload;

  bool Names(int number) const { return serial.empty() && first <= number && number <= last; }
};

std::optional<ReceivedFrame> ReadFrame(std::string_view packet);

// The frame as one readable line for the monitor: address field, kind, code, then the layout
// code and quoted text of a show-text frame or the payload of any other.
std::string Describe(const ReceivedFrame& frame);
// Control characters as <hh>, so a monitor line stays one line whatever the bytes were.
std::string Printable(std::string_view bytes);

}  // namespace telvane::sim
