// The echo test: each judge of the last scan gets a numbered frame per loop from the echo
// timer; the window counts sends and acknowledgements per unit. And the duration estimate.
#include <cstdint>

#include "common/Text.h"
#include "console/MainModel.h"
#include "engine/MTEs.h"
#include "link/Commands.h"

namespace telvane {

void MainModel::SpTBXEchoClick() {
  TfrmMTEs& engine = Engine();
  engine.SendList.Clear();
  Trace("");
  Trace(Text("IDS_6"));
  Trace("");
  ClearEchoTestResults();
  engine.RunEchoTest(engine.Loops);
}

namespace {
// Counters exist only for the eleven unit characters; any other character counts nothing.
void Count(MainModel& window, std::string_view stem, char s) {
  if (UnitNumber(s) == 0) return;
  std::string name = std::string(stem) + s;
  window.SetLabel(name, std::to_string(ParseInt(window.Label(name)).value_or(0) + 1));
}
}  // namespace

void MainModel::EchoWrite(char s) { Count(*this, "lblWrite", s); }
void MainModel::EchoRead(char s) { Count(*this, "lblRead", s); }

void TfrmMTEs::SetEchoTestResults() {
  for (const auto& j : JudgeList) {
    if (j.size() < 2) continue;
    frmMain.SetLabel("lblWrite" + j.substr(1, 1), "0");
    frmMain.SetLabel("lblRead" + j.substr(1, 1), "0");
  }
}

void TfrmMTEs::RunEchoTest(int loop) {
  SetEchoTestResults();
  SendList.Clear();
  WriteToPort(ClearDisplay(AllJudges, '#'));
  for (int n = 1; n <= loop; ++n)
    for (const auto& j : JudgeList) SendList.Add(ShowText(j + j, '$', LayoutEchoLoop, std::to_string(n)));
  EchoTimer->SetInterval(frmMain.SpinValue("seEchoInterval"));
  EchoTimer->Start();
  EchoRunning = true;
}

void TfrmMTEs::EchoTimerTimer() {
  if (SendList.Empty()) {
    EchoTimer->Stop();
    EchoRunning = false;
    frmMain.Trace("");
    frmMain.Trace(Text("IDS_110"));
    return;
  }
  std::string f = SendList.TakeFront();
  // For an echo frame the shown text is the loop number; a frame without payload shows its code.
  const std::string u = Latin1ToUtf8(FrameUnitText(f));
  const std::string loopText = Latin1ToUtf8(FrameDisplayText(f));
  frmMain.Trace("==> J" + u + "  Loop " + loopText);
  if (f.size() >= 3) frmMain.EchoWrite(f[2]);
  WriteToPort(f);
}

void TfrmMTEs::DoTime() {
  Loops = frmMain.SpinValue("seLoops");
  const std::int64_t p = static_cast<std::int64_t>(MACList.Count()) * frmMain.EchoInterval() * Loops;
  // P x 1.06 cut toward zero, in integers so no rounding of the factor creeps in.
  const std::int64_t ms = p * 106 / 100;
  const std::int64_t seconds = ms / 1000;
  // Hours keep counting past 24 rather than wrapping.
  const std::int64_t h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
  const std::string sep = frmMain.TimeSeparator();
  auto two = [](std::int64_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  frmMain.SetLabel("lblTime", std::to_string(h) + sep + two(m) + sep + two(s));
}

}  // namespace telvane
