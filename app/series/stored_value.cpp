#include "app/series/stored_value.h"

#include <QString>
#include <optional>

#include "toolkit/decimal_text.h"
#include "toolkit/numeric.h"

namespace rdx508 {

double StoredIndex(double value) {
  const std::optional<QString> text = RenderDecimal(value, 2, 1, false);
  if (!text) return value;
  return ParseNumber(*text).value_or(value);
}

}  // namespace rdx508
