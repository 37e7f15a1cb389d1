#pragma once
// Every day ever kept, the archive's included, oldest first, with its indicators over the
// whole history: what the chart draws and the export writes. Where a day's window is not
// full (fewer than 5 or 25 days up to and including it) the average is absent (NaN), so
// that a new user's first weeks show no false values.

#include <cmath>
#include <vector>

#include "app/series/day_series.h"

namespace rdx508 {

struct HistoryDay {
  DayRec day;
  DayInd ind;  // the grid's definitions; NaN where the window is not full
};

// The days of the archive and of the series, oldest first (by date text, equal dates in
// the order archive, then series from the oldest), with their indicators.
std::vector<HistoryDay> DayHistory(const DaySeries& series);

// Whether an indicator of a history day is there.
inline bool IsPresent(double value) {
  return !std::isnan(value);
}

// The index of day `i` (TOPIX, or the Nikkei average when `nikkei`) minus that of the day
// before it; NaN for the first day.
double HistoryChange(const std::vector<HistoryDay>& days, size_t i, bool nikkei);

// The divergence in per mille of day `i` from its 25-day average (0 when the average is
// 0, as in the grid); NaN where the average is absent.
double HistoryDivergence(const HistoryDay& day, bool nikkei);

}  // namespace rdx508
