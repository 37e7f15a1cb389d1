#include "calendar/date_text.h"

#include <QStringList>

#include "calendar/two_digit_year.h"

namespace rdx508 {

namespace {

// A part of a date text: one to four ASCII digits, nothing else.
std::optional<int> DatePart(const QString& part, qsizetype maxDigits) {
  if (part.isEmpty() || part.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (QChar c : part) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c.unicode() - u'0');
  }
  return value;
}

}  // namespace

std::optional<QDate> DateFromText(const QString& text) {
  const QStringList parts = text.trimmed().split(u'/');
  if (parts.size() != 3) return std::nullopt;
  const QString& yearText = parts[0];
  if (yearText.size() == 3) return std::nullopt;  // a year has one, two or four digits
  const auto year = DatePart(yearText, 4);
  const auto month = DatePart(parts[1], 2);
  const auto day = DatePart(parts[2], 2);
  if (!year || !month || !day) return std::nullopt;
  const int fullYear = yearText.size() <= 2 ? FullYearFromTwoDigits(*year) : *year;
  const QDate date(fullYear, *month, *day);
  if (!date.isValid()) return std::nullopt;
  return date;
}

bool IsEarlierDate(const QString& a, const QString& b) {
  return a < b;
}

}  // namespace rdx508
