#pragma once
// The one rule that turns a two-digit year of a short date text into a real year:
// 00-29 are 2000-2029, 30-99 are 1930-1999.

#include <cstdint>

namespace rdx508 {

// Full year for a two-digit year 0-99; other values are returned unchanged (already full).
constexpr int32_t FullYearFromTwoDigits(int32_t yy) {
  if (yy < 0 || yy > 99) return yy;
  return yy < 30 ? 2000 + yy : 1900 + yy;
}

}  // namespace rdx508
