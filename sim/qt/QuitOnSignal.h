#pragma once
// Ends the event loop cleanly on SIGINT or SIGTERM: the signals are blocked and read from a
// signalfd on the event loop, so nothing runs inside a signal handler.
#include <QSocketNotifier>
#include <memory>

namespace telvane::sim {

class QuitOnSignal {
 public:
  // Needs the application object; create it before any other thread, which would not
  // inherit the blocked mask.
  QuitOnSignal();
  ~QuitOnSignal();
  QuitOnSignal(const QuitOnSignal&) = delete;
  QuitOnSignal& operator=(const QuitOnSignal&) = delete;

 private:
  int fd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace telvane::sim
