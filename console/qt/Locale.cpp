#include "console/qt/Locale.h"

#include <QLocale>

namespace telvane {

int PrimaryLanguageId() {
  switch (QLocale().language()) {
    case QLocale::Spanish: return 10;
    case QLocale::NorwegianBokmal:
    case QLocale::NorwegianNynorsk: return 20;
    case QLocale::Polish: return 21;
    case QLocale::Russian: return 25;
    default: return 9;
  }
}

std::string LocaleTimeSeparator() {
  // The first character of the short time format that is not part of a field.
  for (QChar c : QLocale().timeFormat(QLocale::ShortFormat))
    if (!c.isLetter() && !c.isSpace()) return QString(c).toStdString();
  return ":";
}

}  // namespace telvane
