#pragma once
// Fixed-point number text for the data files: no grouping, a fixed number of decimals.

#include <QString>

namespace rdx508 {

// The value with exactly `decimals` decimals (0 to 15), rounded half away from zero on
// the value's 15-significant-digit decimal form, so 1.005 gives "1.01" and 1234.5 gives
// "1234.50". No group separators; a negative value keeps its minus unless it rounds to
// zero. A value that is not finite is written as 0.
QString FixedDecimalText(double value, int decimals);

}  // namespace rdx508
