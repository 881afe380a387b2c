// The program as an operator runs it, against telvane-sim on a pseudo-terminal: real serial
// I/O, real timers, the settings folder in a temporary directory. The operator's inputs go in
// through the window's own controls; what the program says is read from the window's trace,
// what the units saw from the simulator's monitor and its closing display lines.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "console/qt/Program.h"
#include "tests/qt/EventLoop.h"

namespace telvane::testing {
namespace {

// Generous for a loaded machine; a healthy run takes a few seconds in all.
constexpr int StepTimeoutMs = 20000;
constexpr int PortNumber = 42;

// telvane-sim as a child process, its output collected line by line as it comes.
class SimProcess {
 public:
  explicit SimProcess(const QStringList& args) {
    QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] { Collect(); });
    process_.start(TELVANE_SIM_PROGRAM, args);
  }
  ~SimProcess() { Stop(); }

  // The device path it prints first; empty when it did not come up.
  std::string WaitForDevice() {
    RunEventsUntil([this] { return !lines_.empty() || process_.state() == QProcess::NotRunning; },
                   StepTimeoutMs);
    return lines_.empty() ? std::string() : lines_.front();
  }
  // Ends it as Ctrl-C would and collects what it says last. Its exit code, -1 for a crash.
  int Stop() {
    if (process_.state() != QProcess::NotRunning) {
      process_.terminate();
      process_.waitForFinished(StepTimeoutMs);
      Collect();
    }
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
  }
  bool Said(const std::string& line) const {
    return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
  }
  // The first line from `from` on that begins with `start`, or -1.
  long Position(const std::string& start, long from = 0) const {
    for (auto i = static_cast<std::size_t>(std::max(from, 0L)); i < lines_.size(); ++i)
      if (lines_[i].rfind(start, 0) == 0) return static_cast<long>(i);
    return -1;
  }
  const std::string& Line(long i) const { return lines_.at(static_cast<std::size_t>(i)); }
  // Everything it said, for the failure message.
  std::string Transcript() const {
    std::string all;
    for (const auto& line : lines_) all += line + "\n";
    return all;
  }

 private:
  void Collect() {
    while (process_.canReadLine()) {
      QByteArray line = process_.readLine();
      line.chop(line.endsWith('\n') ? 1 : 0);
      lines_.push_back(line.toStdString());
    }
  }

  QProcess process_;
  std::vector<std::string> lines_;
};

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    device_ = sim_.WaitForDevice();
    ASSERT_EQ(device_.rfind("/dev/", 0), 0u) << "telvane-sim printed '" << device_ << "'";
    ASSERT_TRUE(data_.isValid());
    iniPath_ = data_.path() + "/Kelm/OstrelUtils/Telvane.ini";
    ASSERT_TRUE(QDir().mkpath(data_.path() + "/Kelm/OstrelUtils"));
    QFile ini(iniPath_);
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(("[Ports]\nCOM" + std::to_string(PortNumber) + "=" + device_ + "\n").c_str());
    ini.close();
    ASSERT_EQ(setenv("TELVANE_COMMON_APPDATA", data_.path().toLocal8Bit().constData(), 1), 0);

    program_ = std::make_unique<Program>();
    program_->model.SetOnMessage([this](MessageKind, const std::string& text, const std::string&) {
      messages_.push_back(text);
    });
    program_->Start(QCoreApplication::applicationFilePath().toStdString());
    program_->Show();
  }

  void TearDown() override {
    if (program_) program_->Close();
    unsetenv("TELVANE_COMMON_APPDATA");
  }

  template <typename T>
  T* Control(const char* name) const {
    T* found = program_->frmMain.findChild<T*>(name);
    if (!found) ADD_FAILURE() << "no control named " << name;
    return found;
  }
  QAbstractButton* PortItem(const QString& text) const {
    for (auto* item : Control<QWidget>("rgCOMPorts")->findChildren<QAbstractButton*>())
      if (item->text() == text) return item;
    return nullptr;
  }
  // The trace as the window shows it.
  QStringList Trace() const { return Control<QPlainTextEdit>("mmo1")->toPlainText().split('\n'); }
  bool WaitForTrace(const QString& line) const {
    return RunEventsUntil([&] { return Trace().contains(line); }, StepTimeoutMs);
  }

  SimProcess sim_{{"--units", "3", "--awards", "1=7.5", "--awards", "2=8.0", "--awards", "3=9.5"}};
  std::string device_;
  QTemporaryDir data_;
  QString iniPath_;
  std::unique_ptr<Program> program_;
  std::vector<std::string> messages_;
};

TEST_F(EndToEnd, FindMTEsThenOneDiveWithItsAwardsOverARealSerialLine) {
  QAbstractButton* port = PortItem(QString::number(PortNumber));
  ASSERT_NE(port, nullptr) << "the port mapped in the settings is not offered";
  EXPECT_EQ(port->toolTip().toStdString(), device_);
  port->click();

  Control<QAction>("SpTBXFindMTEs")->trigger();
  ASSERT_TRUE(WaitForTrace("End of MTE Scan")) << Trace().join('\n').toStdString();
  for (const char* judge : {"<==== J1 Here", "<==== J2 Here", "<==== J3 Here"})
    EXPECT_TRUE(Trace().contains(judge)) << judge;
  EXPECT_TRUE(sim_.Said("rx 010B$AI -> J1, J2, J3")) << sim_.Transcript();

  Control<QAction>("SpTBXNextDive")->trigger();
  // The dive is in when the last unit has acknowledged the award-entry request.
  long request = -1;
  ASSERT_TRUE(RunEventsUntil(
      [&] {
        request = sim_.Position("rx 010B$SN ");
        return request >= 0 && sim_.Position("tx J3 AY", request) >= 0;
      },
      StepTimeoutMs))
      << sim_.Transcript();
  EXPECT_TRUE(sim_.Line(request).ends_with(" -> J1, J2, J3")) << sim_.Line(request);
  EXPECT_TRUE(sim_.Said("rx 010B$ST 111100 \"First Diver\" -> J1, J2, J3"));
  EXPECT_TRUE(sim_.Said("rx 010B$ST 121302 \"103B 3m\" -> J1, J2, J3"));

  Control<QAbstractButton>("btnPoll")->click();
  ASSERT_TRUE(WaitForTrace("End of Displaying Awards"))
      << Trace().join('\n').toStdString() << sim_.Transcript();
  for (const char* award : {"<==== J1   7.5", "<==== J2   8.0", "<==== J3   9.5"})
    EXPECT_TRUE(Trace().contains(award)) << award;
  EXPECT_EQ(Control<QWidget>("Awd2")->property("text").toString().trimmed(), "8.0");

  // A unit takes a frame in before the monitor reports it: once the last row is reported, the
  // displays are final. Stop the units and read what they show.
  ASSERT_TRUE(RunEventsUntil([&] { return sim_.Said("rx 010B#ST 111600 \"\" -> J1, J2, J3"); },
                             StepTimeoutMs))
      << sim_.Transcript();
  EXPECT_EQ(sim_.Stop(), 0);
  const std::string table =
      " shows 111000 \"   7.5\" | 111100 \"   8.0\" | 111200 \"   9.5\" | 111300 \"\" | "
      "111400 \"\" | 111500 \"\" | 111600 \"\"";
  for (const char* judge : {"J1", "J2", "J3"}) EXPECT_TRUE(sim_.Said(judge + table)) << judge;

  EXPECT_TRUE(messages_.empty()) << messages_.front();
  // Closing saves the settings into the temporary folder and keeps the port mapping.
  program_->Close();
  program_.reset();
  QFile ini(iniPath_);
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  const QString saved = QString::fromUtf8(ini.readAll());
  EXPECT_TRUE(saved.contains(QString::fromStdString("COM42=" + device_))) << saved.toStdString();
  EXPECT_TRUE(saved.contains("FindInterval")) << saved.toStdString();
}

// What an operator gets for a command line no network can be: a one-line reason, exit code 2,
// and no device left behind.
TEST(SimCommandLine, ImpossibleOptionsEndWithOneLineReason) {
  const std::vector<QStringList> cases = {
      {"--units", "13"},
      {"--fault", "2=melt"},
      {"--battery", "x"},
      {"--device", "/nonexistent/ttyS9"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args.join(' ').toStdString());
    QProcess sim;
    sim.start(TELVANE_SIM_PROGRAM, args);
    ASSERT_TRUE(sim.waitForFinished(StepTimeoutMs));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 2);
    EXPECT_TRUE(sim.readAllStandardOutput().isEmpty());
    const QByteArray reason = sim.readAllStandardError();
    EXPECT_TRUE(reason.startsWith("telvane-sim: ")) << reason.toStdString();
    EXPECT_EQ(reason.count('\n'), 1) << reason.toStdString();
  }
}

}  // namespace
}  // namespace telvane::testing
