#pragma once
// The catalogue of every frame the program sends, as named builders, so no caller
// concatenates command codes by hand.
#include <string>
#include <string_view>

namespace telvane {

// Address forms of the address field.
inline constexpr std::string_view AllJudges = "010B";     // units 01 to 0B at once
inline constexpr std::string_view ResetClearAddr = "01FF";  // clear display during a reset
inline constexpr std::string_view ResetAddr = "00FF";       // reset, status screen, buzz
inline constexpr std::string_view SerialQueryAddr = "0000";
inline constexpr std::string_view KeepAliveAddr = "000B";

// Show-text layout codes.
inline constexpr std::string_view LayoutDiverName = "111100";
inline constexpr std::string_view LayoutDiveText = "121302";
inline constexpr std::string_view LayoutAwardEcho = "121600";
inline constexpr std::string_view LayoutJudgeLabel = "121000";
inline constexpr std::string_view LayoutJudgeNumber = "131201";
inline constexpr std::string_view LayoutEchoLoop = "121203";

// SOH "000B#AL" EOT "Y": stored whole, with its check character, and queued unchanged.
inline const std::string KeepAliveFrame = std::string("\x01" "000B#AL\x04" "Y");

std::string ClearDisplay(std::string_view address, char kind);                 // "CS"
std::string AddressInquiry(std::string_view address);                          // "$AI"
std::string SetAddress(std::string_view serialCode, std::string_view unitAddr);  // "$SA", "#" + serial
std::string ShowText(std::string_view address, char kind, std::string_view layout,
                     std::string_view text);                                   // "ST"
std::string AwardEntryRequest(std::string_view address, char kind);            // "SN"
std::string AwardRequest(std::string_view address);                            // "$SR"
std::string AwardConfirmation(std::string_view address);                       // "#CN"
std::string ResetFrame();                                                      // "00FF#RF"
std::string SerialQuery();                                                     // "0000$AU"
std::string StatusScreen();                                                    // "00FF#SK"
std::string BuzzFrame();                                                       // "00FF$SB"

}  // namespace telvane
