#pragma once
// Lays out a version block the way the Windows resource compiler does (a tree of nodes, each a
// length, a value length, a type, a UTF-16 key, its value and its children, every node and
// value starting on a 4-byte boundary). The program file carries one made at compile time on
// platforms whose program files have no version resource; tests make their fixture files with
// it. Keys and values are ASCII.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace telvane {

struct VersionBlockContent {
  std::uint16_t Language = 0x0809;
  std::uint16_t CodePage = 1252;
  // Without it the block has no "\VarFileInfo\Translation" table.
  bool HasTranslation = true;
  std::array<std::uint16_t, 4> FileVersion{};
  std::vector<std::pair<std::string_view, std::string_view>> Strings;
};

namespace version_layout {

inline constexpr std::uint32_t FixedInfoSignature = 0xFEEF04BD;
inline constexpr std::uint16_t BinaryValue = 0;
inline constexpr std::uint16_t TextValue = 1;

class Writer {
 public:
  constexpr void Word(std::uint16_t value) {
    bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
  }
  constexpr void Dword(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value & 0xFFFF));
    Word(static_cast<std::uint16_t>(value >> 16));
  }
  constexpr void Text(std::string_view text) {
    for (char c : text) Word(static_cast<std::uint8_t>(c));
    Word(0);
  }
  constexpr void Align() {
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
  }
  // Starts a node; its length is filled in by End once its value and children are written.
  constexpr std::size_t Begin(std::string_view key, std::uint16_t valueLength, std::uint16_t type) {
    Align();
    const std::size_t start = bytes_.size();
    Word(0);
    Word(valueLength);
    Word(type);
    Text(key);
    Align();
    return start;
  }
  constexpr void End(std::size_t start) {
    const std::size_t length = bytes_.size() - start;
    bytes_[start] = static_cast<std::uint8_t>(length & 0xFF);
    bytes_[start + 1] = static_cast<std::uint8_t>(length >> 8);
  }
  constexpr std::vector<std::uint8_t> Bytes() && { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

constexpr char HexDigit(unsigned value) {
  return static_cast<char>(value < 10 ? '0' + value : 'A' + value - 10);
}

}  // namespace version_layout

constexpr std::vector<std::uint8_t> WriteVersionBlock(const VersionBlockContent& content) {
  using namespace version_layout;
  Writer out;
  const std::size_t root = out.Begin("VS_VERSION_INFO", 52, BinaryValue);
  const auto& v = content.FileVersion;
  const std::uint32_t versionHigh = (std::uint32_t{v[0]} << 16) | v[1];
  const std::uint32_t versionLow = (std::uint32_t{v[2]} << 16) | v[3];
  out.Dword(FixedInfoSignature);
  out.Dword(0x00010000);                  // structure version 1.0
  for (int pair = 0; pair < 2; ++pair) {  // file version, then product version
    out.Dword(versionHigh);
    out.Dword(versionLow);
  }
  out.Dword(0x3F);  // flags mask
  out.Dword(0);     // flags
  out.Dword(0);     // operating system: unknown
  out.Dword(1);     // file type: application
  out.Dword(0);     // subtype
  out.Dword(0);     // date, high
  out.Dword(0);     // date, low

  const std::size_t strings = out.Begin("StringFileInfo", 0, TextValue);
  char tableKey[9] = {};
  const std::uint32_t id = (std::uint32_t{content.Language} << 16) | content.CodePage;
  for (int i = 0; i < 8; ++i) tableKey[i] = HexDigit((id >> (28 - 4 * i)) & 0xF);
  const std::size_t table = out.Begin(std::string_view(tableKey, 8), 0, TextValue);
  for (const auto& [key, value] : content.Strings) {
    const auto length = static_cast<std::uint16_t>(value.empty() ? 0 : value.size() + 1);
    const std::size_t node = out.Begin(key, length, TextValue);
    if (length != 0) out.Text(value);
    out.End(node);
  }
  out.End(table);
  out.End(strings);

  if (content.HasTranslation) {
    const std::size_t vars = out.Begin("VarFileInfo", 0, TextValue);
    const std::size_t translation = out.Begin("Translation", 4, BinaryValue);
    out.Word(content.Language);
    out.Word(content.CodePage);
    out.End(translation);
    out.End(vars);
  }
  out.End(root);
  return std::move(out).Bytes();
}

// The block as an array fixed at compile time: `make` returns the content.
template <typename Make>
consteval auto VersionBlockArray(Make make) {
  constexpr std::size_t size = WriteVersionBlock(Make{}()).size();
  std::array<std::uint8_t, size> bytes{};
  const auto block = WriteVersionBlock(make());
  std::copy(block.begin(), block.end(), bytes.begin());
  return bytes;
}

}  // namespace telvane
