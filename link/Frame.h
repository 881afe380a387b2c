#pragma once
// The MTE frame format: control characters, unit terms, the XOR check character,
// the one frame builder every sender uses, and reading reply fields by position.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace telvane {

inline constexpr char SOH = '\x01';
inline constexpr char STX = '\x02';
inline constexpr char EOT = '\x04';

// Unit n (1 to 11) is the n-th character; replies name their unit by it.
inline constexpr std::string_view UnitChars = "123456789AB";
inline constexpr int MaxUnits = 11;

// Unit number n as two upper-case hexadecimal digits ("01" .. "0B"; "0C" and up beyond 11).
std::string UnitAddress(int n);
// The unit address written twice: the address field of a frame for one unit (0303, 0B0B).
std::string OneUnitAddress(int n);
// Position of c in UnitChars (1 to 11), 0 when c is not a unit character.
int UnitNumber(char c);

// XOR of the low eight bits of every character; 0 for an empty text.
std::uint8_t GetCRC(std::string_view msg);

// SOH, address, kind, code, [length, STX, payload,] EOT, check character.
// The address field is four characters, or "#" and a serial code (set address).
// A wrong address, kind or code, or a payload the length field cannot count, is a
// programming error and throws std::invalid_argument.
std::string BuildFrame(std::string_view address, char kind, std::string_view code);
std::string BuildFrame(std::string_view address, char kind, std::string_view code,
                       std::string_view payload);

// `count` characters from the 1-based position `pos`; fewer (or none) when the packet ends first.
std::string ReplyField(std::string_view packet, std::size_t pos, std::size_t count);

// For the trace: characters 2 and 3 of a frame as a decimal unit number, or as they stand
// when they are not hexadecimal digits (a set-address frame names a serial code there).
std::string FrameUnitText(std::string_view frame);
// The shown text of a frame: from 7 characters after its first STX (past the six-character
// layout code; from position 7 when there is no STX) up to the next EOT; empty without one.
std::string FrameDisplayText(std::string_view frame);

}  // namespace telvane
