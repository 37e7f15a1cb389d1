#include "app/files/day_file.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "app/files/table_entry.h"
#include "calendar/date_text.h"
#include "toolkit/decimal_text.h"
#include "toolkit/numeric.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

const QString kCrLf = u"\r\n"_s;

// An index value as the day file holds it: two decimals, no grouping; a value that is
// not finite (never read or typed, but never written as such either) as 0.
QString FileDecimal(double value) {
  return RenderDecimal(std::isfinite(value) ? value : 0.0, 2, 1, false).value_or(u"0.00"_s);
}

// Whether `order` lists each of 0 ... n-1 exactly once.
bool IsPermutation(const std::vector<int32_t>& order) {
  std::vector<bool> seen(order.size(), false);
  for (int32_t index : order) {
    if (index < 0 || static_cast<size_t>(index) >= order.size() || seen[static_cast<size_t>(index)])
      return false;
    seen[static_cast<size_t>(index)] = true;
  }
  return true;
}

// Row indices (0-based) of the day table's first `count` rows, newest date first; equal
// dates keep file order. Days are sorted by their dates' order keys, so that the load
// orders them like every other part of the program (two-digit years read in their window).
std::vector<int32_t> NewestFirst(CLB_C1& clb, const Table3& DayTbl, int32_t count) {
  std::vector<int32_t> order(static_cast<size_t>(count));
  if (count == 0) return order;

  // Real dates order by their order numbers exactly as by their keys ("yyyy/mm/dd"), so
  // a file of real dates is sorted on the numbers, without a key text for each day.
  std::vector<int32_t> numbers;
  numbers.reserve(static_cast<size_t>(count));
  for (int32_t r = 1; r <= count; ++r) {
    const std::optional<int32_t> number = DateOrderNumber(EntryOrEmpty(DayTbl, 1, r, 1).toText());
    if (!number) break;
    numbers.push_back(*number);
  }
  if (numbers.size() == order.size()) {
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&numbers](int32_t a, int32_t b) {
      return numbers[static_cast<size_t>(a)] > numbers[static_cast<size_t>(b)];
    });
    return order;
  }

  List keys({count - 1});
  for (int32_t r = 1; r <= count; ++r)
    keys(r - 1) = Value(DateOrderKey(EntryOrEmpty(DayTbl, 1, r, 1).toText()));
  List zeros({count - 1});
  for (int32_t i = 0; i < count; ++i)
    zeros(i) = Value(0);
  List result({count - 1});
  clb.TblSort(u"DsN"_s + QString::number(count), keys, zeros, result);
  for (int32_t c = 0; c < count; ++c) {
    const Value& entry = result(c);
    order[static_cast<size_t>(c)] = entry.isNumeric() ? static_cast<int32_t>(entry.toNumber()) : -1;
  }
  if (!IsPermutation(order)) {
    // The sort reported a failure and left the result incomplete: order the rows here,
    // by the same rule, rather than lose or repeat days.
    for (int32_t i = 0; i < count; ++i)
      order[static_cast<size_t>(i)] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int32_t a, int32_t b) { return keys(a).toText() > keys(b).toText(); });
  }
  return order;
}

}  // namespace

int32_t IssueCount(const Value& entry) {
  const std::optional<double> count = entry.numeric();
  return count ? RoundToInt32Clamped(*count) : 0;
}

void LoadDays(CLB_C1& clb, const Table3& DayTbl, DaySeries& series) {
  const int32_t count = std::min(SectionRowCount(DayTbl, 1), DaySeries::kMaxDays);
  series.DayCnt = count;
  series.Days.fill(DayRec{});

  const std::vector<int32_t> order = NewestFirst(clb, DayTbl, count);
  for (int32_t c = 0; c < count; ++c) {
    const int32_t row = order[static_cast<size_t>(c)] + 1;
    DayRec& day = series.Days[static_cast<size_t>(c) + 1];
    day.Date = EntryOrEmpty(DayTbl, 1, row, 1).toText();
    day.Topix = EntryOrEmpty(DayTbl, 2, row, 1).toNumber();
    day.Up = IssueCount(EntryOrEmpty(DayTbl, 3, row, 1));
    day.Down = IssueCount(EntryOrEmpty(DayTbl, 4, row, 1));
    day.Nikkei = EntryOrEmpty(DayTbl, 5, row, 1).toNumber();
  }
}

QString DayFileHead(const QDateTime& now) {
  return u"1,5,RDX508_F4 "_s + now.toString(u"yyyyMMddHHmm"_s) + kCrLf +
         u"/*（移動平均データ、日付、ＴＯＰＩＸ、上昇数、下落数、日経平均）"_s + kCrLf;
}

QString DayFileLine(qsizetype position, const DayRec& day) {
  return u"01,"_s + QString::number(position).rightJustified(3, u'0') + u',' + day.Date + u',' +
         FileDecimal(day.Topix) + u',' + QString::number(day.Up) + u',' + QString::number(day.Down) + u',' +
         FileDecimal(day.Nikkei) + kCrLf;
}

QString DayFileText(const DaySeries& series, const QDateTime& now) {
  QString text = DayFileHead(now);
  for (size_t p = 0; p < series.Days.size(); ++p) {
    const DayRec& day = series.Days[p];
    if (day.Date.isEmpty()) continue;
    text += DayFileLine(static_cast<qsizetype>(p), day);
  }
  return text;
}

}  // namespace rdx508
