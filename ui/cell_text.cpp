// Writing numbers into cells and reading them back.

#include "ui/cell_text.h"

#include <cmath>

#include "app/series/derived_columns.h"
#include "toolkit/numeric.h"
#include "ui/colours.h"

namespace rdx508 {

QString CellText(CLB_C1& clb, const Value& value, int32_t decimals) {
  if (value.isNumber() && !std::isfinite(value.toNumber())) return {};
  int32_t color = 0;
  return clb.Fmat(value, color, decimals);
}

double ShownNumber(QStringView text) {
  return ParseNumber(text).value_or(0);
}

void WriteChange(CLB_C1& clb, Control& cell, double change) {
  cell.text = CellText(clb, change, DerivedColumnOf(Derived::Change).decimals);
  if (change >= 0) {
    cell.text.prepend(u'+');
    cell.foreColor = kDarkRed;
  } else {
    cell.foreColor = kDarkBlue;
  }
}

void WriteDivergence(CLB_C1& clb, Control& cell, double divergence) {
  if (!(std::fabs(divergence) < 999)) {
    cell.text.clear();
    return;
  }
  cell.text = CellText(clb, divergence, DerivedColumnOf(Derived::Divergence).decimals);
  cell.foreColor = divergence >= 0 ? kDarkRed : kDarkBlue;
}

}  // namespace rdx508
