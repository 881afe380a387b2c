#pragma once
// What start-up needs of the user's locale, read through Qt.
#include <string>

namespace telvane {

// The locale's primary language in the Windows numbering the language choice is keyed on
// (Spanish 10, Norwegian 20, Polish 21, Russian 25; English 9 for the rest).
int PrimaryLanguageId();
// The separator the locale writes between hours, minutes and seconds.
std::string LocaleTimeSeparator();

}  // namespace telvane
