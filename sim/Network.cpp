#include "sim/Network.h"

#include <set>
#include <stdexcept>

namespace telvane::sim {

Network::Network(TimerSource& timers, NetworkConfig config)
    : line_(timers, config.baud), framer_(timers) {
  if (config.units.empty() || config.units.size() > static_cast<std::size_t>(MaxUnits))
    throw std::invalid_argument("a unit line has 1 to 11 units, not " +
                                std::to_string(config.units.size()));
  if (config.baud <= 0) throw std::invalid_argument("line speed must be positive");
  std::set<std::string> serials;
  for (const auto& unit : config.units)
    if (!serials.insert(unit.serial).second)
      throw std::invalid_argument("two units with serial code " + unit.serial);
  for (std::size_t slot = 0; slot < config.units.size(); ++slot)
    units_.push_back(std::make_unique<Unit>(std::move(config.units[slot]), static_cast<int>(slot),
                                            config.seed, timers, line_));
  framer_.SetOnPacket([this](const std::string& packet) { Hear(packet); });
}

const Unit& Network::BySerial(std::string_view serial) const {
  for (const auto& unit : units_)
    if (unit->Serial() == serial) return *unit;
  throw std::invalid_argument("no unit with serial code " + std::string(serial));
}

void Network::Hear(const std::string& packet) {
  auto frame = ReadFrame(packet);
  if (!frame) {
    line_.Note("rx ignored " + Printable(packet));
    return;
  }
  std::string who;
  for (auto& unit : units_) {
    std::string note = unit->Hear(*frame);
    if (note.empty()) continue;
    who += who.empty() ? note : ", " + note;
  }
  line_.Note("rx " + Describe(*frame) + " -> " + (who.empty() ? "nobody" : who));
}

}  // namespace telvane::sim
