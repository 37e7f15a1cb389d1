#include "ui/qt/grid_view.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "ui/qt/cell_face.h"

namespace rdx508 {

GridView::GridView(QWidget* parent, GridListener* listener, const QRect& area)
    : QWidget(parent), listener_(listener) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);  // transparent cells show the window below
  setFocusPolicy(Qt::TabFocus);                  // a click on a cell stays a click
  setGeometry(area);
}

int GridView::addCell(int item, int row, int column) {
  Cell c;
  c.item = item;
  c.row = row;
  c.column = column;
  cells_.push_back(c);
  const int n = int(cells_.size()) - 1;
  if (column >= 0 && column < kMaxColumns) {
    const size_t place = size_t((row + 1) * kMaxColumns + column);
    if (byPlace_.size() <= place) byPlace_.resize(place + 1, -1);
    byPlace_[place] = n;
    rows_ = std::max(rows_, row + 1);
    columns_ = std::max(columns_, column + 1);
  }
  return n;
}

void GridView::flushChanges() {
  if (dirty_.isEmpty()) return;
  update(dirty_);
  dirty_ = QRect();
}

int GridView::cellOf(int row, int column) const {
  if (column < 0 || column >= kMaxColumns || row < -1) return -1;
  const size_t place = size_t((row + 1) * kMaxColumns + column);
  return place < byPlace_.size() ? byPlace_[place] : -1;
}

int GridView::cellAt(const QPoint& point) const {
  // The last cell painted at a point is the one seen there.
  for (size_t k = cells_.size(); k-- > 0;)
    if (cells_[k].visible && cells_[k].rect.contains(point)) return int(k);
  return -1;
}

QString GridView::description(int n) const {
  const Cell& c = cells_[size_t(n)];
  QString words = describe_ ? describe_(c.item) : QString();
  if (!c.toolTip.isEmpty()) words += (words.isEmpty() ? QString() : QStringLiteral("\n")) + c.toolTip;
  return words;
}

// The cell as a label of its own would paint it, at its place in the view.
void GridView::paintCell(QPainter& painter, const Cell& c) const {
  painter.save();
  painter.translate(c.rect.topLeft());
  const QRect local(QPoint(0, 0), c.rect.size());
  painter.setClipRect(local);
  if (c.opaque) painter.fillRect(local, c.back);
  if (c.font) {
    const QColor pen =
        c.enabled && isEnabled() ? c.fore : palette().color(QPalette::Disabled, QPalette::WindowText);
    PaintCellFace(painter, local, {c.text, *c.font, c.align, pen, c.fore, c.cornerMark, c.marked},
                  c.textWidth);
  }
  painter.restore();
}

QRect GridView::currentRowRect() const {
  QRect row;
  for (const Cell& c : cells_)
    if (c.row == kCurrentRow && c.visible) row |= c.rect;
  return row;
}

void GridView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect dirty = event->rect();
  for (const Cell& c : cells_)
    if (c.visible && c.rect.intersects(dirty)) paintCell(painter, c);
  if (hasFocus() && focusShown_) {
    // The keyboard's row, the top day, framed dotted as a focused button is.
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(currentRowRect().adjusted(0, 0, -1, -1));
  }
}

bool GridView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int n = cellAt(help->pos());
    if (n >= 0 && !cells_[size_t(n)].toolTip.isEmpty()) {
      QToolTip::showText(help->globalPos(), cells_[size_t(n)].toolTip, this, cells_[size_t(n)].rect);
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

void GridView::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton ? cellAt(event->position().toPoint()) : -1;
  event->accept();
}

// A click is a left press and release on the same cell.
void GridView::mouseReleaseEvent(QMouseEvent* event) {
  const int pressed = pressed_;
  pressed_ = -1;
  event->accept();
  if (pressed >= 0 && event->button() == Qt::LeftButton && cellAt(event->position().toPoint()) == pressed &&
      listener_)
    listener_->gridClicked(cells_[size_t(pressed)].item);
}

void GridView::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      event->modifiers() == Qt::NoModifier) {
    event->accept();
    if (listener_) listener_->gridEnter();
    return;
  }
  QWidget::keyPressEvent(event);
}

void GridView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) focusShown_ = true;
  update(currentRowRect());
  notifyCurrentCell();
}

void GridView::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update(currentRowRect());
}

// The first cell of the keyboard's row takes the accessible focus, which a screen reader
// reads with its row.
void GridView::notifyCurrentCell() {
  const int n = cellOf(kCurrentRow, 0);
  if (n < 0) return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild(n);
  QAccessible::updateAccessibility(&focus);
}

void GridView::announceCurrentRow() {
  if (!hasFocus()) return;
  if (!focusShown_) {
    focusShown_ = true;
    update(currentRowRect());
  }
  QAccessibleEvent described(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&described);
  notifyCurrentCell();
  Q_EMIT currentRowAnnounced(rowWords(kCurrentRow));
}

}  // namespace rdx508
