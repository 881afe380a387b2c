#include "console/qt/Guard.h"

namespace telvane {

namespace {

class GuardedTimer : public Timer {
 public:
  GuardedTimer(std::unique_ptr<Timer> timer, MainWindow& window)
      : timer_(std::move(timer)), window_(window) {}

  void SetOnTimer(Handler handler) override {
    timer_->SetOnTimer([this, handler = std::move(handler)] {
      if (handler) Guarded(window_, handler);
    });
  }
  void SetInterval(int ms) override { timer_->SetInterval(ms); }
  int Interval() const override { return timer_->Interval(); }
  void Start() override { timer_->Start(); }
  void Stop() override { timer_->Stop(); }
  bool Running() const override { return timer_->Running(); }

 private:
  std::unique_ptr<Timer> timer_;
  MainWindow& window_;
};

}  // namespace

std::unique_ptr<Timer> GuardedTimerSource::CreateTimer(int intervalMs) {
  return std::make_unique<GuardedTimer>(timers_.CreateTimer(intervalMs), window_);
}

}  // namespace telvane
