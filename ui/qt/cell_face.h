#pragma once
// A grid cell's face, painted one way for the label cells and the grid view: the text
// (from the left edge when too wide, so that a number keeps its sign and leading digits),
// a note's corner mark and the marked day's outline.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

namespace rdx508 {

struct CellFace {
  const QString& text;
  const QFont& font;
  Qt::Alignment align;
  QColor pen;   // the text's colour as painted (the disabled colour when the cell is off)
  QColor fore;  // the cell's text colour, which the outline takes
  bool cornerMark, marked;
};

// Paints `face` into `rect` (the background is the caller's). `textWidth` caches the text's
// advance in its font: -1 until measured, which happens only when a text not aligned left,
// and not drawn from its glyphs directly, may be too wide.
void PaintCellFace(QPainter& painter, const QRect& rect, const CellFace& face, int& textWidth);

}  // namespace rdx508
