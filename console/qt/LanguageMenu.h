#pragma once
// The "Language.." submenu. Its 16 languages form one exclusive group, which Qt would draw
// with radio bullets throughout; the window shows check marks, except for the actions marked
// with the property "radioBullet".
#include <QMenu>

namespace telvane {

class LanguageMenu : public QMenu {
  Q_OBJECT

 public:
  using QMenu::QMenu;

 protected:
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

}  // namespace telvane
