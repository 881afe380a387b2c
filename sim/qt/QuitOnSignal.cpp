#include "sim/qt/QuitOnSignal.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <stdexcept>

namespace telvane::sim {

QuitOnSignal::QuitOnSignal() {
  sigset_t quitSignals;
  sigemptyset(&quitSignals);
  sigaddset(&quitSignals, SIGINT);
  sigaddset(&quitSignals, SIGTERM);
  if (sigprocmask(SIG_BLOCK, &quitSignals, nullptr) != 0)
    throw std::runtime_error("cannot block SIGINT and SIGTERM");
  fd_ = signalfd(-1, &quitSignals, SFD_NONBLOCK | SFD_CLOEXEC);
  if (fd_ < 0) throw std::runtime_error("cannot watch SIGINT and SIGTERM");
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
    signalfd_siginfo info;
    while (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
    }
    QCoreApplication::quit();
  });
}

QuitOnSignal::~QuitOnSignal() {
  notifier_.reset();
  ::close(fd_);
}

}  // namespace telvane::sim
