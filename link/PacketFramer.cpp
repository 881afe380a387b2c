#include "link/PacketFramer.h"

#include <exception>

namespace telvane {

PacketFramer::PacketFramer(TimerSource& timers) : timeout_(timers.CreateTimer(TimeoutMs)) {
  timeout_->SetOnTimer([this] { TimedOut(); });
}

void PacketFramer::Feed(std::string_view bytes) {
  for (char byte : bytes) {
    switch (state_) {
      case State::Hunting:
        if (byte != SOH) break;
        packet_.assign(1, byte);
        state_ = State::Collecting;
        timeout_->Start();
        break;
      case State::Collecting:
        packet_ += byte;
        if (byte == EOT) state_ = State::AwaitLast;
        break;
      case State::AwaitLast:
        packet_ += byte;
        Deliver();
        break;
    }
  }
}

void PacketFramer::Reset() {
  timeout_->Stop();
  packet_.clear();
  state_ = State::Hunting;
}

void PacketFramer::Deliver() {
  std::string packet = std::move(packet_);
  Reset();
  if (!onPacket_) return;
  try {
    onPacket_(packet);
  } catch (const std::exception& e) {
    if (onError_) onError_(e.what());
  } catch (...) {
    if (onError_) onError_("unknown failure");
  }
}

// The incomplete packet is dropped and the framer goes on hunting for the next SOH;
// staying deaf until a restart would silently cut the program off the line.
void PacketFramer::TimedOut() { Reset(); }

}  // namespace telvane
