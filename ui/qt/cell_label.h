#pragma once
// Internal to ui/qt/. CellLabel: a painted label cell (text, text colour, background, opacity, alignment,
// font) that reports a click. Far cheaper to make and update than a QLabel, which matters
// for a grid of some 350 cells made at start and rewritten on every refresh.

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

namespace rdx508 {

// What the owner of cells hears of them, by the number it gave each cell: a cell's
// owner is called directly, which spares the window two signal connections per cell.
class CellListener {
 public:
  virtual void cellClicked(int cell) = 0;
  // Enter, Return, Space or Escape while the cell has the focus (cells in the tab order only).
  virtual void cellKey(int cell, int key) = 0;

 protected:
  ~CellListener() = default;
};

class CellLabel : public QWidget {
  Q_OBJECT
 public:
  explicit CellLabel(QWidget* parent = nullptr, CellListener* listener = nullptr, int cell = -1);

  void setText(const QString& text);
  // The font the text is painted in. Kept by the cell rather than set as the widget's
  // font, which would resolve and announce a font change for each of hundreds of cells.
  void setTextFont(const QFont& font);
  const QFont& textFont() const { return font_; }
  void setColors(const QColor& fore, const QColor& back);
  void setOpaque(bool opaque);
  void setAlignment(Qt::Alignment alignment);
  void setCornerMark(bool mark);  // a small triangle in the top right corner
  void setMarked(bool marked);    // a 2-pixel outline in the text colour inside the cell
  bool isMarked() const { return marked_; }
  const QString& text() const { return text_; }
  const QColor& foreColor() const { return fore_; }
  const QColor& backColor() const { return back_; }
  bool isOpaque() const { return opaque_; }
  // The QPainter::drawText flags the text is painted with inside rect() while it fits.
  int textFlags() const;
  // Whether the text is wider than the cell: it is then painted from the left edge.
  bool overflows() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  CellListener* listener_;
  int cell_;
  QString text_;
  QFont font_;
  QColor fore_ = Qt::black, back_ = Qt::white;
  bool opaque_ = true;
  bool cornerMark_ = false;
  bool marked_ = false;
  mutable int textWidth_ = -1;  // the text's advance in font_, measured when first needed
  bool pressed_ = false;
  Qt::Alignment alignment_ = Qt::AlignLeft;
};

}  // namespace rdx508
