// 通算日付変換: a day number within a year as a short date text "yy/mm/dd".

#include "calendar/calendar_rules.h"
#include "toolkit/clb_c1.h"

namespace rdx508 {

QString CLB_C1::通算日付変換(int32_t 通算日数, int32_t& 年) {
  if (年 == 0) 年 = host().now().date().year();
  const auto& ends = calendar::MonthEnds(calendar::IsLeapByFour(年));
  // Day numbers below 1 and beyond the year's end have no month: both read as month and day 0.
  int32_t month = 0;
  int32_t day = 0;
  if (通算日数 >= 1) {
    for (int32_t m = 1; m < static_cast<int32_t>(ends.size()); ++m) {
      if (ends[m] >= 通算日数) {
        month = m;
        day = 通算日数 - ends[m - 1];
        break;
      }
    }
  }
  return calendar::PadTwo(年 % 100) + u'/' + calendar::PadTwo(month) + u'/' + calendar::PadTwo(day);
}

QString CLB_C1::通算日付変換(int32_t 通算日数) {
  int32_t 年 = 0;
  return 通算日付変換(通算日数, 年);
}

}  // namespace rdx508
