#pragma once
// Reading the calendar date a short or long date text denotes.

#include <QDate>
#include <QString>
#include <optional>

namespace rdx508 {

// The calendar date a date text denotes: "yy/mm/dd" or "yyyy/mm/dd" (parts may lack zero padding),
// two-digit years 00-29 → 2000-2029, 30-99 → 1930-1999. nullopt when the text is no real date.
std::optional<QDate> DateFromText(const QString& text);

}  // namespace rdx508
