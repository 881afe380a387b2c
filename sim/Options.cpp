#include "sim/Options.h"

#include <map>
#include <optional>

#include "common/Text.h"

namespace telvane::sim {

const char* const UsageText =
    "usage: telvane-sim [options]\n"
    "Plays a line of MTE units on a new pseudo-terminal (or on --device) until Ctrl-C.\n"
    "Prints the device path first, then one line per frame heard (rx) and reply sent (tx);\n"
    "when it ends, one line per unit with what its display shows.\n"
    "\n"
    "  --units N                 number of units, 1 to 11 (default 11), numbered 1 to N\n"
    "  --battery [UNIT=]LEVEL    battery level 0 to 99, of one unit or of all\n"
    "  --awards [UNIT=]LIST      awards per dive, comma-separated and used in turn\n"
    "                            (\"8.5\" fixed, \"7.0,7.5\" a list), or \"none\": no award ever\n"
    "  --fault UNIT=KIND         silent | noack | dropack[:FRACTION] (default 0.1) |\n"
    "                            badcheck | late[:MS] (default 1500)\n"
    "  --alive                   units answer the keep-alive with an alive reply\n"
    "  --seed N                  seed of the lost acknowledgements (default 1)\n"
    "  --device PATH             play the units on this serial device instead\n"
    "  --help                    this text\n"
    "Options may be repeated; UNIT is a place on the line, 1 to N.\n";

namespace {

// Per-unit settings keyed by place on the line (0: every unit), applied once --units is known.
struct Pending {
  std::map<int, int> battery;
  std::map<int, std::vector<std::string>> awards;
  std::map<int, Fault> faults;
};

int Number(const std::string& text, const std::string& what) {
  auto value = ParseInt(text);
  if (!value) throw OptionError(what + " must be a whole number, not '" + text + "'");
  return *value;
}

// "[UNIT=]VALUE": the unit (0 when none is given) and the value.
std::pair<int, std::string> Split(const std::string& arg, bool unitRequired,
                                  const std::string& option) {
  auto eq = arg.find('=');
  if (eq == std::string::npos) {
    if (unitRequired) throw OptionError(option + " needs UNIT=..., not '" + arg + "'");
    return {0, arg};
  }
  int unit = Number(arg.substr(0, eq), option + " unit");
  if (unit < 1) throw OptionError(option + " unit must be 1 or more, not " + std::to_string(unit));
  return {unit, arg.substr(eq + 1)};
}

std::vector<std::string> Awards(const std::string& list) {
  if (list == "none") return {};
  std::vector<std::string> awards;
  std::size_t from = 0;
  while (true) {
    auto comma = list.find(',', from);
    std::string award =
        list.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
    if (!IsAwardText(award))
      throw OptionError("not an award: '" + award +
                        "' (a number like 7.5, at most six characters)");
    awards.push_back(award);
    if (comma == std::string::npos) return awards;
    from = comma + 1;
  }
}

Fault ParseFault(const std::string& spec) {
  auto colon = spec.find(':');
  const std::string kind = spec.substr(0, colon);
  const std::optional<std::string> arg = colon == std::string::npos
                                             ? std::nullopt
                                             : std::optional<std::string>(spec.substr(colon + 1));
  Fault fault;
  if (kind == "silent" || kind == "noack" || kind == "badcheck") {
    if (arg) throw OptionError("fault " + kind + " takes no value");
    fault.kind = kind == "silent"  ? FaultKind::Silent
                 : kind == "noack" ? FaultKind::NeverAcks
                                   : FaultKind::BadCheck;
  } else if (kind == "dropack") {
    fault.kind = FaultKind::DropsAcks;
    fault.dropFraction = 0.1;
    if (arg) {
      try {
        std::size_t used = 0;
        fault.dropFraction = std::stod(*arg, &used);
        if (used != arg->size()) throw std::invalid_argument(*arg);
      } catch (const std::exception&) {
        throw OptionError("dropack fraction must be a number from 0 to 1, not '" + *arg + "'");
      }
    }
    if (!(fault.dropFraction >= 0.0 && fault.dropFraction <= 1.0))
      throw OptionError("dropack fraction must be from 0 to 1, not '" + *arg + "'");
  } else if (kind == "late") {
    fault.kind = FaultKind::Late;
    fault.lateMs = arg ? Number(*arg, "late delay") : 1500;
    if (fault.lateMs < 0 || fault.lateMs > 60000)
      throw OptionError("late delay must be 0 to 60000 ms");
  } else {
    throw OptionError("unknown fault '" + kind + "' (silent, noack, dropack, badcheck, late)");
  }
  return fault;
}

template <typename T>
void Apply(const std::map<int, T>& settings, int units, const std::string& option,
           std::vector<UnitConfig>& configs, T UnitConfig::*field) {
  for (const auto& [unit, value] : settings) {
    if (unit > units)
      throw OptionError(option + " names unit " + std::to_string(unit) + " of " +
                        std::to_string(units));
    for (int i = 0; i < units; ++i)
      if (unit == 0 || unit == i + 1) configs[static_cast<std::size_t>(i)].*field = value;
  }
}

}  // namespace

SimOptions ParseOptions(const std::vector<std::string>& args) {
  SimOptions options;
  Pending pending;
  int units = 11;
  bool alive = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw OptionError(option + " needs a value");
      return args[++i];
    };
    if (option == "--help" || option == "-h") {
      options.help = true;
    } else if (option == "--units") {
      units = Number(value(), "--units");
      if (units < 1 || units > Network::MaxUnits)
        throw OptionError("--units must be 1 to 11, not " + std::to_string(units));
    } else if (option == "--battery") {
      auto [unit, level] = Split(value(), false, option);
      int battery = Number(level, "--battery");
      if (battery < 0 || battery > 99) throw OptionError("--battery must be 0 to 99, not " + level);
      pending.battery[unit] = battery;
    } else if (option == "--awards") {
      auto [unit, list] = Split(value(), false, option);
      pending.awards[unit] = Awards(list);
    } else if (option == "--fault") {
      auto [unit, spec] = Split(value(), true, option);
      pending.faults[unit] = ParseFault(spec);
    } else if (option == "--alive") {
      alive = true;
    } else if (option == "--seed") {
      const std::string& text = value();
      int seed = Number(text, "--seed");
      if (seed < 0) throw OptionError("--seed must not be negative");
      options.network.seed = static_cast<std::uint32_t>(seed);
    } else if (option == "--device") {
      options.device = value();
      if (options.device.empty()) throw OptionError("--device needs a path");
    } else {
      throw OptionError("unknown option '" + option + "' (see --help)");
    }
  }
  auto& configs = options.network.units;
  configs = DefaultUnits(units);
  for (auto& config : configs) config.answersKeepAlive = alive;
  Apply(pending.battery, units, "--battery", configs, &UnitConfig::battery);
  Apply(pending.awards, units, "--awards", configs, &UnitConfig::awards);
  Apply(pending.faults, units, "--fault", configs, &UnitConfig::fault);
  return options;
}

}  // namespace telvane::sim
