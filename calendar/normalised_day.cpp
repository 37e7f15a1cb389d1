#include "calendar/normalised_day.h"

#include "calendar/date_text.h"
#include "toolkit/clb_c1.h"

namespace rdx508::calendar {

YearDay NormalisedYearDay(CLB_C1& clb, const QString& text) {
  // 日付補正 always yields a real date; today stands in should that ever fail. The two-digit
  // year is read around the year of the same clock that gave today.
  const QDate today = clb.host().now().date();
  const QDate date = DateFromText(clb.日付補正(text, 0), today.year()).value_or(today);
  return {date.year(), date.dayOfYear()};
}

}  // namespace rdx508::calendar
