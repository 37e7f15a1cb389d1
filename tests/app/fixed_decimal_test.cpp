#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/fixed_decimal.h"

namespace rdx508 {
namespace {

struct FixedCase {
  double value;
  int decimals;
  const char* text;
};

class FixedDecimal : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedDecimal, WritesPlainFixedPoint) {
  const FixedCase& c = GetParam();
  EXPECT_EQ(FixedDecimalText(c.value, c.decimals), QString::fromLatin1(c.text)) << c.value;
}

INSTANTIATE_TEST_SUITE_P(TwoDecimals, FixedDecimal,
                         ::testing::Values(FixedCase{1234.5, 2, "1234.50"}, FixedCase{-1234.5, 2, "-1234.50"},
                                           FixedCase{0, 2, "0.00"}, FixedCase{-0.0, 2, "0.00"},
                                           FixedCase{38602.37, 2, "38602.37"},
                                           // Halves of the 15-digit decimal value round away from zero, even
                                           // where the binary double lies just below the half.
                                           FixedCase{1.005, 2, "1.01"}, FixedCase{2.675, 2, "2.68"},
                                           FixedCase{-2.675, 2, "-2.68"}, FixedCase{0.005, 2, "0.01"},
                                           FixedCase{12345678.125, 2, "12345678.13"},
                                           FixedCase{0.1 + 0.2, 2, "0.30"}, FixedCase{999.995, 2, "1000.00"},
                                           FixedCase{-0.004, 2, "0.00"}, FixedCase{1e-9, 2, "0.00"},
                                           FixedCase{1e20, 2, "100000000000000000000.00"},
                                           FixedCase{1234567.891, 2, "1234567.89"}));

INSTANTIATE_TEST_SUITE_P(OtherDecimals, FixedDecimal,
                         ::testing::Values(FixedCase{2.5, 0, "3"}, FixedCase{-2.5, 0, "-3"},
                                           FixedCase{1634, 0, "1634"}, FixedCase{0.4, 0, "0"},
                                           FixedCase{1.0625, 3, "1.063"}));

TEST(FixedDecimalText, NonFiniteValuesAreWrittenAsZero) {
  EXPECT_EQ(FixedDecimalText(std::numeric_limits<double>::quiet_NaN(), 2), u"0.00");
  EXPECT_EQ(FixedDecimalText(std::numeric_limits<double>::infinity(), 2), u"0.00");
  EXPECT_EQ(FixedDecimalText(-std::numeric_limits<double>::infinity(), 2), u"0.00");
}

}  // namespace
}  // namespace rdx508
