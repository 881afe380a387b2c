#include "console/HelpTarget.h"

#include <filesystem>

namespace telvane {

std::string HelpTarget(const std::string& programFolder) {
  const std::string candidates[] = {
      programFolder + HelpProgramName,
      programFolder + UserGuideName,
      programFolder + "../share/doc/telvane/" + UserGuideName,
  };
  for (const std::string& candidate : candidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate;
  }
  return {};
}

}  // namespace telvane
