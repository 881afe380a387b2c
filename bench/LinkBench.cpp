// Measures the serial link over a pseudo-terminal: the spacing of frames written from a Qt
// precise timer at the link's paces, and the time from a reply's last byte to its delivery
// to the packet handler. Prints the figures; not a test (the machine's load decides them).
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/qt/QtTimer.h"
#include "link/PacketFramer.h"
#include "link/qt/QtSerialPort.h"

namespace telvane {
namespace {

constexpr int BenchPort = 50;

struct Figures {
  double median;
  double p99;
  double min;
  double max;
};

Figures Summarise(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  auto at = [&](double q) {
    return v[std::min(v.size() - 1, static_cast<std::size_t>(q * (v.size() - 1) + 0.5))];
  };
  return {at(0.5), at(0.99), v.front(), v.back()};
}

void RunFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

class Bench {
 public:
  Bench() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) Fail("no pseudo-terminal");
    std::ofstream(ini_) << "[Ports]\nCOM" << BenchPort << "=" << ptsname(master_) << "\n";
    port_ = std::make_unique<QtSerialPort>(PortMap::Load(ini_.string()));
    port_->SetPort(BenchPort);
    port_->SetBaud(19200);
    if (!port_->Open())
      Fail("cannot open " + port_->DeviceName(BenchPort) + ": " + port_->ErrorText());
    port_->SetOnData([this](std::string_view bytes) { framer_.Feed(bytes); });
    framer_.SetOnPacket([this](const std::string&) { delivered_.push_back(Now()); });
    notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { FarEndRead(); });
    clock_.start();
  }
  ~Bench() {
    port_->Close();
    notifier_.reset();
    ::close(master_);
    std::filesystem::remove(ini_);
  }

  // Frames written from the timer: gaps between the writes (what the timer promises: never
  // early) and between their arrivals at the far end (what the line adds).
  void Spacing(int intervalMs, int frames) {
    arrivals_.clear();
    std::vector<double> writes;
    QtTimer timer(intervalMs);
    timer.SetOnTimer([&] {
      writes.push_back(Now());
      port_->Write(std::string(1, SOH) + "0101$AL" + EOT + "x");
      if (static_cast<int>(writes.size()) == frames) timer.Stop();
    });
    timer.Start();
    while (arrivals_.size() < static_cast<std::size_t>(frames)) RunFor(5);
    Report("written", intervalMs, writes);
    Report("arrived", intervalMs, arrivals_);
  }

  // A reply sent from the far end; from its last byte to the packet handler.
  void Delivery(int replies) {
    std::vector<double> latencies;
    const std::string reply = std::string(1, SOH) + "0101$AY" + EOT + "x";
    for (int i = 0; i < replies; ++i) {
      delivered_.clear();
      if (::write(master_, reply.data(), reply.size()) != static_cast<ssize_t>(reply.size()))
        Fail("write failed");
      const double sent = Now();
      while (delivered_.empty()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      latencies.push_back(delivered_[0] - sent);
      RunFor(10);
    }
    const Figures f = Summarise(latencies);
    std::printf("delivery, %d replies: median %.3f ms, p99 %.3f ms, min %.3f ms, max %.3f ms\n",
                replies, f.median, f.p99, f.min, f.max);
  }

 private:
  [[noreturn]] static void Fail(const std::string& why) {
    std::fprintf(stderr, "telvane-bench-link: %s\n", why.c_str());
    std::exit(1);
  }
  static void Report(const char* what, int intervalMs, const std::vector<double>& times) {
    std::vector<double> errors;
    int early = 0;
    for (std::size_t i = 1; i < times.size(); ++i) {
      const double error = times[i] - times[i - 1] - intervalMs;
      if (error < 0) ++early;
      errors.push_back(std::abs(error));
    }
    const Figures f = Summarise(errors);
    std::printf("%4d ms %s, %2d gaps: |error| median %.3f ms, p99 %.3f ms, max %.3f ms; %d early\n",
                intervalMs, what, static_cast<int>(errors.size()), f.median, f.p99, f.max, early);
  }
  double Now() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e6; }

  // One arrival per frame: each frame ends with the byte after its EOT.
  void FarEndRead() {
    char buffer[4096];
    const ssize_t n = ::read(master_, buffer, sizeof buffer);
    const double now = Now();
    for (ssize_t i = 0; i + 1 < n; ++i)
      if (buffer[i] == EOT) arrivals_.push_back(now);
  }

  int master_ = -1;
  std::filesystem::path ini_ = std::filesystem::temp_directory_path() / "telvane-bench-link.ini";
  std::unique_ptr<QtSerialPort> port_;
  QtTimerSource timers_;
  PacketFramer framer_{timers_};
  std::unique_ptr<QSocketNotifier> notifier_;
  QElapsedTimer clock_;
  std::vector<double> arrivals_;
  std::vector<double> delivered_;
};

}  // namespace
}  // namespace telvane

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  telvane::Bench bench;
  bench.Spacing(50, 60);
  bench.Spacing(230, 20);
  bench.Spacing(1600, 6);
  bench.Delivery(50);
  return 0;
}
