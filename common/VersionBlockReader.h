#pragma once
// Reads a version block laid out as by VersionBlockWriter.h: finds one inside the bytes of any
// file, and finds a value in it by its path, as the platform's version services do on Windows.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace telvane {

struct VersionBlockSpan {
  std::size_t Offset = 0;
  std::size_t Size = 0;
};

// The first well-formed block in `file`: its root key, a fixed part with the right signature,
// and a length that fits the file.
std::optional<VersionBlockSpan> FindVersionBlock(std::span<const std::uint8_t> file);

struct VersionValue {
  // Empty for a value of length 0.
  const std::uint8_t* Data = nullptr;
  // In UTF-16 characters for text values, in bytes for binary ones.
  std::uint32_t Length = 0;
};

// `path` names nodes from the root separated by "\" ("\" alone is the fixed part); keys
// compare without regard to ASCII case. Nothing when a node is missing or the block is cut.
std::optional<VersionValue> QueryVersionBlock(std::span<const std::uint8_t> block,
                                              std::string_view path);

// A UTF-16 little-endian text value as UTF-8, up to its terminating zero or `length` units.
std::string VersionValueText(const void* value, std::uint32_t length);

}  // namespace telvane
