#include "calendar/holiday_list.h"

#include <algorithm>

namespace rdx508 {

namespace {

// The Julian day numbers from 1 January of `year` up to, not including, the next 1 January.
std::pair<qint64, qint64> YearSpan(int32_t year) {
  return {QDate(year, 1, 1).toJulianDay(), QDate(year + 1, 1, 1).toJulianDay()};
}

}  // namespace

HolidayList::HolidayList(const std::vector<QDate>& days) {
  days_.reserve(days.size());
  for (const QDate& day : days)
    if (day.isValid()) days_.push_back(day.toJulianDay());
  std::sort(days_.begin(), days_.end());
  days_.erase(std::unique(days_.begin(), days_.end()), days_.end());
}

bool HolidayList::Covers(int32_t year) const {
  if (!QDate(year, 1, 1).isValid() || !QDate(year + 1, 1, 1).isValid()) return false;
  const auto [first, end] = YearSpan(year);
  const auto it = std::lower_bound(days_.begin(), days_.end(), first);
  return it != days_.end() && *it < end;
}

bool HolidayList::IsListed(const QDate& day) const {
  return day.isValid() && std::binary_search(days_.begin(), days_.end(), day.toJulianDay());
}

int32_t HolidayList::FirstYear() const {
  return days_.empty() ? 0 : QDate::fromJulianDay(days_.front()).year();
}

int32_t HolidayList::LastYear() const {
  return days_.empty() ? 0 : QDate::fromJulianDay(days_.back()).year();
}

std::vector<int32_t> HolidayList::DaysOfYear(int32_t year) const {
  std::vector<int32_t> result;
  if (!Covers(year)) return result;
  const auto [first, end] = YearSpan(year);
  for (auto it = std::lower_bound(days_.begin(), days_.end(), first); it != days_.end() && *it < end; ++it)
    result.push_back(static_cast<int32_t>(*it - first + 1));
  return result;
}

}  // namespace rdx508
