#pragma once
// Reading the calendar date a short or long date text denotes, and the order of day dates.

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

namespace rdx508 {

// The calendar date a date text denotes: "yy/mm/dd" or "yyyy/mm/dd" (parts may lack zero
// padding). A two-digit year is read in the window around `currentYear`
// (FullYearFromTwoDigits). nullopt when the text is no real date.
std::optional<QDate> DateFromText(const QString& text, int32_t currentYear);

// The same around the reference year (ReferenceYear()).
std::optional<QDate> DateFromText(const QString& text);

// What day dates are ordered by: the four-digit form "yyyy/mm/dd" of a text that is a real
// date (read around the reference year), the text itself otherwise.
QString DateOrderKey(const QString& text);

// A real date's place in that order as one number (year * 10000 + month * 100 + day),
// for sorting many dates without reading each text again; nullopt for a text that is no
// date, which only DateOrderKey places.
std::optional<int32_t> DateOrderNumber(const QString& text);

// Whether date text `a` comes before date text `b` in the order days are kept: the order
// of their DateOrderKey texts, so that 30/01/04 follows 29/12/28 (an empty text comes
// before every date).
bool IsEarlierDate(const QString& a, const QString& b);

}  // namespace rdx508
