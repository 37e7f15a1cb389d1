#pragma once
// Internal to ui/. The read-out of one day of the chart: its date and weekday and the values of its grid
// row, written and coloured as the grid writes them.

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "app/series/day_history.h"
#include "toolkit/clb_c1.h"
#include "ui/chart_bands.h"
#include "ui/weekday_text.h"

namespace rdx508 {

// The values in the order the read-out lists them.
enum ReadoutField {
  kReadIndex,      // TOPIX or the Nikkei average
  kReadChange,     // 騰落幅
  kReadAverage5,   // ５日平均
  kReadAverage25,  // ２５日平均
  kReadDivergence,
  kReadUp,
  kReadDown,
  kReadUpRatio,
  kReadUpRatio5,
  kReadAdRatio,
  kReadFieldCount
};

struct ReadoutItem {
  QString label;                // the grid's heading of the value
  QString text;                 // as the grid shows it; empty where it shows nothing or the
                                // day's window is not full
  quint32 fore = 0x80000008;    // text colour, 0x00BBGGRR or the system's window text
  std::optional<quint32> back;  // the band's background of a painted value
};

struct ChartReadout {
  QString date;  // as stored
  WeekdayText weekday;
  std::array<ReadoutItem, kReadFieldCount> items;
  QString note;  // the day's note, whole; "" when it has none
};

// The read-out of day `i` of `days` (oldest first), with the index of the Nikkei average
// when `nikkei`, and the three ratios in the bands of `limits` (上昇率, ５日平均, 騰落レシオ).
ChartReadout ReadoutOf(CLB_C1& clb, const std::vector<HistoryDay>& days, size_t i, bool nikkei,
                       const std::array<BandLimits, 3>& limits, const BandColours& colours);

}  // namespace rdx508
