#include "link/Commands.h"

#include "common/Text.h"
#include "link/Frame.h"

namespace telvane {

std::string ClearDisplay(std::string_view address, char kind) { return BuildFrame(address, kind, "CS"); }

std::string AddressInquiry(std::string_view address) { return BuildFrame(address, '$', "AI"); }

std::string SetAddress(std::string_view serialCode, std::string_view unitAddr) {
  return BuildFrame("#" + std::string(serialCode), '$', "SA", unitAddr);
}

std::string ShowText(std::string_view address, char kind, std::string_view layout, std::string_view text) {
  return BuildFrame(address, kind, "ST", std::string(layout) + std::string(text));
}

std::string AwardEntryRequest(std::string_view address, char kind) {
  // Entry format, then 0, 1000 and 50 as six, six and four hexadecimal digits, then the mask.
  return BuildFrame(address, kind, "SN", "20604" + Hex(0, 6) + Hex(1000, 6) + Hex(50, 4) + "XX.X");
}

std::string AwardRequest(std::string_view address) { return BuildFrame(address, '$', "SR"); }

std::string AwardConfirmation(std::string_view address) { return BuildFrame(address, '#', "CN"); }

std::string ResetFrame() { return BuildFrame(ResetAddr, '#', "RF"); }

std::string SerialQuery() { return BuildFrame(SerialQueryAddr, '$', "AU"); }

std::string StatusScreen() { return BuildFrame(ResetAddr, '#', "SK", "0"); }

std::string BuzzFrame() { return BuildFrame(ResetAddr, '$', "SB", "10A"); }

}  // namespace telvane
