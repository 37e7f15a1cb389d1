#pragma once
// Internal to ui/. The chart's two kinds of axis: a value scale with round tick values, and the month and
// year ticks of the trading-day axis, where only stored days take room (no gaps for
// weekends and holidays).

#include <QDate>
#include <QString>
#include <vector>

namespace rdx508 {

struct ValueScale {
  double low = 0, high = 1;   // the values at the bottom and the top of the pane
  double step = 1;            // between neighbouring ticks
  std::vector<double> ticks;  // ascending, from low to high
  int decimals = 0;           // decimals a tick label needs to tell the ticks apart
};

// A scale that covers [low, high], its ends moved out to multiples of a round step (1, 2,
// 2.5 or 5 times a power of ten) chosen so that there are at most `maxTicks` steps.
// An empty or inverted range is widened around its middle first.
ValueScale NiceScale(double low, double high, int maxTicks);

struct TimeTick {
  int day;        // the first day of the new period
  QString label;  // "2024" where a year begins, else the month, e.g. "4月"
  bool yearStart;
};

// A month as one number, year * 12 + month - 1; -1 for a date that is not valid.
int MonthKey(const QDate& date);

// The ticks of the days first ... first + count - 1, given each day's month key (a day
// whose date is not valid belongs to the month before it). A tick stands where the period
// changes between a day and the day before it; the period is the smallest of 1, 2, 3 and 6
// months and 1, 2, 5, 10 and 20 years whose ticks lie at least `minSpacing` pixels apart at
// `dayWidth` pixels a day. Year ticks are always labelled with the year.
std::vector<TimeTick> TimeTicks(const std::vector<int>& monthKeys, int first, int count, double dayWidth,
                                double minSpacing);

}  // namespace rdx508
