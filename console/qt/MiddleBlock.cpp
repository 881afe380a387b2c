// The middle block: echo-test settings and duration, the interval spin edits with their
// captions, and the blue note.
#include <QLabel>

#include "console/qt/Main.h"
#include "console/qt/SpinBox.h"

namespace telvane {

namespace {

void MakeBlue(QLabel* label) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
  label->setPalette(palette);
}

}  // namespace

void TfrmMain::BuildMiddleBlock() {
  struct Spin {
    const char* name;
    QRect bounds;
    const char* caption;
    QPoint captionRightTop;
  };
  static const Spin Spins[] = {
      {"seLoops", {382, 75, 49, 24}, "Label4", {372, 78}},
      {"seEchoInterval", {382, 103, 49, 24}, "Label5", {372, 106}},
      {"seMTEInterval", {476, 176, 58, 24}, "Label10", {470, 179}},
      {"seAwardInterval", {476, 198, 58, 24}, "Label11", {470, 201}},
      {"seJudgeNoInterval", {476, 222, 58, 24}, "Label12", {470, 223}},
      {"seNextDive", {476, 242, 58, 24}, "Label17", {470, 247}},
      {"seReset", {476, 264, 58, 24}, "Label15", {}},
  };
  QLabel* resetCaption = AddLabel("Label15", {300, 269, 170, 34}, Qt::AlignRight | Qt::AlignTop);
  resetCaption->setWordWrap(true);
  for (const Spin& spin : Spins) {
    SpinBox* box = BuildSpin(spin.name, spin.bounds);
    QLabel* label = spin.captionRightTop.isNull()
                        ? resetCaption
                        : AddFittedLabel(spin.caption, Anchor::Right, spin.captionRightTop);
    label->setBuddy(box);
    Caption(spin.caption, [label, box](const QString& text) {
      label->setText(text);
      box->setAccessibleName(text);
    });
  }

  Translated(AddFittedLabel("Label6", Anchor::Right, {500, 78}));
  AddLabel("lblTime", {430, 97, 70, 17}, Qt::AlignRight | Qt::AlignTop)
      ->setText(QString::fromStdString(model_.Label("lblTime")));

  QLabel* heading = AddLabel("Label9", {300, 133, 234, 40}, Qt::AlignRight | Qt::AlignBottom);
  heading->setWordWrap(true);
  Translated(heading);

  QLabel* note = AddFittedLabel("Label7", Anchor::Left, {296, 310});
  QFont noteFont = font();
  noteFont.setPixelSize(15);
  noteFont.setBold(true);
  note->setFont(noteFont);
  MakeBlue(note);
  Translated(note);

  QLabel* text = AddLabel("Label8", {296, 336, 234, 184}, Qt::AlignLeft | Qt::AlignTop);
  text->setWordWrap(true);
  MakeBlue(text);
  Translated(text);
}

SpinBox* TfrmMain::BuildSpin(const char* name, QRect bounds) {
  auto* box = new SpinBox(this);
  box->setObjectName(name);
  box->setGeometry(bounds);
  box->SetText(QString::fromStdString(model_.Spin(name).Text));
  connect(box, &SpinBox::typed, this, [this, name](const QString& text) {
    Guarded(model_, [&] { model_.SpinTyped(name, text.toStdString()); });
  });
  connect(box, &SpinBox::stepped, this,
          [this, name](int steps) { Guarded(model_, [&] { model_.SpinStep(name, steps); }); });
  connect(box, &SpinBox::focusLost, this, Handler([this, name] { model_.SpinFocusLost(name); }));
  spins_[name] = box;
  return box;
}

}  // namespace telvane
