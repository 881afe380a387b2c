#pragma once
// The protocol engine: the state every operation shares, the serial port and its framer,
// the four timers, and the engine's methods. Its methods are defined across the engine and
// operations folders, one file per concern (creation, scheduler, dispatcher, each operation).
// Everything runs on the one user-interface thread; state is read and written by name.
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "common/Timer.h"
#include "common/Translator.h"
#include "engine/MainWindow.h"
#include "engine/StringList.h"
#include "link/Frame.h"
#include "link/PacketFramer.h"
#include "link/SerialPort.h"

namespace telvane {

class TfrmMTEs {
 public:
  TfrmMTEs(SerialPort& port, TimerSource& timers, MainWindow& window);
  TfrmMTEs(const TfrmMTEs&) = delete;
  TfrmMTEs& operator=(const TfrmMTEs&) = delete;

  // Creation and shutdown.
  void FormCreate();
  void FormClose();
  void GetPorts();

  // Transmit scheduler.
  void ScanTimerTimer();
  void MACTimerTimer();
  void AliveTimerTimer();
  void ProcessFindList();
  void ProcessPendingList();

  // Receive dispatcher and reply handlers.
  void FramedPacketStringPacket(const std::string& data);
  void DoAwardReply(const std::string& msg);
  void DoAliveReply(const std::string& msg);
  void DoACKReply(const std::string& msg);
  // False when the battery field is no number: the serial and judge codes are added, the rest
  // of the reply is not handled.
  bool DoConfigReply(const std::string& msg);
  void DoMACAddress(const std::string& msg);

  // Discovery, reset and addressing.
  void FindMTEs();
  void ResetAllMTEs();
  void SetAddresses();
  void ShowStatusScreen();
  void SendBuzz();

  // Dive broadcast.
  void SendDive(std::string_view diveStr);
  void WriteDiveToOneMTE(std::string_view de);

  // Award polling.
  void GetAwards();

  // Echo test and duration estimate.
  void RunEchoTest(int loop);
  void SetEchoTestResults();
  void EchoTimerTimer();
  void DoTime();

  // Writes a frame straight to the port. With no port open the frame is dropped and the
  // operator told through the general error report; the caller's operation goes on.
  void WriteToPort(std::string_view frame);
  // The engine's keyed texts ("IDS_100" .. "IDS_116") in the active language.
  std::string Text(std::string_view key) const { return siLangRT2.Text(key); }

  // Components.
  SerialPort& COMPort;
  PacketFramer FramedPacket;
  std::unique_ptr<Timer> ScanTimer;
  std::unique_ptr<Timer> MACTimer;
  std::unique_ptr<Timer> EchoTimer;
  std::unique_ptr<Timer> AliveTimer;
  Translator siLangRT2;
  MainWindow& frmMain;

  // Fixed tables.
  static constexpr int MaxSends = 4;
  static const std::array<std::string_view, 10> DiveTable;

  // Lists.
  StringList PortList;
  StringList MACList{true};
  StringList PendingList{true};
  StringList JudgeList{true};
  StringList FindList;
  StringList SendList;
  StringList MACQueryList;

  // Flags.
  bool Scanning = false;
  bool PollingAwards = false;
  bool DisplayingAwards = false;
  bool EchoRunning = false;

  // Numbers; intervals in milliseconds. The settings values are put in by start-up.
  int FindInterval = 250;
  int AwardInterval = 230;
  int JudgeNoInterval = 190;
  int NextDiveInterval = 120;
  int PendingInterval = 0;
  int FindRetries = 0;
  int DiveIndex = -1;
  int Loops = 10;
  int ResendPhase = 0;
  int ResendFrame = 0;

  std::string DiveText;
  std::string DiverName;

  // Attempts left per unit (rows 1 to 11) and dive frame (columns 1 to 4).
  std::array<std::array<int, 4>, MaxUnits> AckTable{};

 private:
  void DeviceGone(const std::string& reason);
};

}  // namespace telvane
