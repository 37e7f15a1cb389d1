#include "app/series/day_series.h"

#include <algorithm>

#include "app/series/window_sums.h"
#include "calendar/date_text.h"

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
  const size_t count = static_cast<size_t>(UsedDays(DayCnt));
  thread_local DayColumns columns;  // kept, so that a recomputation allocates nothing
  columns.fill(count, [this](size_t i) -> const DayRec& { return Days[i + 1]; });
  // Position 0 holds no day; every other position is written below.
  Sums.resize(count + 1);
  Inds.resize(count + 1);
  Sums[0] = WinSum{};
  Inds[0] = DayInd{};
  ComputeWindows(columns, std::span(Sums).subspan(1), std::span(Inds).subspan(1));
}

DayInd IndicatorsOf(const DayRec& day, const WinSum& sum) {
  DayInd ind;
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
  return ind;
}

std::optional<int32_t> DaySeries::PositionFor(const QString& date) const {
  for (const DayRec& archived : Archive)
    if (archived.Date == date) return std::nullopt;
  for (int32_t p = 1; p <= kMaxDays; ++p) {
    const QString& stored = Days[static_cast<size_t>(p)].Date;
    if (stored == date) return std::nullopt;
    if (IsEarlierDate(stored, date)) return p;  // an empty date is earlier than every date
  }
  return kMaxDays;
}

void DaySeries::Insert(int32_t position, const DayRec& day) {
  position = std::clamp(position, 1, kMaxDays);
  const int32_t count = UsedDays(DayCnt);
  if (count == kMaxDays) Archive.prepend(Days[kMaxDays]);
  const int32_t last = std::min(count, kMaxDays - 1);
  for (int32_t q = last; q >= position; --q)
    Days[static_cast<size_t>(q) + 1] = std::move(Days[static_cast<size_t>(q)]);
  Days[static_cast<size_t>(position)] = day;
  DayCnt = std::min(count + 1, kMaxDays);
}

DayRec DaySeries::Remove(int32_t position) {
  const int32_t count = UsedDays(DayCnt);
  if (position < 1 || position > count) return {};
  DayRec taken = std::move(Days[static_cast<size_t>(position)]);
  for (int32_t q = position; q < count; ++q)
    Days[static_cast<size_t>(q)] = std::move(Days[static_cast<size_t>(q) + 1]);
  Days[static_cast<size_t>(count)] = DayRec{};
  DayCnt = count - 1;
  DayNotes.remove(taken.Date);  // a deleted day takes its note with it
  return taken;
}

}  // namespace rdx508
