#pragma once
// Internal to ui/qt/. One line of plain text drawn straight from the font's glyphs, for the
// hundreds of short cell texts of the grid: the same pixels as QPainter::drawText, without
// laying each text out anew through the full text engine.

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

namespace rdx508 {

// Draws `text` in `font` (the font the painter was given) and the painter's pen in `rect`,
// aligned at the top and by `horizontal` (AlignLeft, AlignHCenter or AlignRight), as
// drawText(rect, horizontal | AlignTop | TextSingleLine, text) would; with
// `leftWhenTooWide`, a text wider than `rect` (in whole pixels, as QFontMetrics measures)
// starts at its left edge whatever the alignment. Returns false, having drawn nothing,
// when the text needs the text engine: a character that shaping may change or move, or
// one the font lacks.
bool DrawPlainText(QPainter& painter, const QRect& rect, Qt::Alignment horizontal, const QFont& font,
                   const QString& text, bool leftWhenTooWide = false);

}  // namespace rdx508
