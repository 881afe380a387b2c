#include "tests/link/qt/PseudoTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace telvane::testing {

PseudoTerminal::PseudoTerminal() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
    throw std::runtime_error("no pseudo-terminal");
  slavePath_ = ptsname(master_);
}

PseudoTerminal::~PseudoTerminal() { CloseMaster(); }

void PseudoTerminal::Send(std::string_view bytes) const {
  if (::write(master_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
    throw std::runtime_error("pseudo-terminal write failed");
}

std::string PseudoTerminal::ReceiveAvailable(int ms) const {
  pollfd fd{master_, POLLIN, 0};
  if (::poll(&fd, 1, ms) <= 0 || !(fd.revents & POLLIN)) return {};
  char buffer[4096];
  const ssize_t n = ::read(master_, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

void PseudoTerminal::CloseMaster() {
  if (master_ >= 0) ::close(master_);
  master_ = -1;
}

}  // namespace telvane::testing
