#include "console/qt/LanguageMenu.h"

#include <QAction>
#include <QStyleOptionMenuItem>

namespace telvane {

void LanguageMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenu::initStyleOption(option, action);
  if (option->checkType == QStyleOptionMenuItem::NotCheckable) return;
  option->checkType = action->property("radioBullet").toBool() ? QStyleOptionMenuItem::Exclusive
                                                               : QStyleOptionMenuItem::NonExclusive;
}

}  // namespace telvane
