#include "ui/qt/cell_label.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/qt/cell_face.h"

namespace rdx508 {

CellLabel::CellLabel(QWidget* parent, CellListener* listener, int cell)
    : QWidget(parent), listener_(listener), cell_(cell), font_(font()) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);  // transparent cells show what lies below
  setFocusPolicy(Qt::NoFocus);
}

void CellLabel::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  textWidth_ = -1;
  update();
}

void CellLabel::setTextFont(const QFont& font) {
  if (font == font_) return;
  font_ = font;
  textWidth_ = -1;
  update();
}

bool CellLabel::overflows() const {
  if (textWidth_ < 0) textWidth_ = QFontMetrics(font_).horizontalAdvance(text_);
  return textWidth_ > width();
}

void CellLabel::setColors(const QColor& fore, const QColor& back) {
  if (fore == fore_ && back == back_) return;
  fore_ = fore;
  back_ = back;
  update();
}

void CellLabel::setOpaque(bool opaque) {
  if (opaque == opaque_) return;
  opaque_ = opaque;
  update();
}

void CellLabel::setAlignment(Qt::Alignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  update();
}

void CellLabel::setCornerMark(bool mark) {
  if (mark == cornerMark_) return;
  cornerMark_ = mark;
  update();
}

void CellLabel::setMarked(bool marked) {
  if (marked == marked_) return;
  marked_ = marked;
  update();
}

// Text starts at the top of the cell, as in a classic label; too long a text is clipped.
int CellLabel::textFlags() const {
  return int(alignment_ | Qt::AlignTop | Qt::TextSingleLine);
}

void CellLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (opaque_) painter.fillRect(rect(), back_);
  const QColor pen = isEnabled() ? fore_ : palette().color(QPalette::Disabled, QPalette::WindowText);
  PaintCellFace(painter, rect(), {text_, font_, alignment_, pen, fore_, cornerMark_, marked_}, textWidth_);
  if (hasFocus()) {
    // A cell that takes the focus by tab shows it with a dotted frame, like a button.
    painter.setPen(QPen(fore_, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

void CellLabel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
      event->accept();
      if (listener_) listener_->cellKey(cell_, event->key());
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void CellLabel::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void CellLabel::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void CellLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

// A click is a left press and release inside the cell.
void CellLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click && listener_) listener_->cellClicked(cell_);
}

}  // namespace rdx508
