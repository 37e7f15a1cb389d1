#include <gtest/gtest.h>

#include "calendar_fixture.h"

namespace rdx508::testing {
namespace {

struct SerialCase {
  int32_t dayOfYear;
  int32_t year;
  const char16_t* expected;
};

class SerialDateTest : public CalendarTest, public ::testing::WithParamInterface<SerialCase> {};

TEST_P(SerialDateTest, GivesShortDate) {
  const auto& c = GetParam();
  int32_t year = c.year;
  EXPECT_EQ(clb.通算日付変換(c.dayOfYear, year), QString::fromUtf16(c.expected));
  EXPECT_EQ(year, c.year);
}

INSTANTIATE_TEST_SUITE_P(
    Days, SerialDateTest,
    ::testing::Values(SerialCase{1, 2007, u"07/01/01"}, SerialCase{32, 2007, u"07/02/01"},
                      SerialCase{60, 2007, u"07/03/01"}, SerialCase{60, 2008, u"08/02/29"},
                      SerialCase{366, 2008, u"08/12/31"}, SerialCase{365, 2007, u"07/12/31"},
                      SerialCase{366, 2007, u"07/00/00"}, SerialCase{400, 2008, u"08/00/00"},
                      SerialCase{0, 2007, u"07/00/00"}, SerialCase{-5, 2007, u"07/00/00"},
                      SerialCase{INT32_MAX, 2007, u"07/00/00"}, SerialCase{INT32_MIN, 2007, u"07/00/00"},
                      SerialCase{60, 2100, u"00/02/29"},  // every fourth year is leap
                      SerialCase{60, -4, u"-04/02/29"}));

using SerialDateClockTest = CalendarTest;

TEST_F(SerialDateClockTest, YearZeroTakesThisYearFromTheHostClock) {
  int32_t year = 0;
  EXPECT_EQ(clb.通算日付変換(32, year), u"07/02/01");
  EXPECT_EQ(year, 2007);
  host.clock = QDateTime(QDate(2012, 1, 1), QTime(0, 0));
  EXPECT_EQ(clb.通算日付変換(60), u"12/02/29");
}

}  // namespace
}  // namespace rdx508::testing
