// The chart's axes and bands: round value scales, month and year ticks over trading days,
// and band zones that agree with the grid's band lookup.

#include <gtest/gtest.h>

#include <QDate>
#include <cmath>
#include <limits>

#include "ui/chart_bands.h"
#include "ui/chart_scale.h"

namespace rdx508 {
namespace {

using namespace Qt::Literals::StringLiterals;

TEST(ChartScale, RoundTicksCoverTheRange) {
  struct Case {
    double low, high;
    int maxTicks;
    double expectLow, expectHigh, step;
    int decimals;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const Case& c : std::vector<Case>{{2680, 2820, 6, 2675, 2825, 25, 0},
                                         {0, 100, 4, 0, 100, 25, 0},
                                         {0, 100, 5, 0, 100, 20, 0},
                                         {0.3, 1.7, 7, 0.2, 1.8, 0.2, 1},
                                         {0.12, 0.37, 10, 0.1, 0.375, 0.025, 3},
                                         {100, 100, 5, 99, 101, 0.5, 1},  // flat: widened
                                         {5, 1, 4, 1, 5, 1, 0},           // inverted
                                         {nan, 3, 4, 0, 1, 0.25, 2},
                                         {38000, 39999.5, 8, 38000, 40000, 250, 0}}) {
    const ValueScale s = NiceScale(c.low, c.high, c.maxTicks);
    SCOPED_TRACE(::testing::Message() << c.low << ".." << c.high << " / " << c.maxTicks);
    EXPECT_DOUBLE_EQ(s.low, c.expectLow);
    EXPECT_DOUBLE_EQ(s.high, c.expectHigh);
    EXPECT_DOUBLE_EQ(s.step, c.step);
    EXPECT_EQ(s.decimals, c.decimals);
    ASSERT_GE(s.ticks.size(), 2u);
    EXPECT_LE(int(s.ticks.size()) - 1, std::max(c.maxTicks, 1) + 1);
    EXPECT_DOUBLE_EQ(s.ticks.front(), s.low);
    EXPECT_NEAR(s.ticks.back(), s.high, 1e-9 * std::fabs(s.high) + 1e-12);
  }
}

// Weekdays from `from` to `to`, as month keys.
std::vector<int> WeekdayKeys(QDate from, QDate to, std::vector<QDate>* dates = nullptr) {
  std::vector<int> keys;
  for (QDate d = from; d <= to; d = d.addDays(1)) {
    if (d.dayOfWeek() > 5) continue;
    keys.push_back(MonthKey(d));
    if (dates) dates->push_back(d);
  }
  return keys;
}

TEST(ChartScale, MonthAndYearTicksFollowTheRoomThereIs) {
  struct Case {
    QDate from, to;
    int first;     // -1: all days
    double width;  // pixels the shown days take
    QStringList labels;
  };
  const std::vector<Case> cases = {
      // Monthly where a month has room; the year where it begins.
      {QDate(2023, 11, 1), QDate(2024, 2, 29), -1, 800, {u"12月"_s, u"2024"_s, u"2月"_s}},
      // Quarterly in a narrow view of a year.
      {QDate(2024, 1, 4), QDate(2024, 12, 27), -1, 200, {u"4月"_s, u"7月"_s, u"10月"_s}},
      // Forty years in 1600 pixels: every other year.
      {QDate(1985, 1, 4), QDate(2024, 12, 27), -1, 1600, {}},
      // A view starting on the first day of a month marks it.
      {QDate(2024, 3, 1), QDate(2024, 5, 31), 21, 600, {u"4月"_s, u"5月"_s}},
  };
  for (const Case& c : cases) {
    std::vector<QDate> dates;
    const std::vector<int> keys = WeekdayKeys(c.from, c.to, &dates);
    const int first = c.first < 0 ? 0 : c.first;
    const int count = int(keys.size()) - first;
    const std::vector<TimeTick> ticks = TimeTicks(keys, first, count, c.width / count, 44);
    SCOPED_TRACE(c.from.toString(u"yyyy/MM/dd"_s).toStdString());
    QStringList labels;
    for (const TimeTick& t : ticks) {
      labels << t.label;
      // Each tick stands on the first shown day of its month.
      EXPECT_NE(MonthKey(dates[size_t(t.day)]), t.day > 0 ? MonthKey(dates[size_t(t.day) - 1]) : -1);
      EXPECT_EQ(t.yearStart, t.label.size() == 4);
    }
    if (!c.labels.isEmpty()) {
      EXPECT_EQ(labels, c.labels);
    } else {
      EXPECT_EQ(labels.size(), 20);  // 1986, 1988, ... 2024
      EXPECT_EQ(labels.front(), u"1986"_s);
    }
  }
}

TEST(ChartScale, ADayWithoutADateBelongsToTheMonthBeforeIt) {
  std::vector<int> keys = WeekdayKeys(QDate(2024, 1, 4), QDate(2024, 3, 29));
  keys[25] = -1;  // a hand-edited date in February
  keys[0] = -1;   // and on the very first day
  const std::vector<TimeTick> ticks = TimeTicks(keys, 0, int(keys.size()), 10, 44);
  ASSERT_EQ(ticks.size(), 2u);
  EXPECT_EQ(ticks[0].label, u"2月"_s);
  EXPECT_EQ(ticks[1].label, u"3月"_s);
  EXPECT_TRUE(TimeTicks(std::vector<int>(30, -1), 0, 30, 10, 44).empty());
}

TEST(ChartBands, ZonesAgreeWithTheGridsBandLookup) {
  struct Case {
    BandLimits limits;
    std::vector<std::pair<double, int>> values;  // value -> band
    std::vector<int> zoneBands;                  // bands that have a zone, low to high
  };
  const std::vector<Case> cases = {
      {{70, 80, 90, 100, 110, 120},
       {{70, 0}, {70.1, 1}, {100, 3}, {120, 5}, {120.1, 6}, {-5, 0}},
       {0, 1, 2, 3, 4, 5, 6}},
      // Out of order: the first limit at or above the value wins.
      {{60, 30, 50, 55, 60, 80}, {{40, 0}, {60, 0}, {61, 5}, {81, 6}}, {0, 5, 6}},
      // A cleared box counts as 0.
      {{20, 45, 0, 55, 60, 80}, {{50, 3}, {-1, 0}, {21, 1}}, {0, 1, 3, 4, 5, 6}},
  };
  for (const Case& c : cases) {
    const std::vector<BandZone> zones = BandZones(c.limits);
    std::vector<int> bands;
    for (const BandZone& z : zones)
      bands.push_back(z.band);
    EXPECT_EQ(bands, c.zoneBands);
    EXPECT_EQ(zones.front().low, -std::numeric_limits<double>::infinity());
    EXPECT_EQ(zones.back().high, std::numeric_limits<double>::infinity());
    for (const auto& [value, band] : c.values) {
      EXPECT_EQ(BandOf(c.limits, value), band) << value;
      int inZone = -1;
      for (const BandZone& z : zones)
        if (value > z.low && value <= z.high) inZone = z.band;
      EXPECT_EQ(inZone, band) << value;
    }
  }
}

}  // namespace
}  // namespace rdx508
