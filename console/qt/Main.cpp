#include "console/qt/Main.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QToolBar>

#include "console/qt/Led.h"
#include "console/qt/SpinBox.h"
#include "console/qt/Trace.h"

namespace telvane {

namespace {

constexpr int ClientWidth = 1008;
constexpr int ClientHeight = 528;
// The trace is 450 high in the 528-high client area and keeps that distance to the bottom.
constexpr int TraceBottomGap = ClientHeight - 70 - 450;

QColor ColourOf(LedColour colour) {
  switch (colour) {
    case LedColour::Lime:
      return {0, 255, 0};
    case LedColour::Yellow:
      return {255, 255, 0};
    case LedColour::Red:
      return {255, 0, 0};
    case LedColour::Silver:
      break;
  }
  return {192, 192, 192};
}

QString ToQ(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TfrmMain::TfrmMain(MainModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName("frmMain");
  setWindowTitle(ToQ(model_.Caption));
  // Menus are windows of their own; they take the window font only when asked to.
  setAttribute(Qt::WA_WindowPropagation);
  QFont font("Segoe UI");
  font.setPixelSize(12);
  setFont(font);
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  setAutoFillBackground(true);

  BuildToolbar();
  BuildLeftBlock();
  BuildUnitTable();
  BuildMiddleBlock();
  BuildTrace();
  FitLabels();

  resize(ClientWidth, ClientHeight);
  move(0, 0);
  PlaceStretching();
  model_.SetOnChange([this](Change change, std::string_view name) { Render(change, name); });
  model_.SetOnMessage([this](MessageKind kind, const std::string& text, const std::string& detail) {
    ShowMessage(kind, text, detail);
  });
  RenderMenu();
  RenderLanguageItems();
}

TfrmMain::~TfrmMain() {
  model_.SetOnChange(nullptr);
  model_.SetOnMessage(nullptr);
  if (waitCursor_) QApplication::restoreOverrideCursor();
}

void TfrmMain::BuildTrace() {
  trace_ = new Trace(this);
  trace_->setObjectName("mmo1");
  trace_->setAccessibleName("Trace");
  for (const std::string& line : model_.mmo1) trace_->AppendLine(ToQ(line));
  connect(trace_, &Trace::clicked, this, Handler([this] { model_.mmo1Click(); }));
}

void TfrmMain::RetranslateUi() {
  for (const auto& [name, show] : captions_) show(ToQ(model_.siLangRT1.Text(name)));
  FitLabels();
}

void TfrmMain::Caption(std::string name, std::function<void(const QString&)> show) {
  show(ToQ(model_.siLangRT1.Text(name)));
  captions_.emplace_back(std::move(name), std::move(show));
}

QLabel* TfrmMain::AddLabel(std::string name, QRect box, Qt::Alignment alignment) {
  auto* label = new QLabel(this);
  label->setObjectName(QString::fromStdString(name));
  label->setGeometry(box);
  label->setAlignment(alignment);
  labels_[name] = label;
  return label;
}

QLabel* TfrmMain::AddFittedLabel(std::string name, Anchor anchor, QPoint point) {
  QLabel* label = AddLabel(std::move(name), {point, QSize()},
                           anchor == Anchor::Right ? Qt::AlignRight : Qt::AlignLeft);
  fitted_.push_back({label, anchor, point});
  return label;
}

void TfrmMain::Translated(QLabel* label) {
  Caption(label->objectName().toStdString(),
          [label](const QString& text) { label->setText(text); });
}

// A right-anchored label keeps its right edge where the layout puts it, whatever the text.
void TfrmMain::FitLabels() {
  for (const Fitted& fitted : fitted_) {
    fitted.label->adjustSize();
    int left = fitted.anchor == Anchor::Right ? fitted.point.x() - fitted.label->width()
                                              : fitted.point.x();
    fitted.label->move(left, fitted.point.y());
  }
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceStretching();
}

// The trace keeps its top and left edge and follows the window's height only.
void TfrmMain::PlaceStretching() {
  toolbar_->setGeometry(0, 0, width(), 49);
  trace_->setGeometry(544, 70, 456, qMax(0, height() - 70 - TraceBottomGap));
}

void TfrmMain::Render(Change change, std::string_view name) {
  switch (change) {
    case Change::Label:
      if (auto it = labels_.find(name); it != labels_.end())
        it->second->setText(ToQ(model_.Label(name)));
      return;
    case Change::Led:
      RenderLed(std::stoi(std::string(name.substr(3))));
      return;
    case Change::TraceAppended:
      trace_->AppendLine(ToQ(model_.mmo1.back()));
      return;
    case Change::TraceCleared:
      trace_->Clear();
      return;
    case Change::Menu:
      RenderMenu();
      return;
    case Change::Cursor:
      RenderCursor();
      return;
    case Change::PortItems:
      RenderPortItems();
      return;
    case Change::Spin:
      if (auto it = spins_.find(name); it != spins_.end())
        it->second->SetText(ToQ(model_.Spin(name).Text));
      return;
    case Change::Caption:
      setWindowTitle(ToQ(model_.Caption));
      return;
    case Change::LanguageItems:
      RenderLanguageItems();
      return;
    case Change::Translated:
      RetranslateUi();
      return;
  }
}

void TfrmMain::RenderLed(int unit) {
  LedColour colour = model_.LEDs[static_cast<std::size_t>(unit - 1)];
  leds_[static_cast<std::size_t>(unit - 1)]->SetColour(ColourOf(colour));
}

void TfrmMain::RenderMenu() {
  actions_.at("SpTBXFindMTEs")->setEnabled(model_.FindMTEsEnabled);
  actions_.at("SpTBXNextDive")->setEnabled(model_.NextDiveEnabled);
  actions_.at("SpTBXEcho")->setEnabled(model_.EchoEnabled);
  actions_.at("SpTBXSubmenuCmds")->setEnabled(model_.MiscEnabled);
}

void TfrmMain::RenderLanguageItems() {
  for (std::size_t i = 0; i < model_.LangEnabled.size(); ++i) {
    QAction* item = actions_.at("SpTBXLang" + std::to_string(i + 1));
    item->setEnabled(model_.LangEnabled[i]);
    item->setChecked(model_.LangChecked[i]);
  }
}

void TfrmMain::RenderCursor() {
  bool wait = model_.ScreenCursor == Cursor::Wait;
  if (wait == waitCursor_) return;
  waitCursor_ = wait;
  if (wait)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void TfrmMain::ShowMessage(MessageKind kind, const std::string& text, const std::string& detail) {
  bool error = kind == MessageKind::Error;
  QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Information,
                  error ? "Error" : "Information", ToQ(text), QMessageBox::Ok, this);
  if (!detail.empty()) box.setInformativeText(ToQ(detail));
  box.exec();
}

}  // namespace telvane
