#include "calendar/normalised_day.h"

#include "calendar/date_text.h"
#include "toolkit/clb_c1.h"

namespace rdx508::calendar {

YearDay NormalisedYearDay(CLB_C1& clb, const QString& text) {
  // 日付補正 always yields a real date; today stands in should that ever fail.
  const QDate date = DateFromText(clb.日付補正(text, 0)).value_or(clb.host().now().date());
  return {date.year(), date.dayOfYear()};
}

}  // namespace rdx508::calendar
