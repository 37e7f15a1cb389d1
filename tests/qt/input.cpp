#include "input.h"

#include <QApplication>
#include <QTest>

namespace rdx508::testing {

void MouseClick(QWidget* widget, QPoint at) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
  QApplication::processEvents();
}

void MouseClick(QWidget* widget) {
  MouseClick(widget, widget->rect().center());
}

void KeyClick(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(widget, key, modifiers);
  QApplication::processEvents();
}

void KeyClicks(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(widget, char(c.unicode()));
    } else {
      // A character no key of a plain keyboard gives, as a committed input method gives it.
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
  QApplication::processEvents();
}

bool ShowActive(QWidget* window) {
  window->show();
  QApplication::setActiveWindow(window);
  window->activateWindow();
  return QTest::qWaitForWindowActive(window, 2000) && window->isVisible();
}

}  // namespace rdx508::testing
