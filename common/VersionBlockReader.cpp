#include "common/VersionBlockReader.h"

#include <algorithm>
#include <vector>

#include "common/VersionBlockWriter.h"

namespace telvane {
namespace {

constexpr std::string_view RootKey = "VS_VERSION_INFO";
constexpr std::size_t HeaderSize = 6;
constexpr std::size_t FixedInfoSize = 52;

std::size_t Align4(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

std::uint16_t WordAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

struct Node {
  std::size_t End = 0;  // one past the node's last byte
  std::uint16_t ValueLength = 0;
  std::uint16_t Type = 0;
  std::u16string Key;
  std::size_t ValueOffset = 0;
  std::size_t ChildrenOffset = 0;
};

// Offsets are relative to the start of the block, which is where the 4-byte alignment counts.
std::optional<Node> ReadNode(std::span<const std::uint8_t> block, std::size_t offset,
                             std::size_t limit) {
  if (offset + HeaderSize > limit) return std::nullopt;
  Node node;
  const std::uint16_t length = WordAt(block, offset);
  node.ValueLength = WordAt(block, offset + 2);
  node.Type = WordAt(block, offset + 4);
  node.End = offset + length;
  if (length < HeaderSize || node.End > limit) return std::nullopt;
  std::size_t at = offset + HeaderSize;
  for (;; at += 2) {
    if (at + 2 > node.End) return std::nullopt;
    const std::uint16_t c = WordAt(block, at);
    if (c == 0) break;
    node.Key += static_cast<char16_t>(c);
  }
  node.ValueOffset = Align4(at + 2);
  const std::size_t valueBytes =
      node.Type == version_layout::TextValue ? node.ValueLength * std::size_t{2} : node.ValueLength;
  if (node.ValueOffset + valueBytes > node.End) return std::nullopt;
  node.ChildrenOffset = Align4(node.ValueOffset + valueBytes);
  return node;
}

bool KeyIs(const std::u16string& key, std::string_view name) {
  auto lower = [](char32_t c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
  return key.size() == name.size() &&
         std::equal(key.begin(), key.end(), name.begin(), [&](char16_t a, char b) {
           return lower(a) == lower(static_cast<unsigned char>(b));
         });
}

std::optional<Node> FindChild(std::span<const std::uint8_t> block, const Node& parent,
                              std::string_view key) {
  for (std::size_t at = parent.ChildrenOffset; at < parent.End;) {
    const auto child = ReadNode(block, at, parent.End);
    if (!child) return std::nullopt;
    if (KeyIs(child->Key, key)) return child;
    at = Align4(child->End);
  }
  return std::nullopt;
}

std::vector<std::uint8_t> Utf16(std::string_view ascii) {
  std::vector<std::uint8_t> out;
  for (char c : ascii) {
    out.push_back(static_cast<std::uint8_t>(c));
    out.push_back(0);
  }
  out.insert(out.end(), {0, 0});
  return out;
}

bool IsBlockAt(std::span<const std::uint8_t> file, std::size_t offset) {
  const auto root = ReadNode(file.subspan(offset), 0, file.size() - offset);
  if (!root || !KeyIs(root->Key, RootKey) || root->ValueLength != FixedInfoSize) return false;
  const auto s = file.subspan(offset + root->ValueOffset, 4);
  const std::uint32_t signature = s[0] | (s[1] << 8) | (s[2] << 16) | (std::uint32_t{s[3]} << 24);
  return signature == version_layout::FixedInfoSignature;
}

}  // namespace

std::optional<VersionBlockSpan> FindVersionBlock(std::span<const std::uint8_t> file) {
  // The root key is looked for as UTF-16 built here, so this code's own constants never
  // hold the marker the search is after.
  const std::vector<std::uint8_t> marker = Utf16(RootKey);
  auto from = file.begin();
  while (true) {
    const auto hit = std::search(from, file.end(), marker.begin(), marker.end());
    if (hit == file.end()) return std::nullopt;
    const auto keyOffset = static_cast<std::size_t>(hit - file.begin());
    if (keyOffset >= HeaderSize && IsBlockAt(file, keyOffset - HeaderSize)) {
      const std::size_t offset = keyOffset - HeaderSize;
      return VersionBlockSpan{offset, WordAt(file, offset)};
    }
    from = hit + 1;
  }
}

std::optional<VersionValue> QueryVersionBlock(std::span<const std::uint8_t> block,
                                              std::string_view path) {
  auto node = ReadNode(block, 0, block.size());
  while (node && !path.empty()) {
    const std::size_t separator = path.find('\\');
    const std::string_view key = path.substr(0, separator);
    path = separator == std::string_view::npos ? std::string_view() : path.substr(separator + 1);
    if (!key.empty()) node = FindChild(block, *node, key);
  }
  if (!node) return std::nullopt;
  if (node->ValueLength == 0) return VersionValue{};
  return VersionValue{block.data() + node->ValueOffset, node->ValueLength};
}

std::string VersionValueText(const void* value, std::uint32_t length) {
  const auto* bytes = static_cast<const std::uint8_t*>(value);
  std::u32string text;
  for (std::uint32_t i = 0; i < length; ++i) {
    char32_t c = bytes[2 * i] | (bytes[2 * i + 1] << 8);
    if (c == 0) break;
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < length) {
      const char32_t low = bytes[2 * i + 2] | (bytes[2 * i + 3] << 8);
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    text += c;
  }
  std::string out;
  for (char32_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

}  // namespace telvane
