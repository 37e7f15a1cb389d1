#include <gtest/gtest.h>

#include <limits>

#include "app/files/day_file.h"
#include "support/reference_year.h"
#include "tests/app/app_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

using testing::AppFolderTest;

const QString kHeader = u"1,5,RDX508_F4 200703150905"_s;
const QString kComment = u"/*（移動平均データ、日付、ＴＯＰＩＸ、上昇数、下落数、日経平均）"_s;

class DayFile : public AppFolderTest {
 protected:
  // Reads the lines as a day file and loads them into `series`.
  void Load(const QStringList& lines) {
    WriteLines(u"DAYS.TXT"_s, lines);
    Table3 table;
    ASSERT_GE(clb.T_Read(PathOf(u"DAYS.TXT"_s), table), 1);
    LoadDays(clb, table, series);
  }
  QStringList Dates() const {
    QStringList dates;
    for (int32_t p = 1; p <= series.DayCnt; ++p)
      dates << series.Days[static_cast<size_t>(p)].Date;
    return dates;
  }
  DaySeries series;
};

TEST(DayFileText, WritesHeaderCommentAndEveryDatedPosition) {
  testing::FakeHost host;
  CLB_C1 clb(host);
  DaySeries s;
  s.DayCnt = 2;
  s.Days[1] = {u"07/03/15"_s, 1234.5, 1200, 350, 17215.75};
  s.Days[2] = {u"07/03/14"_s, -0.005, 0, -3, 0};
  s.Days[0] = {u"07/03/16"_s, 0.5, 1, 1, 1};  // position 0 and positions beyond DayCnt
  s.Days[998] = {u"99/12/31"_s, 1, 2, 3, 4};  // are written like any other
  const QString text = DayFileText(s, host.clock);
  EXPECT_EQ(text,
            u"1,5,RDX508_F4 200703150905\r\n"
            u"/*（移動平均データ、日付、ＴＯＰＩＸ、上昇数、下落数、日経平均）\r\n"
            u"01,000,07/03/16,0.50,1,1,1.00\r\n"
            u"01,001,07/03/15,1234.50,1200,350,17215.75\r\n"
            u"01,002,07/03/14,-0.01,0,-3,0.00\r\n"
            u"01,998,99/12/31,1.00,2,3,4.00\r\n");
  const QByteArray bytes = testing::ToCp932(text);
  EXPECT_TRUE(bytes.startsWith("1,5,RDX508_F4 200703150905\r\n/*\x81\x69"));  // "（" in CP932
  EXPECT_TRUE(bytes.endsWith("01,998,99/12/31,1.00,2,3,4.00\r\n"));
}

TEST(DayFileText, EmptySeriesGivesHeaderAndCommentOnly) {
  testing::FakeHost host;
  CLB_C1 clb(host);
  const DaySeries s;
  EXPECT_EQ(DayFileText(s, QDateTime(QDate(2024, 12, 27), QTime(23, 59))),
            u"1,5,RDX508_F4 202412272359\r\n"_s + kComment + u"\r\n"_s);
}

TEST_F(DayFile, WrittenAndReadBackGivesTheSameDays) {
  DaySeries original;
  original.DayCnt = 30;
  for (int32_t p = 1; p <= 30; ++p) {
    const QDate date = QDate(2007, 3, 15).addDays(-p);
    original.Days[static_cast<size_t>(p)] = {date.toString(u"yy/MM/dd"_s), 1700 + p * 0.25, 800 + p, 700 - p,
                                             17000 + p * 1.5};
  }
  ASSERT_EQ(clb.L_Write(PathOf(u"DAYS.TXT"_s), DayFileText(original, host.clock)), 1);
  Table3 table;
  ASSERT_GE(clb.T_Read(PathOf(u"DAYS.TXT"_s), table), 1);
  LoadDays(clb, table, series);
  ASSERT_EQ(series.DayCnt, 30);
  for (size_t p = 0; p < series.Days.size(); ++p) {
    const DayRec& a = original.Days[p];
    const DayRec& b = series.Days[p];
    EXPECT_EQ(a.Date, b.Date) << p;
    EXPECT_DOUBLE_EQ(a.Topix, b.Topix) << p;
    EXPECT_EQ(a.Up, b.Up) << p;
    EXPECT_EQ(a.Down, b.Down) << p;
    EXPECT_DOUBLE_EQ(a.Nikkei, b.Nikkei) << p;
  }
}

TEST_F(DayFile, RowsOutOfOrderLoadNewestFirstAndEqualDatesKeepFileOrder) {
  Load({kHeader, kComment, u"01,005,07/03/12,1,1,1,1"_s, u"01,002,07/03/14,2,2,2,2"_s,
        u"01,009,07/03/13,3,3,3,3"_s, u"01,003,07/03/14,4,4,4,4"_s, u"01,001,,5,5,5,5"_s});
  EXPECT_EQ(Dates(), (QStringList{u"07/03/14"_s, u"07/03/14"_s, u"07/03/13"_s, u"07/03/12"_s, u""_s}));
  EXPECT_EQ(series.Days[1].Topix, 2);  // row 002 before row 003
  EXPECT_EQ(series.Days[2].Topix, 4);
  EXPECT_EQ(series.Days[5].Topix, 5);  // the empty date sorts last
  EXPECT_TRUE(series.Days[0].Date.isEmpty());
  EXPECT_TRUE(series.Days[6].Date.isEmpty());

  // The same rows with real dates only (sorted on their order numbers, not on key texts).
  Load({kHeader, kComment, u"01,005,07/03/12,1,1,1,1"_s, u"01,002,07/03/14,2,2,2,2"_s,
        u"01,009,07/03/13,3,3,3,3"_s, u"01,003,07/03/14,4,4,4,4"_s});
  EXPECT_EQ(Dates(), (QStringList{u"07/03/14"_s, u"07/03/14"_s, u"07/03/13"_s, u"07/03/12"_s}));
  EXPECT_EQ(series.Days[1].Topix, 2);
  EXPECT_EQ(series.Days[2].Topix, 4);
}

// Two-digit years are read in the window around the current year, and a long or
// unpadded date sorts by the day it names.
TEST_F(DayFile, RowsLoadInDateOrderAcrossTheCentury) {
  testing::ReferenceYearScope year2026(2026);
  Load({kHeader, u"01,001,29/12/28,1,1,1,1"_s, u"01,002,30/01/04,2,2,2,2"_s, u"01,003,2030/1/7,3,3,3,3"_s,
        u"01,004,47/06/02,4,4,4,4"_s, u"01,005,46/1/5,5,5,5,5"_s, u"01,006,99/12/30,6,6,6,6"_s});
  EXPECT_EQ(Dates(), (QStringList{u"46/1/5"_s, u"2030/1/7"_s, u"30/01/04"_s, u"29/12/28"_s, u"99/12/30"_s,
                                  u"47/06/02"_s}));
}

TEST_F(DayFile, BadValuesLoadAsZeroAndOddDatesAsTheyAre) {
  Load({kHeader, u"01,001,07/03/15,abc,x,7,1.2.3,99"_s, u"01,002,not a date,1,234.5,2.5,-2.5,1"_s,
        u"01,003,07/03/13,1,234.5,3.5,3000000000"_s, u"01,004,07/03/12"_s, u"01,002,07/03/14,9,9,9,9"_s,
        u"02,005,99/99/99,1,1,1,1"_s, u"01,ab,07/03/11,1,1,1,1"_s});
  // Row 002 is replaced by its later line; the other section and the bad row key are ignored.
  ASSERT_EQ(Dates(), (QStringList{u"07/03/15"_s, u"07/03/14"_s, u"07/03/13"_s, u"07/03/12"_s}));
  const DayRec& bad = series.Days[1];
  EXPECT_EQ(bad.Topix, 0);
  EXPECT_EQ(bad.Up, 0);
  EXPECT_EQ(bad.Down, 7);
  EXPECT_EQ(bad.Nikkei, 0);
  EXPECT_EQ(series.Days[2].Topix, 9);
  // "1,234.5" is split by the reader into fields "1" and "234.5".
  const DayRec& split = series.Days[3];
  EXPECT_EQ(split.Topix, 1);
  EXPECT_EQ(split.Up, 234);
  EXPECT_EQ(split.Down, 4);
  EXPECT_EQ(split.Nikkei, 3000000000.0);
  const DayRec& shortRow = series.Days[4];
  EXPECT_EQ(shortRow.Topix, 0);
  EXPECT_EQ(shortRow.Nikkei, 0);

  Load({kHeader, u"01,001,xyz,1,2,3,4"_s, u"01,002,07/03/14,1,2,3,4"_s});
  EXPECT_EQ(Dates(), (QStringList{u"xyz"_s, u"07/03/14"_s}));  // compared as texts
}

TEST_F(DayFile, OnlyTheFirst998RowsByRowNumberAreLoaded) {
  QStringList lines{kHeader};
  for (int row = 999; row >= 0; --row)  // written backwards: the row number decides
    lines << u"01,%1,D%2,%3,1,1,1"_s.arg(row).arg(row, 4, 10, QChar(u'0')).arg(row);
  Load(lines);
  ASSERT_EQ(series.DayCnt, 998);
  EXPECT_EQ(series.Days[1].Date, u"D0997");
  EXPECT_EQ(series.Days[998].Date, u"D0000");
  EXPECT_EQ(series.Days[1].Topix, 997);
  EXPECT_TRUE(series.Days[0].Date.isEmpty());
}

TEST_F(DayFile, LoadingReplacesEveryEarlierDay) {
  series.Days[500] = {u"old"_s, 1, 1, 1, 1};
  series.Days[0] = {u"old"_s, 1, 1, 1, 1};
  Load({kHeader});
  EXPECT_EQ(series.DayCnt, 0);
  for (const DayRec& day : series.Days)
    EXPECT_TRUE(day.Date.isEmpty());
}

TEST(DayFileLoad, TablesMissingFieldsOrSectionsLoadWithoutFailing) {
  testing::FakeHost host;
  CLB_C1 clb(host);
  DaySeries series;
  LoadDays(clb, Table3(), series);
  EXPECT_EQ(series.DayCnt, 0);

  Table3 narrow({1, 3, 1});  // one field; the directory claims more rows than exist
  narrow(0, 1, 0) = Value(u"5"_s);
  narrow(1, 1, 1) = Value(u"07/03/14"_s);
  LoadDays(clb, narrow, series);
  EXPECT_EQ(series.DayCnt, 5);
  EXPECT_EQ(series.Days[1].Date, u"07/03/14");
  EXPECT_EQ(series.Days[1].Topix, 0);
  EXPECT_TRUE(host.errors.empty());
}

struct CountCase {
  const char16_t* text;
  int32_t count;
};

class IssueCounts : public ::testing::TestWithParam<CountCase> {};

TEST_P(IssueCounts, RoundHalfToEvenAndStayInThe32BitRange) {
  EXPECT_EQ(IssueCount(Value(QString::fromUtf16(GetParam().text))), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IssueCounts,
    ::testing::Values(CountCase{u"600", 600}, CountCase{u" 600 ", 600}, CountCase{u"2.5", 2},
                      CountCase{u"3.5", 4}, CountCase{u"-2.5", -2}, CountCase{u"0.5", 0},
                      CountCase{u"1,234", 1234}, CountCase{u"abc", 0}, CountCase{u"", 0},
                      CountCase{u"1e5", 0}, CountCase{u"41.5", 42},
                      CountCase{u"2147483647", std::numeric_limits<int32_t>::max()},
                      CountCase{u"2147483647.5", std::numeric_limits<int32_t>::max()},
                      CountCase{u"3000000000", std::numeric_limits<int32_t>::max()},
                      CountCase{u"-2147483648", std::numeric_limits<int32_t>::min()},
                      CountCase{u"-99999999999999999999", std::numeric_limits<int32_t>::min()}));

}  // namespace
}  // namespace rdx508
