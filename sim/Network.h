#pragma once
// A network of simulated units on one line. Bytes from the program go in through Receive, in
// any chunks; replies come out through the writer, one unit at a time, after each unit's
// turnaround. Time comes only from the timer source, so the same network runs on the virtual
// clock of the tests and on real time in telvane-sim.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/Timer.h"
#include "link/PacketFramer.h"
#include "sim/Line.h"
#include "sim/Unit.h"
#include "sim/UnitConfig.h"

namespace telvane::sim {

struct NetworkConfig {
  std::vector<UnitConfig> units;
  std::uint32_t seed = 1;
  int baud = 19200;
};

class Network {
 public:
  static constexpr int MaxUnits = 11;

  // Throws std::invalid_argument for a network no line could carry (no unit, more than
  // eleven, two units with one serial code, a unit configuration no unit could have).
  Network(TimerSource& timers, NetworkConfig config);
  Network(const Network&) = delete;
  Network& operator=(const Network&) = delete;

  // Where the reply bytes go: the program's port.
  void SetWriter(Writer writer) { line_.SetWriter(std::move(writer)); }
  // One line for each frame heard ("rx ...") and each reply sent ("tx ...").
  void SetMonitor(Monitor monitor) { line_.SetMonitor(std::move(monitor)); }

  void Receive(std::string_view bytes) { framer_.Feed(bytes); }

  const std::vector<std::unique_ptr<Unit>>& Units() const { return units_; }
  // The unit with this serial code; a test asking for one that is not there is a mistake.
  const Unit& BySerial(std::string_view serial) const;

 private:
  void Hear(const std::string& packet);

  Line line_;
  PacketFramer framer_;
  std::vector<std::unique_ptr<Unit>> units_;
};

}  // namespace telvane::sim
