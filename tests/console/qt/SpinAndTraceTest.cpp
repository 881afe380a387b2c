// The spin edits' typing rules and the trace, driven through the widgets.
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <iostream>

#include "console/qt/SpinBox.h"
#include "tests/console/qt/WindowFixture.h"

namespace telvane::testing {
namespace {

class SpinAndTraceTest : public WindowFixture {
 protected:
  void Type(SpinBox* spin, const QString& text) {
    spin->findChild<QLineEdit*>()->selectAll();
    QTest::keyClick(spin->findChild<QLineEdit*>(), Qt::Key_Backspace);
    if (!text.isEmpty()) QTest::keyClicks(spin->findChild<QLineEdit*>(), text);
  }
  void LoseFocus(SpinBox* spin) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(spin, &out);
  }
  QString Shown(SpinBox* spin) const { return spin->findChild<QLineEdit*>()->text(); }
};

TEST_F(SpinAndTraceTest, TypedValueOutsideTheRangeTakesEffectAtOnceAndSnapsOnFocusLoss) {
  struct Case {
    QString typed;
    int whileTyping;
    QString afterFocusLoss;
  };
  const Case cases[] = {{"5", 5, "200"},
                        {"999", 999, "300"},
                        {"260", 260, "260"},
                        {"", 200, "200"},
                        {"x1", 200, "200"}};
  auto* spin = Find<SpinBox>("seMTEInterval");
  for (const Case& c : cases) {
    Type(spin, c.typed);
    EXPECT_EQ(Shown(spin), c.typed);
    EXPECT_EQ(engine.FindInterval, c.whileTyping) << c.typed.toStdString();
    LoseFocus(spin);
    EXPECT_EQ(Shown(spin), c.afterFocusLoss) << c.typed.toStdString();
    EXPECT_EQ(engine.FindInterval, c.afterFocusLoss.toInt()) << c.typed.toStdString();
  }
}

TEST_F(SpinAndTraceTest, ArrowKeysStepAndStayInRange) {
  auto* spin = Find<SpinBox>("seNextDive");
  QTest::keyClick(spin, Qt::Key_Up);
  EXPECT_EQ(Shown(spin), "220");
  EXPECT_EQ(engine.NextDiveInterval, 220);
  for (int i = 0; i < 5; ++i) QTest::keyClick(spin, Qt::Key_Up);
  EXPECT_EQ(Shown(spin), "500");
  QTest::keyClick(spin, Qt::Key_Down);
  EXPECT_EQ(engine.NextDiveInterval, 400);

  auto* reset = Find<SpinBox>("seReset");
  Type(reset, "3000");
  EXPECT_EQ(engine.MACTimer->Interval(), 3000);
}

TEST_F(SpinAndTraceTest, ValueSetByTheModelIsShown) {
  model.SetSpinValue("seEchoInterval", 1000);
  EXPECT_EQ(Shown(Find<SpinBox>("seEchoInterval")), "300");
}

TEST_F(SpinAndTraceTest, ClickInTheTraceEmptiesItAndLaterLinesStartAtTheTop) {
  auto* trace = Find<QPlainTextEdit>("mmo1");
  model.Trace("first");
  model.Trace("second");
  QApplication::processEvents();
  EXPECT_EQ(trace->toPlainText(), "first\nsecond");
  QTest::mouseClick(trace->viewport(), Qt::LeftButton);
  EXPECT_TRUE(model.mmo1.empty());
  EXPECT_TRUE(trace->toPlainText().isEmpty());
  model.Trace("after");
  QApplication::processEvents();
  EXPECT_EQ(trace->toPlainText(), "after");
  QTest::keyClick(trace, Qt::Key_Space);
  EXPECT_TRUE(model.mmo1.empty());
}

// A measurement, not a timed assertion: the time is printed for whoever watches it.
TEST_F(SpinAndTraceTest, HundredThousandLinesAllReachTheTraceAndTheNewestIsInView) {
  window.show();
  auto* trace = Find<QPlainTextEdit>("mmo1");
  QElapsedTimer elapsed;
  elapsed.start();
  for (int i = 1; i <= 100000; ++i) model.Trace("==> line " + std::to_string(i));
  QApplication::processEvents();
  std::cout << "100000 trace lines appended in " << elapsed.elapsed() << " ms\n";
  EXPECT_EQ(trace->document()->blockCount(), 100000);
  EXPECT_EQ(trace->document()->lastBlock().text(), "==> line 100000");
  EXPECT_EQ(trace->verticalScrollBar()->value(), trace->verticalScrollBar()->maximum());
  EXPECT_GT(trace->verticalScrollBar()->maximum(), 0);
}

}  // namespace
}  // namespace telvane::testing
