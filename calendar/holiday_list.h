#pragma once
// The days a national holiday list names, and the years whose closed days it decides.

#include <QDate>
#include <cstdint>
#include <vector>

namespace rdx508 {

class HolidayList {
 public:
  HolidayList() = default;
  // The listed days in any order; repeats and invalid dates are dropped.
  explicit HolidayList(const std::vector<QDate>& days);

  bool isEmpty() const { return days_.empty(); }
  size_t size() const { return days_.size(); }

  // Whether the list names at least one day of `year`, and so decides that year's holidays.
  bool Covers(int32_t year) const;
  bool IsListed(const QDate& day) const;
  // The first and last year with a listed day; 0 when the list is empty.
  int32_t FirstYear() const;
  int32_t LastYear() const;
  // The listed days of `year` as days of year (1 = 1 January), ascending.
  std::vector<int32_t> DaysOfYear(int32_t year) const;

 private:
  std::vector<qint64> days_;  // Julian day numbers, ascending, each once
};

}  // namespace rdx508
