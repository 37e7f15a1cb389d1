#include <gtest/gtest.h>

#include "calendar_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

struct NormaliseCase {
  QString typed;
  int32_t form;
  const char16_t* expected;
};

class DateNormaliseTest : public CalendarTest, public ::testing::WithParamInterface<NormaliseCase> {};

TEST_P(DateNormaliseTest, WithTodayMarch15th2007) {
  const auto& c = GetParam();
  EXPECT_EQ(clb.日付補正(c.typed, c.form), QString::fromUtf16(c.expected)) << c.typed.toStdString();
  EXPECT_TRUE(host.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    ShortForm, DateNormaliseTest,
    ::testing::Values(
        NormaliseCase{u"20"_s, 0, u"07/03/20"}, NormaliseCase{u"4/1"_s, 0, u"07/04/01"},
        NormaliseCase{u"08/1/5"_s, 0, u"08/01/05"}, NormaliseCase{u"2008/1/5"_s, 0, u"08/01/05"},
        NormaliseCase{u""_s, 0, u"07/03/15"}, NormaliseCase{u"abc"_s, 0, u"07/03/15"},
        NormaliseCase{u"07/02/30"_s, 0, u"07/03/15"}, NormaliseCase{u"07/02/x"_s, 0, u"07/03/15"},
        NormaliseCase{u"x/5"_s, 0, u"07/03/05"}, NormaliseCase{u"08/2/29"_s, 0, u"08/02/29"},
        NormaliseCase{u"00/2/29"_s, 0, u"00/02/29"}, NormaliseCase{u"99/2/29"_s, 0, u"07/03/15"},
        NormaliseCase{u"96/2/29"_s, 0, u"96/02/29"}, NormaliseCase{u"07/4/31"_s, 0, u"07/03/15"},
        NormaliseCase{u"13/1"_s, 0, u"07/03/15"}, NormaliseCase{u"5.5"_s, 0, u"07/03/06"},
        NormaliseCase{u"4.5"_s, 0, u"07/03/04"},  // whole numbers round ties to even
        NormaliseCase{u"131"_s, 0, u"07/03/31"},  // day taken modulo 100
        NormaliseCase{u" 4 / 1 "_s, 0, u"07/04/01"}, NormaliseCase{u"07/3/16/99"_s, 0, u"07/03/16"}));

INSTANTIATE_TEST_SUITE_P(
    LongForm, DateNormaliseTest,
    ::testing::Values(
        NormaliseCase{u"2008/2/29"_s, 1, u"2008/02/29"}, NormaliseCase{u"20"_s, 1, u"2007/03/20"},
        NormaliseCase{u"2007/2/29"_s, 1, u"2007/03/15"}, NormaliseCase{u"7/2/3"_s, 1, u"07/02/03"},
        NormaliseCase{u""_s, 1, u"2007/03/15"}, NormaliseCase{u"12345/1/2"_s, 1, u"2345/01/02"},
        NormaliseCase{u"123/1/2"_s, 1, u"2007/03/15"}, NormaliseCase{u"4/1"_s, 1, u"2007/04/01"},
        NormaliseCase{u"4/1"_s, 2, u"07/04/01"}));  // any other form is the short one

// Unusable texts never fail: they become today's date without a box.
INSTANTIATE_TEST_SUITE_P(
    BadInput, DateNormaliseTest,
    ::testing::Values(
        NormaliseCase{u"99999999999/1/1"_s, 0, u"07/03/15"},
        NormaliseCase{u"1/99999999999"_s, 0, u"07/03/15"}, NormaliseCase{u"99999999999"_s, 1, u"2007/03/15"},
        NormaliseCase{u"-5"_s, 0, u"07/03/15"}, NormaliseCase{u"07/-3/01"_s, 0, u"07/03/15"},
        NormaliseCase{u"-7/3/1"_s, 1, u"2007/03/15"}, NormaliseCase{QString(400, u'9'), 0, u"07/03/15"},
        NormaliseCase{u"1/"_s + QString(400, u'9') + u"/1"_s, 0, u"01/03/01"},
        NormaliseCase{QString(40000, u'1'), 0, u"07/03/15"},
        NormaliseCase{QString(40000, u'/'), 0, u"07/03/15"},
        NormaliseCase{u"０７/０３/２０"_s, 0, u"07/03/15"}, NormaliseCase{u"２０"_s, 0, u"07/03/15"},
        NormaliseCase{u"//"_s, 0, u"07/03/15"}, NormaliseCase{u"/"_s, 0, u"07/03/15"},
        NormaliseCase{u"/"_s, 1, u"2007/03/15"}, NormaliseCase{u"1e5"_s, 0, u"07/03/15"},
        NormaliseCase{u"nan"_s, 0, u"07/03/15"}, NormaliseCase{u"inf/1/1"_s, 0, u"07/01/01"},
        // Only the parts in use are held to the 32-bit range.
        NormaliseCase{u"20//99999999999"_s, 0, u"07/03/20"},
        NormaliseCase{u"20//99999999999"_s, 1, u"2007/03/20"},
        NormaliseCase{u"4/1/2/99999999999"_s, 0, u"04/01/02"},
        NormaliseCase{u"99999999999//1"_s, 0, u"07/03/15"},
        NormaliseCase{u"4/99999999999/"_s, 0, u"07/03/15"}));

using DateNormaliseClockTest = CalendarTest;

// 29 February follows the year the two-digit year stands for around the clock's year:
// 00 is 2000 in 2026 but 2100 in 2081.
TEST_F(DateNormaliseClockTest, ValidityFollowsTheTwoDigitYearWindow) {
  host.clock = QDateTime(QDate(2026, 12, 7), QTime(9, 0));
  EXPECT_EQ(clb.日付補正(u"00/2/29"_s) + clb.日付補正(u"30/1/4"_s, 1), u"00/02/2930/01/04");
  host.clock = QDateTime(QDate(2081, 12, 7), QTime(9, 0));
  EXPECT_EQ(clb.日付補正(u"00/2/29"_s) + clb.日付補正(u"00/2/29"_s, 1), u"81/12/072081/12/07");
}

TEST_F(DateNormaliseClockTest, TodayComesFromTheHostClock) {
  host.clock = QDateTime(QDate(2012, 2, 29), QTime(23, 59));
  EXPECT_EQ(clb.日付補正(u"abc"_s), u"12/02/29");
  EXPECT_EQ(clb.日付補正(u"abc"_s, 1), u"2012/02/29");
  EXPECT_EQ(clb.日付補正(u"3"_s), u"12/02/03");
}

}  // namespace
}  // namespace rdx508::testing
