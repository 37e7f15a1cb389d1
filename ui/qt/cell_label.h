#pragma once
// Internal to ui/qt/. CellLabel: a painted label cell (text, text colour, background, opacity, alignment,
// font) that reports a click. Far cheaper to update than a QLabel, which matters for a
// grid of some 300 cells rewritten on every refresh.

#include <QColor>
#include <QString>
#include <QWidget>

namespace rdx508 {

class CellLabel : public QWidget {
  Q_OBJECT
 public:
  explicit CellLabel(QWidget* parent = nullptr);

  void setText(const QString& text);
  void setColors(const QColor& fore, const QColor& back);
  void setOpaque(bool opaque);
  void setAlignment(Qt::Alignment alignment);
  void setCornerMark(bool mark);  // a small triangle in the top right corner
  const QString& text() const { return text_; }
  const QColor& foreColor() const { return fore_; }
  const QColor& backColor() const { return back_; }
  bool isOpaque() const { return opaque_; }
  // The QPainter::drawText flags the text is painted with inside rect().
  int textFlags() const;

 Q_SIGNALS:
  void clicked();
  // Enter, Return or Space while the cell has the focus (cells in the tab order only).
  void activated(int key);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QString text_;
  QColor fore_ = Qt::black, back_ = Qt::white;
  bool opaque_ = true;
  bool cornerMark_ = false;
  bool pressed_ = false;
  Qt::Alignment alignment_ = Qt::AlignLeft;
};

}  // namespace rdx508
