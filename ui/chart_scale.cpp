// Value scales with round ticks, and the month and year ticks of the trading-day axis.

#include "ui/chart_scale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace rdx508 {

ValueScale NiceScale(double low, double high, int maxTicks) {
  ValueScale scale;
  if (!std::isfinite(low) || !std::isfinite(high)) low = 0, high = 1;
  if (high < low) std::swap(low, high);
  if (high - low < 1e-9 * std::max(1.0, std::fabs(high))) {
    const double half = std::max(std::fabs(high) * 0.01, 0.5);
    low -= half;
    high += half;
  }
  maxTicks = std::max(maxTicks, 1);
  const double raw = (high - low) / maxTicks;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  static constexpr std::array<double, 5> kSteps = {1, 2, 2.5, 5, 10};
  double nice = 10;
  for (double s : kSteps) {
    if (s * magnitude >= raw * (1 - 1e-9)) {
      nice = s;
      break;
    }
  }
  scale.step = nice * magnitude;
  scale.low = std::floor(low / scale.step + 1e-9) * scale.step;
  scale.high = std::ceil(high / scale.step - 1e-9) * scale.step;
  const int steps = int(std::lround((scale.high - scale.low) / scale.step));
  for (int k = 0; k <= steps; ++k)
    scale.ticks.push_back(scale.low + k * scale.step);
  // 2.5 times a power of ten needs one decimal more than the power itself.
  const int places = -int(std::floor(std::log10(scale.step) + 1e-9)) + (nice == 2.5 ? 1 : 0);
  scale.decimals = std::clamp(places, 0, 6);
  return scale;
}

int MonthKey(const QDate& date) {
  return date.isValid() ? date.year() * 12 + date.month() - 1 : -1;
}

std::vector<TimeTick> TimeTicks(const std::vector<int>& monthKeys, int first, int count, double dayWidth,
                                double minSpacing) {
  std::vector<TimeTick> ticks;
  const int n = int(monthKeys.size());
  first = std::clamp(first, 0, n);
  const int end = std::clamp(first + count, first, n);
  if (end - first < 1 || dayWidth <= 0) return ticks;

  // The month of each day, an invalid date taking the one before it.
  auto keyAt = [&](int day, int carried) {
    return monthKeys[size_t(day)] >= 0 ? monthKeys[size_t(day)] : carried;
  };
  int before = -1;
  for (int d = 0; d < first; ++d)
    before = keyAt(d, before);

  // Months the view spans, hence the pixels one month takes on average.
  int lowKey = -1, highKey = -1;
  for (int d = first, k = before; d < end; ++d) {
    k = keyAt(d, k);
    if (k < 0) continue;
    if (lowKey < 0) lowKey = k;
    highKey = k;
  }
  if (lowKey < 0) return ticks;
  const double monthWidth = (end - first) * dayWidth / double(highKey - lowKey + 1);
  static constexpr std::array<int, 10> kPeriods = {1, 2, 3, 6, 12, 24, 60, 120, 240, 600};
  int period = kPeriods.back();
  for (int p : kPeriods) {
    if (p * monthWidth >= minSpacing) {
      period = p;
      break;
    }
  }

  int previous = before;
  double lastX = -1e300;
  for (int d = first; d < end; ++d) {
    const int key = keyAt(d, previous);
    if (previous >= 0 && key >= 0 && key / period != previous / period) {
      const bool yearStart = key / 12 != previous / 12;
      const double x = (d - first) * dayWidth;
      // A gap in the days can bring two ticks close together; the later one gives way.
      if (x - lastX >= minSpacing * 0.75) {
        ticks.push_back(
            {d, yearStart ? QString::number(key / 12) : QString::number(key % 12 + 1) + u'月', yearStart});
        lastX = x;
      }
    }
    previous = key;
  }
  return ticks;
}

}  // namespace rdx508
