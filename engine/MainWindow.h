#pragma once
// What the engine needs of the main window. The Qt-free window model implements it; the Qt
// window renders that model. Labels are found by their fixed composed names: "Awd" + unit
// number, "lblWrite"/"lblRead" + unit character, "lblTime". Texts are UTF-8.
#include <string>
#include <string_view>
#include <vector>

namespace telvane {

enum class Cursor { Normal, Wait };

class MainWindow {
 public:
  virtual ~MainWindow() = default;

  // Indicator of the unit whose character is the first of `add`, coloured by battery level.
  virtual void SetLED(std::string_view add, int bat) = 0;
  virtual void ResetLEDs() = 0;
  virtual void ClearAwards() = 0;
  virtual void ClearEchoTestResults() = 0;
  // Command enabling from the port state and the number of registered units.
  virtual void SetMenu() = 0;
  virtual void DisplayAward(std::string_view a, std::string_view m) = 0;
  virtual void SendAllAwards() = 0;
  virtual void EchoWrite(char s) = 0;
  virtual void EchoRead(char s) = 0;

  virtual void SetLabel(std::string_view name, std::string_view text) = 0;
  virtual std::string Label(std::string_view name) const = 0;
  // The value a spin edit holds now ("seLoops", "seEchoInterval", ...).
  virtual int SpinValue(std::string_view name) const = 0;
  virtual int EchoInterval() const = 0;
  // The locale's time separator, for the echo-test duration.
  virtual std::string TimeSeparator() const = 0;
  // The items of the port selector "rgCOMPorts".
  virtual void SetPortItems(const std::vector<std::string>& items) = 0;

  // Appends one line to the trace; an empty line is a separator.
  virtual void Trace(std::string_view line) = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  // The general error report: failures no handler catches reach the operator here, without
  // blocking the line.
  virtual void ReportError(std::string_view text) = 0;
};

}  // namespace telvane
