#include "calendar/date_text.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calendar/two_digit_year.h"
#include "support/reference_year.h"

namespace rdx508::testing {

using namespace Qt::Literals::StringLiterals;
namespace {

struct WindowCase {
  int32_t yy, currentYear, expected;
};

class TwoDigitYearTest : public ::testing::TestWithParam<WindowCase> {};

TEST_P(TwoDigitYearTest, ReadsTheYearInTheWindowAroundTheCurrentYear) {
  const auto& c = GetParam();
  EXPECT_EQ(FullYearFromTwoDigits(c.yy, c.currentYear), c.expected) << c.yy << " in " << c.currentYear;
}

// The window runs from 79 years before the current year to 20 years after it.
INSTANTIATE_TEST_SUITE_P(Windows, TwoDigitYearTest,
                         ::testing::Values(WindowCase{46, 2026, 2046}, WindowCase{47, 2026, 1947},
                                           WindowCase{30, 2026, 2030}, WindowCase{0, 2026, 2000},
                                           WindowCase{99, 2026, 1999}, WindowCase{27, 2007, 2027},
                                           WindowCase{28, 2007, 1928}, WindowCase{0, 2079, 2000},
                                           WindowCase{0, 2080, 2100}, WindowCase{79, 2000, 1979},
                                           WindowCase{20, 2000, 2020}, WindowCase{21, 2000, 1921},
                                           WindowCase{2007, 2026, 2007}, WindowCase{-1, 2026, -1},
                                           WindowCase{5, 1, 5}, WindowCase{99, -1000, -1001}));

struct DateCase {
  const char16_t* text;
  QDate expected;  // invalid QDate = no real date
};

class DateFromTextTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateFromTextTest, ReadsTheDateIn2026) {
  const auto& c = GetParam();
  const auto date = DateFromText(QString::fromUtf16(c.text), 2026);
  if (c.expected.isValid()) {
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(*date, c.expected);
  } else {
    EXPECT_FALSE(date.has_value());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DateFromTextTest,
    ::testing::Values(DateCase{u"07/03/15", QDate(2007, 3, 15)}, DateCase{u"2007/03/15", QDate(2007, 3, 15)},
                      DateCase{u"7/3/5", QDate(2007, 3, 5)}, DateCase{u" 7/3/5 ", QDate(2007, 3, 5)},
                      DateCase{u"30/01/04", QDate(2030, 1, 4)}, DateCase{u"46/12/31", QDate(2046, 12, 31)},
                      DateCase{u"47/01/01", QDate(1947, 1, 1)}, DateCase{u"99/12/31", QDate(1999, 12, 31)},
                      DateCase{u"00/02/29", QDate(2000, 2, 29)}, DateCase{u"07/02/29", QDate()},
                      DateCase{u"08/02/29", QDate(2008, 2, 29)}, DateCase{u"07/13/01", QDate()},
                      DateCase{u"07/00/01", QDate()}, DateCase{u"07/03", QDate()}, DateCase{u"", QDate()},
                      DateCase{u"//", QDate()}, DateCase{u"07/03/15/1", QDate()},
                      DateCase{u"007/03/15", QDate()}, DateCase{u"07/-3/15", QDate()},
                      DateCase{u"07/ 3/15", QDate()}, DateCase{u"０７/03/15", QDate()},
                      DateCase{u"07/03/1x", QDate()}, DateCase{u"0000/01/01", QDate()}));

// Days are kept in the order of the dates they name, two-digit years read around the
// reference year; a text that is no date orders by itself, and an empty text comes first.
TEST(DateOrder, FollowsTheWindowAndTheRealDate) {
  ReferenceYearScope year2026(2026);
  const QStringList ascending{u""_s,         u"47/01/01"_s, u"99/12/31"_s, u"2007/3/5"_s,
                              u"07/03/06"_s, u"29/12/28"_s, u"30/01/04"_s, u"2030/1/7"_s,
                              u"46/12/31"_s, u"99/02/30"_s, u"abc"_s};
  for (qsizetype i = 0; i < ascending.size(); ++i)
    for (qsizetype j = 0; j < ascending.size(); ++j)
      EXPECT_EQ(IsEarlierDate(ascending[i], ascending[j]), i < j) << i << " " << j;
  EXPECT_EQ(DateOrderKey(u"30/1/4"_s) + DateOrderKey(u"99/02/30"_s), u"2030/01/0499/02/30");
  SetReferenceYear(2007);  // 1928-2027
  EXPECT_EQ(DateFromText(u"30/01/04"_s), QDate(1930, 1, 4));
  EXPECT_TRUE(IsEarlierDate(u"28/01/04"_s, u"27/12/28"_s));
}

}  // namespace
}  // namespace rdx508::testing
