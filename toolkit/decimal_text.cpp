#include "toolkit/decimal_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace rdx508 {

std::optional<QString> RenderDecimal(double value, int decimals, int minIntegerDigits, bool grouped) {
  if (!std::isfinite(value)) return std::nullopt;
  // d.dddddddddddddde±x: the 15 significant digits a person would read.
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
  if (ec != std::errc()) return std::nullopt;
  const std::string scientific(buffer, end);
  const size_t e = scientific.find('e');
  std::string mantissa = scientific.substr(0, e);
  mantissa.erase(1, 1);                                           // drop the point: 15 digits
  const int pointAt = std::atoi(scientific.c_str() + e + 1) + 1;  // digits before the point

  std::string integer, fraction;
  const int length = static_cast<int>(mantissa.size());
  if (pointAt <= 0) {
    integer = "0";
    fraction = std::string(static_cast<size_t>(-pointAt), '0') + mantissa;
  } else if (pointAt >= length) {
    integer = mantissa + std::string(static_cast<size_t>(pointAt - length), '0');
  } else {
    integer = mantissa.substr(0, static_cast<size_t>(pointAt));
    fraction = mantissa.substr(static_cast<size_t>(pointAt));
  }
  if (fraction.size() < static_cast<size_t>(decimals) + 1)
    fraction.resize(static_cast<size_t>(decimals) + 1, '0');
  const bool roundUp = fraction[static_cast<size_t>(decimals)] >= '5';
  std::string digits = integer + fraction.substr(0, static_cast<size_t>(decimals));
  if (roundUp) {
    size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9')
      digits[--i] = '0';
    if (i == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[i - 1];
    }
  }
  std::string intPart = digits.substr(0, digits.size() - static_cast<size_t>(decimals));
  const std::string fracPart = digits.substr(digits.size() - static_cast<size_t>(decimals));
  const size_t firstNonZero = intPart.find_first_not_of('0');
  intPart = firstNonZero == std::string::npos ? std::string() : intPart.substr(firstNonZero);
  const bool isZero = intPart.empty() && fracPart.find_first_not_of('0') == std::string::npos;
  if (intPart.size() < static_cast<size_t>(minIntegerDigits))
    intPart.insert(0, static_cast<size_t>(minIntegerDigits) - intPart.size(), '0');

  std::string out;
  if (value < 0 && !isZero) out.push_back('-');
  for (size_t i = 0; i < intPart.size(); ++i) {
    if (grouped && i > 0 && (intPart.size() - i) % 3 == 0) out.push_back(',');
    out.push_back(intPart[i]);
  }
  if (decimals > 0) out += "." + fracPart;
  return QString::fromLatin1(out);
}

}  // namespace rdx508
