#pragma once
// Virtual time for tests: timers that follow the engine's timer rules exactly and fire only
// when the test moves the clock. Ticks due at the same moment fire in the order they were
// scheduled; a tick handler may start, stop or re-time any timer.
#include <cstdint>
#include <memory>
#include <vector>

#include "common/Timer.h"

namespace telvane::testing {

class VirtualClock : public TimerSource {
 public:
  std::unique_ptr<Timer> CreateTimer(int intervalMs) override;

  std::int64_t Now() const { return now_; }
  // Fires every tick due up to Now() + ms, in due order, and ends at that moment.
  void Advance(std::int64_t ms);
  // Jumps to the next due tick and fires it; false (and no change) when no timer is armed.
  bool AdvanceToNext();
  // Fires ticks until no timer is armed or `maxTicks` have fired; true when it went idle.
  // A bounded drive turns a livelock into a failing test instead of a hung one.
  bool RunUntilIdle(int maxTicks = 10000);
  // Moment of the next due tick, or -1.
  std::int64_t NextDue() const;

 private:
  class VirtualTimer;
  friend class VirtualTimer;
  std::uint64_t Schedule() { return ++sequence_; }
  VirtualTimer* Earliest() const;

  std::int64_t now_ = 0;
  std::uint64_t sequence_ = 0;
  std::vector<VirtualTimer*> timers_;
};

}  // namespace telvane::testing
