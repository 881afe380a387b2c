#include "tests/support/MemoryPort.h"

#include <stdexcept>

namespace telvane::testing {

bool MemoryPort::Open() {
  if (!present.count(port_) || heldElsewhere.count(port_)) {
    error_ = "Permission denied";
    open_ = false;
    return false;
  }
  error_.clear();
  open_ = true;
  ++opens;
  openedAtBaud.push_back(baud_);
  return true;
}

void MemoryPort::Write(std::string_view bytes) {
  // The engine promises to write only while the port is open.
  if (!open_) throw std::logic_error("write to a closed port");
  writes.push_back({clock_ ? clock_->Now() : 0, std::string(bytes)});
}

void MemoryPort::Receive(std::string_view bytes) const {
  if (onData_) onData_(bytes);
}

void MemoryPort::Unplug(const std::string& reason) {
  open_ = false;
  if (onGone_) onGone_(reason);
}

std::vector<std::string> MemoryPort::Frames() const {
  std::vector<std::string> frames;
  for (const auto& w : writes) frames.push_back(w.bytes);
  return frames;
}

}  // namespace telvane::testing
