#pragma once
// The timer seam on Qt: single-shot precise QTimers re-armed from each tick, so the rules of
// common/Timer.h hold exactly. A raw QTimer restarts its countdown on start() or
// setInterval() with the same value, spins at interval 0, and a periodic timer may cut a
// gap short while it catches up; none of that reaches the engine.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "common/Timer.h"

namespace telvane {

class QtTimer : public Timer {
 public:
  explicit QtTimer(int intervalMs);

  void SetOnTimer(Handler handler) override { handler_ = std::move(handler); }
  void SetInterval(int ms) override;
  int Interval() const override { return interval_; }
  void Start() override;
  void Stop() override;
  bool Running() const override { return running_; }

 private:
  void Arm(int ms);
  void Fired();

  QTimer timer_;
  QElapsedTimer since_;
  int interval_;
  bool running_ = false;
  Handler handler_;
};

class QtTimerSource : public TimerSource {
 public:
  std::unique_ptr<Timer> CreateTimer(int intervalMs) override { return std::make_unique<QtTimer>(intervalMs); }
};

}  // namespace telvane
