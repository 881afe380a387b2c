#include "console/DataPath.h"

#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include <shlobj.h>
#include <windows.h>
#endif

namespace telvane {

namespace {

std::string PlatformFolder() {
#ifdef _WIN32
  // Not created when missing: a machine without it is a broken installation.
  wchar_t buffer[MAX_PATH] = {};
  if (SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer) != S_OK)
    return {};
  std::u8string utf8 = std::filesystem::path(buffer).u8string();
  return std::string(utf8.begin(), utf8.end());
#else
  return "/var/lib";
#endif
}

bool IsFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(std::filesystem::path(path), error);
}

}  // namespace

std::string CommonAppDataFolder() {
  const char* overridden = std::getenv("TELVANE_COMMON_APPDATA");
  std::string folder = overridden && *overridden ? std::string(overridden) : PlatformFolder();
  return !folder.empty() && IsFolder(folder) ? folder : std::string();
}

std::string DataPathIn(const std::string& commonFolder) {
  if (commonFolder.empty()) return {};
  std::string path = commonFolder;
  if (path.back() != '/' && path.back() != PathSeparator) path += PathSeparator;
  return path + "Kelm" + PathSeparator + "OstrelUtils" + PathSeparator;
}

std::string FolderOf(const std::string& filePath) {
  std::size_t cut = filePath.find_last_of(PathSeparator == '/' ? "/" : "/\\");
  return cut == std::string::npos ? std::string() : filePath.substr(0, cut + 1);
}

}  // namespace telvane
