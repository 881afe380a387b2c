#include "sim/qt/PtyEndpoint.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace telvane::sim {

namespace {
std::runtime_error SystemError(const std::string& what) {
  return std::runtime_error(what + ": " + std::strerror(errno));
}
}  // namespace

PtyEndpoint::PtyEndpoint() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (master_ < 0) throw SystemError("cannot open a pseudo-terminal");
  if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
    ::close(master_);
    throw SystemError("cannot unlock the pseudo-terminal");
  }
  const char* name = ptsname(master_);
  if (!name) {
    ::close(master_);
    throw SystemError("pseudo-terminal has no name");
  }
  path_ = name;
  slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
  if (slave_ < 0) {
    ::close(master_);
    throw SystemError("cannot open " + path_);
  }
  termios raw{};
  if (tcgetattr(slave_, &raw) == 0) {
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
  }
  notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Readable(); });
}

PtyEndpoint::~PtyEndpoint() {
  notifier_.reset();
  ::close(slave_);
  ::close(master_);
}

void PtyEndpoint::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(master_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

void PtyEndpoint::Readable() {
  char buffer[4096];
  while (true) {
    ssize_t n = ::read(master_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    if (onData_) onData_(std::string_view(buffer, static_cast<std::size_t>(n)));
  }
}

}  // namespace telvane::sim
