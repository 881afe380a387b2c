#include "console/MainCaptions.h"

#include <utility>

namespace telvane {

void LoadMainCaptions(Translator& translator) {
  static constexpr std::pair<const char*, const char*> kEnglish[] = {
      {"SpTBXExit", "Exit"},
      {"SpTBXFindMTEs", "Find MTEs"},
      {"SpTBXNextDive", "Next Dive"},
      {"SpTBXEcho", "Echo Test"},
      {"SpTBXSubmenuCmds", "Misc"},
      {"SpTBXSubmenuItemLang", "Language.."},
      {"SpTBXHelp", "Help"},
      {"SpTBXStatusScr", "Status Screen"},
      {"SpTBXResetAll", "Reset All MTEs"},
      {"SpTBXGetAwards", "Get Awards"},
      {"SpTBXBuzz", "Buzz"},
      {"SpTBXLangX", "Your language"},
      {"rgCOMPorts", "Select COM Port"},
      {"btnPoll", "Poll Awards"},
      {"btnStop", "Cancel All"},
      {"cbKeepAlive", "Keep Alive"},
      {"Label1", "Echo Test Results"},
      {"Label2", "Sends"},
      {"Label3", "Replies"},
      {"Label4", "Echo loops"},
      {"Label5", "Echo interval"},
      {"Label6", "Duration"},
      {"Label7", "Note:"},
      {"Label8",
       "Selecting Misc > Get Awards will start polling for awards and assumes that MTEs 1 to "
       "<number of MTEs> are all active and consecutive. If there are any gaps, the polling will "
       "continue for ever until you click the \"Cancel All\" button"},
      {"Label9", "Intervals in milliseconds (default)"},
      {"Label10", "Find MTEs (250)"},
      {"Label11", "Award polling (230)"},
      {"Label12", "Write Judge numbers (190)"},
      {"Label13", "Judge"},
      {"Label15", "Find unaddressed MTEs (8000)"},
      {"Label16", "Award"},
      {"Label17", "Next dive (120)"},
  };
  for (const auto& [name, text] : kEnglish) translator.SetText(Translator::English, name, text);
}

}  // namespace telvane
