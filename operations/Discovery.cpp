// Discovery, reset and addressing: Find MTEs, Reset All MTEs with the serial-code queries and
// address assignment, Status Screen, Buzz and Keep Alive.
#include "common/Text.h"
#include "console/MainModel.h"
#include "engine/MTEs.h"
#include "link/Commands.h"

namespace telvane {

void MainModel::SpTBXFindMTEsClick() {
  TfrmMTEs& engine = Engine();
  SetCursor(Cursor::Wait);
  ResetLEDs();
  ClearAwards();
  ClearEchoTestResults();
  engine.PendingList.Clear();
  engine.MACList.Clear();
  engine.FindMTEs();
}

void MainModel::SpTBXResetAllClick() { Engine().ResetAllMTEs(); }
void MainModel::SpTBXStatusScrClick() { Engine().ShowStatusScreen(); }
void MainModel::SpTBXBuzzClick() { Engine().SendBuzz(); }

void MainModel::cbKeepAliveClick(bool checked) {
  KeepAliveChecked = checked;
  if (checked) Engine().AliveTimer->Start();
  else Engine().AliveTimer->Stop();
}

void TfrmMTEs::FindMTEs() {
  JudgeList.Clear();
  Scanning = true;
  frmMain.Trace("");
  frmMain.Trace(Text("IDS_103"));
  frmMain.Trace("");
  std::string clear = ClearDisplay(AllJudges, '#');
  frmMain.Trace("==> Clear all MTE displays");
  WriteToPort(clear);
  for (int n = 1; n <= MaxUnits; ++n) FindList.Add(UnitAddress(n) + AddressInquiry(OneUnitAddress(n)));
  if (ScanTimer->Running()) ScanTimer->Stop();
  std::string inquiry = AddressInquiry(AllJudges);
  frmMain.Trace("==> Find all MTEs");
  WriteToPort(inquiry);
  ScanTimer->SetInterval(1600);
  ScanTimer->Start();
  FindRetries = 0;
  PendingInterval = JudgeNoInterval;
}

void TfrmMTEs::ResetAllMTEs() {
  frmMain.SetCursor(Cursor::Wait);
  frmMain.ResetLEDs();
  frmMain.ClearEchoTestResults();
  frmMain.ClearAwards();
  PendingList.Clear();
  frmMain.Trace("");
  frmMain.Trace(Text("IDS_111"));
  frmMain.Trace("");
  if (ScanTimer->Running()) ScanTimer->Stop();
  ScanTimer->SetInterval(JudgeNoInterval);
  ScanTimer->Start();
  SendList.Add(ClearDisplay(ResetClearAddr, '#'));
  MACList.Clear();
  SendList.Add(ResetFrame());
  SendList.Add(ResetFrame());
  if (MACTimer->Running()) MACTimer->Stop();
  std::string query = SerialQuery();
  SendList.Add(query);
  for (int i = 0; i < 3; ++i) MACQueryList.Add(query);
  MACTimer->Start();
}

// Unit numbers follow the sorted order of the serial codes, not the order of the replies.
void TfrmMTEs::SetAddresses() {
  for (std::size_t i = 0; i < MACList.Count(); ++i) {
    std::string hh = Hex(static_cast<unsigned>(i + 1), 2);
    PendingList.Add(hh + SetAddress(MACList[i], hh));
  }
  ScanTimer->Start();
  ProcessPendingList();
  FindMTEs();
}

void TfrmMTEs::ShowStatusScreen() {
  SendList.Add(StatusScreen());
  ScanTimer->Start();
}

void TfrmMTEs::SendBuzz() {
  SendList.Add(BuzzFrame());
  ScanTimer->Start();
}

}  // namespace telvane
