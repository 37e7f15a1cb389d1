#pragma once
// Day series and chart input for the chart's tests. Header only: the support folder is built
// into every suite, and only the ui and qt suites link the day series.

#include <QDate>
#include <cmath>

#include "ui/chart_input.h"

namespace rdx508::testing {

// `count` weekdays up to `newest`, newest first, their dates written in `format`: the newest
// 998 in the series, the rest in the archive. Prices and counts wave so every indicator moves.
inline DaySeries WavingDays(int count, QDate newest = QDate(2024, 12, 27),
                            const QString& format = QStringLiteral("yy/MM/dd")) {
  DaySeries s;
  for (int k = 0; k < count; newest = newest.addDays(-1)) {
    if (newest.dayOfWeek() > 5) continue;
    const DayRec day{newest.toString(format), 2000 + 300 * std::sin(k / 40.0) + 20 * std::sin(k * 1.7),
                     int32_t(800 + 300 * std::sin(k / 9.0)), 800, 30000.0 + 10 * k};
    if (k++ < DaySeries::kMaxDays) {
      s.Days[size_t(k)] = day;
      s.DayCnt = k;
    } else {
      s.Archive.push_back(day);
    }
  }
  s.ComputeIndicators();
  return s;
}

// The sample's band limits (騰落レシオ's given) and the grid's band colours over `series`.
inline ChartInput SampleChartInput(const DaySeries* series, bool nikkei = false,
                                   BandLimits adLimits = {70, 80, 90, 100, 110, 120}) {
  ChartInput in;
  in.series = series;
  in.nikkei = nikkei;
  in.limits = {BandLimits{20, 45, 50, 55, 60, 80}, BandLimits{35, 40, 45, 55, 60, 65}, adLimits};
  in.colours = {{{0xFFFFFF, 0xFF8080},
                 {0x400000, 0xFFC0C0},
                 {0x404000, 0xFFFFC0},
                 {0x008000, 0xC0E0FF},
                 {0x000080, 0xC0C0FF},
                 {0x000000, 0x8080FF},
                 {0xFFFFFF, 0x0000AF}}};
  return in;
}

}  // namespace rdx508::testing
