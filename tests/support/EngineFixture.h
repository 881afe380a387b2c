#pragma once
// The whole Qt-free program on a virtual clock and an in-memory port: window model and
// engine created in start-up order. Tests feed unit replies and move the clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/MainModel.h"
#include "engine/MTEs.h"
#include "tests/support/MemoryPort.h"
#include "tests/support/VirtualClock.h"

namespace telvane::testing {

struct Message {
  MessageKind kind;
  std::string text;
  std::string detail;
};

class EngineFixture : public ::testing::Test {
 protected:
  explicit EngineFixture(std::set<int> ports = {3}) {
    port.present = std::move(ports);
    window.SetOnMessage([this](MessageKind kind, const std::string& text, const std::string& detail) {
      messages.push_back({kind, text, detail});
    });
    window.ShowStartState();
    window.AttachEngine(engine);
    engine.FormCreate();
  }

  // Opens the first offered port through the selector, as the operator would.
  void OpenPort(int item = 0) { window.rgCOMPortsClick(item); }
  void Receive(const std::string& packet) { port.Receive(packet); }
  // Registers `units` serial codes, as a scan that found that many units would.
  void Register(int units) {
    for (int n = 1; n <= units; ++n) engine.MACList.Add("U" + std::to_string(100 + n));
  }
  // Trace lines appended since `from`.
  std::vector<std::string> TraceFrom(std::size_t from) const {
    return {window.mmo1.begin() + static_cast<std::ptrdiff_t>(from), window.mmo1.end()};
  }

  VirtualClock clock;
  MemoryPort port{&clock};
  MainModel window;
  TfrmMTEs engine{port, clock, window};
  std::vector<Message> messages;
};

}  // namespace telvane::testing
