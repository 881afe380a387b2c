#pragma once
// The main window's state without any widget: label texts by their fixed names, indicator
// colours, command enabling, spin-edit values, the port selector, the trace and the cursor.
// It implements what the engine needs of the window, and holds the operator's handlers under
// the window's names; the Qt window renders this model and forwards input to those handlers.
// The operation handlers are defined beside the engine methods they drive (operations/).
#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/Translator.h"
#include "engine/MainWindow.h"
#include "link/Frame.h"

namespace telvane {

class TfrmMTEs;

enum class LedColour { Silver, Lime, Yellow, Red };

// A typed-or-stepped integer field: the text as the operator leaves it, and its range.
struct SpinEdit {
  int Min = 0;
  int Max = 0;
  int Step = 1;
  std::string Text;
  // The whole number the field holds now; the minimum while it holds none.
  int Value() const;
};

enum class MessageKind { Error, Information };

// What the view must redraw after a change of the model.
// Caption: the window caption; LanguageItems: enabling and check marks of the 16 language
// items; Translated: the active language changed, every translatable caption is to be re-read.
enum class Change {
  Label, Led, TraceAppended, TraceCleared, Menu, Cursor, PortItems, Spin, Caption, LanguageItems,
  Translated,
};

class MainModel : public MainWindow {
 public:
  using ChangeHandler = std::function<void(Change change, std::string_view name)>;
  // `detail` may carry the operating system's reason under the main text.
  using MessageHandler =
      std::function<void(MessageKind kind, const std::string& text, const std::string& detail)>;

  MainModel();

  void AttachEngine(TfrmMTEs& engine) { frmMTEs = &engine; }
  void SetOnChange(ChangeHandler handler) { onChange_ = std::move(handler); }
  // Modal message boxes; the view shows them, tests record them.
  void SetOnMessage(MessageHandler handler) { onMessage_ = std::move(handler); }

  // MainWindow.
  void SetLED(std::string_view add, int bat) override;
  void ResetLEDs() override;
  void ClearAwards() override;
  void ClearEchoTestResults() override;
  void SetMenu() override;
  void DisplayAward(std::string_view a, std::string_view m) override;
  void SendAllAwards() override;
  void EchoWrite(char s) override;
  void EchoRead(char s) override;
  void SetLabel(std::string_view name, std::string_view text) override;
  std::string Label(std::string_view name) const override;
  int SpinValue(std::string_view name) const override;
  int EchoInterval() const override { return EchoIntervalValue; }
  std::string TimeSeparator() const override { return TimeSeparatorText; }
  void SetPortItems(const std::vector<std::string>& items) override;
  void Trace(std::string_view line) override;
  void SetCursor(Cursor cursor) override;
  void ReportError(std::string_view text) override;

  // Operator handlers.
  void SpTBXFindMTEsClick();
  void SpTBXNextDiveClick();
  void SpTBXEchoClick();
  void SpTBXResetAllClick();
  void SpTBXStatusScrClick();
  void SpTBXBuzzClick();
  void SpTBXGetAwardsClick();
  void btnPollClick();
  void btnStopClick();
  void cbKeepAliveClick(bool checked);
  void LEDClick(std::string_view ledName);
  void rgCOMPortsClick(int itemIndex);
  void mmo1Click();
  void seLoopsChange();
  void seEchoIntervalChange();
  void seMTEIntervalChange();
  void seAwardIntervalChange();
  void seJudgeNoIntervalChange();
  void seNextDiveChange();
  void seResetChange();

  // The start state of the window's changing parts: "00:00:00" for the duration, indicators
  // neutral, awards and echo counters empty. Until then the window shows its design texts.
  void ShowStartState();

  // Spin edits: typing copies at once, losing the focus snaps to the nearer bound, the arrows
  // step within the range, and setting a value shows it brought into range. Each change of
  // the shown text runs the control's change handler.
  const SpinEdit& Spin(std::string_view name) const;
  void SpinTyped(std::string_view name, std::string_view text);
  void SpinFocusLost(std::string_view name);
  void SpinStep(std::string_view name, int steps);
  void SetSpinValue(std::string_view name, int value);

  void SetCaption(std::string caption) {
    Caption = std::move(caption);
    Changed(Change::Caption);
  }
  // Item n of the language menu ("SpTBXLang" + n) is at index n - 1.
  void SetLanguageItems(const std::array<bool, 16>& enabled, const std::array<bool, 16>& checked) {
    LangEnabled = enabled;
    LangChecked = checked;
    Changed(Change::LanguageItems);
  }
  void Translated() { Changed(Change::Translated); }
  // A modal message box; `detail` may carry the operating system's reason under the text.
  void ShowMessage(MessageKind kind, const std::string& text, const std::string& detail = {});

  // The window's keyed message texts ("IDS_1" .. "IDS_10") in the active language.
  std::string Text(std::string_view key) const { return siLangRT1.Text(key); }

  // State the view renders.
  std::vector<std::string> mmo1;
  std::array<LedColour, MaxUnits> LEDs{};
  bool FindMTEsEnabled = true;
  bool NextDiveEnabled = true;
  bool EchoEnabled = true;
  bool MiscEnabled = true;
  Cursor ScreenCursor = Cursor::Normal;
  std::vector<std::string> PortItems;
  int PortItemIndex = -1;
  bool KeepAliveChecked = false;
  // The form's stored state, kept when start-up stops early: "Telvane Utility", every language
  // item enabled except the Chinese one (13), none checked.
  std::string Caption = "Telvane Utility";
  std::array<bool, 16> LangEnabled{true, true, true, true, true, true, true, true,
                                   true, true, true, true, false, true, true, true};
  std::array<bool, 16> LangChecked{};

  // Console values.
  std::string BaudRate = "19200";
  int EchoIntervalValue = 150;
  std::string TimeSeparatorText = ":";

  Translator siLangRT1;
  TfrmMTEs* frmMTEs = nullptr;

 private:
  TfrmMTEs& Engine() const;
  void Changed(Change change, std::string_view name = {});
  void ShowSpin(std::string_view name, std::string text);
  void SpinChanged(std::string_view name);
  SpinEdit& SpinRef(std::string_view name);

  std::map<std::string, std::string, std::less<>> labels_;
  std::map<std::string, SpinEdit, std::less<>> spins_;
  ChangeHandler onChange_;
  MessageHandler onMessage_;
};

}  // namespace telvane
