// Choosing a port in the selector "rgCOMPorts".
#include "common/Text.h"
#include "console/MainModel.h"
#include "engine/MTEs.h"

namespace telvane {

void MainModel::rgCOMPortsClick(int itemIndex) {
  if (itemIndex >= 0 && itemIndex < static_cast<int>(PortItems.size())) PortItemIndex = itemIndex;
  TfrmMTEs& engine = Engine();
  SerialPort& port = engine.COMPort;
  auto baud = ParseInt(BaudRate);
  if (!baud) {
    ReportError("BaudRate setting '" + BaudRate + "' is not a whole number: the port selection changed nothing");
    return;
  }
  if (PortItemIndex >= 0) {
    const std::string& item = PortItems[static_cast<std::size_t>(PortItemIndex)];
    int n = ParseInt(item).value_or(0);
    // The speed is given only when the number changes, so a first choice of the port the
    // engine starts on (3) opens at the engine's start speed.
    if (n != port.Port()) {
      if (port.IsOpen()) port.Close();
      port.SetPort(n);
      port.SetBaud(*baud);
    }
    if (!port.IsOpen()) {
      if (port.Open()) {
        Trace(Text("IDS_2") + item);
      } else {
        ShowMessage(MessageKind::Error, Text("IDS_1") + std::to_string(n), port.ErrorText());
      }
    }
  }
  if (port.IsOpen()) port.FlushInput();
  SetMenu();
}

}  // namespace telvane
