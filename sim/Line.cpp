#include "sim/Line.h"

namespace telvane::sim {

Line::Line(TimerSource& timers, int baud) : baud_(baud), busy_(timers.CreateTimer(0)) {
  busy_->SetOnTimer([this] { Sent(); });
}

void Line::Send(std::string bytes, std::string summary) {
  Reply reply{std::move(bytes), std::move(summary)};
  if (busy_->Running()) {
    waiting_.push_back(std::move(reply));
    return;
  }
  Transmit(std::move(reply));
}

void Line::Transmit(Reply reply) {
  Note(reply.summary);
  if (writer_) writer_(reply.bytes);
  const auto bits = static_cast<long long>(reply.bytes.size()) * 10 * 1000;
  busy_->SetInterval(static_cast<int>((bits + baud_ - 1) / baud_) + 1);
  busy_->Start();
}

void Line::Sent() {
  busy_->Stop();
  if (waiting_.empty()) return;
  Reply next = std::move(waiting_.front());
  waiting_.pop_front();
  Transmit(std::move(next));
}

}  // namespace telvane::sim
