#pragma once
// A typed-or-stepped integer field whose rules live in the window model, not here: what the
// operator types is reported as typed (a value out of range included), the arrows, the Up and
// Down keys, Page Up/Down and the wheel report steps, and losing the focus is reported so the
// model can snap the value into range. The field shows whatever text the model holds.
#include <QAbstractSpinBox>

namespace telvane {

class SpinBox : public QAbstractSpinBox {
  Q_OBJECT

 public:
  explicit SpinBox(QWidget* parent = nullptr);

  // Leaves the cursor alone when the text is already shown, so typing is not disturbed.
  void SetText(const QString& text);
  void stepBy(int steps) override;

 signals:
  void typed(const QString& text);
  void stepped(int steps);
  void focusLost();

 protected:
  StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace telvane
