#include "link/Frame.h"

#include <optional>
#include <stdexcept>

#include "common/Text.h"

namespace telvane {

std::string UnitAddress(int n) {
  if (n < 0 || n > 0xFF) throw std::invalid_argument("unit number out of range: " + std::to_string(n));
  return Hex(static_cast<unsigned>(n), 2);
}

std::string OneUnitAddress(int n) {
  std::string address = UnitAddress(n);
  return address + address;
}

int UnitNumber(char c) {
  auto pos = UnitChars.find(c);
  return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + 1;
}

std::uint8_t GetCRC(std::string_view msg) {
  std::uint8_t crc = 0;
  for (char c : msg) crc ^= static_cast<std::uint8_t>(c);
  return crc;
}

namespace {

// Serial codes come from the units and are sent back as they were reported, so a damaged
// reply may leave fewer than four characters after the "#".
bool ValidAddress(std::string_view address) {
  if (!address.empty() && address.front() == '#') return address.size() <= 5;
  return address.size() == 4;
}

std::string Head(std::string_view address, char kind, std::string_view code) {
  if (!ValidAddress(address))
    throw std::invalid_argument("frame address field must be 4 characters or '#' and a serial code: '" +
                                std::string(address) + "'");
  if (kind != '#' && kind != '$') throw std::invalid_argument(std::string("frame kind must be '#' or '$': ") + kind);
  if (code.size() != 2) throw std::invalid_argument("command code must be 2 characters: '" + std::string(code) + "'");
  std::string head(1, SOH);
  head.append(address).append(1, kind).append(code);
  return head;
}

std::string Finish(std::string frame) {
  frame += static_cast<char>(GetCRC(frame));
  return frame;
}

}  // namespace

std::string BuildFrame(std::string_view address, char kind, std::string_view code) {
  return Finish(Head(address, kind, code) + EOT);
}

std::string BuildFrame(std::string_view address, char kind, std::string_view code, std::string_view payload) {
  // The length field counts STX and the payload: four hexadecimal digits hold at most 0xFFFF.
  if (payload.size() + 1 > 0xFFFF)
    throw std::invalid_argument("payload of " + std::to_string(payload.size()) + " characters is too long for the length field");
  std::string frame = Head(address, kind, code);
  frame += Hex(static_cast<unsigned>(payload.size() + 1), 4);
  frame += STX;
  frame.append(payload);
  frame += EOT;
  return Finish(std::move(frame));
}

std::string ReplyField(std::string_view packet, std::size_t pos, std::size_t count) {
  if (pos == 0 || pos > packet.size()) return {};
  return std::string(packet.substr(pos - 1, count));
}

std::string FrameUnitText(std::string_view frame) {
  std::string digits = ReplyField(frame, 2, 2);
  auto number = digits.size() == 2 ? ParseHex(digits) : std::nullopt;
  return number ? std::to_string(*number) : digits;
}

std::string FrameDisplayText(std::string_view frame) {
  auto stx = frame.find(STX);
  std::size_t from = stx == std::string_view::npos ? 6 : stx + 7;
  if (from > frame.size()) return {};
  auto eot = frame.find(EOT, from);
  if (eot == std::string_view::npos) return {};
  return std::string(frame.substr(from, eot - from));
}

}  // namespace telvane
