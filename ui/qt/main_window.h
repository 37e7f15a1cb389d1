#pragma once
// MainWindow: the Qt view of the main window 市況ノート. It creates one widget per control
// of the model, mirrors the model after every event (only what changed) and forwards
// clicks, typing and the window's closing to the model. It holds no behaviour itself.

#include <QFont>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "toolkit/host.h"
#include "ui/control.h"
#include "ui/qt/cell_label.h"
#include "ui/rdx_f508.h"

namespace rdx508 {

class ChartWindow;

class MainWindow : public QWidget, private CellListener {
  Q_OBJECT
 public:
  MainWindow(RDX_F508& model, Host& host, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Brings every widget up to the model's controls and follows a focus move.
  void mirror();
  // The widget of a control; nullptr when the model has no such control.
  QWidget* widgetFor(const QString& array, int index = -1) const;
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
    Control shown;  // the control's state as last mirrored
  };

  QWidget* createWidget(const Control& control, int item);
  void cellClicked(int item) override;
  void cellKey(int item, int key) override;
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
