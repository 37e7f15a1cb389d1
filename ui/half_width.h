#pragma once
// Internal to ui/. What a number or date box shows of what was typed: full-width digits
// and signs in their half-width form, so that a value fits its box as it will be read.

#include <QString>

namespace rdx508 {

// `text` with the full-width digits and ＋ － ． ， ／ replaced by their ASCII forms;
// every other character as typed.
QString HalfWidthDigits(const QString& text);

}  // namespace rdx508
