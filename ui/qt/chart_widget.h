#pragma once
// ChartWidget: paints a ChartModel with QPainter and turns the mouse and the keys into its
// view changes. The picture of the panes is kept in a pixmap drawn anew only when the model
// changes; a hover repaints just the crosshair, its labels and the read-out over it.

#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QWidget>
#include <optional>

#include "ui/chart_control.h"
#include "ui/chart_model.h"

namespace rdx508 {

class ChartWidget : public QWidget {
  Q_OBJECT
 public:
  explicit ChartWidget(ChartModel& model, QWidget* parent = nullptr);

  // The model changed outside the widget (new data, another range): draw it anew.
  void refresh();
  // What the widget shows, at the pixel ratio of its screen.
  QImage picture() const;
  // How often the panes' picture was drawn: a hover must not draw it.
  int baseRenders() const { return baseRenders_; }
  // Where the crosshair, its labels and the read-out lie now.
  QRegion overlayRegion() const;
  // The read-out as words: the day shown and each value after its label.
  QString readoutText() const;

  QSize sizeHint() const override { return QSize(1000, 620); }
  // Room for the read-out's six columns and three panes that still show their ticks.
  QSize minimumSizeHint() const override { return minimum_; }

 Q_SIGNALS:
  // A click on a day (not the end of a drag), or Enter on the cursor's day.
  void dayChosen(int day);
  // Zooming, panning or the keys changed the days shown.
  void viewChanged();

 protected:
  bool event(QEvent* event) override;  // the tool tips of the note marks
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void updateMetrics();
  void paintBase(QPainter& painter) const;
  void paintPane(QPainter& painter, ChartPane pane) const;
  void paintAxis(QPainter& painter) const;
  void paintNoteMarks(QPainter& painter) const;
  void paintOverlay(QPainter& painter) const;
  void paintReadout(QPainter& painter) const;
  void paintCrosshair(QPainter& painter) const;
  // Moves the cursor to the day under the mouse and repaints what the move touched.
  void hoverAt(QPointF at);
  // Repaints after a change of the days shown.
  void viewMoved();
  // Gives assistive technology the read-out anew, when it is listening.
  void describeReadout();

  ChartModel& model_;
  QSize minimum_;
  QPixmap base_;
  quint64 baseRevision_ = 0;
  int baseRenders_ = 0;
  std::optional<double> hoverY_;  // the mouse's height over a pane, for the horizontal line
  bool mouseCursor_ = false;      // the cursor follows the mouse (not the keys)
  ChartControl control_;          // what keys, the wheel and the mouse do to the model
};

}  // namespace rdx508
