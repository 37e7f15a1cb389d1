// The chart's controls without a display: each key and what it does to the cursor and the
// days shown, the wheel's zoom steps, and a drag against a click.

#include <gtest/gtest.h>

#include "support/chart_days.h"
#include "support/fake_host.h"
#include "ui/chart_control.h"

namespace rdx508 {
namespace {

class ChartControlTest : public ::testing::Test {
 protected:
  ChartControlTest() {
    model.sync(testing::SampleChartInput(&series));
    model.setSize(1000, 600);
    model.showRange(ChartRange::SixMonths);
  }
  testing::FakeHost host;
  CLB_C1 clb{host};
  DaySeries series = testing::WavingDays(300);
  ChartModel model{clb};
  ChartControl control{model};
  int last() const { return model.first() + model.count() - 1; }
};

TEST_F(ChartControlTest, KeysMoveTheCursorZoomAroundItAndChooseItsDay) {
  struct Step {
    int key;
    Qt::KeyboardModifiers modifiers;
    int cursor;  // afterwards; -1 for none
    bool chosen;
  };
  const int newest = model.dayCount() - 1;
  const Step steps[] = {
      {Qt::Key_Left, Qt::NoModifier, last(), false},  // no cursor yet: the newest shown day
      {Qt::Key_Left, Qt::NoModifier, last() - 1, false},
      {Qt::Key_Left, Qt::ShiftModifier, last() - 1 - ChartControl::kShiftStep, false},
      {Qt::Key_Right, Qt::NoModifier, last() - ChartControl::kShiftStep, false},
      {Qt::Key_Home, Qt::NoModifier, 0, false},
      {Qt::Key_End, Qt::NoModifier, newest, false},
      {Qt::Key_Return, Qt::NoModifier, newest, true},
  };
  for (const Step& s : steps) {
    const ChartOutcome outcome = control.key(s.key, s.modifiers);
    EXPECT_TRUE(outcome.handled);
    EXPECT_EQ(model.cursor().value_or(-1), s.cursor) << s.key;
    EXPECT_EQ(outcome.chosen.has_value(), s.chosen) << s.key;
  }
  EXPECT_EQ(last(), newest);  // End showed the newest day

  // + and = zoom in a fifth, - out by a quarter, the cursor's day staying in view.
  const int before = model.count();
  EXPECT_TRUE(control.key(Qt::Key_Plus, Qt::NoModifier).viewMoved);
  EXPECT_NEAR(model.count(), before * ChartControl::kZoomIn, 1);
  EXPECT_TRUE(control.key(Qt::Key_Minus, Qt::NoModifier).viewMoved);
  EXPECT_NEAR(model.count(), before, 2);
  EXPECT_TRUE(model.first() <= newest && newest <= last());
  EXPECT_FALSE(control.key(Qt::Key_F5, Qt::NoModifier).handled);  // not the chart's: passed on
}

TEST_F(ChartControlTest, TheWheelZoomsByNotchesAndStopsAtTheFewestDays) {
  const double x = model.xOfDay(last() - 10);
  const int before = model.count();
  EXPECT_TRUE(control.wheel(x, 120).viewMoved);
  EXPECT_LT(model.count(), before);
  EXPECT_FALSE(control.wheel(x, 0).handled);
  for (int k = 0; k < 40; ++k)
    control.wheel(x, 120);
  EXPECT_EQ(model.count(), ChartModel::kMinVisible);
  EXPECT_FALSE(control.wheel(x, 120).viewMoved);
}

TEST_F(ChartControlTest, ADragMovesTheDaysWithThePointerAndAClickChoosesADay) {
  model.showRange(ChartRange::ThreeMonths);
  const int first = model.first();
  const double y = model.paneRect(ChartPane::Index).center().y();
  const double x = model.xOfDay(last() - 5);
  const double days = 10;

  // Within the slop a press and release is a click on the day under the pointer.
  control.press(x);
  EXPECT_FALSE(control.drag(x + ChartControl::kDragSlop).viewMoved);
  EXPECT_EQ(control.release(x, y).chosen, model.dayAt(x));
  EXPECT_FALSE(control.pressed());

  // Dragging to the right brings older days in, by as many days as the pointer moved.
  control.press(x);
  EXPECT_TRUE(control.drag(x + days * model.dayWidth()).viewMoved);
  EXPECT_EQ(model.first(), first - int(days));
  EXPECT_FALSE(control.release(x + days * model.dayWidth(), y).chosen);  // a drag chooses nothing

  // A click above the panes chooses nothing.
  control.press(x);
  EXPECT_FALSE(control.release(x, model.paneRect(ChartPane::Index).top() - 1).chosen);
  EXPECT_FALSE(control.release(x, y).handled);  // no press
}

}  // namespace
}  // namespace rdx508
