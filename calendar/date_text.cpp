#include "calendar/date_text.h"

#include <QStringView>

#include "calendar/two_digit_year.h"

namespace rdx508 {

namespace {

struct DateParts {
  int year, month, day;
  qsizetype yearDigits;
};

// A part of a date text: one to `maxDigits` ASCII digits, nothing else.
std::optional<int> DatePart(QStringView part, qsizetype maxDigits) {
  if (part.isEmpty() || part.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (QChar c : part) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c.unicode() - u'0');
  }
  return value;
}

// The three numbers of "y/m/d" (surrounding white space allowed); the year has one, two
// or four digits, month and day one or two.
std::optional<DateParts> SplitDate(QStringView text) {
  text = text.trimmed();
  const qsizetype first = text.indexOf(u'/');
  if (first < 0) return std::nullopt;
  const qsizetype second = text.indexOf(u'/', first + 1);
  if (second < 0 || text.indexOf(u'/', second + 1) >= 0) return std::nullopt;
  const QStringView yearText = text.first(first);
  if (yearText.size() == 3) return std::nullopt;
  const auto year = DatePart(yearText, 4);
  const auto month = DatePart(text.sliced(first + 1, second - first - 1), 2);
  const auto day = DatePart(text.sliced(second + 1), 2);
  if (!year || !month || !day) return std::nullopt;
  return DateParts{*year, *month, *day, yearText.size()};
}

// The date as one number that orders like its "yyyy/mm/dd" key; nullopt for no real date.
std::optional<int32_t> OrderNumber(const QString& text) {
  const std::optional<QDate> date = DateFromText(text);
  if (!date) return std::nullopt;
  return date->year() * 10000 + date->month() * 100 + date->day();
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

QString DateOrderKey(const QString& text) {
  const std::optional<QDate> date = DateFromText(text);
  if (!date) return text;
  return QString::number(date->year()).rightJustified(4, u'0') + u'/' +
         QString::number(date->month()).rightJustified(2, u'0') + u'/' +
         QString::number(date->day()).rightJustified(2, u'0');
}

bool IsEarlierDate(const QString& a, const QString& b) {
  // Two real dates compare as numbers, which order exactly like their keys; only a text
  // that is no date needs the keys themselves.
  const std::optional<int32_t> x = OrderNumber(a), y = OrderNumber(b);
  if (x && y) return *x < *y;
  return DateOrderKey(a) < DateOrderKey(b);
}

}  // namespace rdx508
