#include "calendar/date_text.h"

#include <gtest/gtest.h>

#include "calendar/two_digit_year.h"

namespace rdx508::testing {
namespace {

TEST(TwoDigitYear, SplitsAtThirty) {
  EXPECT_EQ(FullYearFromTwoDigits(0), 2000);
  EXPECT_EQ(FullYearFromTwoDigits(29), 2029);
  EXPECT_EQ(FullYearFromTwoDigits(30), 1930);
  EXPECT_EQ(FullYearFromTwoDigits(99), 1999);
  EXPECT_EQ(FullYearFromTwoDigits(2007), 2007);
}

struct DateCase {
  const char16_t* text;
  QDate expected;  // invalid QDate = no real date
};

class DateFromTextTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateFromTextTest, ReadsTheDate) {
  const auto& c = GetParam();
  const auto date = DateFromText(QString::fromUtf16(c.text));
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
                      DateCase{u"7/3/5", QDate(2007, 3, 5)}, DateCase{u"29/12/31", QDate(2029, 12, 31)},
                      DateCase{u"30/01/01", QDate(1930, 1, 1)}, DateCase{u"99/12/31", QDate(1999, 12, 31)},
                      DateCase{u"00/02/29", QDate(2000, 2, 29)}, DateCase{u"07/02/29", QDate()},
                      DateCase{u"08/02/29", QDate(2008, 2, 29)}, DateCase{u"07/13/01", QDate()},
                      DateCase{u"07/00/01", QDate()}, DateCase{u"07/03", QDate()}, DateCase{u"", QDate()},
                      DateCase{u"//", QDate()}, DateCase{u"07/03/15/1", QDate()},
                      DateCase{u"007/03/15", QDate()}, DateCase{u"07/-3/15", QDate()},
                      DateCase{u"０７/03/15", QDate()}, DateCase{u"07/03/1x", QDate()}));

}  // namespace
}  // namespace rdx508::testing
