#pragma once
// The command line of telvane-sim, turned into a network configuration. Kept apart from the
// program so that every option and every refusal can be tested without a terminal.
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/Network.h"

namespace telvane::sim {

struct SimOptions {
  NetworkConfig network;
  // Empty: open a pseudo-terminal.
  std::string device;
  bool help = false;
};

// A command line that asks for something no network can be; what() is the one-line reason.
class OptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// `args` without the program name.
SimOptions ParseOptions(const std::vector<std::string>& args);

extern const char* const UsageText;

}  // namespace telvane::sim
