// The version services on systems whose program files have no version resource: the block
// is found by its layout inside the file's bytes.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "common/VersionBlock.h"
#include "common/VersionBlockReader.h"

namespace telvane::version_block {
namespace {

thread_local std::uint32_t lastError = 0;

bool Fail(int code) {
  lastError = static_cast<std::uint32_t>(code);
  return false;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& fileName) {
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
  if (!file) {
    Fail(errno != 0 ? errno : ENOENT);
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[65536];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  if (std::ferror(file.get())) {
    Fail(errno != 0 ? errno : EIO);
    return std::nullopt;
  }
  return bytes;
}

// The block's bytes in the file, or nothing with the last error set.
std::optional<std::vector<std::uint8_t>> ReadBlock(const std::string& fileName) {
  const auto file = ReadFile(fileName);
  if (!file) return std::nullopt;
  const auto found = FindVersionBlock(*file);
  if (!found) {
    Fail(ENODATA);
    return std::nullopt;
  }
  lastError = 0;
  const auto begin = file->begin() + static_cast<std::ptrdiff_t>(found->Offset);
  return std::vector<std::uint8_t>(begin, begin + static_cast<std::ptrdiff_t>(found->Size));
}

}  // namespace

std::uint32_t InfoSize(const std::string& fileName, std::uint32_t& handle) {
  handle = 0;
  const auto block = ReadBlock(fileName);
  return block ? static_cast<std::uint32_t>(block->size()) : 0;
}

bool LoadInfo(const std::string& fileName, std::uint32_t, std::uint32_t size, void* block) {
  const auto bytes = ReadBlock(fileName);
  if (!bytes) return false;
  if (bytes->size() > size) return Fail(ENOBUFS);
  std::memcpy(block, bytes->data(), bytes->size());
  return true;
}

bool QueryValue(const void* block, const std::string& path, const void*& value,
                std::uint32_t& length) {
  const auto* bytes = static_cast<const std::uint8_t*>(block);
  // A loaded block starts with its own length.
  const std::size_t size = bytes[0] | (bytes[1] << 8);
  const auto found = QueryVersionBlock({bytes, size}, path);
  if (!found) return Fail(ENODATA);
  lastError = 0;
  value = found->Data;
  length = found->Length;
  return true;
}

std::uint32_t LastError() { return lastError; }

std::string ErrorDescription(std::uint32_t code) { return std::strerror(static_cast<int>(code)); }

std::string ProgramFilePath() {
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

std::string ValueText(const void* value, std::uint32_t length) {
  return VersionValueText(value, length);
}

}  // namespace telvane::version_block
