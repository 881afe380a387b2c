#pragma once
// The settings file "Telvane.ini": a profile file (sections of key=value lines) that operators
// also edit by hand. Every read looks at the file afresh and every write goes straight to it,
// as the platform's profile functions do. A write replaces the file whole through a temporary
// file in the same folder, so the file is never left half-written; comments, key order and
// keys and sections the program does not know are kept. The folder is never created.
#include <string>

namespace telvane {

class Settings {
 public:
  explicit Settings(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }

  // The value of the key, or `def` when the file, the section or the key is missing.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  // Decimal, or hexadecimal after "0x" or "$"; `def` when missing or not a number.
  int ReadInteger(const std::string& section, const std::string& key, int def) const;

  // Throws std::runtime_error("Unable to write to " + path) when the file cannot be written.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);

 private:
  std::string path_;
};

}  // namespace telvane
