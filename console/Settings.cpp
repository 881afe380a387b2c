#include "console/Settings.h"

#include <SimpleIni.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "common/Text.h"

namespace telvane {

namespace {

// A missing or unreadable file reads as an empty one, like a missing profile file.
void Load(const std::string& path, CSimpleIniA& ini) {
  ini.SetUnicode(true);
  ini.SetSpaces(false);
  std::ifstream in(path, std::ios::binary);
  if (!in) return;
  std::ostringstream text;
  text << in.rdbuf();
  ini.LoadData(text.str());
}

std::optional<int> ParseSettingInteger(std::string_view text) {
  std::string value = Trim(text);
  std::string_view digits = value;
  if (digits.starts_with("0x") || digits.starts_with("0X")) return ParseHex(digits.substr(2));
  if (digits.starts_with('$')) return ParseHex(digits.substr(1));
  return ParseInt(digits);
}

}  // namespace

std::string Settings::ReadString(const std::string& section, const std::string& key,
                                 const std::string& def) const {
  CSimpleIniA ini;
  Load(path_, ini);
  const char* value = ini.GetValue(section.c_str(), key.c_str(), nullptr);
  return value ? std::string(value) : def;
}

int Settings::ReadInteger(const std::string& section, const std::string& key, int def) const {
  return ParseSettingInteger(ReadString(section, key, "")).value_or(def);
}

void Settings::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  CSimpleIniA ini;
  Load(path_, ini);
  ini.SetValue(section.c_str(), key.c_str(), value.c_str());
  std::string text;
  const std::runtime_error failure("Unable to write to " + path_);
  if (ini.Save(text) < 0) throw failure;
  // The temporary file sits beside the settings file so that the rename stays on one volume
  // and replaces the old file in one step.
  const std::string temporary = path_ + ".tmp";
  std::error_code error;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) throw failure;
    out << text;
    out.close();
    if (!out) {
      std::filesystem::remove(temporary, error);
      throw failure;
    }
  }
  // std::filesystem::rename replaces an existing file on Windows too, where std::rename fails.
  std::filesystem::rename(temporary, path_, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    throw failure;
  }
}

void Settings::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

}  // namespace telvane
