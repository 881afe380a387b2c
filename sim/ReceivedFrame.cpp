#include "sim/ReceivedFrame.h"

#include "common/Text.h"
#include "link/Frame.h"

namespace telvane::sim {

namespace {

bool IsUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

// Payload frames carry "LLLL" STX payload, where LLLL counts STX and the payload.
std::optional<std::string> ReadPayload(std::string_view rest) {
  if (rest.empty()) return std::string();
  if (rest.size() < 5 || rest[4] != STX) return std::nullopt;
  auto length = ParseHex(rest.substr(0, 4));
  if (!length || static_cast<std::size_t>(*length) != rest.size() - 4) return std::nullopt;
  return std::string(rest.substr(5));
}

}  // namespace

std::string Printable(std::string_view bytes) {
  std::string text;
  for (char c : bytes) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x20 || code == 0x7F)
      text += "<" + Hex(code, 2) + ">";
    else
      text += c;
  }
  return text;
}

std::optional<ReceivedFrame> ReadFrame(std::string_view packet) {
  // SOH, address field, kind, code, EOT and check character at the very least.
  if (packet.size() < 10 || packet.front() != SOH) return std::nullopt;
  if (packet[packet.size() - 2] != EOT) return std::nullopt;
  const auto body = packet.substr(0, packet.size() - 1);
  if (static_cast<unsigned char>(packet.back()) != GetCRC(body)) return std::nullopt;

  ReceivedFrame frame;
  std::size_t pos = 1;
  if (packet[pos] == '#') {
    frame.serial = std::string(packet.substr(2, 4));
    pos = 6;
  } else {
    auto first = ParseHex(packet.substr(1, 2));
    auto last = ParseHex(packet.substr(3, 2));
    if (!first || !last) return std::nullopt;
    frame.first = *first;
    frame.last = *last;
    pos = 5;
  }
  if (body.size() < pos + 4) return std::nullopt;
  frame.kind = packet[pos];
  frame.code = std::string(packet.substr(pos + 1, 2));
  if ((frame.kind != '#' && frame.kind != '$') || !IsUpperLetter(frame.code[0]) ||
      !IsUpperLetter(frame.code[1]))
    return std::nullopt;
  auto payload = ReadPayload(body.substr(pos + 3, body.size() - pos - 4));
  if (!payload) return std::nullopt;
  frame.payload = std::move(*payload);
  return frame;
}

std::string Describe(const ReceivedFrame& frame) {
  std::string line = frame.serial.empty() ? Hex(static_cast<unsigned>(frame.first), 2) +
                                                Hex(static_cast<unsigned>(frame.last), 2)
                                          : "#" + frame.serial;
  line += frame.kind + frame.code;
  if (frame.code == "ST" && frame.payload.size() >= 6)
    line += " " + frame.payload.substr(0, 6) + " \"" + frame.payload.substr(6) + "\"";
  else if (!frame.payload.empty())
    line += " " + frame.payload;
  return Latin1ToUtf8(Printable(line));
}

}  // namespace telvane::sim
