#include "sim/Unit.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

#include "common/Text.h"
#include "sim/Replies.h"

namespace telvane::sim {

namespace {

constexpr long long Million = 1000000;

void Check(bool ok, const std::string& what) {
  if (!ok) throw std::invalid_argument(what);
}

bool IsSerialCode(std::string_view serial) {
  if (serial.size() != 4 || ContainsSearchedCode(serial)) return false;
  for (char c : serial)
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

// A seeded offset in [0, 1) per unit (splitmix64 of seed and slot).
double DropOffset(std::uint32_t seed, int slot) {
  std::uint64_t z = (static_cast<std::uint64_t>(seed) << 8) + static_cast<std::uint64_t>(slot) +
                    0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) / static_cast<double>(1ull << 53);
}

std::string SixCharacters(const std::string& award) {
  return std::string(6 - award.size(), ' ') + award;
}

}  // namespace

Unit::Unit(UnitConfig config, int slot, std::uint32_t seed, TimerSource& timers, Line& line)
    : config_(std::move(config)),
      slot_(slot),
      line_(line),
      turnaround_(timers.CreateTimer(TurnaroundMs)),
      number_(config_.number) {
  Check(
      IsSerialCode(config_.serial),
      "serial code must be four letters or digits without a reply code: '" + config_.serial + "'");
  Check(config_.number >= 0 && config_.number <= 0xFF, "unit number out of range");
  Check(config_.battery >= 0 && config_.battery <= 99, "battery level must be 0 to 99");
  for (const auto& award : config_.awards)
    Check(IsAwardText(award), "not an award: '" + award + "'");
  Check(config_.fault.dropFraction >= 0.0 && config_.fault.dropFraction <= 1.0,
        "fraction of lost acknowledgements must be 0 to 1");
  Check(config_.fault.lateMs >= 0, "late reply delay must not be negative");
  dropCredit_ = static_cast<long long>(DropOffset(seed, slot) * Million);
  dropPerAck_ = std::llround(config_.fault.dropFraction * Million);
  turnaround_->SetOnTimer([this] { TurnaroundOver(); });
}

std::string Unit::Label() const { return number_ ? "J" + std::to_string(number_) : config_.serial; }

std::string Unit::DisplaySummary() const {
  if (display_.empty()) return Label() + " shows nothing";
  std::string shown;
  for (const auto& line : display_)
    shown += (shown.empty() ? "" : " | ") + line.layout + " \"" + line.text + "\"";
  return Label() + " shows " + Latin1ToUtf8(Printable(shown));
}

std::string Unit::Hear(const ReceivedFrame& frame) {
  if (config_.fault.kind == FaultKind::Silent) return {};
  if (!frame.serial.empty()) {
    if (frame.serial != config_.serial || frame.code != "SA") return {};
  } else if (!frame.Names(number_)) {
    return {};
  }
  return Act(frame);
}

std::string Unit::Act(const ReceivedFrame& frame) {
  const std::string& code = frame.code;
  if (code == "AI") {
    Reply(ConfigReply(number_, config_.battery, config_.serial),
          Label() + " CF battery " + std::to_string(config_.battery) + " serial " + config_.serial);
    return Label();
  }
  if (code == "AU") {
    Reply(SerialReply(config_.serial), Label() + " MC serial " + config_.serial,
          TurnaroundMs + slot_ * SerialSlotMs);
    return Label();
  }
  if (code == "SR") return AnswerAwardRequest();
  std::string note = Label();
  if (code == "SA") {
    auto number = ParseHex(frame.payload);
    if (!number || frame.payload.size() != 2) return {};
    number_ = *number;
    note += " is now " + Label();
  } else if (code == "RF") {
    number_ = 0;
    note += " forgets its number";
  } else if (code == "CS") {
    display_.clear();
  } else if (code == "ST") {
    Show(frame.payload);
  } else if (code == "SN") {
    ++dives_;
  } else if (code == "AL" && config_.answersKeepAlive && number_) {
    Reply(AliveReply(number_), Label() + " AL");
  }
  if (frame.kind == '$') Acknowledge();
  return note;
}

void Unit::Show(const std::string& payload) {
  if (payload.size() < 6) return;
  DisplayLine line{payload.substr(0, 6), payload.substr(6)};
  for (auto& shown : display_) {
    if (shown.layout != line.layout) continue;
    shown.text = std::move(line.text);
    return;
  }
  display_.push_back(std::move(line));
}

// No acknowledgement: it would end the polling of this unit before its award is in.
std::string Unit::AnswerAwardRequest() {
  if (dives_ == 0 || config_.awards.empty()) return Label() + " has no award yet";
  const auto& award = config_.awards[static_cast<std::size_t>(dives_ - 1) % config_.awards.size()];
  Reply(AwardReply(number_, SixCharacters(award)), Label() + " 4H award " + award);
  return Label();
}

void Unit::Acknowledge() {
  switch (config_.fault.kind) {
    case FaultKind::NeverAcks:
      return;
    case FaultKind::DropsAcks:
      dropCredit_ += dropPerAck_;
      if (dropCredit_ >= Million) {
        dropCredit_ -= Million;
        line_.Note("lost " + Label() + " AY");
        return;
      }
      break;
    default:
      break;
  }
  Reply(AckReply(number_), Label() + " AY");
}

void Unit::Reply(std::string bytes, std::string summary, int delayMs) {
  if (config_.fault.kind == FaultKind::BadCheck) {
    bytes = WithBadCheck(std::move(bytes));
    summary += " (bad check character)";
  }
  if (config_.fault.kind == FaultKind::Late) delayMs = config_.fault.lateMs;
  outbox_.push_back({delayMs, std::move(bytes), std::move(summary)});
  if (outbox_.size() == 1) {
    turnaround_->SetInterval(std::max(1, delayMs));
    turnaround_->Start();
  }
}

void Unit::TurnaroundOver() {
  turnaround_->Stop();
  if (outbox_.empty()) return;
  Outgoing out = std::move(outbox_.front());
  outbox_.pop_front();
  line_.Send(std::move(out.bytes), "tx " + out.summary);
  if (outbox_.empty()) return;
  turnaround_->SetInterval(std::max(1, outbox_.front().delayMs));
  turnaround_->Start();
}

}  // namespace telvane::sim
