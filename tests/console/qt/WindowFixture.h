#pragma once
// The real window in front of the Qt-free engine, created in start-up order, on a virtual
// clock and an in-memory port. Message boxes are recorded instead of shown.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QToolButton>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/qt/Main.h"
#include "engine/MTEs.h"
#include "tests/support/MemoryPort.h"
#include "tests/support/Replies.h"
#include "tests/support/VirtualClock.h"

namespace telvane::testing {

class WindowFixture : public ::testing::Test {
 protected:
  WindowFixture() {
    port.present = {3, 5};
    model.ShowStartState();
    model.AttachEngine(engine);
    engine.FormCreate();
    model.SetOnMessage([this](MessageKind, const std::string& text, const std::string&) {
      messages.push_back(text);
    });
  }

  template <typename T>
  T* Find(const char* name) const {
    T* found = window.findChild<T*>(name);
    if (!found) throw std::runtime_error(std::string("no control named ") + name);
    return found;
  }

  QAbstractButton* PortItem(int index) const {
    return window.findChild<QWidget*>("rgCOMPorts")->findChildren<QAbstractButton*>().at(index);
  }
  // A scan that registers the units with the given addresses and battery levels.
  void Scan(const std::vector<std::pair<std::string, std::string>>& units) {
    Find<QAction>("SpTBXFindMTEs")->trigger();
    for (const auto& [addr, battery] : units)
      port.Receive(ConfigReply(addr, battery, "S" + addr + "X"));
    for (const auto& [addr, battery] : units) port.Receive(Ack(addr));
    ASSERT_TRUE(clock.RunUntilIdle());
  }

  VirtualClock clock;
  MemoryPort port{&clock};
  MainModel model;
  TfrmMain window{model};
  TfrmMTEs engine{port, clock, model};
  std::vector<std::string> messages;
};

}  // namespace telvane::testing
