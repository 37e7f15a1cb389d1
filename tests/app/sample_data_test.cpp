#include <gtest/gtest.h>

#include "app/files/color_file.h"
#include "app/files/day_file.h"
#include "app/files/holiday_setup.h"
#include "app/files/startup.h"
#include "calendar/holiday_list.h"
#include "support/fake_host.h"

namespace rdx508 {
namespace {

using namespace Qt::Literals::StringLiterals;

// The sample files in data/ as the program reads them at start-up.
class SampleData : public ::testing::Test {
 protected:
  void SetUp() override {
    host.folder = QString::fromUtf8(RDX508_DATA_DIR);
    ASSERT_EQ(ReadStartupFiles(clb, tables), QString());
    ASSERT_EQ(LoadHolidayList(clb, tables.INI), QString());
    LoadDays(clb, tables.DayTbl, series);
    LoadRanges(tables.ColorTbl, range);
  }
  QByteArray FileBytes(const QString& name) const { return testing::ReadBytes(host.folder + u'/' + name); }

  testing::FakeHost host;
  CLB_C1 clb{host};
  StartupTables tables;
  DaySeries series;
  Table2 range;
};

TEST_F(SampleData, SettingsNameTheDataFilesInTheProgramFolder) {
  for (int32_t row = 1; row <= 4; ++row) {
    EXPECT_TRUE(DataFilePath(tables.INI, row, host.folder).startsWith(host.folder + u"\\RDX508_"_s)) << row;
  }
  EXPECT_EQ(DataFilePath(tables.INI, 1, host.folder), DataFilePath(tables.INI, 2, host.folder));
  EXPECT_EQ(DataFilePath(tables.INI, 3, host.folder), DataFilePath(tables.INI, 4, host.folder));
  ASSERT_NE(clb.holidayList(), nullptr);  // row 5: the shipped list, 2004-2027
  EXPECT_EQ(clb.holidayList()->LastYear(), 2027);
}

TEST_F(SampleData, DaysArePlausibleConsecutiveTradingDaysNewestFirst) {
  ASSERT_EQ(series.DayCnt, 80);
  EXPECT_EQ(series.Days[1].Date, u"24/12/27");
  for (int32_t p = 1; p <= series.DayCnt; ++p) {
    const DayRec& day = series.Days[static_cast<size_t>(p)];
    EXPECT_GT(day.Topix, 2600) << p;
    EXPECT_LT(day.Topix, 2900) << p;
    EXPECT_GT(day.Nikkei, 36000) << p;
    EXPECT_LT(day.Nikkei, 40000) << p;
    EXPECT_GE(day.Up + day.Down, 1500) << p;
    EXPECT_LE(day.Up + day.Down, 1650) << p;
    EXPECT_NE(day.Date, u"24/11/04");  // a substitute holiday in the list
    if (p < series.DayCnt) {
      // The program's own calendar finds each day as the business day after the older one.
      EXPECT_EQ(clb.営業日変換(series.Days[static_cast<size_t>(p) + 1].Date, 2), day.Date) << p;
    }
  }
  EXPECT_TRUE(series.Days[81].Date.isEmpty());
  EXPECT_EQ(series.Days[5].Date, u"24/12/23");  // no holiday since 2019
  series.ComputeIndicators();
  EXPECT_GT(series.Inds[1].AdRatio, 0);
}

// 上昇率 keeps the program's first limits; ５日平均 and 騰落レシオ get the conventional ones,
// so that a 騰落レシオ above 120 shows overheated and one at or below 70 oversold.
TEST_F(SampleData, RangesAreTheConventionalLimits) {
  const QStringList limits[3] = {{u"20"_s, u"45"_s, u"50"_s, u"55"_s, u"60"_s, u"80"_s, u"100"_s},
                                 {u"35"_s, u"40"_s, u"45"_s, u"55"_s, u"60"_s, u"65"_s, u"100"_s},
                                 {u"70"_s, u"80"_s, u"90"_s, u"100"_s, u"110"_s, u"120"_s, u"999"_s}};
  for (int32_t j = 0; j <= 2; ++j) {
    for (int32_t k = 0; k <= 6; ++k)
      EXPECT_EQ(range(j, k).toText(), limits[j][k]) << j << k;
  }
}

TEST_F(SampleData, FilesAreWrittenExactlyAsTheProgramWritesThem) {
  const QDateTime savedAt(QDate(2024, 12, 27), QTime(15, 30));
  EXPECT_EQ(testing::ToCp932(DayFileText(series, savedAt)), FileBytes(u"RDX508_DAYS.TXT"_s));
  EXPECT_EQ(testing::ToCp932(ColorFileText(range, savedAt)), FileBytes(u"RDX508_COLOR.TXT"_s));
}

}  // namespace
}  // namespace rdx508
