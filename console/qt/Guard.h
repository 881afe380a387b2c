#pragma once
// The boundaries where control enters the program from the event loop: operator input, timer
// ticks. A failure nothing else caught is reported through the general error report (a trace
// line and stderr) and the program goes on; nothing escapes into the event loop. Received
// packets are guarded by the framer itself.
#include <exception>
#include <memory>

#include "common/Timer.h"
#include "engine/MainWindow.h"

namespace telvane {

template <typename F>
void Guarded(MainWindow& window, F&& f) noexcept {
  try {
    f();
  } catch (const std::exception& e) {
    window.ReportError(e.what());
  } catch (...) {
    window.ReportError("unknown failure");
  }
}

// Hands out timers whose ticks run guarded.
class GuardedTimerSource : public TimerSource {
 public:
  GuardedTimerSource(TimerSource& timers, MainWindow& window) : timers_(timers), window_(window) {}
  std::unique_ptr<Timer> CreateTimer(int intervalMs) override;

 private:
  TimerSource& timers_;
  MainWindow& window_;
};

}  // namespace telvane
