#include "console/Languages.h"

#include <fstream>
#include <sstream>

#include "console/TranslationFile.h"

namespace telvane {

void LanguageDispatcher::Register(std::string window, Translator& translator) {
  LoadBuiltInTexts(window, translator);
  translator.SetLanguage(active_);
  translators_.emplace_back(std::move(window), &translator);
}

void LanguageDispatcher::SetActiveLanguage(int language) {
  if (language == active_ || language < 1 || language > Translator::LanguageCount) return;
  active_ = language;
  for (auto& [window, translator] : translators_) translator->SetLanguage(language);
  if (onChange_) onChange_();
}

std::string LanguageDispatcher::LoadAllFromFile() {
  std::ifstream in(FileName, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in || in.bad()) return "Unable to read the translation file " + FileName;
  ParsedTranslations parsed = ParseTranslations(text.str());
  if (!parsed.Error.empty()) return "Translation file " + FileName + " not used: " + parsed.Error;
  for (auto& [window, translator] : translators_)
    ApplyTranslations(parsed.Entries, window, *translator);
  return {};
}

int LanguageFromPrimaryLanguageId(int primaryLanguageId) {
  switch (primaryLanguageId) {
    case 10:
      return Spanish;
    case 20:
      return Norwegian;
    case 21:
      return Polish;
    case 25:
      return Russian;
    default:
      return English;
  }
}

}  // namespace telvane
