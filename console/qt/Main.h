#pragma once
// The main window: renders the window model and forwards every operator input to the model's
// handlers. Controls carry their fixed names as object names and their captions as accessible
// names, so assistive technology and automated tests can find and drive them.
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "console/MainModel.h"
#include "console/qt/Guard.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QToolBar;

namespace telvane {

class Led;
class SpinBox;
class Trace;

class TfrmMain : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmMain(MainModel& model, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // Re-reads every translatable caption from the model's translator in its active language.
  void RetranslateUi();

 signals:
  // The language items; start-up decides what a choice does.
  void LanguageChosen(int language);
  void YourLanguageChosen();
  void HelpChosen();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Labels whose box follows their text: left-anchored or right-anchored at a fixed edge.
  enum class Anchor { Left, Right };
  struct Fitted {
    QLabel* label;
    Anchor anchor;
    QPoint point;
  };

  void BuildToolbar();
  QMenu* BuildMiscMenu();
  QMenu* BuildLanguageMenu();
  void BuildLeftBlock();
  void BuildUnitTable();
  void BuildMiddleBlock();
  SpinBox* BuildSpin(const char* name, QRect bounds);
  void BuildTrace();

  QAction* AddAction(QWidget* owner, const char* name, const char* icon);
  QLabel* AddLabel(std::string name, QRect box, Qt::Alignment alignment);
  QLabel* AddFittedLabel(std::string name, Anchor anchor, QPoint point);
  // Registers a translatable caption, shows it now and again on every RetranslateUi.
  void Caption(std::string name, std::function<void(const QString&)> show);
  void Translated(QLabel* label);
  void FitLabels();
  // The toolbar band follows the window's width, the trace its height.
  void PlaceStretching();

  void Render(Change change, std::string_view name);
  void RenderPortItems();
  void RenderMenu();
  void RenderLanguageItems();
  void RenderCursor();
  void RenderLed(int unit);
  void ShowMessage(MessageKind kind, const std::string& text, const std::string& detail);

  // A slot body run at the event-loop boundary: failures go to the general error report.
  template <typename F>
  auto Handler(F f) {
    return [this, f] { Guarded(model_, f); };
  }

  MainModel& model_;
  QToolBar* toolbar_ = nullptr;
  QGroupBox* ports_ = nullptr;
  Trace* trace_ = nullptr;
  std::map<std::string, QAction*, std::less<>> actions_;
  std::map<std::string, QLabel*, std::less<>> labels_;
  std::map<std::string, SpinBox*, std::less<>> spins_;
  std::array<Led*, MaxUnits> leds_{};
  std::vector<Fitted> fitted_;
  std::vector<std::pair<std::string, std::function<void(const QString&)>>> captions_;
  bool waitCursor_ = false;
};

}  // namespace telvane
