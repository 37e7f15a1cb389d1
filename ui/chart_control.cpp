#include "ui/chart_control.h"

#include <cmath>

namespace rdx508 {

ChartOutcome ChartControl::Moved(quint64 before) const {
  ChartOutcome outcome;
  outcome.viewMoved = model_.revision() != before;
  return outcome;
}

ChartOutcome ChartControl::key(int key, Qt::KeyboardModifiers modifiers) {
  const quint64 before = model_.revision();
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
      const int step = modifiers & Qt::ShiftModifier ? kShiftStep : 1;
      model_.moveCursor(key == Qt::Key_Left ? -step : step);
      break;
    }
    case Qt::Key_Home:
      model_.showCursorAt(0);
      break;
    case Qt::Key_End:
      model_.showCursorAt(model_.dayCount() - 1);
      break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
    case Qt::Key_Minus: {
      const std::optional<int> cursor = model_.cursor();
      const double x = cursor ? model_.xOfDay(*cursor) : model_.paneRect(ChartPane::Index).center().x();
      model_.zoomAt(x, key == Qt::Key_Minus ? kZoomOut : kZoomIn);
      break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      ChartOutcome outcome;
      outcome.chosen = model_.cursor();
      return outcome;
    }
    default:
      return ChartOutcome{false, false, std::nullopt};
  }
  return Moved(before);
}

ChartOutcome ChartControl::wheel(double x, int angleDelta) {
  if (angleDelta == 0) return ChartOutcome{false, false, std::nullopt};
  const quint64 before = model_.revision();
  model_.zoomAt(x, std::pow(kZoomIn, angleDelta / 120.0));
  return Moved(before);
}

void ChartControl::press(double x) {
  pressAt_ = x;
  pressFirst_ = model_.first();
  dragged_ = false;
}

ChartOutcome ChartControl::drag(double x) {
  if (!pressAt_) return ChartOutcome{false, false, std::nullopt};
  const double dx = x - *pressAt_;
  if (std::fabs(dx) > kDragSlop) dragged_ = true;
  if (!dragged_ || model_.dayWidth() <= 0) return ChartOutcome{};
  const quint64 before = model_.revision();
  model_.setView(pressFirst_ - int(std::lround(dx / model_.dayWidth())), model_.count());
  return Moved(before);
}

ChartOutcome ChartControl::release(double x, double y) {
  if (!pressAt_) return ChartOutcome{false, false, std::nullopt};
  const bool click = !dragged_;
  pressAt_.reset();
  dragged_ = false;
  ChartOutcome outcome;
  if (!click) return outcome;
  const std::optional<int> day = model_.dayAt(x);
  if (day && y >= model_.paneRect(ChartPane::Index).top() && y < model_.axisRect().bottom())
    outcome.chosen = day;
  return outcome;
}

ChartOutcome ChartControl::showRange(ChartRange range) {
  const quint64 before = model_.revision();
  model_.showRange(range);
  return Moved(before);
}

}  // namespace rdx508
