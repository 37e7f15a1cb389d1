#pragma once
// ChartWindow: the window 「市況ノート — チャート」. It holds the chart of every stored day,
// the buttons of the four ranges and 「画像保存」, follows the main window's data, and keeps
// its size and position between runs.

#include <QImage>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "toolkit/clb_c1.h"
#include "toolkit/host.h"
#include "ui/chart_input.h"
#include "ui/chart_model.h"
#include "ui/qt/chart_widget.h"

namespace rdx508 {

class ChartWindow : public QWidget {
  Q_OBJECT
 public:
  // `settingsFile` keeps the window's size and position; empty: the user's configuration
  // folder (RDX508/chart.ini).
  ChartWindow(CLB_C1& clb, Host& host, const QString& settingsFile = {}, QWidget* parent = nullptr);
  ~ChartWindow() override;

  static QString defaultSettingsFile();

  // Follows the main window; repaints only when something drawn changed.
  void sync(const ChartInput& input);
  // Shows the window on the last 6 months, in front, with the keys going to the chart.
  void open(const QWidget* beside = nullptr);

  ChartModel& model() { return model_; }
  ChartWidget* chart() const { return chart_; }
  QPushButton* rangeButton(ChartRange range) const { return ranges_[size_t(range)]; }
  QPushButton* saveButton() const { return save_; }

  // Writes the chart as shown to a PNG file; a failure is reported in an error box.
  bool saveImage(const QString& path);
  // Puts the chart as shown on the clipboard.
  void copyImage();

 Q_SIGNALS:
  // The user chose a day: the main grid should scroll so that this series position is its
  // top row.
  void dayChosen(int32_t position);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void showRange(ChartRange range);
  void markRange();  // checks the button of the range shown
  void chooseImageFile();
  void keepGeometry();

  ChartModel model_;
  Host& host_;
  QString settingsFile_;
  ChartWidget* chart_ = nullptr;
  std::array<QPushButton*, 4> ranges_{};
  QPushButton* save_ = nullptr;
  bool placed_ = false;  // the saved size and position were applied
};

}  // namespace rdx508
