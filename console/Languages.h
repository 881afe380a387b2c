#pragma once
// The language dispatcher "siLangDispatcher1": the 16 languages, the active one, and the
// translators of the two windows that follow it. Languages are numbered in a fixed order,
// English first; a window's translator is registered under the window name its sections
// carry in a translation file ("Main", "MTEs").
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/Translator.h"

namespace telvane {

enum LanguageNumber {
  English = 1,
  Dutch,
  French,
  German,
  Spanish,
  Italian,
  Croatian,
  Turkish,
  Danish,
  Swedish,
  Russian,
  Polish,
  Chinese,
  Norwegian,
  Catalan,
  Hungarian,
};

class LanguageDispatcher {
 public:
  // The translator gets the built-in translations of its window and the active language.
  void Register(std::string window, Translator& translator);

  int ActiveLanguage() const { return active_; }
  // Switches every translator; a number equal to the active one or outside 1 to 16 changes
  // nothing. The change hook runs after the switch, so the window can rewrite its captions.
  void SetActiveLanguage(int language);
  void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

  std::string FileName;
  // Loads all translations from FileName into the registered translators. A file that
  // cannot be read or is not well formed changes nothing; the answer then says why.
  std::string LoadAllFromFile();

 private:
  int active_ = English;
  std::vector<std::pair<std::string, Translator*>> translators_;
  std::function<void()> onChange_;
};

// The language chosen from the primary language identifier of the user's locale (the
// Windows numbering: 10 Spanish, 20 Norwegian, 21 Polish, 25 Russian); English otherwise.
int LanguageFromPrimaryLanguageId(int primaryLanguageId);

}  // namespace telvane
