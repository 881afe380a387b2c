#include "console/qt/Led.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace telvane {

Led::Led(QWidget* parent) : QAbstractButton(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
}

void Led::SetColour(QColor colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

void Led::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour_);
  const int side = qMin(width(), height()) - 2;
  painter.drawEllipse(QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side));
  if (!hasFocus()) return;
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

}  // namespace telvane
