#pragma once
// When a day's value looks like a typo worth a second look: the one rule the add panel's
// amber marks and the import preview's marks share.

#include <cmath>

namespace rdx508 {

inline constexpr double kIndexJump = 0.10;  // an index this far from the day before is worth a look
inline constexpr double kTotalJump = 0.20;  // so is a total of issues this far from that day's

// Whether `value` lies more than `share` of `reference` away from it; never for a
// reference of 0 (nothing to compare with).
inline bool Beyond(double value, double reference, double share) {
  return reference != 0 && std::fabs(value - reference) > share * std::fabs(reference);
}

}  // namespace rdx508
