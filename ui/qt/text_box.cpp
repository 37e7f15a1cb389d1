#include "ui/qt/text_box.h"

#include <QKeyEvent>

namespace rdx508 {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      Q_EMIT enterPressed();
      return;
    case Qt::Key_Escape:
      event->accept();
      Q_EMIT escapePressed();
      return;
    default:
      QLineEdit::keyPressEvent(event);
  }
}

}  // namespace rdx508
