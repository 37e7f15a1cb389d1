#pragma once
// Renders a number the way a person reads it: the double taken to 15 significant
// digits, rounded half away from zero to a count of decimals, optionally grouped.

#include <QString>
#include <optional>

namespace rdx508 {

// `minIntegerDigits` pads the integer part with leading zeros; `grouped` puts "," between
// groups of three integer digits. nullopt for infinity and NaN.
std::optional<QString> RenderDecimal(double value, int decimals, int minIntegerDigits, bool grouped);

}  // namespace rdx508
