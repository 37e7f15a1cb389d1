// TblSort: orders a list by a parallel list of keys.

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "toolkit/clb_c1.h"
#include "toolkit/clb_error.h"
#include "toolkit/clb_report.h"
#include "toolkit/numeric.h"

namespace rdx508 {
namespace {

// -1, 0 or 1. Two texts compare by UTF-16 code units, two numbers by value. Beside a
// number, empty counts as 0 and a numeric text as its number; any other text sorts
// after every number. Beside a text, empty counts as "".
int CompareKeys(const Value& a, const Value& b) {
  const bool aText = a.isText() || (a.isEmpty() && b.isText());
  const bool bText = b.isText() || (b.isEmpty() && a.isText());
  if (aText && bText) {
    const QString x = a.toText(), y = b.toText();
    const std::u16string_view u(reinterpret_cast<const char16_t*>(x.utf16()), static_cast<size_t>(x.size()));
    const std::u16string_view v(reinterpret_cast<const char16_t*>(y.utf16()), static_cast<size_t>(y.size()));
    const int c = u.compare(v);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
  }
  const bool aNumeric = a.isNumeric() || a.isEmpty();
  const bool bNumeric = b.isNumeric() || b.isEmpty();
  if (aNumeric && bNumeric) {
    const double x = a.toNumber(), y = b.toNumber();
    return x < y ? -1 : (x > y ? 1 : 0);
  }
  return aNumeric ? -1 : 1;  // only one side is a non-numeric text
}

// Each element's place, counted over every pair: an element goes after each earlier one
// whose key is not beyond its own and after each later one whose key comes first. This
// holds whatever the comparison does with keys of mixed kinds.
std::vector<int32_t> CountedPositions(const List& keys, int32_t n, bool descending) {
  std::vector<int32_t> ascendingAt(static_cast<size_t>(n) + 1, 0),
      descendingAt(static_cast<size_t>(n) + 1, 0);
  for (int32_t i = 0; i + 1 < n; ++i) {
    for (int32_t j = i + 1; j < n; ++j) {
      const int c = CompareKeys(keys(i), keys(j));
      ++ascendingAt[static_cast<size_t>(c > 0 ? i : j)];
      ++descendingAt[static_cast<size_t>(c < 0 ? i : j)];
    }
  }
  return descending ? descendingAt : ascendingAt;
}

// The same places from a stable sort, when every key is of one kind (texts and empties,
// or numbers and empties), where the comparison is a consistent order and the counting
// above equals the rank in a stable sort. False for keys of mixed kinds.
bool SortByKind(const List& keys, int32_t n, bool descending, std::vector<int32_t>& position) {
  bool texts = false, numbers = false;
  for (int32_t i = 0; i < n; ++i) {
    const Value& key = keys(i);
    if (key.isText()) texts = true;
    if (key.isNumber()) {
      if (std::isnan(key.toNumber())) return false;  // NaN equals everything: no order
      numbers = true;
    }
  }
  if (texts && numbers) return false;

  std::vector<int32_t> order(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i)
    order[static_cast<size_t>(i)] = i;
  if (texts) {
    // Empty stands for "" beside a text.
    std::vector<QString> text(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i)
      text[static_cast<size_t>(i)] = keys(i).toText();
    auto view = [&text](int32_t i) {
      const QString& t = text[static_cast<size_t>(i)];
      return std::u16string_view(reinterpret_cast<const char16_t*>(t.utf16()), static_cast<size_t>(t.size()));
    };
    if (descending) {
      std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return view(a) > view(b); });
    } else {
      std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return view(a) < view(b); });
    }
  } else {
    // Empty stands for 0 beside a number.
    std::vector<double> number(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i)
      number[static_cast<size_t>(i)] = keys(i).toNumber();
    auto at = [&number](int32_t i) { return number[static_cast<size_t>(i)]; };
    if (descending) {
      std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return at(a) > at(b); });
    } else {
      std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return at(a) < at(b); });
    }
  }
  position.assign(static_cast<size_t>(n) + 1, 0);
  for (int32_t rank = 0; rank < n; ++rank)
    position[static_cast<size_t>(order[static_cast<size_t>(rank)])] = rank;
  return true;
}

}  // namespace

int32_t CLB_C1::TblSort(const QString& FuncExp, const List& SortKey, const List& SortData, List& RetData) {
  int32_t n = 0;  // the result after a failure: the count read by then
  return RunReported(host_, kTblSortLabel, n, [&] {
    if (FuncExp.size() < 4) return 0;
    const std::optional<double> count = ParseNumber(QStringView(FuncExp).mid(3));
    if (!count) return 0;
    const std::optional<int32_t> rounded = RoundToInt32(*count);
    if (!rounded) ThrowOverflow();
    n = *rounded;
    if (n == 1) {
      RetData(0) = SortData(0);
      return 0;
    }
    if (n < 1) return 0;

    const bool descending = FuncExp.startsWith(u"Ds");
    const bool indices = FuncExp[2] == u'N';
    // Every list must reach position n - 1 before anything is written.
    if (SortKey.upperBound(0) < n - 1 || RetData.upperBound(0) < n - 1 ||
        (!indices && SortData.upperBound(0) < n - 1)) {
      ThrowSubscript();
    }

    std::vector<int32_t> position;
    if (!SortByKind(SortKey, n, descending, position)) position = CountedPositions(SortKey, n, descending);
    for (int32_t k = 0; k < n; ++k) {
      RetData(position[static_cast<size_t>(k)]) = indices ? Value(k) : SortData(k);
    }
    return n;
  });
}

}  // namespace rdx508
