#include <gtest/gtest.h>
#include <QDate>
#include <set>

#include "calendar_fixture.h"

namespace rdx508::testing {
namespace {

using HolidayCalendarTest = CalendarTest;

bool IsWeekend(const QDate& date) {
  return date.dayOfWeek() >= 6;
}

// Every day of `year` compared with weekends plus the listed holidays.
void ExpectClosedDays(const CLB_C1& clb, int year, const std::set<QDate>& holidays) {
  for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
    const bool expected = IsWeekend(date) || holidays.count(date) > 0;
    EXPECT_EQ(clb.IsClosed(year % 100, date.dayOfYear()), expected)
        << date.toString(Qt::ISODate).toStdString();
  }
}

TEST_F(HolidayCalendarTest, Year2007) {
  EXPECT_EQ(clb.休日暦作成(), 2024);
  ExpectClosedDays(
      clb, 2007,
      {QDate(2007, 1, 1), QDate(2007, 1, 2), QDate(2007, 1, 3), QDate(2007, 1, 8), QDate(2007, 2, 12),
       QDate(2007, 3, 21), QDate(2007, 4, 30), QDate(2007, 5, 3), QDate(2007, 5, 4), QDate(2007, 5, 5),
       QDate(2007, 7, 16), QDate(2007, 9, 17), QDate(2007, 9, 24), QDate(2007, 10, 8), QDate(2007, 11, 3),
       QDate(2007, 11, 23), QDate(2007, 12, 24), QDate(2007, 12, 31),
       // Sunday holidays (11 February, 29 April, 23 September, 23 December) are weekend days anyway.
       QDate(2007, 2, 11), QDate(2007, 4, 29), QDate(2007, 9, 23), QDate(2007, 12, 23)});
}

TEST_F(HolidayCalendarTest, Year2009And2012SpotChecks) {
  clb.休日暦作成();
  auto closed = [&](int y, int m, int d) { return clb.IsClosed(y % 100, QDate(y, m, d).dayOfYear()); };
  EXPECT_TRUE(closed(2009, 3, 20));
  EXPECT_TRUE(closed(2009, 5, 4));
  EXPECT_TRUE(closed(2009, 5, 5));
  EXPECT_FALSE(closed(2009, 5, 6));  // Sunday 3 May has no substitute
  EXPECT_FALSE(closed(2009, 9, 22));
  EXPECT_TRUE(closed(2012, 3, 20));
  EXPECT_FALSE(closed(2012, 3, 21));
  EXPECT_TRUE(closed(2012, 9, 22));
  EXPECT_FALSE(closed(2012, 9, 24));  // Saturday holiday, no substitute
  EXPECT_TRUE(closed(2012, 12, 31));  // leap year: day 366
}

TEST_F(HolidayCalendarTest, OtherYearsHaveNoClosedDays) {
  clb.休日暦作成();
  for (int yy : {0, 3, 25, 29, 30, 99, 100}) {
    for (int day = 1; day <= 366; ++day)
      ASSERT_FALSE(clb.IsClosed(yy, day)) << yy << " " << day;
  }
}

TEST_F(HolidayCalendarTest, BuiltOnFirstCallOnly) {
  EXPECT_FALSE(clb.IsClosed(7, 1));  // not built yet
  EXPECT_EQ(clb.休日暦作成(), 2024);
  EXPECT_TRUE(clb.IsClosed(7, 1));
  EXPECT_EQ(clb.休日暦作成(), 2024);
  EXPECT_TRUE(clb.IsClosed(7, 1));
  EXPECT_FALSE(clb.IsClosed(7, QDate(2007, 3, 15).dayOfYear()));
}

TEST_F(HolidayCalendarTest, OutOfRangeIsOpenNotACrash) {
  clb.休日暦作成();
  EXPECT_FALSE(clb.IsClosed(0, 0));  // the built marker
  EXPECT_FALSE(clb.IsClosed(-1, 1));
  EXPECT_FALSE(clb.IsClosed(101, 1));
  EXPECT_FALSE(clb.IsClosed(7, -1));
  EXPECT_FALSE(clb.IsClosed(7, 367));
  EXPECT_FALSE(clb.IsClosed(INT32_MAX, INT32_MAX));
}

}  // namespace
}  // namespace rdx508::testing
