#pragma once
// Mouse clicks and key presses delivered to widgets through QtTest, the way a user
// gives them.

#include <QString>
#include <QWidget>

namespace rdx508::testing {

void MouseClick(QWidget* widget, QPoint at);
void MouseClick(QWidget* widget);  // at the middle
void KeyClick(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// One key press per character; characters beyond ASCII arrive as the key's text alone.
void KeyClicks(QWidget* widget, const QString& text);
// Shows a window, makes it the active one and lets it settle.
bool ShowActive(QWidget* window);

}  // namespace rdx508::testing
