#pragma once
// Small text helpers shared by the protocol core: hexadecimal and decimal
// conversion that never throws, trimming, and the wire code page.
#include <optional>
#include <string>
#include <string_view>

namespace telvane {

// Upper-case hexadecimal with at least `digits` digits (more when the value needs them).
std::string Hex(unsigned value, int digits);

// The whole text as a hexadecimal number (0-9, A-F, a-f); nothing for empty or other text.
std::optional<int> ParseHex(std::string_view text);

// The whole text as a signed decimal number with an optional leading sign; nothing otherwise
// (also when the value does not fit 32 bits).
std::optional<int> ParseInt(std::string_view text);

// Removes leading and trailing blanks and control characters (codes 0 to 32).
std::string Trim(std::string_view text);

// Frames are 8-bit strings in ISO 8859-1: every code 0 to 255 is the byte of that value.
// Text from the user interface is UTF-8; characters outside ISO 8859-1 become "?".
std::string Utf8ToLatin1(std::string_view utf8);
std::string Latin1ToUtf8(std::string_view bytes);

}  // namespace telvane
