#include "console/qt/Trace.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace telvane {

Trace::Trace(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextInteractionFlags(Qt::NoTextInteraction);
  setFocusPolicy(Qt::StrongFocus);
  flush_.setSingleShot(true);
  flush_.setInterval(0);
  connect(&flush_, &QTimer::timeout, this, [this] { Flush(); });
}

void Trace::AppendLine(const QString& line) {
  pending_.append(line);
  flush_.start();
}

void Trace::Clear() {
  flush_.stop();
  pending_.clear();
  clear();
}

// The hidden scroll bar still moves the view, so the newest line stays in sight.
void Trace::Flush() {
  appendPlainText(pending_.join(QChar('\n')));
  pending_.clear();
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void Trace::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
  event->accept();
}

void Trace::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space) {
    emit clicked();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

}  // namespace telvane
