#include <gtest/gtest.h>

#include <map>
#include <set>

#include "console/BuiltInTranslations.h"
#include "console/Languages.h"
#include "console/MainModel.h"
#include "console/TranslationFile.h"
#include "engine/MTEs.h"
#include "tests/support/MemoryPort.h"
#include "tests/support/VirtualClock.h"

namespace telvane::testing {
namespace {

TEST(TranslationFileTest, SectionsKeysCommentsQuotesAndLineEndsAreRead) {
  ParsedTranslations parsed = ParseTranslations(
      "\xEF\xBB\xBF; a translator's note\r\n[Main.3]\r\nSpTBXExit = Quitter\r\n# another note\r\n"
      "Label8 = \"Annuler tout\" arrête tout\r\n\r\n[MTEs.3]\r\nIDS_107 = \"Juge : \"\r\n");
  ASSERT_EQ(parsed.Error, "");
  ASSERT_EQ(parsed.Entries.size(), 3u);
  EXPECT_EQ(parsed.Entries[0].Window, "Main");
  EXPECT_EQ(parsed.Entries[0].Language, 3);
  EXPECT_EQ(parsed.Entries[0].Key, "SpTBXExit");
  EXPECT_EQ(parsed.Entries[0].Text, "Quitter");
  EXPECT_EQ(parsed.Entries[1].Text, "\"Annuler tout\" arrête tout");
  EXPECT_EQ(parsed.Entries[2].Window, "MTEs");
  EXPECT_EQ(parsed.Entries[2].Text, "Juge : ");
}

TEST(TranslationFileTest, MalformedTextsAreRejectedWhole) {
  const char* cases[] = {
      "[Main.3]\nSpTBXExit = Quitter\n[MTEs.3\nIDS_107 = Juge\n",  // unclosed section
      "[Main.3]\nSpTBXExit Quitter\n",                             // no "="
      "SpTBXExit = Quitter\n[Main.3]\n",                           // key before any section
      "[Main.3]\nSpTBXExit = Quitter\n[Help.3]\nA = B\n",          // no such window
      "[Main.17]\nSpTBXExit = Quitter\n",                          // no such language
      "[Main]\nSpTBXExit = Quitter\n",                             // no language
      "[Main.3]\nSpTBXExit = Quitter \xE9\n",                      // ISO 8859-1, not UTF-8
  };
  for (const char* text : cases) {
    ParsedTranslations parsed = ParseTranslations(text);
    EXPECT_NE(parsed.Error, "") << text;
    EXPECT_TRUE(parsed.Entries.empty()) << text;
  }
}

// Every text either window shows in English has its own text in each built-in language, and
// all built-in languages translate the same keys.
TEST(TranslationFileTest, BuiltInLanguagesTranslateEveryTextOfBothWindows) {
  VirtualClock clock;
  MemoryPort port{&clock};
  MainModel window;
  TfrmMTEs engine{port, clock, window};
  const std::map<std::string, std::vector<std::string>> english = {
      {"Main", window.siLangRT1.Keys()}, {"MTEs", engine.siLangRT2.Keys()}};
  std::map<std::pair<std::string, int>, std::set<std::string>> translated;
  for (std::string_view table : BuiltInTranslationTexts()) {
    ParsedTranslations parsed = ParseTranslations(table);
    ASSERT_EQ(parsed.Error, "");
    for (const TranslationEntry& entry : parsed.Entries) {
      EXPECT_NE(entry.Text, "") << entry.Window << "." << entry.Language << " " << entry.Key;
      translated[{entry.Window, entry.Language}].insert(entry.Key);
    }
  }
  for (const auto& [window, keys] : english) {
    const std::set<std::string>& reference = translated[{window, German}];
    for (const std::string& key : keys) EXPECT_EQ(reference.count(key), 1u) << window << " " << key;
    for (int language : {Russian, Polish, Norwegian}) {
      const std::set<std::string>& own = translated[{window, language}];
      EXPECT_EQ(own, reference) << window << "." << language;
    }
  }
  EXPECT_EQ(translated.size(), 8u) << "a section for a language that is not built in";
}

TEST(LanguageDispatcherTest, ChangeRequestIgnoresTheActiveAndUnknownNumbers) {
  Translator main;
  main.SetText(English, "SpTBXExit", "Exit");
  LanguageDispatcher dispatcher;
  dispatcher.Register("Main", main);
  int changes = 0;
  dispatcher.SetOnChange([&] { ++changes; });
  for (int language : {1, 0, 17, -1}) dispatcher.SetActiveLanguage(language);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(dispatcher.ActiveLanguage(), English);
  dispatcher.SetActiveLanguage(Norwegian);
  dispatcher.SetActiveLanguage(Norwegian);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(main.Language(), Norwegian);
  EXPECT_EQ(main.Text("SpTBXExit"), "Avslutt");
}

TEST(LanguageDispatcherTest, LocaleLanguagesMapToTheirNumbersAndAllOthersToEnglish) {
  struct Case {
    int primaryLanguageId;
    int language;
  };
  const Case cases[] = {{10, Spanish}, {20, Norwegian}, {21, Polish}, {25, Russian},
                        {9, English},  {12, English},   {7, English}, {0, English}};
  for (const Case& c : cases)
    EXPECT_EQ(LanguageFromPrimaryLanguageId(c.primaryLanguageId), c.language)
        << c.primaryLanguageId;
}

}  // namespace
}  // namespace telvane::testing
