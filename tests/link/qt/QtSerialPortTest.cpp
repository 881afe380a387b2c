// Real serial I/O through QSerialPort over a pseudo-terminal whose slave path a port number
// is mapped to in the "Ports" section, as an operator would pin an adapter.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QElapsedTimer>
#include <filesystem>
#include <fstream>
#include <vector>

#include "common/qt/QtTimer.h"
#include "link/PacketFramer.h"
#include "link/qt/QtSerialPort.h"
#include "tests/link/qt/PseudoTerminal.h"
#include "tests/qt/EventLoop.h"

namespace telvane::testing {
namespace {

const std::string Soh(1, SOH);
const std::string Eot(1, EOT);
constexpr int Mapped = 42;
constexpr int Missing = 43;

// Every byte value once: the line is 8-bit clean, without flow control or line editing.
std::string AllBytes() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

double CpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

class QtSerialPortTest : public ::testing::Test {
 protected:
  QtSerialPortTest() {
    port.SetOnData([this](std::string_view bytes) { framer.Feed(bytes); });
    port.SetOnGone([this](const std::string& reason) { gone.push_back(reason); });
    framer.SetOnPacket([this](const std::string& p) { packets.push_back(p); });
    port.SetPort(Mapped);
    port.SetBaud(19200);
  }
  ~QtSerialPortTest() override {
    port.Close();
    std::filesystem::remove(ini);
  }

  // Everything the far end receives within `ms`, until `size` bytes have come.
  std::string FarEndReceives(std::size_t size, int ms = 2000) {
    std::string got;
    RunEventsUntil(
        [&] {
          got += pty.ReceiveAvailable(1);
          return got.size() >= size;
        },
        ms);
    return got;
  }

  std::string WriteIni() const {
    std::ofstream(ini) << "[Ports]\nCOM" << Mapped << "=" << pty.SlavePath() << "\nCOM" << Missing
                       << "=/dev/telvane-no-such-device\n";
    return ini.string();
  }

  PseudoTerminal pty;
  std::filesystem::path ini =
      std::filesystem::temp_directory_path() /
      (std::string("telvane-") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
       ".ini");
  QtSerialPort port{PortMap::Load(WriteIni())};
  QtTimerSource timers;
  PacketFramer framer{timers};
  std::vector<std::string> packets;
  std::vector<std::string> gone;
};

TEST_F(QtSerialPortTest, ProbeTriesTheMappedPathAndLeavesThePortClosed) {
  EXPECT_EQ(port.DeviceName(Mapped), pty.SlavePath());
  EXPECT_TRUE(port.Probe(Mapped));
  EXPECT_FALSE(port.Probe(Missing));
  EXPECT_FALSE(port.IsOpen());
  ASSERT_TRUE(port.Open()) << port.ErrorText();
}

TEST_F(QtSerialPortTest, FrameReachesTheFarEndByteExactAndTheReplyArrivesAsAPacket) {
  ASSERT_TRUE(port.Open()) << port.ErrorText();
  EXPECT_EQ(port.ErrorText(), "") << "the missing modem lines of a pseudo-terminal are no failure";
  const std::string frame = Soh + AllBytes() + Eot;
  port.Write(frame.substr(0, 100));
  port.Write(frame.substr(100));
  EXPECT_EQ(FarEndReceives(frame.size()), frame);

  // Carriage return, line feed, XON, XOFF, Ctrl-C: a terminal would act on each of them.
  const std::string reply = Soh + "0303$AY\r\n\x11\x13\x03\xff\x7f" + Eot + Soh;
  pty.Send(reply.substr(0, 5));
  RunEventsFor(20);
  pty.Send(reply.substr(5) + "noise");
  ASSERT_TRUE(RunEventsUntil([this] { return !packets.empty(); }));
  EXPECT_EQ(packets, std::vector<std::string>{reply});
}

TEST_F(QtSerialPortTest, FlushInputDiscardsBytesNotYetDelivered) {
  ASSERT_TRUE(port.Open()) << port.ErrorText();
  pty.Send(Soh + " stale half packet");
  port.FlushInput();
  RunEventsFor(50);
  const std::string good = Soh + "0101$AY" + Eot + "c";
  pty.Send(good);
  ASSERT_TRUE(RunEventsUntil([this] { return !packets.empty(); }));
  EXPECT_EQ(packets, std::vector<std::string>{good});
}

TEST_F(QtSerialPortTest, PortHeldOpenIsNeitherOfferedNorOpenedBySecondProgram) {
  ASSERT_TRUE(port.Open()) << port.ErrorText();
  QtSerialPort other(PortMap::Load(ini.string()));
  EXPECT_FALSE(other.Probe(Mapped));
  other.SetPort(Mapped);
  EXPECT_FALSE(other.Open());
  EXPECT_NE(other.ErrorText(), "");
  EXPECT_TRUE(port.IsOpen());
}

TEST_F(QtSerialPortTest, FailedOpenLeavesThePortClosedWithAReason) {
  port.SetPort(Missing);
  EXPECT_FALSE(port.Open());
  EXPECT_FALSE(port.IsOpen());
  EXPECT_NE(port.ErrorText(), "");
  EXPECT_TRUE(gone.empty());
}

TEST_F(QtSerialPortTest, FarEndClosedClosesThePortAndReportsOnceWithoutSpinning) {
  ASSERT_TRUE(port.Open()) << port.ErrorText();
  pty.CloseMaster();
  ASSERT_TRUE(RunEventsUntil([this] { return !gone.empty(); }));
  EXPECT_FALSE(port.IsOpen());
  EXPECT_NE(gone[0], "");

  QElapsedTimer wall;
  wall.start();
  const double cpuBefore = CpuMs();
  RunEventsFor(300);
  const double cpu = CpuMs() - cpuBefore;
  EXPECT_EQ(gone.size(), 1u);
  EXPECT_LT(cpu, 0.3 * static_cast<double>(wall.elapsed())) << "the event loop spun after the loss";
  port.Close();
  EXPECT_EQ(gone.size(), 1u);
}

}  // namespace
}  // namespace telvane::testing
