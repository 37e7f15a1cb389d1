#include "ui/qt/cell_face.h"

#include <QFontMetrics>

#include "ui/qt/plain_text.h"

namespace rdx508 {

void PaintCellFace(QPainter& painter, const QRect& rect, const CellFace& face, int& textWidth) {
  if (!face.text.isEmpty()) {
    painter.setFont(face.font);
    painter.setPen(face.pen);
    // Plain text is measured from the glyph advances it is drawn by; the text engine's
    // texts are measured once per text, since laying one out costs as much as drawing it.
    if (!DrawPlainText(painter, rect, face.align, face.font, face.text, true)) {
      Qt::Alignment align = face.align;
      if (align != Qt::AlignLeft) {
        if (textWidth < 0) textWidth = QFontMetrics(face.font).horizontalAdvance(face.text);
        if (textWidth > rect.width()) align = Qt::AlignLeft;
      }
      painter.drawText(rect, int(align | Qt::AlignTop | Qt::TextSingleLine), face.text);
    }
  }
  if (face.cornerMark) {
    // Like a spreadsheet's comment mark: a small red triangle in the top right corner.
    const qreal side = qMax<qreal>(5, rect.height() / 3.0);
    const QPointF corner(rect.right() + 1, rect.top());
    const QPointF triangle[3] = {corner, corner - QPointF(side, 0), corner + QPointF(0, side)};
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xD0, 0x20, 0x20));
    painter.drawPolygon(triangle, 3);
  }
  if (face.marked) {
    // The marked day: a 2-pixel outline wholly inside the cell, in its text colour.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int x = rect.x(), y = rect.y(), w = rect.width(), h = rect.height();
    for (const QRect& edge :
         {QRect(x, y, w, 2), QRect(x, y + h - 2, w, 2), QRect(x, y, 2, h), QRect(x + w - 2, y, 2, h)})
      painter.fillRect(edge, face.fore);
  }
}

}  // namespace rdx508
