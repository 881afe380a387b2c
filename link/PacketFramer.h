#pragma once
// Cuts received bytes into packets: from an SOH through the byte after the first EOT that
// follows it. Bytes before an SOH are dropped; an SOH inside a packet is an ordinary byte.
// A packet not finished within the timeout (18 ticks of 55 ms, counted from its SOH) is
// discarded and the framer looks for the next SOH.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "common/Timer.h"
#include "link/Frame.h"

namespace telvane {

class PacketFramer {
 public:
  using PacketHandler = std::function<void(const std::string& packet)>;
  static constexpr int TimeoutMs = 18 * 55;

  explicit PacketFramer(TimerSource& timers);

  void SetOnPacket(PacketHandler handler) { onPacket_ = std::move(handler); }
  // Failures of the packet handler end up here; the packet is dropped and framing goes on.
  void SetOnHandlerError(std::function<void(const std::string& what)> report) { onError_ = std::move(report); }

  void Feed(std::string_view bytes);
  // Forgets a packet being collected (input flushed, port closed).
  void Reset();

 private:
  enum class State { Hunting, Collecting, AwaitLast };
  void Deliver();
  void TimedOut();

  std::unique_ptr<Timer> timeout_;
  State state_ = State::Hunting;
  std::string packet_;
  PacketHandler onPacket_;
  std::function<void(const std::string&)> onError_;
};

}  // namespace telvane
