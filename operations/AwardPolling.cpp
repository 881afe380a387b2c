// Award polling and display: award requests to units 1 to N until each has acknowledged,
// each award shown beside its judge, then all awards written back to every display.
#include "common/Text.h"
#include "console/MainModel.h"
#include "engine/MTEs.h"
#include "link/Commands.h"

namespace telvane {

void MainModel::btnPollClick() {
  Engine().ResendPhase = 0;
  Engine().GetAwards();
}

void MainModel::SpTBXGetAwardsClick() { btnPollClick(); }

void MainModel::btnStopClick() {
  TfrmMTEs& engine = Engine();
  const std::size_t units = std::min<std::size_t>(engine.MACList.Count(), MaxUnits);
  for (std::size_t row = 0; row < units; ++row) engine.AckTable[row].fill(0);
  engine.PollingAwards = false;
  engine.PendingList.Clear();
  engine.SendList.Clear();
}

void MainModel::DisplayAward(std::string_view a, std::string_view m) {
  int p = m.size() < 2 ? 0 : UnitNumber(m[1]);
  if (p == 0) return;
  SetLabel("Awd" + std::to_string(p), a);
}

// Row r holds the awards of judges r+1 and r+8; there are no judges beyond 11.
void MainModel::SendAllAwards() {
  TfrmMTEs& engine = Engine();
  engine.SendList.Add(ClearDisplay(AllJudges, '#'));
  for (int r = 0; r <= 6; ++r) {
    std::string row = Label("Awd" + std::to_string(r + 1));
    if (r + 8 <= MaxUnits) row += Label("Awd" + std::to_string(r + 8));
    engine.SendList.Add(ShowText(AllJudges, '#', "111" + std::to_string(r) + "00", Utf8ToLatin1(row)));
  }
  engine.ScanTimer->Start();
}

void TfrmMTEs::GetAwards() {
  PendingList.Clear();
  for (std::size_t i = 1; i <= MACList.Count(); ++i) {
    std::string hh = Hex(static_cast<unsigned>(i), 2);
    PendingList.Add(hh + AwardRequest(hh + hh));
  }
  frmMain.Trace("");
  frmMain.Trace(Text("IDS_112"));
  frmMain.Trace("");
  PollingAwards = true;
  ProcessPendingList();
  if (ScanTimer->Running()) ScanTimer->Stop();
  ScanTimer->SetInterval(AwardInterval);
  ScanTimer->Start();
}

}  // namespace telvane
