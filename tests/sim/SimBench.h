#pragma once
// The whole Qt-free program wired to a simulated unit network on the virtual clock: every
// write of the engine reaches the units, every reply of the units reaches the engine's port.
#include <algorithm>
#include <string>
#include <vector>

#include "console/MainModel.h"
#include "engine/MTEs.h"
#include "sim/Network.h"
#include "tests/support/MemoryPort.h"
#include "tests/support/VirtualClock.h"

namespace telvane::testing {

class LinkedPort : public MemoryPort {
 public:
  using MemoryPort::MemoryPort;
  void Write(std::string_view bytes) override {
    MemoryPort::Write(bytes);
    if (network) network->Receive(bytes);
  }
  sim::Network* network = nullptr;
};

struct SimBench {
  explicit SimBench(sim::NetworkConfig config) : network(clock, std::move(config)) {
    port.present = {3};
    window.ShowStartState();
    window.AttachEngine(engine);
    engine.FormCreate();
    port.network = &network;
    network.SetWriter([this](std::string_view bytes) { port.Receive(bytes); });
    network.SetMonitor([this](const std::string& line) { monitor.push_back(line); });
    window.rgCOMPortsClick(0);
  }

  bool Traced(const std::string& line) const {
    return std::find(window.mmo1.begin(), window.mmo1.end(), line) != window.mmo1.end();
  }
  // Position of the first trace line from `from` on containing `text`, or -1.
  long TracePos(const std::string& text, long from = 0) const {
    for (auto i = static_cast<std::size_t>(from); i < window.mmo1.size(); ++i)
      if (window.mmo1[i].find(text) != std::string::npos) return static_cast<long>(i);
    return -1;
  }

  VirtualClock clock;
  LinkedPort port{&clock};
  MainModel window;
  TfrmMTEs engine{port, clock, window};
  sim::Network network;
  std::vector<std::string> monitor;
};

inline sim::NetworkConfig Units(std::vector<sim::UnitConfig> units) {
  return {std::move(units), 1, 19200};
}

}  // namespace telvane::testing
