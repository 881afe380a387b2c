#pragma once
// The options the program answers on the command line before any window exists. Everything
// else on the line (Qt's own options among it) is left to the window.
#include <optional>
#include <string>

namespace telvane {

struct CommandLineOutcome {
  int ExitCode = 0;
  // For standard output when ExitCode is 0, for standard error otherwise.
  std::string Output;
};

// Nothing when the program should go on and open its window.
std::optional<CommandLineOutcome> HandleCommandLine(int argc, const char* const* argv);

}  // namespace telvane
