#include "console/MainTexts.h"

#include <utility>

namespace telvane {

void LoadMainTexts(Translator& translator) {
  static constexpr std::pair<const char*, const char*> kEnglish[] = {
      {"IDS_1", "Failed to open COM"},
      {"IDS_2", "Using COM"},
      {"IDS_6", "Start of Echo Test"},
      {"IDS_7", "If you are willing to help translate this program"},
      {"IDS_8", "into your language, please send me an email."},
      {"IDS_9", "Unable to locate Common Application Data folder."},
      {"IDS_10", "This is a Critical Error."},
      // Titles and the button of the standard message boxes.
      {"MsgDlg.Error", "Error"},
      {"MsgDlg.Information", "Information"},
      {"MsgDlg.OK", "OK"},
  };
  for (const auto& [key, text] : kEnglish) translator.SetText(Translator::English, key, text);
}

}  // namespace telvane
