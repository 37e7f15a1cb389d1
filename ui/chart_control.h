#pragma once
// The chart's controls without a display: what each key, wheel notch, drag and click does
// to the chart model, and the range buttons with their keys. The view forwards its events
// here and paints what the model then holds.

#include <QtCore/qnamespace.h>
#include <array>
#include <optional>

#include "ui/chart_model.h"

namespace rdx508 {

// A range button: its caption, its key and its tool tip.
struct ChartRangeButton {
  ChartRange range;
  const char16_t* caption;
  Qt::Key key;
  const char16_t* tip;
};
inline constexpr std::array<ChartRangeButton, 4> kChartRangeButtons = {{
    {ChartRange::ThreeMonths, u"3か月", Qt::Key_3, u"直近3か月を表示 (3)"},
    {ChartRange::SixMonths, u"6か月", Qt::Key_6, u"直近6か月を表示 (6)"},
    {ChartRange::OneYear, u"1年", Qt::Key_1, u"直近1年を表示 (1)"},
    {ChartRange::All, u"全期間", Qt::Key_A, u"すべての日を表示 (A)"},
}};

// What an event did.
struct ChartOutcome {
  bool handled = true;        // false: the event is not the chart's (the view passes it on)
  bool viewMoved = false;     // the days shown changed (the range buttons follow)
  std::optional<int> chosen;  // a day chosen (a click or Enter): the grid goes to it
};

class ChartControl {
 public:
  static constexpr double kZoomIn = 0.8;    // a step in (a wheel notch away, +) shows a fifth fewer days
  static constexpr double kZoomOut = 1.25;  // and a step out as many more
  static constexpr int kShiftStep = 5;      // days the cursor moves with Shift and an arrow
  static constexpr double kDragSlop = 3;    // pixels a press may move and still be a click

  explicit ChartControl(ChartModel& model) : model_(model) {}

  // A key: arrows move the cursor (Shift: five days), Home and End go to the oldest and
  // newest day, + (or =) and - zoom around the cursor, Enter chooses the cursor's day.
  ChartOutcome key(int key, Qt::KeyboardModifiers modifiers);
  // The wheel turned by `angleDelta` eighths of a degree with the pointer at x.
  ChartOutcome wheel(double x, int angleDelta);
  // The left button pressed, moved and released: a drag moves the days with the pointer
  // (to the right brings older days in); a release that was no drag is a click, which
  // chooses the day under the pointer when it lies over the panes or the date axis.
  void press(double x);
  ChartOutcome drag(double x);
  ChartOutcome release(double x, double y);
  bool pressed() const { return pressAt_.has_value(); }
  // A range button or its key.
  ChartOutcome showRange(ChartRange range);

 private:
  ChartOutcome Moved(quint64 before) const;

  ChartModel& model_;
  std::optional<double> pressAt_;
  int pressFirst_ = 0;
  bool dragged_ = false;
};

}  // namespace rdx508
