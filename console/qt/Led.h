#pragma once
// A unit's indicator: a filled circle in the indicator colour. It is a button so that mouse,
// keyboard (Space) and assistive technology (the press action) all reach `clicked`.
#include <QAbstractButton>
#include <QColor>

namespace telvane {

class Led : public QAbstractButton {
  Q_OBJECT

 public:
  explicit Led(QWidget* parent = nullptr);

  void SetColour(QColor colour);
  QColor Colour() const { return colour_; }
  QSize sizeHint() const override { return {16, 17}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_{192, 192, 192};
};

}  // namespace telvane
