#pragma once
// The translation format: a UTF-8 text of INI-style sections, one per window and language,
// "[Main.<n>]" for the main window and "[MTEs.<n>]" for the engine window, n being the
// language number 1 to 16; each line "key = text", the key a control name or an "IDS_" key.
// A text in double quotes keeps its leading and trailing blanks. Lines starting with ";" or
// "#" are comments. The built-in texts use the same format (docs/translations.md).
#include <string>
#include <string_view>
#include <vector>

#include "common/Translator.h"

namespace telvane {

struct TranslationEntry {
  std::string Window;
  int Language = 0;
  std::string Key;
  std::string Text;
};

struct ParsedTranslations {
  std::vector<TranslationEntry> Entries;
  // Empty when the whole text was understood; otherwise what is wrong, and no entries.
  std::string Error;
};

ParsedTranslations ParseTranslations(std::string_view text);

// Puts the entries of `window` into its translator.
void ApplyTranslations(const std::vector<TranslationEntry>& entries, std::string_view window,
                       Translator& translator);

// The translations compiled into the program (German, Russian, Polish, Norwegian; the English
// texts are the windows' own), put into the translator of `window`.
void LoadBuiltInTexts(std::string_view window, Translator& translator);

}  // namespace telvane
