// The toolbar band: seven commands with images above their captions, and the "Misc" and
// "Language.." submenus.
#include <QActionGroup>
#include <QToolBar>
#include <QToolButton>

#include "console/qt/LanguageMenu.h"
#include "console/qt/Main.h"

namespace telvane {

namespace {

struct Language {
  const char* name;
  const char* caption;
  int number;
  bool radioBullet;
};

// The languages' own names, never translated, in menu order.
constexpr Language Languages[] = {
    {"SpTBXLang1", "English", 1, false},   {"SpTBXLang15", "català", 15, true},
    {"SpTBXLang9", "Dansk", 9, false},     {"SpTBXLang4", "Deutsch", 4, false},
    {"SpTBXLang5", "Español", 5, false},   {"SpTBXLang3", "Français", 3, false},
    {"SpTBXLang7", "Hrvatski", 7, false},  {"SpTBXLang6", "Italiano", 6, false},
    {"SpTBXLang16", "Magyar", 16, true},   {"SpTBXLang2", "Nederland", 2, false},
    {"SpTBXLang14", "Norsk", 14, false},   {"SpTBXLang12", "Polski", 12, false},
    {"SpTBXLang11", "Русский", 11, false}, {"SpTBXLang10", "Svenska", 10, false},
    {"SpTBXLang8", "Türkçe", 8, false},    {"SpTBXLang13", "中文（简体，中国）", 13, false},
};

}  // namespace

QAction* TfrmMain::AddAction(QWidget* owner, const char* name, const char* icon) {
  auto* action = new QAction(this);
  action->setObjectName(name);
  if (icon) action->setIcon(QIcon(QString(":/icons/%1.svg").arg(icon)));
  owner->addAction(action);
  actions_[name] = action;
  Caption(name, [this, action, owner](const QString& text) {
    action->setText(text);
    if (owner == toolbar_) toolbar_->widgetForAction(action)->setAccessibleName(text);
  });
  return action;
}

void TfrmMain::BuildToolbar() {
  toolbar_ = new QToolBar(this);
  toolbar_->setObjectName("SpTBXToolbar1");
  toolbar_->setMovable(false);
  toolbar_->setFloatable(false);
  toolbar_->setIconSize({24, 24});
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  // The band's gradient in the platform's inactive-caption colours.
  toolbar_->setStyleSheet(
      "QToolBar#SpTBXToolbar1 { border: none; padding: 0px; background: qlineargradient(x1:0, "
      "y1:0, x2:1, "
      "y2:0, stop:0 rgb(191, 205, 219), stop:1 rgb(215, 228, 242)); }");

  connect(AddAction(toolbar_, "SpTBXExit", "close-circle"), &QAction::triggered, this,
          Handler([this] { close(); }));
  connect(AddAction(toolbar_, "SpTBXFindMTEs", "antenna"), &QAction::triggered, this,
          Handler([this] { model_.SpTBXFindMTEsClick(); }));
  connect(AddAction(toolbar_, "SpTBXNextDive", "run"), &QAction::triggered, this,
          Handler([this] { model_.SpTBXNextDiveClick(); }));
  connect(AddAction(toolbar_, "SpTBXEcho", "leak"), &QAction::triggered, this,
          Handler([this] { model_.SpTBXEchoClick(); }));
  AddAction(toolbar_, "SpTBXSubmenuCmds", "tools")->setMenu(BuildMiscMenu());
  AddAction(toolbar_, "SpTBXSubmenuItemLang", "translate")->setMenu(BuildLanguageMenu());
  connect(AddAction(toolbar_, "SpTBXHelp", "help"), &QAction::triggered, this,
          Handler([this] { emit HelpChosen(); }));

  for (QAction* action : toolbar_->actions()) {
    auto* button = qobject_cast<QToolButton*>(toolbar_->widgetForAction(action));
    button->setObjectName(action->objectName());
    if (action->menu()) button->setPopupMode(QToolButton::InstantPopup);
  }
}

QMenu* TfrmMain::BuildMiscMenu() {
  auto* menu = new QMenu(this);
  connect(AddAction(menu, "SpTBXStatusScr", "cog-outline"), &QAction::triggered, this,
          Handler([this] { model_.SpTBXStatusScrClick(); }));
  connect(AddAction(menu, "SpTBXResetAll", "restore"), &QAction::triggered, this,
          Handler([this] { model_.SpTBXResetAllClick(); }));
  connect(AddAction(menu, "SpTBXGetAwards", "transfer-down"), &QAction::triggered, this,
          Handler([this] { model_.SpTBXGetAwardsClick(); }));
  // Nothing in the program ever enables Buzz.
  AddAction(menu, "SpTBXBuzz", "vibrate")->setEnabled(false);
  return menu;
}

QMenu* TfrmMain::BuildLanguageMenu() {
  auto* menu = new LanguageMenu(this);
  auto* group = new QActionGroup(menu);
  group->setExclusive(true);
  for (const Language& language : Languages) {
    auto* action = new QAction(QString::fromUtf8(language.caption), group);
    action->setObjectName(language.name);
    action->setCheckable(true);
    action->setProperty("radioBullet", language.radioBullet);
    menu->addAction(action);
    actions_[language.name] = action;
    connect(action, &QAction::triggered, this,
            Handler([this, number = language.number] { emit LanguageChosen(number); }));
  }
  connect(AddAction(menu, "SpTBXLangX", nullptr), &QAction::triggered, this,
          Handler([this] { emit YourLanguageChosen(); }));
  return menu;
}

}  // namespace telvane
