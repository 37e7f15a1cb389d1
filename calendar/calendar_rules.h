#pragma once
// Internal to calendar/. Small rules shared by the date operations of CLB_C1: the divisible-by-4 leap rule of
// the serial dates, two-digit padding of date parts, and the safe reading of a date part
// as a whole number.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace rdx508::calendar {

// Leap year as the serial dates count it: every year divisible by 4, no century rule.
constexpr bool IsLeapByFour(int64_t year) {
  return year % 4 == 0;
}
constexpr int32_t YearLengthByFour(int64_t year) {
  return IsLeapByFour(year) ? 366 : 365;
}

// Cumulative day counts at the end of each month, with a leading 0.
const std::array<int32_t, 13>& MonthEnds(bool leap);

// A whole number as a date part: at least two digits, zero-padded ("00" pattern); a
// negative number keeps its sign in front ("-05").
QString PadTwo(int64_t value);

// A date part read with the program's numeric rule and rounded to a whole number (ties to
// even). nullopt when the text is not numeric or the value lies outside the 32-bit range.
std::optional<int32_t> WholePart(const QString& text);

}  // namespace rdx508::calendar
