#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "toolkit/clb_error.h"
#include "toolkit_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

constexpr int32_t kWindowText = static_cast<int32_t>(0x80000008u);
constexpr int32_t kUntouched = 12345;

struct FormatCase {
  Value value;
  int32_t keta;
  QString text;
  int32_t colour;
};

class FmatTest : public ToolkitTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(FmatTest, RendersAndColours) {
  const FormatCase& c = GetParam();
  int32_t colour = kUntouched;
  EXPECT_EQ(clb.Fmat(c.value, colour, c.keta), c.text);
  EXPECT_EQ(colour, c.colour);
  EXPECT_TRUE(host.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FmatTest,
    ::testing::Values(
        FormatCase{1234.567, 2, u"1,234.57"_s, kWindowText}, FormatCase{999, 0, u"999"_s, kWindowText},
        FormatCase{999.6, 0, u"1,000"_s, kWindowText}, FormatCase{999.5, 1, u"0,999.5"_s, kWindowText},
        FormatCase{-0.25, 2, u"-0.25"_s, kWindowText}, FormatCase{-1, 2, u"-1.00"_s, 255},
        FormatCase{-1500.5, 1, u"-1,500.5"_s, 255}, FormatCase{-999.6, 0, u"-1000"_s, 255},
        FormatCase{-1000, 0, u"-1,000"_s, 255}, FormatCase{12, 12, u"12.000000000"_s, kWindowText},
        FormatCase{12, -1, u"12.000000000"_s, kWindowText}, FormatCase{0.5, 0, u"1"_s, kWindowText},
        FormatCase{-0.5, 0, u"-1"_s, kWindowText}, FormatCase{-0.001, 2, u"0.00"_s, kWindowText},
        FormatCase{1.005, 2, u"1.01"_s, kWindowText}, FormatCase{2.675, 2, u"2.68"_s, kWindowText},
        FormatCase{1234567.891, 1, u"1,234,567.9"_s, kWindowText},
        FormatCase{0.1 + 0.2, 8, u"0.30000000"_s, kWindowText},
        FormatCase{u"1,500"_s, 0, u"1,500"_s, kWindowText},  // a numeric text as its number
        FormatCase{u" -3.5 "_s, 1, u"-3.5"_s, 255}, FormatCase{u"abc"_s, 2, u""_s, kUntouched},
        FormatCase{Value(), 2, u""_s, kUntouched}));

TEST_F(ToolkitTest, FmatRendersHugeNumbersInFullAndReportsInfinity) {
  int32_t colour = 0;
  const QString huge = clb.Fmat(1e300, colour, 0);
  EXPECT_TRUE(huge.startsWith(u"1,000,000,000,000,000,"_s));
  EXPECT_EQ(huge.count(u','), 100);
  EXPECT_TRUE(host.errors.empty());

  colour = kUntouched;
  EXPECT_EQ(clb.Fmat(std::numeric_limits<double>::infinity(), colour, 2), u""_s);
  EXPECT_EQ(clb.Fmat(std::nan(""), colour, 2), u""_s);
  EXPECT_EQ(colour, kUntouched);
  ASSERT_EQ(host.errors.size(), 2u);
  EXPECT_EQ(host.errors[0].title, u"CLB_C1(関数 Fmat)"_s);
  EXPECT_TRUE(host.errors[0].text.startsWith(u"Error(6)"_s));
}

struct ClassCase {
  Value value;
  int32_t selector, keta;
  QString text;
  int32_t colour, ketaAfter;
};

class FmatCTest : public ToolkitTest, public ::testing::WithParamInterface<ClassCase> {};

TEST_P(FmatCTest, ClassifiesOnScale) {
  const ClassCase& c = GetParam();
  int32_t colour = c.selector, keta = c.keta;
  EXPECT_EQ(clb.Fmat_C(c.value, colour, keta), c.text);
  EXPECT_EQ(colour, c.colour);
  EXPECT_EQ(keta, c.ketaAfter);
}

INSTANTIATE_TEST_SUITE_P(Scales, FmatCTest,
                         ::testing::Values(ClassCase{50, 1, 2, u"50.00"_s, kWindowText, 3},
                                           ClassCase{85, 2, 0, u"85"_s, 0x000080, 6},
                                           ClassCase{19, 2, 0, u"19"_s, 0xFFFFFF, 0},
                                           ClassCase{-5, 3, 0, u"-5"_s, 192, 0},
                                           ClassCase{-5, 0, 1, u"-5.0"_s, 192, 1},  // no scale
                                           ClassCase{u"x"_s, 2, 4, u""_s, 2, 4}));

class BandTest : public ToolkitTest {
 protected:
  void SetUp() override {
    const double limits[] = {20, 45, 50, 55, 60, 80};
    tbl.redim({2, 5});
    for (int i = 0; i < 6; ++i)
      tbl(1, i) = QString::number(limits[i]);
  }
  Table2 tbl;
};

TEST_F(BandTest, FindsFirstThresholdReachingValue) {
  EXPECT_EQ(clb.Frenge(45, tbl, 1), 1);
  EXPECT_EQ(clb.Frenge(46, tbl, 1), 2);
  EXPECT_EQ(clb.Frenge(10, tbl, 1), 0);
  EXPECT_EQ(clb.Frenge(95, tbl, 1), 5);
  EXPECT_EQ(clb.Frenge(u"x"_s, tbl, 1), -1);
  EXPECT_EQ(clb.Frenge(u"55"_s, tbl, u"1"_s), 3);
  EXPECT_EQ(clb.Frenge(5, Table2({2, -1}), 0), 0);  // no columns
}

TEST_F(BandTest, BadRowOrCellIsPassedToCaller) {
  EXPECT_THROW(clb.Frenge(5, tbl, 3), ClbError);
  EXPECT_THROW(clb.Frenge(5, tbl, u"row"_s), ClbError);
  tbl(1, 0) = u"abc"_s;
  EXPECT_THROW(clb.Frenge(5, tbl, 1), ClbError);
  EXPECT_TRUE(host.errors.empty());
}

}  // namespace
}  // namespace rdx508::testing
