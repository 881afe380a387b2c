#pragma once
// The trace `mmo1`: plain text only, and lines appended in one burst reach the document in one
// insertion when the event loop next runs, so appending stays cheap with a hundred thousand
// lines (one insertion per line costs many times more).
// It has no scroll bars and always shows the newest line; lines wider than the box are cut
// at its right edge. A click, or Space while it has the focus, asks for it to be cleared.
#include <QPlainTextEdit>
#include <QStringList>
#include <QTimer>

namespace telvane {

class Trace : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit Trace(QWidget* parent = nullptr);

  void AppendLine(const QString& line);
  // Drops the shown lines and those not yet shown.
  void Clear();

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Flush();

  QStringList pending_;
  QTimer flush_;
};

}  // namespace telvane
