#include "ui/qt/plain_text.h"

#include <QGlyphRun>
#include <QGuiApplication>
#include <QRawFont>
#include <QScreen>
#include <QVarLengthArray>

namespace rdx508 {

namespace {

// Characters drawn one glyph each, left to right, by their advances alone: printable
// ASCII, Japanese punctuation, kana (not the combining sound marks), ideographs, the
// full-width forms and the half-width kana (not their sound marks), and the arrows and
// geometric shapes.
bool IsPlain(char16_t c) {
  return (c >= 0x20 && c <= 0x7E) || (c >= 0x3000 && c <= 0x30FF && c != 0x3099 && c != 0x309A) ||
         (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF01 && c <= 0xFF9D) || (c >= 0x2190 && c <= 0x21FF) ||
         (c >= 0x25A0 && c <= 0x25FF);
}

}  // namespace

bool DrawPlainText(QPainter& painter, const QRect& rect, Qt::Alignment horizontal, const QFont& font,
                   const QString& text, bool leftWhenTooWide) {
  for (QChar c : text)
    if (!IsPlain(c.unicode())) return false;
  // The font in its own face (no fallback). A font made for no device is resolved at the
  // primary screen's resolution and keeps what it resolved to, so it is used as it is
  // where the device has that resolution; elsewhere the painter's resolves it anew.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const bool sameResolution =
      screen && painter.device()->logicalDpiY() == qRound(screen->logicalDotsPerInchY());
  const QRawFont raw = QRawFont::fromFont(sameResolution ? font : painter.font());
  if (!raw.isValid()) return false;
  const QList<quint32> glyphs = raw.glyphIndexesForString(text);
  if (glyphs.size() != text.size() || glyphs.contains(0u)) return false;
  const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);

  // Pen positions as the layout adds them up, in its 1/64 pixel steps (trailing spaces
  // count towards the width, as drawText counts them).
  QVarLengthArray<QPointF, 32> positions(glyphs.size());
  qint64 width = 0;
  for (qsizetype i = 0; i < glyphs.size(); ++i) {
    positions[i] = QPointF(static_cast<qreal>(width) / 64, 0);
    width += qRound64(advances[i].x() * 64);
  }
  const qint64 room = qint64(rect.width()) * 64;
  qint64 start = 0;
  if (leftWhenTooWide && (width + 32) / 64 > rect.width()) horizontal = Qt::AlignLeft;
  if (horizontal & Qt::AlignRight) start = room - width;
  if (horizontal & Qt::AlignHCenter) start = (room - width) / 2;
  const QPointF origin(rect.left() + static_cast<qreal>(start) / 64, rect.top() + raw.ascent());
  for (QPointF& p : positions)
    p += origin;

  QGlyphRun run;
  run.setRawFont(raw);
  run.setGlyphIndexes(glyphs);
  run.setPositions(QList<QPointF>(positions.begin(), positions.end()));
  painter.drawGlyphRun(QPointF(0, 0), run);
  return true;
}

}  // namespace rdx508
