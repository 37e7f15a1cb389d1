#pragma once
// The one rule that turns a two-digit year of a short date text into a real year: the
// year in the hundred-year window from 79 years before the current year to 20 years
// after it (in 2026: 1947-2046).

#include <cstdint>

namespace rdx508 {

// Full year for a two-digit year 0-99 read in the window around `currentYear`; other
// values are returned unchanged (already full).
constexpr int32_t FullYearFromTwoDigits(int32_t yy, int32_t currentYear) {
  if (yy < 0 || yy > 99) return yy;
  const int64_t first = int64_t{currentYear} - 79;
  const int64_t century = first - ((first % 100) + 100) % 100;  // rounded down, negatives too
  const int64_t year = century + yy;
  return static_cast<int32_t>(year < first ? year + 100 : year);
}

// The current year that code without a clock at hand reads two-digit years around. The
// program sets it from its Host clock at start-up; until then it is the system clock's.
int32_t ReferenceYear();
void SetReferenceYear(int32_t year);

// Full year for a two-digit year read around the reference year.
inline int32_t FullYearFromTwoDigits(int32_t yy) {
  return FullYearFromTwoDigits(yy, ReferenceYear());
}

}  // namespace rdx508
