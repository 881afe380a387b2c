#pragma once
// The one way the core sees time. A repeating timer with the rules the engine relies on:
//  - Start() on a running timer, or SetInterval() with the interval it already has, changes
//    nothing: the current countdown goes on;
//  - Start() on a stopped timer, or another interval for a running one, begins a full interval;
//  - an interval of 0 (or less) never ticks, even while the timer counts as running;
//  - Stop() discards the countdown; Running() tells the state at any time.
// Ticks run on the one user-interface thread, between other handlers.
#include <functional>
#include <memory>

namespace telvane {

class Timer {
 public:
  using Handler = std::function<void()>;
  virtual ~Timer() = default;
  virtual void SetOnTimer(Handler handler) = 0;
  virtual void SetInterval(int ms) = 0;
  virtual int Interval() const = 0;
  virtual void Start() = 0;
  virtual void Stop() = 0;
  virtual bool Running() const = 0;
};

// Makes timers: the virtual clock in tests, Qt precise timers in the program.
class TimerSource {
 public:
  virtual ~TimerSource() = default;
  // A stopped timer with the given interval.
  virtual std::unique_ptr<Timer> CreateTimer(int intervalMs) = 0;
};

}  // namespace telvane
