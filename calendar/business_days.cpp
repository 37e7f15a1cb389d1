// 営業日変換: counting market business days forward from a date.

#include "calendar/calendar_rules.h"
#include "calendar/normalised_day.h"
#include "toolkit/clb_c1.h"

namespace rdx508 {

QString CLB_C1::営業日変換(const QString& 日付, int32_t 日数) {
  休日暦作成();
  auto [year, day] = calendar::NormalisedYearDay(*this, 日付);
  auto isOpen = [this](int32_t y, int32_t d) { return !ClosedOn(y, d); };

  // At most the rest of this year and the whole of the next are walked, so the count stays
  // far inside its range and the walk ends quickly whatever 日数 is.
  int32_t found = 0;
  const int32_t last = calendar::YearLengthByFour(year);
  for (; day <= last; ++day) {
    if (isOpen(year, day)) ++found;
    if (found >= 日数) return 通算日付変換(day, year);
  }
  int32_t nextYear = year + 1;
  for (int32_t next = 1; next <= 365; ++next) {
    if (isOpen(nextYear, next)) ++found;
    if (found >= 日数) return 通算日付変換(next, nextYear);
  }
  return {};
}

}  // namespace rdx508
