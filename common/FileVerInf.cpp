#include "common/FileVerInf.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "common/VersionBlock.h"

namespace telvane {
namespace {

std::string ValuePath(std::uint32_t language, std::uint32_t codePage, std::string_view key) {
  char ids[16];
  std::snprintf(ids, sizeof ids, "%.4X%.4X", static_cast<unsigned>(language),
                static_cast<unsigned>(codePage));
  return "\\StringFileInfo\\" + std::string(ids) + "\\" + std::string(key);
}

}  // namespace

TFileVersionInfo::TFileVersionInfo()
    : UiHandle(0),
      UiTranslate(0),
      PVerInfoBlock(nullptr),
      PTranslateLCP(nullptr),
      FVerFileCPID(0),
      FVerFileLangID(0) {}

std::string TFileVersionInfo::VerFileName() const {
  return FVerFileName.empty() ? version_block::ProgramFilePath() : FVerFileName;
}

std::string TFileVersionInfo::ReadVersionValue(int Index) {
  FVerFileCPID = 0;
  FVerFileLangID = 0;
  const std::string fileName = VerFileName();
  const std::uint32_t size = version_block::InfoSize(fileName, UiHandle);
  if (size == 0) return LastErrorText();

  std::vector<std::uint8_t> block(size, 0);
  PVerInfoBlock = block.data();
  // The block goes with `block` on every way out, the thrown one included; so do the
  // pointers into it.
  struct Forget {
    TFileVersionInfo& reader;
    ~Forget() {
      reader.PVerInfoBlock = nullptr;
      reader.PTranslateLCP = nullptr;
    }
  } forget{*this};
  if (!version_block::LoadInfo(fileName, UiHandle, size, PVerInfoBlock)) return LastErrorText();

  const void* entry = nullptr;
  if (!version_block::QueryValue(PVerInfoBlock, "\\VarFileInfo\\Translation", entry, UiTranslate) ||
      entry == nullptr || UiTranslate < sizeof(TLangAndCP)) {
    throw std::runtime_error(LastErrorText());
  }
  PTranslateLCP = entry;
  TLangAndCP first;
  std::memcpy(&first, PTranslateLCP, sizeof first);
  FVerFileLangID = first.wLanguage;
  FVerFileCPID = first.wCodePage;

  const std::string_view key = Keys.at(static_cast<std::size_t>(Index));
  const void* value = nullptr;
  std::uint32_t length = 0;
  if (version_block::QueryValue(PVerInfoBlock, ValuePath(FVerFileLangID, FVerFileCPID, key), value,
                                length) &&
      value != nullptr) {
    return version_block::ValueText(value, length);
  }
  return LastErrorText();
}

std::string TFileVersionInfo::LastErrorText() const {
  const std::uint32_t code = version_block::LastError();
  if (code == 0) return {};
  return "Error #" + std::to_string(static_cast<int>(code)) + " - " +
         version_block::ErrorDescription(code);
}

}  // namespace telvane
