#pragma once
// The translated texts of one window: captions keyed by control name and message texts keyed
// "IDS_" + number, for each of the 16 languages. A lookup answers in the active language and
// falls back to English where that text is empty.
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace telvane {

class Translator {
 public:
  static constexpr int English = 1;
  static constexpr int LanguageCount = 16;

  // Languages outside 1 to 16 are ignored.
  void SetText(int language, std::string_view key, std::string_view text);
  std::string Text(std::string_view key) const;
  std::string TextIn(int language, std::string_view key) const;
  // Every key given a text (in any language), in key order.
  std::vector<std::string> Keys() const;

  int Language() const { return language_; }
  // Does nothing for a number outside 1 to 16.
  void SetLanguage(int language);

 private:
  int language_ = English;
  std::map<std::string, std::array<std::string, LanguageCount>, std::less<>> texts_;
};

}  // namespace telvane
