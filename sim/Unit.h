#pragma once
// One simulated unit: its number, its display and the judge's awards, and how it answers each
// frame it hears. Its replies wait out the unit's turnaround and then go to the shared line.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "common/Timer.h"
#include "sim/Line.h"
#include "sim/ReceivedFrame.h"
#include "sim/UnitConfig.h"

namespace telvane::sim {

// What a unit shows: the text last sent with each layout code since the display was cleared.
struct DisplayLine {
  std::string layout;
  std::string text;
  bool operator==(const DisplayLine&) const = default;
};

class Unit {
 public:
  static constexpr int TurnaroundMs = 3;
  // Units answer a serial code query one after the other, this far apart by their place on
  // the line, as real units do to keep their answers from colliding.
  static constexpr int SerialSlotMs = 20;

  // `slot` is the unit's place on the line (0 first); `seed` makes lost acknowledgements
  // reproducible. A configuration no unit could have is a programming error and throws.
  Unit(UnitConfig config, int slot, std::uint32_t seed, TimerSource& timers, Line& line);

  // Acts on a frame; returns how the unit took it for the monitor, empty when the frame was
  // not for this unit.
  std::string Hear(const ReceivedFrame& frame);

  const std::string& Serial() const { return config_.serial; }
  int Number() const { return number_; }
  const std::vector<DisplayLine>& Display() const { return display_; }
  // The monitor's name of the unit: its judge number, or its serial code while it has none.
  std::string Label() const;
  // What the display shows as one monitor line, each layout code with its quoted text:
  // 'J1 shows 111000 "   7.5" | 111100 ""', or 'J1 shows nothing'.
  std::string DisplaySummary() const;

 private:
  struct Outgoing {
    int delayMs;
    std::string bytes;
    std::string summary;
  };
  std::string Act(const ReceivedFrame& frame);
  void Show(const std::string& payload);
  std::string AnswerAwardRequest();
  void Acknowledge();
  void Reply(std::string bytes, std::string summary, int delayMs = TurnaroundMs);
  void TurnaroundOver();

  UnitConfig config_;
  int slot_;
  Line& line_;
  std::unique_ptr<Timer> turnaround_;
  std::deque<Outgoing> outbox_;
  int number_;
  std::vector<DisplayLine> display_;
  // Award-entry requests heard so far; the current dive is the last one.
  int dives_ = 0;
  // Lost acknowledgements: a running sum of the fraction, starting at a seeded offset, drops
  // one each time it passes a whole number. The loss is then exactly the fraction over any
  // long run, and which ones go depends on the seed.
  // Counted in millionths, so no rounding drift can add or lose one over a long run.
  long long dropCredit_ = 0;
  long long dropPerAck_ = 0;
};

}  // namespace telvane::sim
