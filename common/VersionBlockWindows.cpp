// The version services of Windows over the version resource the build puts in the program.
#include <windows.h>

#include <cctype>
#include <vector>

#include "common/VersionBlock.h"
#include "common/VersionBlockReader.h"

namespace telvane::version_block {
namespace {

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

std::string Narrow(const wchar_t* wide, std::size_t length) {
  if (length == 0) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), utf8.data(), size, nullptr,
                      nullptr);
  return utf8;
}

}  // namespace

std::uint32_t InfoSize(const std::string& fileName, std::uint32_t& handle) {
  DWORD h = 0;
  const DWORD size = GetFileVersionInfoSizeW(Wide(fileName).c_str(), &h);
  handle = h;
  return size;
}

bool LoadInfo(const std::string& fileName, std::uint32_t handle, std::uint32_t size, void* block) {
  return GetFileVersionInfoW(Wide(fileName).c_str(), handle, size, block) != FALSE;
}

bool QueryValue(const void* block, const std::string& path, const void*& value,
                std::uint32_t& length) {
  void* found = nullptr;
  UINT foundLength = 0;
  if (!VerQueryValueW(block, Wide(path).c_str(), &found, &foundLength)) return false;
  value = found;
  length = foundLength;
  return true;
}

std::uint32_t LastError() { return GetLastError(); }

std::string ErrorDescription(std::uint32_t code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text), 0,
      nullptr);
  std::string description = Narrow(text, length);
  LocalFree(text);
  // The system's texts end with a line break, which has no place inside "Error #n - text".
  while (!description.empty() && std::isspace(static_cast<unsigned char>(description.back())))
    description.pop_back();
  return description;
}

std::string ProgramFilePath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return Narrow(path.data(), length);
    path.resize(path.size() * 2);
  }
}

std::string ValueText(const void* value, std::uint32_t length) {
  return VersionValueText(value, length);
}

}  // namespace telvane::version_block
