// The day series' own changes: where a date belongs, inserting (with the archive taking
// what a full series pushes out) and removing.

#include <gtest/gtest.h>

#include <QDate>

#include "app/series/day_series.h"

namespace rdx508 {

using namespace Qt::Literals::StringLiterals;
namespace {

// A series of `count` days dated 2000 + position days back from 24/12/31, newest first.
DaySeries Dated(int32_t count) {
  DaySeries s;
  const QDate newest(2024, 12, 31);
  for (int32_t p = 1; p <= count; ++p)
    s.Days[static_cast<size_t>(p)] =
        DayRec{newest.addDays(1 - p).toString(u"yy/MM/dd"_s), double(p), p, 1, 0};
  s.DayCnt = count;
  return s;
}

QString DatesOf(const DaySeries& s) {
  QString out;
  for (int32_t p = 1; p <= s.DayCnt; ++p)
    out += s.Days[static_cast<size_t>(p)].Date.right(2) + u' ';
  return out.trimmed();
}

TEST(DaySeriesEdit, PositionForFindsTheDatePlaceOrRefusesAStoredDate) {
  const DaySeries s = Dated(3);  // 24/12/31, 24/12/30, 24/12/29
  // A text that is no date orders by itself against the dates' four-digit keys.
  struct Case {
    QString date;
    std::optional<int32_t> position;
  } cases[] = {
      {u"25/01/06"_s, 1}, {u"24/12/30"_s, std::nullopt}, {u"24/12/29"_s, std::nullopt}, {u"24/12/295"_s, 1},
      {u"24/01/01"_s, 4}, {u""_s, std::nullopt}};
  for (const Case& c : cases)
    EXPECT_EQ(s.PositionFor(c.date), c.position) << c.date.toStdString();
  EXPECT_EQ(Dated(998).PositionFor(u"03/01/06"_s), 998);  // full and older than every day
}

TEST(DaySeriesEdit, InsertAndRemoveKeepTheOrderAndTheCount) {
  DaySeries s = Dated(3);
  s.Insert(2, DayRec{u"24/12/30x"_s, 5, 0, 0, 0});
  EXPECT_EQ(DatesOf(s), u"31 0x 30 29"_s);
  const DayRec taken = s.Remove(1);
  EXPECT_EQ(taken.Date, u"24/12/31"_s);
  EXPECT_EQ(DatesOf(s), u"0x 30 29"_s);
  EXPECT_TRUE(s.Days[4].Date.isEmpty());
  EXPECT_EQ(s.Remove(4).Date, QString());  // beyond the days: nothing happens
  EXPECT_EQ(s.DayCnt, 3);
  EXPECT_TRUE(s.Archive.isEmpty());
}

TEST(DaySeriesEdit, AFullSeriesPushesItsOldestIntoTheArchiveNewestFirst) {
  DaySeries s = Dated(998);
  const QString oldest = s.Days[998].Date, next = s.Days[997].Date;
  s.Insert(1, DayRec{u"25/01/06"_s, 1, 1, 1, 1});
  s.Insert(998, DayRec{u"03/01/06"_s, 1, 1, 1, 1});  // older than every day: takes the last place
  EXPECT_EQ(s.DayCnt, 998);
  EXPECT_EQ(s.Days[1].Date, u"25/01/06"_s);
  EXPECT_EQ(s.Days[998].Date, u"03/01/06"_s);
  ASSERT_EQ(s.Archive.size(), 2);
  EXPECT_EQ(s.Archive[0].Date, next);
  EXPECT_EQ(s.Archive[1].Date, oldest);
}

}  // namespace
}  // namespace rdx508
