#include "console/qt/SpinBox.h"

#include <QLineEdit>

namespace telvane {

SpinBox::SpinBox(QWidget* parent) : QAbstractSpinBox(parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setAccelerated(true);
  connect(lineEdit(), &QLineEdit::textEdited, this, &SpinBox::typed);
}

void SpinBox::SetText(const QString& text) {
  if (lineEdit()->text() != text) lineEdit()->setText(text);
}

void SpinBox::stepBy(int steps) { emit stepped(steps); }

void SpinBox::focusOutEvent(QFocusEvent* event) {
  QAbstractSpinBox::focusOutEvent(event);
  emit focusLost();
}

}  // namespace telvane
