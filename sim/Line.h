#pragma once
// The half-duplex unit line: one talker at a time. A reply handed over while another is on
// the wire waits until that one has been sent out, at the line speed (10 bits a character).
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "common/Timer.h"

namespace telvane::sim {

using Writer = std::function<void(std::string_view bytes)>;
using Monitor = std::function<void(const std::string& line)>;

class Line {
 public:
  Line(TimerSource& timers, int baud);

  void SetWriter(Writer writer) { writer_ = std::move(writer); }
  void SetMonitor(Monitor monitor) { monitor_ = std::move(monitor); }
  void Note(const std::string& line) const {
    if (monitor_) monitor_(line);
  }

  // `summary` is the monitor line written when the reply goes on the wire.
  void Send(std::string bytes, std::string summary);

 private:
  struct Reply {
    std::string bytes;
    std::string summary;
  };
  void Transmit(Reply reply);
  void Sent();

  int baud_;
  std::unique_ptr<Timer> busy_;
  std::deque<Reply> waiting_;
  Writer writer_;
  Monitor monitor_;
};

}  // namespace telvane::sim
