#include "engine/MTEs.h"

#include "common/Text.h"
#include "engine/EngineTexts.h"

namespace telvane {

// Dive number and board in characters 1 to 10, the diver's name from character 12.
const std::array<std::string_view, 10> TfrmMTEs::DiveTable = {
    "103B 3m    First Diver",   "201B 3m    Diver Two",   "301B 1m    Third Diver",
    "403B 3m    Diver Four",    "5134D 3m   Fifth Diver", "107C 5m    Diver Six",
    "205B 10m   Seventh Diver", "305C 10m   Diver Eight", "405B 3m    Ninth Diver",
    "5152D 7.5m Diver Ten",
};

TfrmMTEs::TfrmMTEs(SerialPort& port, TimerSource& timers, MainWindow& window)
    : COMPort(port),
      FramedPacket(timers),
      ScanTimer(timers.CreateTimer(400)),
      MACTimer(timers.CreateTimer(8000)),
      EchoTimer(timers.CreateTimer(150)),
      AliveTimer(timers.CreateTimer(50000)),
      frmMain(window) {
  LoadEngineTexts(siLangRT2);
  ScanTimer->SetOnTimer([this] { ScanTimerTimer(); });
  MACTimer->SetOnTimer([this] { MACTimerTimer(); });
  EchoTimer->SetOnTimer([this] { EchoTimerTimer(); });
  AliveTimer->SetOnTimer([this] { AliveTimerTimer(); });
}

void TfrmMTEs::FormCreate() {
  // The lists exist, the three sorted ones ignoring duplicates, from construction.
  // Received bytes are cut into packets (SOH through the byte after EOT) and each is
  // dispatched; a failure in dispatch drops that packet only.
  FramedPacket.SetOnPacket([this](const std::string& packet) { FramedPacketStringPacket(packet); });
  FramedPacket.SetOnHandlerError([this](const std::string& what) {
    frmMain.ReportError("Received packet dropped: " + what);
  });
  COMPort.SetOnData([this](std::string_view bytes) { FramedPacket.Feed(bytes); });
  COMPort.SetOnGone([this](const std::string& reason) { DeviceGone(reason); });
  COMPort.SetPort(3);
  COMPort.SetBaud(19200);
  GetPorts();
  EchoRunning = false;
  PollingAwards = false;
  DisplayingAwards = false;
  DiveIndex = -1;
  frmMain.SetMenu();
}

void TfrmMTEs::FormClose() {
  if (COMPort.IsOpen()) COMPort.Close();
  PortList.Clear();
  MACList.Clear();
  SendList.Clear();
  MACQueryList.Clear();
  JudgeList.Clear();
  PendingList.Clear();
  FindList.Clear();
}

void TfrmMTEs::GetPorts() {
  PortList.Clear();
  for (int n = 1; n <= 50; ++n)
    if (COMPort.Probe(n)) PortList.Add(std::to_string(n));
  if (!PortList.Empty()) frmMain.SetPortItems(PortList.Entries());
}

void TfrmMTEs::WriteToPort(std::string_view frame) {
  if (!COMPort.IsOpen()) {
    frmMain.ReportError("Port not open: frame not sent: " + Latin1ToUtf8(frame));
    return;
  }
  COMPort.Write(frame);
}

void TfrmMTEs::DeviceGone(const std::string& reason) {
  FramedPacket.Reset();
  frmMain.ReportError("Serial port COM" + std::to_string(COMPort.Port()) + " lost: " + reason);
  frmMain.SetMenu();
}

}  // namespace telvane
