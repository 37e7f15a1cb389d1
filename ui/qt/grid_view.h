#pragma once
// GridView: the grid's label cells (headings, the 26 day rows, the forecast row) drawn by one
// widget from the model's controls. A click on a cell is reported as that control's click;
// with the keyboard focus the grid announces its top day's row, and Enter opens that day.
// To assistive technology it is a table (grid_accessible.h).

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace rdx508 {

// What the window hears of the grid, by the window's own numbers for its controls.
class GridListener {
 public:
  virtual void gridClicked(int item) = 0;
  virtual void gridEnter() = 0;  // Enter or Return while the grid has the focus

 protected:
  ~GridListener() = default;
};

class GridView : public QWidget {
  Q_OBJECT
 public:
  struct Cell {
    int item = -1;  // the window's number for the control
    int row = -1;   // table row: 0 the forecast row, 1 ... 26 the day rows; -1 a heading
    int column = -1;
    QRect rect;  // in the view's coordinates
    QString text, toolTip;
    QColor fore = Qt::black, back = Qt::white;
    const QFont* font = nullptr;
    Qt::Alignment align = Qt::AlignLeft;
    bool opaque = true, visible = true, enabled = true, cornerMark = false, marked = false;
    mutable int textWidth = -1;  // the text's advance in its font, measured when first needed
  };

  // `area` is the window's rectangle that holds every cell.
  GridView(QWidget* parent, GridListener* listener, const QRect& area);

  // Room for `count` cells, so that adding them moves none.
  void reserveCells(size_t count) { cells_.reserve(count); }
  // Adds a cell for window item `item` at table place (row, column); returns its number.
  int addCell(int item, int row, int column);
  Cell& cell(int n) { return cells_[size_t(n)]; }
  const Cell& cell(int n) const { return cells_[size_t(n)]; }
  int cellCount() const { return int(cells_.size()); }
  // Cell n changed (or is about to move): its place is repainted at the next flush.
  void changed(int n) { dirty_ |= cells_[size_t(n)].rect; }
  // Repaints what changed since the last flush, as one area.
  void flushChanges();
  // The topmost visible cell at a point of the view; -1 where there is none.
  int cellAt(const QPoint& point) const;
  // The cell at a table place; -1 when there is none.
  int cellOf(int row, int column) const;
  int rowCount() const { return rows_; }
  int columnCount() const { return columns_; }

  // Extra words of a cell for assistive technology (a band in words), asked only when read.
  void setDescriber(std::function<QString(int item)> describe) { describe_ = std::move(describe); }
  QString description(int n) const;
  // The words of a whole table row, for its announcement.
  void setRowReader(std::function<QString(int row)> read) { readRow_ = std::move(read); }
  QString rowWords(int row) const { return readRow_ ? readRow_(row) : QString(); }

  // The table row the keyboard is on: the top day's row.
  static constexpr int kCurrentRow = 1;
  // Tells assistive technology that the top day's row changed (after a scroll), when the
  // grid has the focus.
  void announceCurrentRow();

 Q_SIGNALS:
  // The top day's row was announced, with the words it reads.
  void currentRowAnnounced(const QString& words);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void paintCell(QPainter& painter, const Cell& c) const;
  QRect currentRowRect() const;
  void notifyCurrentCell();

  GridListener* listener_;
  std::vector<Cell> cells_;
  std::vector<int> byPlace_;  // (row + 1) * kMaxColumns + column -> cell
  static constexpr int kMaxColumns = 32;
  int rows_ = 0, columns_ = 0;
  QRect dirty_;
  int pressed_ = -1;
  bool focusShown_ = false;  // the focus frame: after a tab or a key, not at start
  std::function<QString(int)> describe_;
  std::function<QString(int)> readRow_;
};

}  // namespace rdx508
