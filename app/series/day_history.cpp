#include "app/series/day_history.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>

#include "app/series/window_sums.h"
#include "calendar/date_text.h"

namespace rdx508 {

namespace {

constexpr double kAbsent = std::numeric_limits<double>::quiet_NaN();

}  // namespace

std::vector<HistoryDay> DayHistory(const DaySeries& series) {
  std::vector<HistoryDay> days;
  const int32_t count = std::clamp<int32_t>(series.DayCnt, 0, DaySeries::kMaxDays);
  days.reserve(static_cast<size_t>(series.Archive.size()) + static_cast<size_t>(count));
  for (auto it = series.Archive.crbegin(); it != series.Archive.crend(); ++it)
    days.push_back({*it, {}});
  for (int32_t p = count; p >= 1; --p)
    days.push_back({series.Days[static_cast<size_t>(p)], {}});
  // An archive only ever holds days older than the series; a hand-edited file may not.
  // Each date is read once for the sort; only a text that is no date is compared as text.
  std::vector<std::optional<int32_t>> order(days.size());
  for (size_t i = 0; i < days.size(); ++i)
    order[i] = DateOrderNumber(days[i].day.Date);
  std::vector<size_t> byDate(days.size());
  std::iota(byDate.begin(), byDate.end(), size_t{0});
  std::stable_sort(byDate.begin(), byDate.end(), [&](size_t a, size_t b) {
    if (order[a] && order[b]) return *order[a] < *order[b];
    return IsEarlierDate(days[a].day.Date, days[b].day.Date);
  });
  std::vector<HistoryDay> sorted;
  sorted.reserve(days.size());
  for (size_t i : byDate)
    sorted.push_back(std::move(days[i]));
  days = std::move(sorted);

  // The grid's sums, added in the same order (the day itself, then the older ones), so
  // that a full window gives the grid's value to the last bit.
  const size_t n = days.size();
  DayColumns columns;
  columns.fill(n, [&days, n](size_t i) -> const DayRec& { return days[n - 1 - i].day; });
  std::vector<WinSum> sums(n);
  std::vector<DayInd> inds(n);
  ComputeWindows(columns, sums, inds);
  for (size_t i = 0; i < n; ++i) {
    DayInd ind = inds[n - 1 - i];
    if (i < 4) ind.Tp5Avg = ind.Nk5Avg = ind.UpRatio5 = kAbsent;
    if (i < 24) ind.Tp25Avg = ind.Nk25Avg = ind.AdRatio = kAbsent;
    days[i].ind = ind;
  }
  return days;
}

double HistoryChange(const std::vector<HistoryDay>& days, size_t i, bool nikkei) {
  if (i == 0 || i >= days.size()) return kAbsent;
  const DayRec& now = days[i].day;
  const DayRec& before = days[i - 1].day;
  return nikkei ? now.Nikkei - before.Nikkei : now.Topix - before.Topix;
}

double HistoryDivergence(const HistoryDay& day, bool nikkei) {
  const double average = nikkei ? day.ind.Nk25Avg : day.ind.Tp25Avg;
  if (!IsPresent(average)) return kAbsent;
  const double price = nikkei ? day.day.Nikkei : day.day.Topix;
  return average == 0 ? 0 : price * 1000 / average - 1000;
}

}  // namespace rdx508
