// 休日暦作成 and IsClosed: the days on which the Tokyo market is closed, 2004-2024.

#include <QDate>
#include <algorithm>
#include <array>

#include "calendar/calendar_rules.h"
#include "calendar/date_text.h"
#include "toolkit/clb_c1.h"

namespace rdx508 {

namespace {

constexpr int32_t kYears = 101;
constexpr int32_t kDays = 367;
constexpr int32_t kFirstYear = 2004;
constexpr int32_t kLastYear = 2024;

int32_t Cell(int32_t yy, int32_t dayOfYear) {
  return yy * kDays + dayOfYear;
}

// The years whose spring equinox day is 20 March (21 March in the others).
bool SpringOnTwentieth(int32_t year) {
  static constexpr std::array kYears20{2004, 2005, 2008, 2009, 2012, 2013, 2016, 2017, 2020, 2021, 2024};
  return std::ranges::find(kYears20, year) != kYears20.end();
}

// The years whose autumn equinox day is 22 September (23 September in the others).
bool AutumnOnTwentySecond(int32_t year) {
  return year == 2012 || year == 2016 || year == 2020 || year == 2024;
}

}  // namespace

int32_t CLB_C1::休日暦作成() {
  if (closedDays_.size() != static_cast<size_t>(kYears * kDays)) closedDays_.assign(kYears * kDays, 0);
  if (closedDays_[0] != 0) return closedDays_[0];

  for (int32_t year = kFirstYear; year <= kLastYear; ++year) {
    const int32_t yy = year % 100;
    closedDays_[0] = year;
    const int32_t length = QDate(year, 12, 31).dayOfYear();

    int32_t serialYear = year;
    // Weekday (1 = Sunday ... 7 = Saturday) of a day of this year, read through its short date.
    auto weekday = [&](int32_t dayOfYear) {
      const auto date = DateFromText(通算日付変換(dayOfYear, serialYear));
      return date ? calendar::WeekdaySundayFirst(*date) : 0;
    };
    auto dayOf = [&](int month, int day) { return QDate(year, month, day).dayOfYear(); };
    auto mark = [&](int32_t dayOfYear) { closedDays_[Cell(yy, dayOfYear)] = 1; };
    // A holiday; when it falls on a Sunday the following day is closed as well.
    auto markWithSubstitute = [&](int32_t dayOfYear) {
      mark(dayOfYear);
      if (weekday(dayOfYear) == 1) mark(dayOfYear + 1);
    };
    // The Monday `weeks` weeks after the first Monday of a month.
    auto markMonday = [&](int month, int32_t weeks) {
      int32_t d = dayOf(month, 1);
      while (weekday(d) != 2)
        ++d;
      mark(d + 7 * weeks);
    };

    for (int32_t d = 1; d <= length; ++d) {
      const int32_t w = weekday(d);
      if (w == 1 || w == 7) mark(d);
    }

    mark(dayOf(1, 2));
    mark(dayOf(1, 3));
    mark(dayOf(12, 31));
    mark(dayOf(1, 1));
    markMonday(1, 1);
    markWithSubstitute(dayOf(2, 11));
    markWithSubstitute(dayOf(3, SpringOnTwentieth(year) ? 20 : 21));
    markWithSubstitute(dayOf(4, 29));
    mark(dayOf(5, 3));
    mark(dayOf(5, 4));
    markWithSubstitute(dayOf(5, 5));
    markMonday(7, 2);
    markMonday(9, 2);
    markWithSubstitute(dayOf(9, AutumnOnTwentySecond(year) ? 22 : 23));
    markMonday(10, 1);
    markWithSubstitute(dayOf(11, 3));
    markWithSubstitute(dayOf(11, 23));
    markWithSubstitute(dayOf(12, 23));
  }
  return closedDays_[0];
}

bool CLB_C1::IsClosed(int32_t yy, int32_t dayOfYear) const {
  // Outside the table (or before it is sized) nothing is closed.
  if (yy < 0 || yy >= kYears || dayOfYear < 0 || dayOfYear >= kDays) return false;
  if (yy == 0 && dayOfYear == 0) return false;  // the built marker, never a real day
  const size_t cell = static_cast<size_t>(Cell(yy, dayOfYear));
  return cell < closedDays_.size() && closedDays_[cell] == 1;
}

}  // namespace rdx508
