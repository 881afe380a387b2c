#include "tests/support/VirtualClock.h"

#include <algorithm>

namespace telvane::testing {

class VirtualClock::VirtualTimer : public Timer {
 public:
  VirtualTimer(VirtualClock& clock, int interval) : clock_(clock), interval_(interval) {
    clock_.timers_.push_back(this);
  }
  ~VirtualTimer() override {
    auto& all = clock_.timers_;
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
  }

  void SetOnTimer(Handler handler) override { handler_ = std::move(handler); }
  void SetInterval(int ms) override {
    if (ms == interval_) return;
    interval_ = ms;
    if (running_) Arm();
  }
  int Interval() const override { return interval_; }
  void Start() override {
    if (running_) return;
    running_ = true;
    Arm();
  }
  void Stop() override { running_ = false; }
  bool Running() const override { return running_; }

  bool Armed() const { return running_ && interval_ > 0; }
  std::int64_t due = 0;
  std::uint64_t order = 0;

  void Fire() {
    due += interval_;
    order = clock_.Schedule();
    if (handler_) handler_();
  }

 private:
  void Arm() {
    due = clock_.now_ + interval_;
    order = clock_.Schedule();
  }

  VirtualClock& clock_;
  int interval_;
  bool running_ = false;
  Handler handler_;
};

std::unique_ptr<Timer> VirtualClock::CreateTimer(int intervalMs) {
  return std::make_unique<VirtualTimer>(*this, intervalMs);
}

VirtualClock::VirtualTimer* VirtualClock::Earliest() const {
  VirtualTimer* best = nullptr;
  for (VirtualTimer* t : timers_) {
    if (!t->Armed()) continue;
    if (!best || t->due < best->due || (t->due == best->due && t->order < best->order)) best = t;
  }
  return best;
}

std::int64_t VirtualClock::NextDue() const {
  VirtualTimer* next = Earliest();
  return next ? next->due : -1;
}

void VirtualClock::Advance(std::int64_t ms) {
  const std::int64_t end = now_ + ms;
  for (VirtualTimer* next = Earliest(); next && next->due <= end; next = Earliest()) {
    now_ = next->due;
    next->Fire();
  }
  now_ = end;
}

bool VirtualClock::AdvanceToNext() {
  VirtualTimer* next = Earliest();
  if (!next) return false;
  now_ = next->due;
  next->Fire();
  return true;
}

bool VirtualClock::RunUntilIdle(int maxTicks) {
  for (int i = 0; i < maxTicks; ++i)
    if (!AdvanceToNext()) return true;
  return Earliest() == nullptr;
}

}  // namespace telvane::testing
