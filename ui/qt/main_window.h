#pragma once
// MainWindow: the Qt view of the main window 市況ノート. It draws the grid's label cells in one
// view and makes one widget for every other control of the model, mirrors the model after
// every event (only what changed) and forwards clicks, typing, keys and the window's closing
// to the model. It holds no behaviour itself.

#include <QAccessible>
#include <QFont>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "toolkit/host.h"
#include "ui/accessible_text.h"
#include "ui/control.h"
#include "ui/qt/cell_label.h"
#include "ui/qt/grid_view.h"
#include "ui/rdx_f508.h"

namespace rdx508 {

class ChartWindow;

class MainWindow : public QWidget,
                   private CellListener,
                   private GridListener,
                   private QAccessible::ActivationObserver {
  Q_OBJECT
 public:
  MainWindow(RDX_F508& model, Host& host, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Brings every widget up to the model's controls and follows a focus move.
  void mirror();
  // The widget of a control; nullptr when the model has no such control. The grid's label
  // cells all have the grid view.
  QWidget* widgetFor(const QString& array, int index = -1) const;
  // Where a control is drawn, in the window's pixels (a grid cell's place in the grid view).
  QRect placeOf(const QString& array, int index = -1) const;
  // The grid view's cell of a control; nullptr for a control outside the grid.
  const GridView::Cell* gridCell(const QString& array, int index = -1) const;
  GridView* gridView() const { return grid_; }
  // The chart window once it has been opened; nullptr before.
  ChartWindow* chartWindow() const { return chart_.get(); }
  // Where the chart window keeps its size and position (tests choose their own file).
  void setChartSettingsFile(const QString& file) { chartSettingsFile_ = file; }
  // Where the display scale is kept (tests choose their own file).
  void setDisplaySettingsFile(const QString& file) { displaySettingsFile_ = file; }

 public Q_SLOTS:
  // The program is ending: hide the window; a later close asks nothing.
  void programEnded();
  // Opens the chart window (or brings it to the front) on the current data.
  void openChart();
  // Runs a command of the right-click menu (also reached by its shortcut) for grid row
  // `row` (-1: not opened on a day row).
  void runCommand(const QString& command, int row = -1);
  // Opens the note editor of a day.
  void editNote(const QString& date);
  // Keeps the display scale `percent` for the next start and says so.
  void chooseScale(int32_t percent);
  // Imports a CSV file through its preview.
  void importFile(const QString& file);
  // Runs work of the model that the first frame did not need, then mirrors.
  void runDeferred(const std::function<void()>& work) { forward(work); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  struct Item {
    QWidget* widget = nullptr;
    int cell = -1;  // its cell in the grid view; -1 for a widget of its own
    Control shown;  // the control's state as last mirrored
  };

  QWidget* createWidget(const Control& control, int item);
  void cellClicked(int item) override;
  void cellKey(int item, int key) override;
  void gridClicked(int item) override;
  void gridEnter() override;
  // The item's index in items_ of a control; -1 when the model has no such control.
  int itemOf(const QString& array, int index) const;
  void makeGridView();
  void applyGridCell(Item& item, const Control& control, bool initial);
  // The accessible name and description of a widget of its own, when they may have changed.
  void applyAccessibleText(Item& item, const Control& control, bool initial);
  // Home and End scroll the grid wherever the focus is, unless a text box with text has it.
  bool gridKeyOverride(QObject* watched, QKeyEvent* event);
  // Assistive technology came or went: the accessible names are given while it is there.
  void accessibilityActiveChanged(bool active) override;
  // Tells assistive technology of a panel that opened and of the grid's new top day.
  void announceChanges(const std::array<bool, 2>& panelWasShown);
  void apply(Item& item, const Control& control, bool initial);
  void applyLabel(Item& item, const Control& control, bool initial);
  void applyTextBox(Item& item, const Control& control, bool initial);
  void applyLine(Item& item, const Control& control, bool initial);
  // Whether item a lies below item b; every item in that order.
  bool below(size_t a, size_t b) const;
  std::vector<size_t> stackingOrder() const;
  void restack(const std::vector<size_t>& changed);
  void chainTabOrder();
  void followFocus();
  // Opens the chart when the model asked for it; brings an open chart up to the data.
  void followChart();
  // One window-wide action per menu command, so that its shortcuts work anywhere.
  void addShortcuts();
  // Runs one event of the model and mirrors the result; a failure becomes a message.
  void forward(const std::function<void()>& event);
  // The font of a layout key, made once: the cells then share five fonts.
  const QFont& layoutFont(FontKey key);

  RDX_F508& model_;
  Host& host_;
  std::vector<Item> items_;
  GridShape shape_;
  GridView* grid_ = nullptr;
  QString topRow_;       // the grid's top day as last announced
  QString nameContext_;  // what the accessible names depend on beyond their own control
  bool namesStale_ = true;
  bool named_ = false;  // accessible names are given (assistive technology is active)
  std::array<std::optional<QFont>, 5> fonts_;
  quint64 focusSerial_ = 0;
  quint64 chartRequests_ = 0;
  std::unique_ptr<ChartWindow> chart_;
  QString chartSettingsFile_;
  QString displaySettingsFile_;
  bool ended_ = false;
  bool closing_ = false;
};

}  // namespace rdx508
