// The receive dispatcher: recognises each packet by the reply codes it contains and runs the
// matching handlers, each followed by its trace line.
#include "common/Text.h"
#include "engine/MTEs.h"
#include "link/Commands.h"

namespace telvane {

namespace {
bool Has(std::string_view msg, std::string_view code) { return msg.find(code) != std::string_view::npos; }
}  // namespace

void TfrmMTEs::FramedPacketStringPacket(const std::string& data) {
  const std::string& msg = data;
  // A packet without a hexadecimal unit address is dropped unseen, as a unit line carries
  // noise now and then.
  auto unit = ParseHex(ReplyField(msg, 2, 2));
  if (!unit || ReplyField(msg, 2, 2).size() != 2) return;
  const std::string j = "<==== J" + std::to_string(*unit);
  if (Has(msg, "4H")) {
    DoAwardReply(msg);
    frmMain.Trace(j + Latin1ToUtf8(ReplyField(msg, 13, 6)));
  }
  if (Has(msg, "AL")) {
    DoAliveReply(msg);
    frmMain.Trace(j + " Alive");
  }
  if (Has(msg, "AY")) {
    DoACKReply(msg);
    frmMain.Trace(j + " ACK");
  }
  if (Has(msg, "CF")) {
    // A battery field that is no number ends the packet's handling there.
    if (!DoConfigReply(msg)) {
      frmMain.ReportError("Configuration reply with unreadable battery level '" +
                          Latin1ToUtf8(ReplyField(msg, 12, 2)) + "' not handled: " + Latin1ToUtf8(msg));
      return;
    }
    frmMain.Trace(j + " Here");
  }
  if (Has(msg, "MC")) {
    DoMACAddress(msg);
    frmMain.Trace("<==== " + Latin1ToUtf8(msg));
  }
}

void TfrmMTEs::DoAwardReply(const std::string& msg) {
  std::string a = ReplyField(msg, 2, 2);
  std::string w = ReplyField(msg, 13, 6);
  SendList.Add(AwardConfirmation(a + a));
  SendList.Add(ShowText(a + a, '$', LayoutAwardEcho, "OK" + w));
  ScanTimer->Start();
  if (UnitNumber(a[1]) != 0) frmMain.DisplayAward(w, a);
}

void TfrmMTEs::DoAliveReply(const std::string& msg) {
  std::string c = ReplyField(msg, 3, 1);
  int u = UnitNumber(c[0]);
  frmMain.SetLED(c, 0);
  std::string a = ReplyField(msg, 2, 2);
  SendList.Add(ShowText(a + a, '#', LayoutJudgeLabel, Utf8ToLatin1(Text("IDS_107")) + std::to_string(u)));
  ScanTimer->Start();
}

void TfrmMTEs::DoACKReply(const std::string& msg) {
  if (EchoRunning) {
    frmMain.EchoRead(msg[2]);
    return;
  }
  if (!PendingList.Empty()) PendingList.DeleteWithPrefix(ReplyField(msg, 2, 2));
}

bool TfrmMTEs::DoConfigReply(const std::string& msg) {
  MACList.Add(ReplyField(msg, 15, 4));
  std::string c = ReplyField(msg, 3, 1);
  JudgeList.Add("0" + c);
  int u = UnitNumber(c[0]);
  auto b = ParseInt(ReplyField(msg, 12, 2));
  if (!b) return false;
  frmMain.SetLED(c, *b);
  std::string a = ReplyField(msg, 2, 2);
  PendingList.Add(a + ShowText(a + a, '$', LayoutJudgeNumber, "J:" + std::to_string(u)));
  if (!FindList.Empty()) FindList.DeleteWithPrefix(a);
  return true;
}

void TfrmMTEs::DoMACAddress(const std::string& msg) {
  std::string s = ReplyField(msg, 11, 4);
  MACList.Add(s);
  std::size_t index = 0;
  for (std::size_t i = 0; i < MACList.Count(); ++i)
    if (MACList[i].find(s) != std::string::npos) index = i;
  SendList.Add(SetAddress(MACList[index], Hex(static_cast<unsigned>(MACList.Count()), 2)));
  ScanTimer->Start();
}

}  // namespace telvane
