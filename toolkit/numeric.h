#pragma once
// The one rule for "is this text a number" used everywhere in the program, and the
// plain decimal text of a number.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace rdx508 {

// Reads a text as a number: surrounding blanks (space, tab, ideographic space), an
// optional sign, digits with "," group separators between digits, and an optional "."
// decimal part. At least one digit is required. Returns nullopt for anything else,
// including numbers too large for a double.
std::optional<double> ParseNumber(QStringView text);

inline bool IsNumericText(QStringView text) {
  return ParseNumber(text).has_value();
}

// The value rounded to a whole number, halves to even, when that fits a 32-bit integer;
// nullopt otherwise (NaN included). For callers that refuse what does not fit.
std::optional<int32_t> RoundToInt32(double value);

// The same rounding held to the 32-bit range; NaN gives 0. For callers that clamp.
int32_t RoundToInt32Clamped(double value);

// The shortest decimal text that reads back as the same double: no grouping, "." as
// decimal point, no trailing zeros and never an exponent, so that ParseNumber reads it
// back (80, 2.5, 1634.5, -0.25, 1000000000000000, 0.0000001). Negative zero and NaN are
// written "0"; infinity has no such text and is written "0" too.
QString PlainNumberText(double value);

}  // namespace rdx508
