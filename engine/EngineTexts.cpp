#include "engine/EngineTexts.h"

#include <utility>

namespace telvane {

void LoadEngineTexts(Translator& translator) {
  static constexpr std::pair<const char*, const char*> kEnglish[] = {
      {"IDS_103", "Start of MTE Scan"},
      {"IDS_104", "End of Award Polling.."},
      {"IDS_105", "..Display awards on MTEs"},
      {"IDS_106", "End of MTE Scan"},
      {"IDS_107", "Judge: "},
      {"IDS_110", "End of Echo Test"},
      {"IDS_111", "Start of MTE Reset - finishes with MTE Scan"},
      {"IDS_112", "Start of Award Polling"},
      {"IDS_114", "End of Displaying Awards"},
  };
  for (const auto& [key, text] : kEnglish) translator.SetText(Translator::English, key, text);
}

}  // namespace telvane
