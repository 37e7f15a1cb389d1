#pragma once
// Reading the calendar date a short or long date text denotes.

#include <QDate>
#include <QString>
#include <optional>

namespace rdx508 {

// The calendar date a date text denotes: "yy/mm/dd" or "yyyy/mm/dd" (parts may lack zero padding),
// two-digit years 00-29 → 2000-2029, 30-99 → 1930-1999. nullopt when the text is no real date.
std::optional<QDate> DateFromText(const QString& text);

// Whether date text `a` comes before date text `b` in the order days are kept: the order
// of their texts (an empty text before every date).
bool IsEarlierDate(const QString& a, const QString& b);

}  // namespace rdx508
