#include "app/day_series.h"

#include <algorithm>

namespace rdx508 {

namespace {

// Number of day positions in use, kept inside the array whatever DayCnt says.
int32_t UsedDays(int32_t dayCnt) {
  return std::clamp<int32_t>(dayCnt, 0, DaySeries::kMaxDays);
}

double Ratio(double part, double whole) {
  return whole != 0 ? part * 100.0 / whole : 0.0;
}

}  // namespace

void DaySeries::ComputeIndicators() {
  const int32_t count = UsedDays(DayCnt);
  Sums.assign(static_cast<size_t>(count) + 1, WinSum{});
  // Each day adds itself into the windows of the day and of the newer days after it.
  for (int32_t a = 1; a <= count; ++a) {
    const DayRec& day = Days[static_cast<size_t>(a)];
    for (int32_t i = a; i >= 1 && i > a - 25; --i) {
      WinSum& sum = Sums[static_cast<size_t>(i)];
      if (i > a - 5) {
        sum.Tp5 += day.Topix;
        sum.Nk5 += day.Nikkei;
        sum.Up5 += day.Up;
        sum.Dn5 += day.Down;
      }
      sum.Tp25 += day.Topix;
      sum.Nk25 += day.Nikkei;
      sum.Up25 += day.Up;
      sum.Dn25 += day.Down;
    }
  }

  Inds.assign(static_cast<size_t>(count) + 1, DayInd{});
  for (int32_t i = 1; i <= count; ++i) {
    const WinSum& sum = Sums[static_cast<size_t>(i)];
    const DayRec& day = Days[static_cast<size_t>(i)];
    DayInd& ind = Inds[static_cast<size_t>(i)];
    ind.Tp5Avg = sum.Tp5 / 5;
    ind.Tp25Avg = sum.Tp25 / 25;
    ind.Nk5Avg = sum.Nk5 / 5;
    ind.Nk25Avg = sum.Nk25 / 25;
    // Day counts are added as 64-bit integers so two counts near the limit cannot wrap.
    const int64_t dayTotal = static_cast<int64_t>(day.Up) + day.Down;
    ind.UpRatio = dayTotal != 0 ? Ratio(day.Up, static_cast<double>(dayTotal)) : 0.0;
    const int64_t total5 = sum.Up5 + sum.Dn5;
    ind.UpRatio5 = total5 != 0 ? Ratio(static_cast<double>(sum.Up5), static_cast<double>(total5)) : 0.0;
    ind.AdRatio = sum.Dn25 != 0 ? Ratio(static_cast<double>(sum.Up25), static_cast<double>(sum.Dn25)) : 0.0;
  }
}

}  // namespace rdx508
