// Dive broadcast: Next Dive sends the next sample dive to all units; a click on a unit's
// indicator writes the current dive to that unit alone.
#include "common/Text.h"
#include "console/MainModel.h"
#include "engine/MTEs.h"
#include "link/Commands.h"

namespace telvane {

namespace {
// Dive number and board in characters 1 to 10, the diver's name in 12 to 27.
std::string DiveField(std::string_view line) { return Trim(line.substr(0, 10)); }
std::string NameField(std::string_view line) { return line.size() < 12 ? std::string() : Trim(line.substr(11, 16)); }
}  // namespace

void MainModel::SpTBXNextDiveClick() {
  TfrmMTEs& engine = Engine();
  ClearEchoTestResults();
  ClearAwards();
  engine.DiveIndex = (engine.DiveIndex + 1) % 10;
  engine.SendDive(TfrmMTEs::DiveTable[static_cast<std::size_t>(engine.DiveIndex)]);
}

void MainModel::LEDClick(std::string_view ledName) {
  int n = ParseInt(ledName.substr(std::min<std::size_t>(3, ledName.size()))).value_or(0);
  if (n < 1 || n > MaxUnits) return;
  Engine().WriteDiveToOneMTE(OneUnitAddress(n));
}

void TfrmMTEs::SendDive(std::string_view diveStr) {
  if (PollingAwards) {
    PendingList.Clear();
    PollingAwards = false;
  }
  if (ScanTimer->Running()) ScanTimer->Stop();
  ScanTimer->SetInterval(static_cast<int>(MACList.Count()) * 50 + NextDiveInterval);
  ScanTimer->Start();
  const std::size_t units = std::min<std::size_t>(MACList.Count(), MaxUnits);
  for (std::size_t row = 0; row < AckTable.size(); ++row) AckTable[row].fill(row < units ? MaxSends : 0);
  ResendPhase = 0;
  ResendFrame = 0;
  DiveText = DiveField(diveStr);
  DiverName = NameField(diveStr);
  frmMain.Trace("");
  frmMain.Trace("NextDive");
  frmMain.Trace("");
  SendList.Add(ClearDisplay(AllJudges, '$'));
  SendList.Add(ShowText(AllJudges, '$', LayoutDiverName, DiverName));
  SendList.Add(ShowText(AllJudges, '$', LayoutDiveText, DiveText));
  SendList.Add(AwardEntryRequest(AllJudges, '$'));
}

void TfrmMTEs::WriteDiveToOneMTE(std::string_view de) {
  std::string clear = ClearDisplay(de, '#');
  frmMain.Trace("==> " + Latin1ToUtf8(clear));
  WriteToPort(clear);
  if (ScanTimer->Running()) ScanTimer->Stop();
  ScanTimer->SetInterval(JudgeNoInterval);
  ScanTimer->Start();
  std::string_view line = DiveTable[static_cast<std::size_t>(DiveIndex < 0 ? 0 : DiveIndex)];
  SendList.Add(ShowText(de, '#', LayoutDiverName, NameField(line)));
  SendList.Add(ShowText(de, '#', LayoutDiveText, DiveField(line)));
  SendList.Add(AwardEntryRequest(de, '#'));
}

}  // namespace telvane
