#include "ui/qt/chart_widget.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

#include "app/series/derived_columns.h"
#include "ui/qt/colors.h"
#include "ui/qt/fonts.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

const QColor kBackground(255, 255, 255);
const QColor kReadoutBack(0xf3, 0xf5, 0xf8);
const QColor kGridLine(0xe4, 0xe4, 0xe4);
const QColor kYearLine(0xb4, 0xb4, 0xb4);
const QColor kFrame(0x9a, 0x9a, 0x9a);
const QColor kLabel(0x50, 0x50, 0x50);
const QColor kAbsentText(0xa0, 0xa0, 0xa0);
const QColor kCrosshair(0x40, 0x40, 0x40);
const QColor kNoteMark(0xD0, 0x20, 0x20);  // as the grid's note mark

struct LineLook {
  ChartLine line;
  QColor colour;
  double width;
  const char16_t* name;
};

// The lines of each pane, drawn and named in this order (the last on top).
const std::vector<LineLook>& LinesOf(ChartPane pane) {
  static const std::vector<LineLook> kIndex = {
      {ChartLine::Index, QColor(0x1a, 0x1a, 0x1a), 1.5, nullptr},  // named by the index mode
      {ChartLine::Average5, QColor(0xe0, 0x7b, 0x00), 1.3, DerivedColumnOf(Derived::Average5).grid},
      {ChartLine::Average25, QColor(0x1f, 0x5f, 0xbf), 1.3, DerivedColumnOf(Derived::Average25).grid},
  };
  static const std::vector<LineLook> kAdRatio = {
      {ChartLine::AdRatio, QColor(0x1a, 0x1a, 0x1a), 1.5, DerivedColumnOf(Derived::AdRatio).grid},
  };
  static const std::vector<LineLook> kUpRatio = {
      {ChartLine::UpRatio, QColor(0x6e, 0x6e, 0x6e), 1.0, DerivedColumnOf(Derived::UpRatio).grid},
      {ChartLine::UpRatio5, QColor(0x1a, 0x1a, 0x1a), 1.5, DerivedColumnOf(Derived::UpRatio5).grid},
  };
  switch (pane) {
    case ChartPane::AdRatio:
      return kAdRatio;
    case ChartPane::UpRatio:
      return kUpRatio;
    case ChartPane::Index:
      break;
  }
  return kIndex;
}

QString LineName(const LineLook& style, bool nikkei) {
  if (style.name) return QString::fromUtf16(style.name);
  return nikkei ? u"日経平均"_s : u"東証平均"_s;
}

// A band's background lightened towards white: the zones keep the grid's colours while the
// lines over them stay readable.
QColor ZoneColour(const QColor& band) {
  auto lighten = [](int c) { return c + (255 - c) * 3 / 5; };
  return QColor(lighten(band.red()), lighten(band.green()), lighten(band.blue()));
}

// A coordinate on the pixel grid, so that one-pixel lines stay crisp at any scale.
double Snap(double v) {
  return std::floor(v) + 0.5;
}

int DecimalsOf(ChartPane pane) {
  return pane == ChartPane::Index ? 2 : 1;  // as the grid writes these values
}

}  // namespace

ChartWidget::ChartWidget(ChartModel& model, QWidget* parent)
    : QWidget(parent), model_(model), control_(model) {
  setFont(LayoutFont(FontKey::Default));
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(u"チャート"_s);
  updateMetrics();
}

QString ChartWidget::readoutText() const {
  if (model_.dayCount() == 0) return {};
  const ChartReadout r = model_.readout(model_.cursor().value_or(model_.first() + model_.count() - 1));
  QStringList words{r.date + u' ' + r.weekday.text};
  for (const ReadoutItem& item : r.items)
    words << item.label + u' ' + (item.text.isEmpty() ? u"なし"_s : item.text);
  if (!r.note.isEmpty()) words << u"メモ "_s + r.note.simplified();
  return words.join(u"、"_s);
}

void ChartWidget::describeReadout() {
  if (QAccessible::isActive()) setAccessibleDescription(readoutText());
}

void ChartWidget::updateMetrics() {
  const QFontMetricsF fm(font());
  ChartMetrics m;
  const double line = fm.height();
  m.readoutHeight = std::ceil(2 * line + 14);
  m.axisHeight = std::ceil(line + 8);
  m.noteHeight = std::ceil(line * 0.5 + 2);
  m.left = std::ceil(fm.horizontalAdvance(u"99,999.99"_s) + 14);
  m.right = 14;
  // Room for half a tick label above the first pane, and for two between panes.
  m.top = std::ceil(line / 2 + 4);
  m.gap = std::ceil(line + 4);
  m.monthSpacing = std::ceil(fm.horizontalAdvance(u"2024"_s) + 18);
  m.tickSpacing = std::ceil(line * 2.2);
  model_.setMetrics(m);
  // The widest read-out column: a heading beside a Nikkei average.
  double label = 0;
  for (const QString& text : {u"２５日平均"_s, u"騰落レシオ"_s, u"24/12/27 金"_s})
    label = std::max(label, fm.horizontalAdvance(text));
  const double column = label + fm.horizontalAdvance(u"99,999.99"_s) + 20;
  minimum_ = QSize(int(std::ceil(6 * column + 16)),
                   int(std::ceil(m.readoutHeight + m.top + 2 * m.gap + m.axisHeight + 16 * line)));
  updateGeometry();
  model_.setSize(width(), height());
}

void ChartWidget::refresh() {
  update();
  describeReadout();
}

void ChartWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  model_.setSize(width(), height());
}

void ChartWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    updateMetrics();
    update();
  }
}

// ---- Painting ---------------------------------------------------------------------------

void ChartWidget::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = size() * ratio;
  if (baseRevision_ != model_.revision() || base_.size() != pixels || base_.devicePixelRatio() != ratio) {
    base_ = QPixmap(pixels);
    base_.setDevicePixelRatio(ratio);
    QPainter painter(&base_);
    paintBase(painter);
    baseRevision_ = model_.revision();
    ++baseRenders_;
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, base_);
  paintOverlay(painter);
}

QImage ChartWidget::picture() const {
  const qreal ratio = devicePixelRatioF();
  QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  // Dots per metre that show the picture at its size on screen.
  const int dotsPerMetre = int(std::lround(96 * ratio / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QPainter painter(&image);
  paintBase(painter);
  paintOverlay(painter);
  return image;
}

void ChartWidget::paintBase(QPainter& painter) const {
  painter.fillRect(rect(), kBackground);
  painter.setFont(font());
  if (model_.dayCount() == 0) {
    painter.setPen(kLabel);
    painter.drawText(rect(), Qt::AlignCenter,
                     u"まだ日がありません。表の「曜　日」をクリックして追加します。"_s);
    return;
  }
  for (ChartPane pane : kChartPanes)
    paintPane(painter, pane);
  paintAxis(painter);
  paintNoteMarks(painter);
}

void ChartWidget::paintPane(QPainter& painter, ChartPane pane) const {
  const QRectF r = model_.paneRect(pane);
  const ValueScale& scale = model_.scale(pane);
  const QFontMetricsF fm(font());
  painter.setRenderHint(QPainter::Antialiasing, false);

  // Band zones, lightened across the pane and in the grid's own colours at its left edge.
  for (const BandZone& zone : model_.zones(pane)) {
    const double top = model_.yOf(pane, std::min(zone.high, scale.high));
    const double bottom = model_.yOf(pane, std::max(zone.low, scale.low));
    if (bottom - top <= 0) continue;
    const QColor band = ModelColor(model_.colours()[size_t(zone.band)].back, palette());
    const QRectF area(r.left(), top, r.width(), bottom - top);
    painter.fillRect(area, ZoneColour(band));
    painter.fillRect(QRectF(r.left(), top, 6, bottom - top), band);
  }

  // Value ticks: a light line across the pane and the value left of it.
  painter.setPen(QPen(kGridLine, 1));
  for (double tick : scale.ticks) {
    const double y = Snap(model_.yOf(pane, tick));
    painter.drawLine(QPointF(r.left() + 6, y), QPointF(r.right(), y));
  }
  painter.setPen(kLabel);
  for (double tick : scale.ticks) {
    const double y = model_.yOf(pane, tick);
    const QRectF box(0, y - fm.height() / 2, r.left() - 6, fm.height());
    painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, model_.valueText(tick, scale.decimals));
  }

  // Month and year lines.
  for (const TimeTick& tick : model_.timeTicks()) {
    const double x = Snap(model_.xOfDay(tick.day) - model_.dayWidth() / 2);
    painter.setPen(QPen(tick.yearStart ? kYearLine : kGridLine, 1));
    painter.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
  }

  if (pane == ChartPane::AdRatio && scale.low < 100 && scale.high > 100) {
    const double y = Snap(model_.yOf(pane, 100));
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1, Qt::DashLine));
    painter.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
  }

  // The lines, clipped to the pane.
  painter.save();
  painter.setClipRect(r);
  std::vector<QLineF> steps;
  for (const LineLook& look : LinesOf(pane)) {
    if (model_.dense()) {
      // Many days a pixel: a span a pixel column, which wide pens would take far longer
      // to stroke through thousands of points.
      painter.setRenderHint(QPainter::Antialiasing, false);
      for (const ChartModel::ColumnSpan& span : model_.spans(look.line)) {
        const double top = span.top - look.width / 2;
        painter.fillRect(QRectF(span.x, top, 1, span.bottom - span.top + look.width), look.colour);
      }
      continue;
    }
    // Each day-to-day step as a line of its own: a wide pen strokes a long polyline's
    // joins many times slower, and square caps close the joins.
    painter.setPen(QPen(look.colour, look.width, Qt::SolidLine, Qt::SquareCap));
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const std::vector<QPointF>& segment : model_.path(look.line)) {
      if (segment.size() == 1) {
        painter.drawPoint(segment.front());
        continue;
      }
      steps.clear();
      for (size_t i = 1; i < segment.size(); ++i)
        steps.emplace_back(segment[i - 1], segment[i]);
      painter.drawLines(steps.data(), int(steps.size()));
    }
  }
  painter.restore();

  painter.setPen(QPen(kFrame, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(Snap(r.left()), Snap(r.top()), std::floor(r.width()), std::floor(r.height()) - 1));

  // The legend: the name of each line beside a short stretch of it.
  const std::vector<LineLook>& lines = LinesOf(pane);
  double x = r.left() + 12;
  const double y = r.top() + 4;
  const double sample = 16;
  double legendWidth = 8;
  for (const LineLook& look : lines)
    legendWidth += sample + 4 + fm.horizontalAdvance(LineName(look, model_.nikkei())) + 12;
  painter.fillRect(QRectF(x - 4, y, legendWidth, fm.height() + 4), QColor(255, 255, 255, 215));
  for (const LineLook& look : lines) {
    const QString name = LineName(look, model_.nikkei());
    const double middle = Snap(y + 2 + fm.height() / 2);
    painter.setPen(QPen(look.colour, look.width * 1.4));
    painter.drawLine(QPointF(x, middle), QPointF(x + sample, middle));
    x += sample + 4;
    painter.setPen(kLabel);
    painter.drawText(QRectF(x, y + 2, fm.horizontalAdvance(name) + 2, fm.height()), Qt::AlignLeft, name);
    x += fm.horizontalAdvance(name) + 12;
  }
}

void ChartWidget::paintAxis(QPainter& painter) const {
  const QRectF axis = model_.axisRect();
  const QFontMetricsF fm(font());
  QFont bold = font();
  bold.setBold(true);
  // The year of the first day shown, left of the axis, so that every month has its year.
  if (const QDate first = model_.dateOf(model_.first()); first.isValid()) {
    painter.setFont(bold);
    painter.setPen(kLabel);
    painter.drawText(QRectF(4, axis.top() + 2, axis.left() - 4, fm.height()), Qt::AlignLeft,
                     QString::number(first.year()));
  }
  for (const TimeTick& tick : model_.timeTicks()) {
    const double x = model_.xOfDay(tick.day) - model_.dayWidth() / 2;
    painter.setFont(tick.yearStart ? bold : font());
    const double width = QFontMetricsF(painter.font()).horizontalAdvance(tick.label);
    if (x + 3 + width > axis.right()) continue;  // no room left of the edge
    painter.setPen(QPen(tick.yearStart ? kYearLine : kGridLine, 1));
    painter.drawLine(QPointF(Snap(x), model_.noteStripRect().top()), QPointF(Snap(x), axis.top() + 4));
    painter.setPen(kLabel);
    painter.drawText(QRectF(x + 3, axis.top() + 2, width + 2, fm.height()), Qt::AlignLeft, tick.label);
  }
  painter.setFont(font());
}

void ChartWidget::paintNoteMarks(QPainter& painter) const {
  const QRectF strip = model_.noteStripRect();
  const double half = model_.noteMarkHalfWidth();
  const double top = strip.top() + 1, bottom = strip.bottom() - 1;
  painter.save();
  painter.setClipRect(strip.adjusted(-half, 0, half, 0));
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kNoteMark);
  for (const ChartModel::NoteMark& mark : model_.noteMarks()) {
    // Pointing up at the day; a run of days stretches the point into a flat top.
    const QPointF corners[4] = {
        {mark.left + half, top}, {mark.right - half, top}, {mark.right, bottom}, {mark.left, bottom}};
    painter.drawPolygon(corners, 4);
  }
  painter.restore();
}

void ChartWidget::paintOverlay(QPainter& painter) const {
  painter.setFont(font());
  paintReadout(painter);
  paintCrosshair(painter);
}

void ChartWidget::paintReadout(QPainter& painter) const {
  const QRectF area = model_.readoutRect();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(area, kReadoutBack);
  painter.setPen(QPen(kFrame, 1));
  painter.drawLine(QPointF(area.left(), Snap(area.bottom() - 1)),
                   QPointF(area.right(), Snap(area.bottom() - 1)));
  if (model_.dayCount() == 0) return;

  // The cursor's day, or the newest day shown.
  const int day = model_.cursor().value_or(model_.first() + model_.count() - 1);
  const ChartReadout r = model_.readout(day);
  const QFontMetricsF fm(font());
  const double rowHeight = fm.height() + 4;
  const double left = 8, columns = 6;
  const double columnWidth = (area.width() - left - 8) / columns;

  auto cell = [&](int row, int column) {
    return QRectF(left + column * columnWidth, area.top() + 5 + row * rowHeight, columnWidth - 10, rowHeight);
  };
  // The date and weekday open the first row.
  {
    const QRectF box = cell(0, 0);
    painter.setPen(palette().color(QPalette::WindowText));
    const QString date = r.date + u' ';
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, date);
    painter.setPen(ModelColor(r.weekday.color, palette()));
    painter.drawText(box.adjusted(fm.horizontalAdvance(date), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     r.weekday.text);
  }
  // The day's note, cut to the free place below the date.
  if (!r.note.isEmpty()) {
    const QRectF box = cell(1, 0);
    const double side = std::ceil(fm.height() * 0.45);
    const double middle = box.center().y();
    const QPointF mark[3] = {{box.left() + side / 2, middle - side / 2},
                             {box.left() + side, middle + side / 2},
                             {box.left(), middle + side / 2}};
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNoteMark);
    painter.drawPolygon(mark, 3);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRectF text = box.adjusted(side + 4, 0, 0, 0);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     fm.elidedText(r.note.simplified(), Qt::ElideRight, text.width()));
  }
  static constexpr int kPlace[kReadFieldCount][2] = {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5},
                                                     {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}};
  for (int f = 0; f < kReadFieldCount; ++f) {
    const ReadoutItem& item = r.items[size_t(f)];
    const QRectF box = cell(kPlace[f][0], kPlace[f][1]);
    painter.setPen(kLabel);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, item.label);
    if (item.text.isEmpty()) {
      painter.setPen(kAbsentText);
      painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, u"—"_s);
      continue;
    }
    const double textWidth = fm.horizontalAdvance(item.text);
    if (item.back) {
      const QRectF band(box.right() - textWidth - 6, box.top() + 1, textWidth + 8, box.height() - 2);
      painter.fillRect(band, ModelColor(*item.back, palette()));
    }
    painter.setPen(ModelColor(item.fore, palette()));
    painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, item.text);
  }
}

void ChartWidget::paintCrosshair(QPainter& painter) const {
  const std::optional<int> cursor = model_.cursor();
  const QFontMetricsF fm(font());
  const QRectF top = model_.paneRect(ChartPane::Index), bottom = model_.paneRect(ChartPane::UpRatio);
  painter.setRenderHint(QPainter::Antialiasing, false);

  if (cursor && *cursor >= model_.first() && *cursor < model_.first() + model_.count()) {
    const double x = Snap(model_.xOfDay(*cursor));
    painter.setPen(QPen(kCrosshair, 1, Qt::DotLine));
    painter.drawLine(QPointF(x, top.top()), QPointF(x, bottom.bottom()));
    // A dot on each line where it meets the cursor's day.
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (ChartPane pane : kChartPanes) {
      for (const LineLook& style : LinesOf(pane)) {
        const double v = model_.valueOf(style.line, *cursor);
        if (!IsPresent(v)) continue;
        const double y = model_.yOf(pane, v);
        if (!model_.paneRect(pane).contains(QPointF(model_.xOfDay(*cursor), y))) continue;
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(style.colour);
        painter.drawEllipse(QPointF(model_.xOfDay(*cursor), y), 3, 3);
      }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The date on the axis.
    const QString date = model_.days()[size_t(*cursor)].day.Date;
    const QRectF axis = model_.axisRect();
    const double w = fm.horizontalAdvance(date) + 10;
    const double left = std::clamp(x - w / 2, axis.left(), std::max(axis.left(), axis.right() - w));
    const QRectF box(left, axis.top() + 1, w, fm.height() + 4);
    painter.fillRect(box, kCrosshair);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, date);
  }

  if (hoverY_) {
    if (const std::optional<ChartPane> pane = model_.paneAt(*hoverY_)) {
      const QRectF r = model_.paneRect(*pane);
      const double y = Snap(*hoverY_);
      painter.setPen(QPen(kCrosshair, 1, Qt::DotLine));
      painter.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
      const QString value = model_.valueText(model_.valueAt(*pane, *hoverY_), DecimalsOf(*pane));
      const QRectF box(1, y - fm.height() / 2 - 2, r.left() - 2, fm.height() + 4);
      painter.fillRect(box, kCrosshair);
      painter.setPen(Qt::white);
      painter.drawText(box.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, value);
    }
  }
}

QRegion ChartWidget::overlayRegion() const {
  QRegion region(model_.readoutRect().toAlignedRect());
  const QFontMetricsF fm(font());
  const QRectF top = model_.paneRect(ChartPane::Index), axis = model_.axisRect();
  if (const std::optional<int> cursor = model_.cursor()) {
    const double x = model_.xOfDay(*cursor);
    region += QRectF(x - 6, top.top() - 1, 12, axis.bottom() - top.top() + 2).toAlignedRect();
    const double w = fm.horizontalAdvance(model_.days()[size_t(*cursor)].day.Date) + 10;
    region += QRectF(x - w, axis.top(), 2 * w, fm.height() + 6).toAlignedRect();
    // The dots at the lines stick out of the line's strip; so may the date's box where the
    // edge holds it in.
    region += QRectF(axis.right() - w - 2, axis.top(), w + 4, fm.height() + 6).toAlignedRect();
    region += QRectF(axis.left() - 2, axis.top(), w + 4, fm.height() + 6).toAlignedRect();
  }
  if (hoverY_) {
    if (const std::optional<ChartPane> pane = model_.paneAt(*hoverY_)) {
      const QRectF r = model_.paneRect(*pane);
      region += QRectF(0, *hoverY_ - fm.height() / 2 - 4, r.right() + 2, fm.height() + 8).toAlignedRect();
    }
  }
  return region;
}

// ---- Mouse and keys ---------------------------------------------------------------------

bool ChartWidget::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QString tip = model_.noteTipAt(help->pos());
  if (tip.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
  } else {
    // The tip goes when the pointer leaves the marks it names.
    const QRectF strip = model_.noteStripRect();
    const double half = model_.noteMarkHalfWidth();
    const QRectF near(help->pos().x() - half, strip.top(), 2 * half, strip.height() + 2);
    QToolTip::showText(help->globalPos(), tip, this, near.toAlignedRect());
  }
  return true;
}

void ChartWidget::hoverAt(QPointF at) {
  const QRegion before = overlayRegion();
  const std::optional<int> day = model_.dayAt(at.x());
  const bool overPanes = day && at.y() >= model_.paneRect(ChartPane::Index).top() &&
                         at.y() < model_.paneRect(ChartPane::UpRatio).bottom();
  if (overPanes) {
    model_.setCursor(day);
    mouseCursor_ = true;
    hoverY_ = model_.paneAt(at.y()) ? std::optional<double>(at.y()) : std::nullopt;
  } else {
    if (mouseCursor_) model_.setCursor(std::nullopt);
    mouseCursor_ = false;
    hoverY_.reset();
  }
  update(before + overlayRegion());
  describeReadout();
}

void ChartWidget::viewMoved() {
  update();
  describeReadout();
  Q_EMIT viewChanged();
}

void ChartWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  control_.press(event->position().x());
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
  if (control_.pressed() && (event->buttons() & Qt::LeftButton) &&
      control_.drag(event->position().x()).viewMoved)
    viewMoved();
  hoverAt(event->position());
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !control_.pressed()) return QWidget::mouseReleaseEvent(event);
  const ChartOutcome outcome = control_.release(event->position().x(), event->position().y());
  if (outcome.chosen) Q_EMIT dayChosen(*outcome.chosen);
}

void ChartWidget::wheelEvent(QWheelEvent* event) {
  const ChartOutcome outcome = control_.wheel(event->position().x(), event->angleDelta().y());
  if (!outcome.handled) return QWidget::wheelEvent(event);
  if (outcome.viewMoved) viewMoved();
  hoverAt(event->position());
  event->accept();
}

void ChartWidget::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (!mouseCursor_ && !hoverY_) return;
  hoverAt(QPointF(-1, -1));
}

void ChartWidget::keyPressEvent(QKeyEvent* event) {
  const QRegion before = overlayRegion();
  const ChartOutcome outcome = control_.key(event->key(), event->modifiers());
  if (!outcome.handled) return QWidget::keyPressEvent(event);
  mouseCursor_ = false;
  hoverY_.reset();
  if (outcome.chosen) Q_EMIT dayChosen(*outcome.chosen);
  if (outcome.viewMoved) {
    viewMoved();
  } else {
    update(before + overlayRegion());
    describeReadout();
  }
}

}  // namespace rdx508
