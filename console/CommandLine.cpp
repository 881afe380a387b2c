#include "console/CommandLine.h"

#include <stdexcept>
#include <string_view>

#include "common/FileVerInf.h"

namespace telvane {
namespace {

constexpr std::string_view HelpText =
    "Usage: telvane [--help | --version]\n"
    "\n"
    "Tests the judges' scoring terminals (MTE units) of a diving competition through one\n"
    "serial port. Without an option it opens its window.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the program's file version and exit\n"
    "\n"
    "Settings are kept in Telvane.ini and translations read from Telvane.sib, both in the\n"
    "data folder Kelm/OstrelUtils below /var/lib (Linux) or the common application-data\n"
    "folder (Windows); the environment variable TELVANE_COMMON_APPDATA names another\n"
    "folder to use instead of /var/lib or the common application-data folder.\n";

CommandLineOutcome VersionOutcome() {
  try {
    TFileVersionInfo info;
    return {0, "Telvane " + info.StrVerFileVersion() + "\n"};
  } catch (const std::runtime_error& error) {
    return {1, "Telvane: " + std::string(error.what()) + "\n"};
  }
}

}  // namespace

std::optional<CommandLineOutcome> HandleCommandLine(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help") return CommandLineOutcome{0, std::string(HelpText)};
    if (argument == "--version") return VersionOutcome();
  }
  return std::nullopt;
}

}  // namespace telvane
