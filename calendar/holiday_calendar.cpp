// 休日暦作成 and IsClosed: the days on which the Tokyo market is closed. Without a
// holiday list, the built-in rules of 2004-2024; with one, weekends, the year end and
// every listed day in the years it covers, the built-in rules in 2004-2024 otherwise,
// and weekends and the year end in every other year.

#include <QDate>
#include <algorithm>
#include <array>

#include "calendar/holiday_list.h"
#include "calendar/two_digit_year.h"
#include "toolkit/clb_c1.h"

namespace rdx508 {

namespace {

constexpr int32_t kRows = 101;
constexpr int32_t kDays = 367;
constexpr int32_t kFirstBuiltIn = 2004;
constexpr int32_t kLastBuiltIn = 2024;

// The years whose spring equinox day is 20 March (21 March in the others).
bool SpringOnTwentieth(int32_t year) {
  static constexpr std::array kYears20{2004, 2005, 2008, 2009, 2012, 2013, 2016, 2017, 2020, 2021, 2024};
  return std::ranges::find(kYears20, year) != kYears20.end();
}

// The years whose autumn equinox day is 22 September (23 September in the others).
bool AutumnOnTwentySecond(int32_t year) {
  return year == 2012 || year == 2016 || year == 2020 || year == 2024;
}

// One year's row of the closed-day table, marked with plain day arithmetic.
class YearRow {
 public:
  YearRow(int32_t year, uint8_t* row)
      : year_(year), row_(row), firstWeekday_(QDate(year, 1, 1).dayOfWeek()) {}

  bool valid() const { return firstWeekday_ != 0; }
  int32_t length() const { return QDate(year_, 12, 31).dayOfYear(); }
  int32_t dayOf(int month, int day) const { return QDate(year_, month, day).dayOfYear(); }
  // Qt's weekday of a day of this year: 1 = Monday ... 7 = Sunday.
  int32_t weekday(int32_t dayOfYear) const { return (firstWeekday_ - 1 + dayOfYear - 1) % 7 + 1; }
  void mark(int32_t dayOfYear) {
    if (dayOfYear >= 1 && dayOfYear < kDays) row_[dayOfYear] = 1;
  }

  void markWeekends() {
    for (int32_t d = 1, n = length(); d <= n; ++d)
      if (weekday(d) >= 6) mark(d);
  }
  // 31 December and 1-3 January.
  void markYearEnd() {
    mark(dayOf(1, 1));
    mark(dayOf(1, 2));
    mark(dayOf(1, 3));
    mark(dayOf(12, 31));
  }
  // A holiday; when it falls on a Sunday the following day is closed as well.
  void markWithSubstitute(int32_t dayOfYear) {
    mark(dayOfYear);
    if (weekday(dayOfYear) == 7) mark(dayOfYear + 1);
  }
  // The Monday `weeks` weeks after the first Monday of a month.
  void markMonday(int month, int32_t weeks) {
    int32_t d = dayOf(month, 1);
    while (weekday(d) != 1)
      ++d;
    mark(d + 7 * weeks);
  }

  // The built-in rules: weekends, the year end and the national holidays with their
  // Monday rules and Sunday substitutes as they stood before 2007.
  void markBuiltIn() {
    markWeekends();
    markYearEnd();
    markMonday(1, 1);
    markWithSubstitute(dayOf(2, 11));
    markWithSubstitute(dayOf(3, SpringOnTwentieth(year_) ? 20 : 21));
    markWithSubstitute(dayOf(4, 29));
    mark(dayOf(5, 3));
    mark(dayOf(5, 4));
    markWithSubstitute(dayOf(5, 5));
    markMonday(7, 2);
    markMonday(9, 2);
    markWithSubstitute(dayOf(9, AutumnOnTwentySecond(year_) ? 22 : 23));
    markMonday(10, 1);
    markWithSubstitute(dayOf(11, 3));
    markWithSubstitute(dayOf(11, 23));
    markWithSubstitute(dayOf(12, 23));
  }

 private:
  int32_t year_;
  uint8_t* row_;
  int32_t firstWeekday_;  // 0 for a year QDate cannot hold
};

}  // namespace

void CLB_C1::SetHolidayList(std::shared_ptr<const HolidayList> list) {
  holidays_ = std::move(list);
  if (calendarBuilt_ != 0) {  // a table built under the old list is built again
    calendarBuilt_ = 0;
    休日暦作成();
  }
}

int32_t CLB_C1::休日暦作成() {
  if (calendarBuilt_ != 0) return calendarBuilt_;
  closedDays_.assign(static_cast<size_t>(kRows * kDays), 0);
  closedDaysYear_.fill(0);
  calendarBuilt_ = kLastBuiltIn;
  if (holidays_ && !holidays_->isEmpty()) calendarBuilt_ = std::max(kLastBuiltIn, holidays_->LastYear());
  return calendarBuilt_;
}

bool CLB_C1::IsClosed(int32_t yy, int32_t dayOfYear) const {
  // Before the table is built, and outside it, nothing is closed.
  if (calendarBuilt_ == 0 || yy < 0 || yy > 99 || dayOfYear < 1 || dayOfYear >= kDays) return false;
  return ClosedOn(FullYearFromTwoDigits(yy, host().now().date().year()), dayOfYear);
}

bool CLB_C1::ClosedOn(int32_t year, int32_t dayOfYear) const {
  if (calendarBuilt_ == 0 || dayOfYear < 1 || dayOfYear >= kDays) return false;
  const size_t yy = static_cast<size_t>((year % 100 + 100) % 100);
  uint8_t* row = closedDays_.data() + yy * kDays;
  if (closedDaysYear_[yy] != year || year == 0) {  // 0 marks an empty row
    std::fill(row, row + kDays, uint8_t{0});
    closedDaysYear_[yy] = year;
    YearRow marks(year, row);
    const bool listed = holidays_ && holidays_->Covers(year);
    if (!marks.valid()) {
      // a year the calendar cannot name has no closed days
    } else if (listed) {
      marks.markWeekends();
      marks.markYearEnd();
      for (int32_t d : holidays_->DaysOfYear(year))
        marks.mark(d);
    } else if (year >= kFirstBuiltIn && year <= kLastBuiltIn) {
      marks.markBuiltIn();
    } else if (holidays_) {
      marks.markWeekends();
      marks.markYearEnd();
    }
  }
  return row[dayOfYear] == 1;
}

}  // namespace rdx508
