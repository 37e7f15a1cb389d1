#include "toolkit/numeric.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace rdx508 {
namespace {

bool IsBlank(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\u3000';
}
bool IsDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

}  // namespace

std::optional<double> ParseNumber(QStringView text) {
  qsizetype begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin]))
    ++begin;
  while (end > begin && IsBlank(text[end - 1]))
    --end;
  if (begin == end) return std::nullopt;

  // Copy the accepted characters, without group separators, into a plain buffer (on the
  // stack for any text but a very long one: the load reads some 5,000 numbers).
  QVarLengthArray<char, 64> digits;
  digits.reserve(end - begin);
  qsizetype i = begin;
  if (text[i] == u'+' || text[i] == u'-') {
    if (text[i] == u'-') digits.append('-');
    ++i;
  }
  int digitCount = 0;
  while (i < end && (IsDigit(text[i]) || text[i] == u',')) {
    if (text[i] == u',') {
      // A separator stands between two digits of the integer part.
      if (i == begin || !IsDigit(text[i - 1]) || i + 1 >= end || !IsDigit(text[i + 1])) return std::nullopt;
    } else {
      digits.append(static_cast<char>(text[i].unicode()));
      ++digitCount;
    }
    ++i;
  }
  if (i < end && text[i] == u'.') {
    digits.append('.');
    ++i;
    while (i < end && IsDigit(text[i])) {
      digits.append(static_cast<char>(text[i].unicode()));
      ++digitCount;
      ++i;
    }
  }
  if (i != end || digitCount == 0) return std::nullopt;

  double value = 0;
  const char* first = digits.data();
  const char* last = digits.data() + digits.size();
  auto [ptr, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || ptr != last || !std::isfinite(value)) return std::nullopt;
  return value == 0 ? 0.0 : value;  // no negative zero
}

std::optional<int32_t> RoundToInt32(double value) {
  const double rounded = std::nearbyint(value);  // the default rounding mode: halves to even
  if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max()))
    return std::nullopt;
  return static_cast<int32_t>(rounded);
}

int32_t RoundToInt32Clamped(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::clamp(std::nearbyint(value), double(std::numeric_limits<int32_t>::min()),
                                    double(std::numeric_limits<int32_t>::max()));
  return static_cast<int32_t>(rounded);
}

QString PlainNumberText(double value) {
  if (value == 0 || !std::isfinite(value)) return QStringLiteral("0");
  // The longest fixed form of a double: a sign, 309 integer digits, or "0." and 1074
  // fraction digits.
  char buffer[1100];
  auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (ec != std::errc()) return QStringLiteral("0");
  return QString::fromLatin1(buffer, ptr - buffer);
}

}  // namespace rdx508
