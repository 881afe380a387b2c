#include "console/TranslationFile.h"

#include <SimpleIni.h>

#include <list>
#include <stdexcept>

#include "common/Text.h"
#include "console/BuiltInTranslations.h"

namespace telvane {

namespace {

constexpr std::string_view kWindows[] = {"Main", "MTEs"};

bool ValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    auto lead = static_cast<unsigned char>(text[i]);
    int extra = lead < 0x80           ? 0
                : (lead >> 5) == 0x6  ? 1
                : (lead >> 4) == 0xE  ? 2
                : (lead >> 3) == 0x1E ? 3
                                      : -1;
    if (extra < 0 || text.size() - i <= static_cast<std::size_t>(extra)) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) >> 6) != 0x2)
        return false;
    i += static_cast<std::size_t>(extra) + 1;
  }
  return true;
}

// SimpleIni skips lines it does not understand and reads an unclosed "[" as a section name
// running into the next lines, so the shape of every line is checked first: a translator's
// typing error must reject the file, not quietly lose texts.
std::string CheckLines(std::string_view text) {
  int number = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line = Trim(text.substr(start, end - start));
    ++number;
    start = end + 1;
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    bool section = line.front() == '[';
    if (section ? line.back() != ']' : line.find('=') == std::string::npos)
      return "line " + std::to_string(number) + " is neither \"[Window.n]\" nor \"key = text\"";
  }
  return {};
}

// "Main.4" → window "Main", language 4; false for anything else.
bool ParseSection(std::string_view name, std::string& window, int& language) {
  std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  window = std::string(name.substr(0, dot));
  auto number = ParseInt(name.substr(dot + 1));
  bool known = false;
  for (std::string_view w : kWindows) known = known || w == window;
  language = number.value_or(0);
  return known && language >= 1 && language <= Translator::LanguageCount;
}

std::string Unquoted(std::string text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return text.substr(1, text.size() - 2);
  return text;
}

}  // namespace

ParsedTranslations ParseTranslations(std::string_view text) {
  ParsedTranslations result;
  // Editors on Windows like to start a UTF-8 file with a byte-order mark.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  if (!ValidUtf8(text)) {
    result.Error = "the text is not UTF-8";
    return result;
  }
  result.Error = CheckLines(text);
  if (!result.Error.empty()) return result;
  CSimpleIniCaseA ini;
  ini.SetUnicode(true);
  if (ini.LoadData(text.data(), text.size()) < 0) {
    result.Error = "the text cannot be read";
    return result;
  }
  std::list<CSimpleIniCaseA::Entry> sections;
  ini.GetAllSections(sections);
  sections.sort(CSimpleIniCaseA::Entry::LoadOrder());
  for (const auto& section : sections) {
    TranslationEntry entry;
    // Keys before the first section belong to no window.
    if (!ParseSection(section.pItem, entry.Window, entry.Language)) {
      result.Error = *section.pItem ? "unknown section [" + std::string(section.pItem) + "]"
                                    : "a key before the first section";
      result.Entries.clear();
      return result;
    }
    std::list<CSimpleIniCaseA::Entry> keys;
    ini.GetAllKeys(section.pItem, keys);
    keys.sort(CSimpleIniCaseA::Entry::LoadOrder());
    for (const auto& key : keys) {
      entry.Key = key.pItem;
      entry.Text = Unquoted(ini.GetValue(section.pItem, key.pItem, ""));
      result.Entries.push_back(entry);
    }
  }
  return result;
}

void ApplyTranslations(const std::vector<TranslationEntry>& entries, std::string_view window,
                       Translator& translator) {
  for (const TranslationEntry& entry : entries)
    if (entry.Window == window) translator.SetText(entry.Language, entry.Key, entry.Text);
}

void LoadBuiltInTexts(std::string_view window, Translator& translator) {
  for (std::string_view table : BuiltInTranslationTexts()) {
    ParsedTranslations parsed = ParseTranslations(table);
    if (!parsed.Error.empty()) throw std::logic_error("built-in translations: " + parsed.Error);
    ApplyTranslations(parsed.Entries, window, translator);
  }
}

}  // namespace telvane
