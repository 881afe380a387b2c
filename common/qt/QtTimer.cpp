#include "common/qt/QtTimer.h"

namespace telvane {

QtTimer::QtTimer(int intervalMs) : interval_(intervalMs) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Fired(); });
}

void QtTimer::SetInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  if (running_) Arm(interval_);
}

void QtTimer::Start() {
  if (running_) return;
  running_ = true;
  Arm(interval_);
}

void QtTimer::Stop() {
  running_ = false;
  timer_.stop();
}

// Interval 0 counts as running but never ticks.
void QtTimer::Arm(int ms) {
  timer_.stop();
  since_.start();
  if (interval_ > 0) timer_.start(ms);
}

void QtTimer::Fired() {
  if (!running_ || interval_ <= 0) return;
  // Never tick before a whole interval has passed, even if the system timer came early.
  const qint64 left = interval_ - since_.elapsed();
  if (left > 0) {
    timer_.start(static_cast<int>(left));
    return;
  }
  since_.start();
  timer_.start(interval_);
  if (handler_) handler_();
}

}  // namespace telvane
