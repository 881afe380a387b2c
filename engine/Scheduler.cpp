// The transmit scheduler: one frame per scan tick, the re-queues when the send list runs
// dry, the end of each phase; and the serial-query and keep-alive timers.
#include <optional>

#include "common/Text.h"
#include "engine/MTEs.h"
#include "link/Commands.h"

namespace telvane {

namespace {

std::string UnitText(std::string_view frame) { return Latin1ToUtf8(FrameUnitText(frame)); }
std::string DisplayText(std::string_view frame) { return Latin1ToUtf8(FrameDisplayText(frame)); }

bool Has(std::string_view frame, std::string_view code) { return frame.find(code) != std::string_view::npos; }

std::string SentLine(std::string_view f) {
  if (Has(f, "AI")) return "==> Hello " + UnitText(f);
  if (Has(f, "J:")) return "==> Display 'J:" + UnitText(f) + "'";
  if (Has(f, "CN")) return "==> J" + UnitText(f) + " Award Received";
  if (Has(f, "SR")) return "==> J" + UnitText(f) + " Award please";
  if (Has(f, "CS")) return "==> Clear all MTE displays";
  if (Has(f, "ST")) return "==> Display '" + DisplayText(f) + "'";
  if (Has(f, "XX.X")) return "==> Display 'XX.X'";
  if (Has(f, "AL")) return "==> Keep Alive";
  if (Has(f, "SK")) return "==> Show Status Screen";
  return "==> " + Latin1ToUtf8(f);
}

}  // namespace

void TfrmMTEs::ScanTimerTimer() {
  if (!SendList.Empty()) {
    std::string f = SendList.TakeFront();
    frmMain.Trace(SentLine(f));
    WriteToPort(f);
    return;
  }
  ScanTimer->Stop();
  if (!FindList.Empty()) {
    if (++FindRetries < 4) ProcessFindList();
    else FindList.Clear();
    ScanTimer->SetInterval(FindInterval);
    ScanTimer->Start();
    return;
  }
  if (!PendingList.Empty()) {
    ProcessPendingList();
    // Before the first scan PendingInterval is still 0, and a timer at 0 never ticks: the
    // pending frames would wait forever. The judge-number pace is what a scan would use.
    ScanTimer->SetInterval(PendingInterval > 0 ? PendingInterval : JudgeNoInterval);
    ScanTimer->Start();
    return;
  }
  DoTime();
  if (DisplayingAwards) {
    DisplayingAwards = false;
    frmMain.Trace("");
    frmMain.Trace(Text("IDS_114"));
    frmMain.Trace("");
  }
  if (PollingAwards) {
    PollingAwards = false;
    frmMain.Trace("");
    frmMain.Trace(Text("IDS_104"));
    frmMain.Trace(Text("IDS_105"));
    frmMain.Trace("");
    frmMain.SendAllAwards();
    DisplayingAwards = true;
  }
  if (Scanning) {
    frmMain.SetCursor(Cursor::Normal);
    Scanning = false;
    frmMain.Trace("");
    frmMain.Trace(Text("IDS_106"));
    frmMain.Trace("");
    frmMain.SetMenu();
  }
}

void TfrmMTEs::ProcessFindList() {
  for (const auto& entry : FindList) SendList.Add(entry.substr(2));
}

void TfrmMTEs::ProcessPendingList() {
  for (const auto& entry : PendingList) SendList.Add(entry.substr(2));
}

void TfrmMTEs::MACTimerTimer() {
  if (!MACQueryList.Empty()) {
    std::string f = MACQueryList.TakeFront();
    frmMain.Trace("==> " + Latin1ToUtf8(f));
    WriteToPort(f);
    return;
  }
  MACTimer->Stop();
  SetAddresses();
}

void TfrmMTEs::AliveTimerTimer() {
  if (EchoRunning || PollingAwards || DisplayingAwards) return;
  SendList.Add(KeepAliveFrame);
  ScanTimer->Start();
}

}  // namespace telvane
