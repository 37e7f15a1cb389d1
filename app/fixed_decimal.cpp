#include "app/fixed_decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace rdx508 {

namespace {

constexpr int kSignificantDigits = 15;

// Adds one to a string of decimal digits.
void Increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

QString FixedDecimalText(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 15);
  if (!std::isfinite(value)) value = 0;
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);

  // The magnitude as 15 significant digits d1 d2 ... d15 and the decimal exponent of d1.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, magnitude);
  std::string mantissa;
  const char* p = buffer;
  for (; *p != 'e'; ++p) {
    if (*p != '.') mantissa.push_back(*p);
  }
  const int exponent = std::atoi(p + 1);

  // Digits of round(magnitude * 10^decimals): the first `keep` digits of the mantissa,
  // rounded by the digit after them, then padded with zeros.
  const int keep = exponent + 1 + decimals;
  std::string scaled;
  if (keep >= kSignificantDigits) {
    scaled = mantissa + std::string(static_cast<size_t>(keep - kSignificantDigits), '0');
  } else if (keep >= 0) {
    scaled = mantissa.substr(0, static_cast<size_t>(keep));
    if (mantissa[static_cast<size_t>(keep)] >= '5') Increment(scaled);
  }
  scaled.erase(0, std::min(scaled.find_first_not_of('0'), scaled.size()));
  const bool zero = scaled.empty();
  if (scaled.size() < static_cast<size_t>(decimals) + 1)
    scaled.insert(0, static_cast<size_t>(decimals) + 1 - scaled.size(), '0');
  if (decimals > 0) scaled.insert(scaled.size() - static_cast<size_t>(decimals), 1, '.');
  if (negative && !zero) scaled.insert(0, 1, '-');
  return QString::fromLatin1(scaled.data(), static_cast<qsizetype>(scaled.size()));
}

}  // namespace rdx508
