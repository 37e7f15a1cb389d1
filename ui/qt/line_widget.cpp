#include "ui/qt/line_widget.h"

#include <QPainter>

namespace rdx508 {

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);  // a line never takes a click from a cell
  setFocusPolicy(Qt::NoFocus);
}

void LineWidget::setColor(const QColor& color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void LineWidget::setDotted(bool dotted) {
  if (dotted == dotted_) return;
  dotted_ = dotted;
  update();
}

void LineWidget::setRising(bool rising) {
  if (rising == rising_) return;
  rising_ = rising;
  update();
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPen pen(color_, 0);  // cosmetic: one device pixel
  if (dotted_) pen.setDashPattern({1, 1});
  painter.setPen(pen);
  const QRect r = rect();
  if (r.height() <= 1) {
    painter.drawLine(r.left(), r.top(), r.right(), r.top());
  } else if (r.width() <= 1) {
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
  } else if (rising_) {
    painter.drawLine(r.bottomLeft(), r.topRight());
  } else {
    painter.drawLine(r.topLeft(), r.bottomRight());
  }
}

}  // namespace rdx508
