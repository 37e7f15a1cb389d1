#include "ui/qt/grid_accessible.h"

#include <QPointer>
#include <memory>
#include <vector>

#include "ui/qt/grid_view.h"

namespace rdx508 {

namespace {

class GridTable;

// One cell or heading of the grid; child n of the table is the view's cell n.
class GridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  GridCell(GridView* view, const GridTable* table, int cell) : view_(view), table_(table), cell_(cell) {}

  bool isValid() const override { return view_ && cell_ < view_->cellCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    const GridView::Cell& c = view_->cell(cell_);
    if (t == QAccessible::Name) return c.row < 0 ? QString(c.text).remove(QChar(0x3000)) : c.text;
    if (t == QAccessible::Description) return view_->description(cell_);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect r = view_->cell(cell_).rect;
    return QRect(view_->mapToGlobal(r.topLeft()), r.size());
  }
  QAccessible::Role role() const override {
    return isValid() && view_->cell(cell_).row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) return s;
    const GridView::Cell& c = view_->cell(cell_);
    s.invisible = !c.visible || !view_->isVisible();
    s.disabled = !c.enabled;
    s.readOnly = true;
    if (c.row == GridView::kCurrentRow) {
      s.focusable = true;
      s.focused = c.column == 0 && view_->hasFocus();
    }
    return s;
  }
  QColor foregroundColor() const override { return isValid() ? view_->cell(cell_).fore : QColor(); }
  QColor backgroundColor() const override { return isValid() ? view_->cell(cell_).back : QColor(); }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableCellInterface && isValid() && view_->cell(cell_).row >= 0)
      return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
  }

  // Table cell.
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return isValid() ? view_->cell(cell_).column : -1; }
  int rowIndex() const override { return isValid() ? view_->cell(cell_).row : -1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<GridView> view_;
  const GridTable* table_;
  int cell_;
};

class GridTable : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit GridTable(GridView* view) : QAccessibleWidget(view, QAccessible::Table), view_(view) {}
  ~GridTable() override {
    for (QAccessible::Id id : ids_)
      if (id) QAccessible::deleteAccessibleInterface(id);
  }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return QStringLiteral("日々の表");
    // The keyboard's row, read as the grid shows it: what a scroll announces.
    if (t == QAccessible::Description) return view_->rowWords(GridView::kCurrentRow);
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return view_->cellCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= view_->cellCount()) return nullptr;
    if (ids_.size() < size_t(view_->cellCount())) ids_.resize(size_t(view_->cellCount()), 0);
    QAccessible::Id& id = ids_[size_t(index)];
    if (!id) id = QAccessible::registerAccessibleInterface(new GridCell(view_, this, index));
    return QAccessible::accessibleInterface(id);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (size_t k = 0; k < ids_.size(); ++k)
      if (ids_[k] && QAccessible::accessibleInterface(ids_[k]) == child) return int(k);
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const int n = view_->cellAt(view_->mapFromGlobal(QPoint(x, y)));
    return n >= 0 ? child(n) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return view_->hasFocus() ? cellAt(GridView::kCurrentRow, 0) : nullptr;
  }

  // Table.
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    const int n = view_->cellOf(row, column);
    return n >= 0 ? child(n) : nullptr;
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override {
    const int n = view_->cellOf(-1, column);
    return n >= 0 ? QString(view_->cell(n).text).remove(QChar(0x3000)) : QString();
  }
  QString rowDescription(int row) const override {
    // A day row by its date, the row above them as the forecast.
    if (row == 0) return QStringLiteral("予測");
    const int n = view_->cellOf(row, 1);
    return n >= 0 ? view_->cell(n).text : QString();
  }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return view_->columnCount(); }
  int rowCount() const override { return view_->rowCount(); }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

  QAccessibleInterface* heading(int column) const {
    const int n = view_->cellOf(-1, column);
    return n >= 0 ? child(n) : nullptr;
  }

 private:
  GridView* view_;
  mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* GridCell::parent() const {
  return view_ ? QAccessible::queryAccessibleInterface(view_) : nullptr;
}

QList<QAccessibleInterface*> GridCell::columnHeaderCells() const {
  if (!isValid()) return {};
  QAccessibleInterface* heading = table_->heading(view_->cell(cell_).column);
  return heading ? QList<QAccessibleInterface*>{heading} : QList<QAccessibleInterface*>{};
}

}  // namespace

QAccessibleInterface* GridAccessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("rdx508::GridView") && object && object->isWidgetType())
    return new GridTable(static_cast<GridView*>(object));
  return nullptr;
}

}  // namespace rdx508
