#include "common/Translator.h"

namespace telvane {

namespace {
bool Known(int language) { return language >= 1 && language <= Translator::LanguageCount; }
}  // namespace

void Translator::SetText(int language, std::string_view key, std::string_view text) {
  if (!Known(language)) return;
  auto it = texts_.find(key);
  if (it == texts_.end()) it = texts_.emplace(std::string(key), std::array<std::string, LanguageCount>{}).first;
  it->second[static_cast<std::size_t>(language - 1)] = std::string(text);
}

std::string Translator::TextIn(int language, std::string_view key) const {
  auto it = texts_.find(key);
  if (it == texts_.end()) return {};
  const auto& byLanguage = it->second;
  if (Known(language) && !byLanguage[static_cast<std::size_t>(language - 1)].empty())
    return byLanguage[static_cast<std::size_t>(language - 1)];
  return byLanguage[English - 1];
}

std::vector<std::string> Translator::Keys() const {
  std::vector<std::string> keys;
  for (const auto& [key, texts] : texts_) keys.push_back(key);
  return keys;
}

std::string Translator::Text(std::string_view key) const { return TextIn(language_, key); }

void Translator::SetLanguage(int language) {
  if (Known(language)) language_ = language;
}

}  // namespace telvane
