#pragma once
// The derived columns, one table: for each, the grid's heading (which the chart's labels and
// read-out use too), the export's heading with its unit, the decimals the grid shows and the
// days its window spans.

#include <QString>
#include <array>
#include <cstdint>

namespace rdx508 {

enum class Derived { Change, Average5, Average25, Divergence, UpRatio, UpRatio5, AdRatio };

struct DerivedColumn {
  Derived which;
  const char16_t* grid;  // the grid's heading, exactly as the window shows it
  const char16_t* csv;   // the export's heading, with the unit where it has one
  int32_t decimals;      // in the grid and the chart's read-out (the export writes two)
  int32_t window;        // the days it takes: the day and those before it
  bool perIndex;         // computed for each index; the Nikkei's export heading starts with 日経
};

inline constexpr std::array<DerivedColumn, 7> kDerivedColumns = {{
    {Derived::Change, u"騰落幅", u"騰落幅", 2, 2, true},
    {Derived::Average5, u"５日平均", u"5日平均", 2, 5, true},
    {Derived::Average25, u"２５日平均", u"25日平均", 2, 25, true},
    {Derived::Divergence, u"乖　離", u"乖離率(‰)", 1, 25, true},
    {Derived::UpRatio, u"上昇率", u"上昇率(%)", 1, 1, false},
    {Derived::UpRatio5, u"５日平均", u"上昇率5日平均(%)", 1, 5, false},
    {Derived::AdRatio, u"騰落レシオ", u"騰落レシオ(%)", 1, 25, false},
}};

constexpr const DerivedColumn& DerivedColumnOf(Derived which) {
  return kDerivedColumns[static_cast<size_t>(which)];
}

inline QString GridHeading(Derived which) {
  return QString::fromUtf16(DerivedColumnOf(which).grid);
}

// The export's heading of the column for TOPIX or, when `nikkei`, the Nikkei average.
inline QString CsvHeading(Derived which, bool nikkei = false) {
  const QString heading = QString::fromUtf16(DerivedColumnOf(which).csv);
  return nikkei && DerivedColumnOf(which).perIndex ? QStringLiteral("日経") + heading : heading;
}

}  // namespace rdx508
