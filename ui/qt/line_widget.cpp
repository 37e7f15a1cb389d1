#include "ui/qt/line_widget.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <vector>

namespace rdx508 {

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);  // a line never takes a click from a cell
  setFocusPolicy(Qt::NoFocus);
}

void LineWidget::setColor(const QColor& color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void LineWidget::setDotted(bool dotted) {
  if (dotted == dotted_) return;
  dotted_ = dotted;
  update();
}

void LineWidget::setRising(bool rising) {
  if (rising == rising_) return;
  rising_ = rising;
  update();
}

namespace {

// Draws the line across a widget of `size`, as the widget shows it.
void DrawLine(QPainter& painter, const QSize& size, const QColor& color, bool dotted, bool rising) {
  QPen pen(color, 0);  // cosmetic: one device pixel
  if (dotted) pen.setDashPattern({1, 1});
  painter.setPen(pen);
  const QRect r(QPoint(0, 0), size);
  if (r.height() <= 1) {
    painter.drawLine(r.left(), r.top(), r.right(), r.top());
  } else if (r.width() <= 1) {
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
  } else if (rising) {
    painter.drawLine(r.bottomLeft(), r.topRight());
  } else {
    painter.drawLine(r.topLeft(), r.bottomRight());
  }
}

// A dotted line drawn once into a transparent image. A dotted line is drawn dot by dot,
// some 78,000 instructions for one across the grid, and the grid's rows share a few
// lines of the same length that are repainted with every scroll; copying the image
// gives the same pixels, since an opaque line's dots cover their pixels wholly.
const QImage& DottedLine(const QSize& size, const QColor& color, bool rising, qreal ratio) {
  struct Kept {
    QSize size;
    QRgb color;
    bool rising;
    qreal ratio;
    QImage image;
  };
  static std::vector<Kept> kept;
  for (const Kept& k : kept)
    if (k.size == size && k.color == color.rgba() && k.rising == rising && k.ratio == ratio) return k.image;
  if (kept.size() >= 16) kept.clear();  // lines change only with the layout's colours or scale
  QImage image((QSizeF(size) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  DrawLine(painter, size, color, true, rising);
  painter.end();
  kept.push_back({size, color.rgba(), rising, ratio, std::move(image)});
  return kept.back().image;
}

}  // namespace

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // At a whole pixel ratio the widget starts on a whole device pixel, where the copy lands
  // exactly where the line would be drawn; at 125 % or 150 % it is drawn as it stands.
  const qreal ratio = painter.device()->devicePixelRatioF();
  if (dotted_ && color_.alpha() == 255 && ratio == std::floor(ratio)) {
    painter.drawImage(QPoint(0, 0), DottedLine(size(), color_, rising_, ratio));
  } else {
    DrawLine(painter, size(), color_, dotted_, rising_);
  }
}

}  // namespace rdx508
