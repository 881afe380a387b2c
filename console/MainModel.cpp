#include "console/MainModel.h"

#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "common/Text.h"
#include "console/MainCaptions.h"
#include "console/MainTexts.h"
#include "engine/MTEs.h"

namespace telvane {

namespace {

std::string UnitLabel(std::string_view stem, int n) {
  return std::string(stem) + std::string(1, UnitChars[static_cast<std::size_t>(n - 1)]);
}

}  // namespace

int SpinEdit::Value() const { return ParseInt(Trim(Text)).value_or(Min); }

MainModel::MainModel() {
  LoadMainTexts(siLangRT1);
  LoadMainCaptions(siLangRT1);
  // The texts stored in the window design; start-up replaces them (ShowStartState).
  LEDs.fill(LedColour::Red);
  for (int n = 1; n <= MaxUnits; ++n) {
    labels_["Awd" + std::to_string(n)] = "0.0";
    labels_[UnitLabel("lblWrite", n)] = std::to_string(n);
    labels_[UnitLabel("lblRead", n)] = std::to_string(n);
  }
  labels_["lblTime"] = "lblTime";
  spins_ = {
      {"seLoops", {10, 1000, 10, "10"}},           {"seEchoInterval", {80, 300, 10, "110"}},
      {"seMTEInterval", {200, 300, 10, "250"}},    {"seAwardInterval", {150, 400, 10, "230"}},
      {"seJudgeNoInterval", {150, 220, 10, "190"}}, {"seNextDive", {100, 500, 100, "120"}},
      {"seReset", {1000, 10000, 1000, "8000"}},
  };
}

TfrmMTEs& MainModel::Engine() const {
  if (!frmMTEs) throw std::logic_error("main window used before the engine was attached");
  return *frmMTEs;
}

void MainModel::Changed(Change change, std::string_view name) {
  if (onChange_) onChange_(change, name);
}

void MainModel::ShowMessage(MessageKind kind, const std::string& text, const std::string& detail) {
  if (onMessage_) onMessage_(kind, text, detail);
}

void MainModel::ShowStartState() {
  SetLabel("lblTime", "00:00:00");
  ResetLEDs();
  ClearAwards();
  ClearEchoTestResults();
}

void MainModel::SetLED(std::string_view add, int bat) {
  int unit = add.empty() ? 0 : UnitNumber(add.front());
  if (unit == 0) return;
  LEDs[static_cast<std::size_t>(unit - 1)] = bat >= 50 ? LedColour::Lime : bat >= 30 ? LedColour::Yellow : LedColour::Red;
  Changed(Change::Led, "LED" + std::to_string(unit));
}

void MainModel::ResetLEDs() {
  for (int n = 1; n <= MaxUnits; ++n) {
    LEDs[static_cast<std::size_t>(n - 1)] = LedColour::Silver;
    Changed(Change::Led, "LED" + std::to_string(n));
  }
}

void MainModel::ClearAwards() {
  for (int n = 1; n <= MaxUnits; ++n) SetLabel("Awd" + std::to_string(n), "");
}

void MainModel::ClearEchoTestResults() {
  for (int n = 1; n <= MaxUnits; ++n) SetLabel(UnitLabel("lblWrite", n), "");
  for (int n = 1; n <= MaxUnits; ++n) SetLabel(UnitLabel("lblRead", n), "");
}

void MainModel::SetMenu() {
  const TfrmMTEs& engine = Engine();
  bool units = engine.MACList.Count() > 0;
  FindMTEsEnabled = engine.COMPort.IsOpen();
  NextDiveEnabled = units;
  MiscEnabled = units;
  EchoEnabled = units;
  Changed(Change::Menu);
}

// Names outside the fixed set (a unit character no label carries) address nothing.
void MainModel::SetLabel(std::string_view name, std::string_view text) {
  auto it = labels_.find(name);
  if (it == labels_.end()) return;
  it->second = std::string(text);
  Changed(Change::Label, name);
}

std::string MainModel::Label(std::string_view name) const {
  auto it = labels_.find(name);
  return it == labels_.end() ? std::string() : it->second;
}

void MainModel::SetPortItems(const std::vector<std::string>& items) {
  PortItems = items;
  PortItemIndex = -1;
  Changed(Change::PortItems);
}

void MainModel::Trace(std::string_view line) {
  mmo1.emplace_back(line);
  Changed(Change::TraceAppended);
}

void MainModel::mmo1Click() {
  mmo1.clear();
  Changed(Change::TraceCleared);
}

void MainModel::SetCursor(Cursor cursor) {
  ScreenCursor = cursor;
  Changed(Change::Cursor);
}

void MainModel::ReportError(std::string_view text) {
  std::cerr << "telvane: " << text << '\n';
  Trace("*** " + std::string(text));
}

const SpinEdit& MainModel::Spin(std::string_view name) const {
  auto it = spins_.find(name);
  if (it == spins_.end()) throw std::invalid_argument("no spin edit named " + std::string(name));
  return it->second;
}

SpinEdit& MainModel::SpinRef(std::string_view name) {
  auto it = spins_.find(name);
  if (it == spins_.end()) throw std::invalid_argument("no spin edit named " + std::string(name));
  return it->second;
}

int MainModel::SpinValue(std::string_view name) const { return Spin(name).Value(); }

void MainModel::ShowSpin(std::string_view name, std::string text) {
  SpinEdit& spin = SpinRef(name);
  if (spin.Text == text) return;
  spin.Text = std::move(text);
  Changed(Change::Spin, name);
  SpinChanged(name);
}

void MainModel::SpinTyped(std::string_view name, std::string_view text) { ShowSpin(name, std::string(text)); }

void MainModel::SpinFocusLost(std::string_view name) {
  const SpinEdit& spin = Spin(name);
  ShowSpin(name, std::to_string(std::clamp(spin.Value(), spin.Min, spin.Max)));
}

void MainModel::SpinStep(std::string_view name, int steps) {
  const SpinEdit& spin = Spin(name);
  ShowSpin(name, std::to_string(std::clamp(spin.Value() + steps * spin.Step, spin.Min, spin.Max)));
}

void MainModel::SetSpinValue(std::string_view name, int value) {
  const SpinEdit& spin = Spin(name);
  ShowSpin(name, std::to_string(std::clamp(value, spin.Min, spin.Max)));
}

void MainModel::SpinChanged(std::string_view name) {
  if (name == "seLoops") seLoopsChange();
  else if (name == "seEchoInterval") seEchoIntervalChange();
  else if (name == "seMTEInterval") seMTEIntervalChange();
  else if (name == "seAwardInterval") seAwardIntervalChange();
  else if (name == "seJudgeNoInterval") seJudgeNoIntervalChange();
  else if (name == "seNextDive") seNextDiveChange();
  else if (name == "seReset") seResetChange();
}

void MainModel::seLoopsChange() { Engine().DoTime(); }

void MainModel::seEchoIntervalChange() {
  EchoIntervalValue = SpinValue("seEchoInterval");
  Engine().DoTime();
}

void MainModel::seMTEIntervalChange() { Engine().FindInterval = SpinValue("seMTEInterval"); }
void MainModel::seAwardIntervalChange() { Engine().AwardInterval = SpinValue("seAwardInterval"); }
void MainModel::seJudgeNoIntervalChange() { Engine().JudgeNoInterval = SpinValue("seJudgeNoInterval"); }
void MainModel::seNextDiveChange() { Engine().NextDiveInterval = SpinValue("seNextDive"); }
// A new value restarts a running serial-query countdown (the timer's own rule).
void MainModel::seResetChange() { Engine().MACTimer->SetInterval(SpinValue("seReset")); }

}  // namespace telvane
