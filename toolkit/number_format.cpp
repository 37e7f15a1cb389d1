// Number formatting: Fmat, Fmat_C and the band lookup Frenge.

#include <array>
#include <cmath>
#include <optional>

#include "toolkit/clb_c1.h"
#include "toolkit/clb_error.h"
#include "toolkit/clb_report.h"
#include "toolkit/decimal_text.h"
#include "toolkit/numeric.h"

namespace rdx508 {
namespace {

constexpr int32_t kWindowText = static_cast<int32_t>(0x80000008u);

struct Rendered {
  QString text;
  int32_t colour;
};

// The shared body of Fmat and Fmat_C: pattern by value range, colour, rendered text.
// A numeric text counts as its number. nullopt when the value cannot be rendered.
std::optional<Rendered> RenderForGrid(double value, int32_t keta, int32_t negativeColour) {
  const int decimals = (keta >= 0 && keta <= 8) ? keta : 9;
  bool grouped;
  int32_t colour = kWindowText;
  if (value > 999) {
    grouped = true;
  } else if (value > -1) {
    grouped = false;
  } else {
    colour = negativeColour;
    grouped = !(value > -1000);
  }
  const std::optional<QString> text = RenderDecimal(value, decimals, grouped ? 4 : 1, grouped);
  if (!text) return std::nullopt;
  return Rendered{*text, colour};
}

}  // namespace

QString CLB_C1::Fmat(const Value& Exp, int32_t& Ftype, int32_t Keta) {
  return RunReported(host_, kFmatReport, [&] {
    if (!Exp.isNumeric()) return QString();
    const std::optional<Rendered> rendered = RenderForGrid(Exp.toNumber(), Keta, 255);
    if (!rendered) ThrowOverflow();
    Ftype = rendered->colour;
    return rendered->text;
  });
}

QString CLB_C1::Fmat_C(const Value& Exp, int32_t& Ftype, int32_t& Keta) {
  const int32_t selector = Ftype;
  if (!Exp.isNumeric()) return QString();
  const double value = Exp.toNumber();
  const std::optional<Rendered> rendered = RenderForGrid(value, Keta, 192);
  if (!rendered) ThrowOverflow();
  Ftype = rendered->colour;

  // Class bounds of classes 0-5 per scale; class 6 is everything above.
  static constexpr std::array<std::array<double, 6>, 3> kBounds{{
      {40, 45, 50, 55, 60, 65},
      {20, 45, 50, 55, 60, 80},
      {80, 95, 100, 110, 120, 130},
  }};
  static constexpr std::array<int32_t, 7> kScale2Colours{0xFFFFFF, 0xC00000, 0x808000, 0x008000,
                                                         0x0080FF, 0xFF00FF, 0x000080};
  if (selector >= 1 && selector <= 3) {
    const auto& bounds = kBounds[static_cast<size_t>(selector - 1)];
    int32_t klass = 6;
    for (int32_t i = 0; i < 6; ++i) {
      if (value < bounds[static_cast<size_t>(i)]) {
        klass = i;
        break;
      }
    }
    Keta = klass;
    if (selector == 2) Ftype = kScale2Colours[static_cast<size_t>(klass)];
  }
  return rendered->text;
}

int32_t CLB_C1::Frenge(const Value& Exp, const Table2& Tbl, const Value& Pos) {
  if (!Exp.isNumeric()) return -1;
  const int32_t last = Tbl.upperBound(1);
  if (last < 0) return 0;
  if (!Pos.isNumeric() && !Pos.isEmpty()) ThrowTypeMismatch();
  const std::optional<int32_t> rowNumber = RoundToInt32(Pos.toNumber());
  if (!rowNumber || *rowNumber < 0 || *rowNumber > Tbl.upperBound(0)) ThrowSubscript();
  const int32_t row = *rowNumber;
  const double value = Exp.toNumber();
  for (int64_t i = 0; i <= last; ++i) {
    const Value& cell = Tbl(row, static_cast<int32_t>(i));
    if (!cell.isNumeric() && !cell.isEmpty()) ThrowTypeMismatch();
    if (cell.toNumber() >= value) return static_cast<int32_t>(i);
  }
  return last;
}

}  // namespace rdx508
