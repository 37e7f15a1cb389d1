#pragma once
// Internal to ui/qt/. LineWidget: a one-pixel line, solid or dotted, from one corner of the widget to the
// opposite one (horizontal when the widget is one pixel high).

#include <QColor>
#include <QWidget>

namespace rdx508 {

class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent = nullptr);

  void setColor(const QColor& color);
  void setDotted(bool dotted);
  // Which way the line runs: from top-left to bottom-right, or from bottom-left to top-right.
  void setRising(bool rising);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor color_ = Qt::black;
  bool dotted_ = false;
  bool rising_ = false;
};

}  // namespace rdx508
