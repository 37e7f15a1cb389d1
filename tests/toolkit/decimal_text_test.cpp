// The plain decimal renderer as the data files use it (no grouping), where the grid's
// formatting tests do not reach: very large values, negative zero, other decimal counts.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "toolkit/decimal_text.h"

namespace rdx508 {
namespace {

struct PlainCase {
  double value;
  int decimals;
  const char* text;
};

class PlainDecimal : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainDecimal, WritesFixedPointWithoutGrouping) {
  const PlainCase& c = GetParam();
  EXPECT_EQ(RenderDecimal(c.value, c.decimals, 1, false), QString::fromLatin1(c.text)) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainDecimal,
    ::testing::Values(PlainCase{1234.5, 2, "1234.50"}, PlainCase{-1234.5, 2, "-1234.50"},
                      PlainCase{-0.0, 2, "0.00"}, PlainCase{-0.004, 2, "0.00"}, PlainCase{0.005, 2, "0.01"},
                      PlainCase{12345678.125, 2, "12345678.13"}, PlainCase{999.995, 2, "1000.00"},
                      PlainCase{1e20, 2, "100000000000000000000.00"}, PlainCase{2.5, 0, "3"},
                      PlainCase{-2.5, 0, "-3"}, PlainCase{1.0625, 3, "1.063"}));

TEST(PlainDecimal, NonFiniteValuesHaveNoText) {
  EXPECT_FALSE(RenderDecimal(std::numeric_limits<double>::quiet_NaN(), 2, 1, false));
  EXPECT_FALSE(RenderDecimal(-std::numeric_limits<double>::infinity(), 2, 1, false));
}

}  // namespace
}  // namespace rdx508
