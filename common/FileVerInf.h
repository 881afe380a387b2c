#pragma once
// TFileVersionInfo reads text values from the version information of a program file, by
// default the program's own. Each value is read with the block loaded afresh and released
// before the answer; only the identifiers of the string block last chosen are kept.
//
// The reader is owned by whoever creates it (a plain object, released with its scope).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace telvane {

class TFileVersionInfo {
 public:
  TFileVersionInfo();

  // The file to read; the program's own file while none is set.
  std::string VerFileName() const;
  void SetVerFileName(std::string fileName) { FVerFileName = std::move(fileName); }

  // The string block chosen by the last read; both 0 after a read that failed before choosing.
  std::uint32_t VerFileCPID() const { return FVerFileCPID; }
  std::uint32_t VerFileLangID() const { return FVerFileLangID; }

  // Each is the value of its key, or the platform's error text when it cannot be read. They
  // throw std::runtime_error carrying that text when the block has no translation table.
  std::string StrVerFileComments() { return ReadVersionValue(0); }
  std::string StrVerFileCompanyName() { return ReadVersionValue(1); }
  std::string StrVerFileDescription() { return ReadVersionValue(2); }
  std::string StrVerFileVersion() { return ReadVersionValue(3); }
  std::string StrVerFileInternalName() { return ReadVersionValue(4); }
  std::string StrVerFileCopyright() { return ReadVersionValue(5); }
  std::string StrVerFileTrademarks() { return ReadVersionValue(6); }
  std::string StrVerFileOriginalFilename() { return ReadVersionValue(7); }
  std::string StrVerFileProductName() { return ReadVersionValue(8); }
  std::string StrVerFileProductVersion() { return ReadVersionValue(9); }
  std::string StrVerFilePrivateBuild() { return ReadVersionValue(10); }
  std::string StrVerFileSpecialBuild() { return ReadVersionValue(11); }

  static constexpr std::array<std::string_view, 12> Keys = {
      "Comments",     "CompanyName",    "FileDescription", "FileVersion",
      "InternalName", "LegalCopyright", "LegalTrademarks", "OriginalFilename",
      "ProductName",  "ProductVersion", "PrivateBuild",    "SpecialBuild"};

 private:
  // One entry of the translation table: language identifier first, code page second.
  struct TLangAndCP {
    std::uint16_t wLanguage;
    std::uint16_t wCodePage;
  };

  std::string ReadVersionValue(int Index);
  std::string LastErrorText() const;

  std::string FVerFileName;
  std::uint32_t UiHandle;
  std::uint32_t UiTranslate;
  void* PVerInfoBlock;
  const void* PTranslateLCP;
  std::uint32_t FVerFileCPID;
  std::uint32_t FVerFileLangID;
};

}  // namespace telvane
