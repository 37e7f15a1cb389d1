#pragma once
// The four-digit year and day of year of a date text after the short-form normalising of
// 日付補正, as the business-day and day-count operations walk them.

#include <QString>
#include <cstdint>

namespace rdx508 {
class CLB_C1;
}

namespace rdx508::calendar {

struct YearDay {
  int32_t year;       // four digits
  int32_t dayOfYear;  // 1 = 1 January
};

// Normalises `text` with 日付補正 (short form) and reads its year and day of year.
YearDay NormalisedYearDay(CLB_C1& clb, const QString& text);

}  // namespace rdx508::calendar
