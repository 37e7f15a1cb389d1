// 日付間隔, 利息計算 and 信用元利合計: inclusive day counts and simple interest on them.

#include <cmath>

#include "calendar/calendar_rules.h"
#include "calendar/normalised_day.h"
#include "toolkit/clb_c1.h"
#include "toolkit/clb_error.h"

namespace rdx508 {

namespace {

int32_t CheckedAdd(int32_t a, int64_t b) {
  const int64_t sum = static_cast<int64_t>(a) + b;
  if (sum < INT32_MIN || sum > INT32_MAX) ThrowOverflow();
  return static_cast<int32_t>(sum);
}

// Days from (startYear, startDay) to (endYear, endDay), both ends included, for
// startYear < endYear.
int32_t InclusiveAcrossYears(int32_t startYear, int32_t startDay, int32_t endYear, int32_t endDay) {
  int32_t total = CheckedAdd(0, calendar::YearLengthByFour(startYear) - startDay + 1);
  for (int64_t year = int64_t{startYear} + 1; year < endYear; ++year) {
    total = CheckedAdd(total, calendar::YearLengthByFour(year));
  }
  return CheckedAdd(total, endDay);
}

// A money result that left the range of doubles is an overflow, never a number.
double Finite(double value) {
  if (!std::isfinite(value)) ThrowOverflow();
  return value;
}

}  // namespace

int32_t CLB_C1::日付間隔(const QString& 開始日, const QString& 終了日) {
  const auto start = calendar::NormalisedYearDay(*this, 開始日);
  const auto end = calendar::NormalisedYearDay(*this, 終了日);
  if (start.year == end.year) {
    // An end before the start within one year counts negatively with both ends, as across years.
    return end.dayOfYear >= start.dayOfYear ? end.dayOfYear - start.dayOfYear + 1
                                            : end.dayOfYear - start.dayOfYear - 1;
  }
  if (start.year < end.year)
    return InclusiveAcrossYears(start.year, start.dayOfYear, end.year, end.dayOfYear);
  return -InclusiveAcrossYears(end.year, end.dayOfYear, start.year, start.dayOfYear);
}

double CLB_C1::利息計算(int32_t 元金, const QString& 日付, double 利率, const QString& 返済日付) {
  const QString start = 日付補正(日付, 0);
  const QString repayment = 日付補正(返済日付, 0);
  const int32_t days = 日付間隔(start, repayment);
  return Finite(利率 / 365 * 元金 * days);
}

double CLB_C1::信用元利合計(int32_t 元金, const QString& 日付, double 利率, const QString& 返済日付) {
  // Both trade dates move to their settlement day, the fourth business day from the trade.
  const QString start = 営業日変換(日付補正(日付, 0), 4);
  const QString end = 営業日変換(日付補正(返済日付, 0), 4);
  const int32_t days = 日付間隔(start, end);
  return Finite((利率 / 365 * days + 1) * 元金);
}

}  // namespace rdx508
