#include "calendar/date_text.h"

#include <QStringView>
#include <array>

#include "calendar/two_digit_year.h"

namespace rdx508 {

namespace {

struct DateParts {
  int year, month, day;
  qsizetype yearDigits;
};

// The three numbers of "y/m/d" (surrounding white space allowed), read in one pass: the
// year has one, two or four ASCII digits, month and day one or two, nothing else.
std::optional<DateParts> SplitDate(QStringView text) {
  qsizetype begin = 0, end = text.size();
  while (begin < end && text[begin].isSpace())
    ++begin;
  while (end > begin && text[end - 1].isSpace())
    --end;
  std::array<int, 3> value{};
  std::array<qsizetype, 3> digits{};
  size_t part = 0;
  for (qsizetype i = begin; i < end; ++i) {
    const char16_t c = text[i].unicode();
    if (c == u'/') {
      if (++part > 2) return std::nullopt;
    } else if (c >= u'0' && c <= u'9' && digits[part] < 4) {
      value[part] = value[part] * 10 + (c - u'0');
      ++digits[part];
    } else {
      return std::nullopt;
    }
  }
  if (part != 2 || digits[0] == 0 || digits[0] == 3 || digits[1] == 0 || digits[1] > 2 || digits[2] == 0 ||
      digits[2] > 2)
    return std::nullopt;
  return DateParts{value[0], value[1], value[2], digits[0]};
}

// Whether year, month and day name a real day of the (proleptic Gregorian) calendar, as
// QDate sees it for the years a date text can hold; checked without building a QDate, for
// the comparisons of whole series.
bool IsRealDay(int year, int month, int day) {
  static constexpr int kMonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > kMonthDays[month - 1]) return false;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month != 2 || day <= 28 || leap;
}

}  // namespace

std::optional<QDate> DateFromText(const QString& text, int32_t currentYear) {
  const std::optional<DateParts> parts = SplitDate(text);
  if (!parts) return std::nullopt;
  const int fullYear = parts->yearDigits <= 2 ? FullYearFromTwoDigits(parts->year, currentYear) : parts->year;
  const QDate date(fullYear, parts->month, parts->day);
  if (!date.isValid()) return std::nullopt;
  return date;
}

std::optional<QDate> DateFromText(const QString& text) {
  return DateFromText(text, ReferenceYear());
}

std::optional<int32_t> DateOrderNumber(const QString& text) {
  const std::optional<DateParts> parts = SplitDate(text);
  if (!parts) return std::nullopt;
  const int year = parts->yearDigits <= 2 ? FullYearFromTwoDigits(parts->year) : parts->year;
  if (!IsRealDay(year, parts->month, parts->day)) return std::nullopt;
  return year * 10000 + parts->month * 100 + parts->day;
}

QString DateOrderKey(const QString& text) {
  const std::optional<int32_t> number = DateOrderNumber(text);
  if (!number) return text;
  // "yyyy/mm/dd" written straight from the number's digits (the load keys every day).
  QString key(10, u'/');
  int32_t rest = *number;
  for (qsizetype i : {9, 8, 6, 5, 3, 2, 1, 0}) {
    key[i] = QChar(u'0' + rest % 10);
    rest /= 10;
  }
  return key;
}

bool IsEarlierDate(const QString& a, const QString& b) {
  // Two real dates compare as numbers, which order exactly like their keys; only a text
  // that is no date needs the keys themselves.
  const std::optional<int32_t> x = DateOrderNumber(a), y = DateOrderNumber(b);
  if (x && y) return *x < *y;
  return DateOrderKey(a) < DateOrderKey(b);
}

}  // namespace rdx508
