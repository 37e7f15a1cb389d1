// A dotted line is drawn once and copied after: its pixels must be those of the line drawn
// straight onto the window, at the screen's pixel ratio, on the first paint and the next.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "ui/qt/line_widget.h"

namespace rdx508::testing {
namespace {

struct LineCase {
  QSize size;
  bool rising;
};

class DottedLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(DottedLine, CopiesThePixelsOfTheLineDrawnStraight) {
  const LineCase c = GetParam();
  const QColor color(0x80, 0x80, 0x80);
  const qreal ratio = qApp->devicePixelRatio();
  QImage expected(c.size * ratio, QImage::Format_ARGB32_Premultiplied);
  expected.setDevicePixelRatio(ratio);
  expected.fill(Qt::white);
  QPainter painter(&expected);
  QPen pen(color, 0);
  pen.setDashPattern({1, 1});
  painter.setPen(pen);
  const QRect r(QPoint(0, 0), c.size);
  if (r.height() <= 1) {
    painter.drawLine(r.left(), r.top(), r.right(), r.top());
  } else if (r.width() <= 1) {
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
  } else {
    painter.drawLine(c.rising ? r.bottomLeft() : r.topLeft(), c.rising ? r.topRight() : r.bottomRight());
  }
  painter.end();

  QWidget parent;
  parent.setStyleSheet(QStringLiteral("background: white"));
  parent.setAutoFillBackground(true);
  parent.resize(c.size);
  LineWidget line(&parent);
  line.setColor(color);
  line.setDotted(true);
  line.setRising(c.rising);
  line.resize(c.size);
  for (int paint = 0; paint < 2; ++paint)
    EXPECT_EQ(line.grab().toImage().convertToFormat(expected.format()), expected) << "paint " << paint;
}

INSTANTIATE_TEST_SUITE_P(Shapes, DottedLine,
                         ::testing::Values(LineCase{{843, 1}, false}, LineCase{{1, 377}, false},
                                           LineCase{{40, 25}, false}, LineCase{{40, 25}, true}));

}  // namespace
}  // namespace rdx508::testing
