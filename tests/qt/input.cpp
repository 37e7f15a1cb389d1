#include "input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace rdx508::testing {

void MouseClick(QWidget* widget, QPoint at) {
  const QPointF local(at), global(widget->mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
  QApplication::processEvents();
}

void MouseClick(QWidget* widget) {
  MouseClick(widget, widget->rect().center());
}

namespace {
void SendKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(widget, &release);
}
}  // namespace

void KeyClick(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QString text;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) text = QStringLiteral("\r");
  if (key == Qt::Key_Escape) text = QString(QChar(0x1B));
  SendKey(widget, key, modifiers, text);
  QApplication::processEvents();
}

void KeyClicks(QWidget* widget, const QString& text) {
  for (const QChar ch : text)
    SendKey(widget, Qt::Key_unknown, Qt::NoModifier, QString(ch));
  QApplication::processEvents();
}

bool ShowActive(QWidget* window) {
  window->show();
  QApplication::setActiveWindow(window);
  window->activateWindow();
  for (int i = 0; i < 50 && !window->isActiveWindow(); ++i)
    QApplication::processEvents();
  return window->isVisible() && window->isActiveWindow();
}

}  // namespace rdx508::testing
