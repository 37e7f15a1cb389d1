#pragma once
// An index value as the day file keeps it (two decimals), so that a typed or imported day
// reads the same before a save and after the next start.

namespace rdx508 {

// `value` rounded to the two decimals the day file writes (the file's own rounding); a value
// that cannot be written (not finite) is returned as it is.
double StoredIndex(double value);

}  // namespace rdx508
