#include "calendar/calendar_rules.h"

#include <cmath>
#include <limits>

#include "toolkit/numeric.h"

namespace rdx508::calendar {

const std::array<int32_t, 13>& MonthEnds(bool leap) {
  static constexpr std::array<int32_t, 13> kCommon{0,   31,  59,  90,  120, 151, 181,
                                                   212, 243, 273, 304, 334, 365};
  static constexpr std::array<int32_t, 13> kLeap{0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366};
  return leap ? kLeap : kCommon;
}

QString PadTwo(int64_t value) {
  if (value < 0) return u'-' + QString::number(-value).rightJustified(2, u'0');
  return QString::number(value).rightJustified(2, u'0');
}

std::optional<int32_t> WholePart(const QString& text) {
  const std::optional<double> number = ParseNumber(text);
  if (!number) return std::nullopt;
  return RoundToInt32(*number);
}

}  // namespace rdx508::calendar
