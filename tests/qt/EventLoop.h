#pragma once
// Real-time helpers for the Qt tests: every wait is bounded, so a fault fails the test
// instead of hanging it.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace telvane::testing {

// Runs the event loop for `ms` milliseconds.
inline void RunEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

// Runs the event loop until `done` holds or `timeoutMs` pass; tells whether it held.
inline bool RunEventsUntil(const std::function<bool()>& done, int timeoutMs = 2000) {
  QElapsedTimer since;
  since.start();
  while (!done()) {
    if (since.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    RunEventsFor(1);
  }
  return true;
}

}  // namespace telvane::testing
