#include <gtest/gtest.h>
#include <QDate>

#include "calendar_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

struct BusinessCase {
  QString start;
  int32_t count;
  const char16_t* expected;
};

class BusinessDayTest : public CalendarTest, public ::testing::WithParamInterface<BusinessCase> {};

TEST_P(BusinessDayTest, CountsForward) {
  const auto& c = GetParam();
  EXPECT_EQ(clb.営業日変換(c.start, c.count), QString::fromUtf16(c.expected)) << c.start.toStdString();
  EXPECT_TRUE(host.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, BusinessDayTest,
    ::testing::Values(
        BusinessCase{u"07/12/28"_s, 2, u"08/01/04"}, BusinessCase{u"07/03/17"_s, 1, u"07/03/19"},
        BusinessCase{u"07/03/16"_s, 1, u"07/03/16"}, BusinessCase{u"07/03/16"_s, 2, u"07/03/19"},
        BusinessCase{u"07/03/17"_s, 0, u"07/03/17"}, BusinessCase{u"07/03/17"_s, -5, u"07/03/17"},
        BusinessCase{u"24/12/27"_s, 5, u"25/01/03"}, BusinessCase{u"07/04/27"_s, 4, u"07/05/07"},
        BusinessCase{u"2007/12/28"_s, 2, u"08/01/04"},  // normalised to the short form first
        BusinessCase{u"17"_s, 1, u"07/03/19"},          // day alone: this month
        BusinessCase{u"03/12/31"_s, 1, u"03/12/31"},    // 2003 has no closed days
        BusinessCase{u"29/12/31"_s, 2, u"30/01/01"}));

// Only the rest of the year and 365 days of the next are walked; beyond that there is no answer.
INSTANTIATE_TEST_SUITE_P(
    BadInput, BusinessDayTest,
    ::testing::Values(BusinessCase{u"07/03/15"_s, INT32_MAX, u""},
                      BusinessCase{u"07/03/15"_s, INT32_MIN, u"07/03/15"},
                      BusinessCase{u"25/01/01"_s, 731, u""}, BusinessCase{u"25/01/01"_s, 730, u"26/12/31"},
                      BusinessCase{u"99999999999/1/1"_s, 1, u"07/03/15"},
                      BusinessCase{QString(400, u'9'), 1, u"07/03/15"},
                      BusinessCase{u"０７/０３/１７"_s, 1, u"07/03/15"}, BusinessCase{u""_s, 1, u"07/03/15"},
                      BusinessCase{u"//"_s, 1, u"07/03/15"}, BusinessCase{u"/"_s, 1, u"07/03/15"},
                      BusinessCase{u"-1/-1/-1"_s, 1, u"07/03/15"}));

using BusinessDayRangeTest = CalendarTest;

// For every day of the calendar's years, 日数 1 gives the first day on or after it that the table calls open.
TEST_F(BusinessDayRangeTest, FirstOpenDayOnOrAfterEveryDay) {
  clb.休日暦作成();
  for (QDate day(2004, 1, 1); day.year() <= 2024; day = day.addDays(1)) {
    QDate open = day;
    while (clb.IsClosed(open.year() % 100, open.dayOfYear()))
      open = open.addDays(1);
    ASSERT_EQ(clb.営業日変換(day.toString(u"yy/MM/dd"_s), 1), open.toString(u"yy/MM/dd"_s))
        << day.toString(Qt::ISODate).toStdString();
  }
}

}  // namespace
}  // namespace rdx508::testing
