#include <gtest/gtest.h>

#include "app/files/day_file.h"
#include "app/files/startup.h"
#include "tests/app/app_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

using testing::AppFolderTest;

const QStringList kDayFile = {u"1,5,RDX508_F4 200703150905"_s, u"/*（移動平均データ）"_s,
                              u"01,001,07/03/14,1700.50,900,700,17000.00"_s};
const QStringList kColorFile = {u"1,7,RDX508_F5 200703150905"_s, u"01,000,20,45,50,55,60,80,100,"_s};

bool Untouched(const Table3& table) {
  return table.upperBound(0) == -1 && table.upperBound(1) == -1 && table.upperBound(2) == -1;
}

class Startup : public AppFolderTest {
 protected:
  QString Read() { return ReadStartupFiles(clb, tables); }
  StartupTables tables;
};

TEST_F(Startup, AllThreeFilesReadGivesNoNotice) {
  WriteSettings();
  WriteLines(u"DAYS.TXT"_s, kDayFile);
  WriteLines(u"COLOR.TXT"_s, kColorFile);
  EXPECT_EQ(Read(), QString());
  EXPECT_EQ(tables.DayTbl(1, 1, 1).toText(), u"07/03/14");
  EXPECT_EQ(tables.ColorTbl(7, 1, 1).toText(), u"100");
  EXPECT_TRUE(host.notices.empty());
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(Startup, MissingSettingsFileReadsNeitherDataFile) {
  WriteLines(u"DAYS.TXT"_s, kDayFile);
  WriteLines(u"COLOR.TXT"_s, kColorFile);
  EXPECT_EQ(Read(), u"INIなし");
  EXPECT_TRUE(Untouched(tables.INI));
  EXPECT_TRUE(Untouched(tables.DayTbl));
  EXPECT_TRUE(Untouched(tables.ColorTbl));
}

TEST_F(Startup, MissingDayFileStopsBeforeTheColourFile) {
  WriteSettings();
  WriteLines(u"COLOR.TXT"_s, kColorFile);
  EXPECT_EQ(Read(), u"INI(1, 1, x)なし");
  EXPECT_FALSE(Untouched(tables.INI));
  EXPECT_TRUE(Untouched(tables.ColorTbl));
}

TEST_F(Startup, EmptyDayFileCountsAsMissing) {
  WriteSettings();
  testing::WriteBytes(PathOf(u"DAYS.TXT"_s), {});
  WriteLines(u"COLOR.TXT"_s, kColorFile);
  EXPECT_EQ(Read(), u"INI(1, 1, x)なし");
  EXPECT_TRUE(Untouched(tables.ColorTbl));
}

TEST_F(Startup, MissingColourFileKeepsTheDayTable) {
  WriteSettings();
  WriteLines(u"DAYS.TXT"_s, kDayFile);
  EXPECT_EQ(Read(), u"INI(1, 3, x)なし");
  EXPECT_EQ(tables.DayTbl(1, 1, 1).toText(), u"07/03/14");
  EXPECT_TRUE(Untouched(tables.ColorTbl));
}

TEST_F(Startup, DayFileWithOnlyItsHeaderOpensWithNoDays) {
  WriteSettings();
  WriteLines(u"DAYS.TXT"_s, {kDayFile[0]});
  WriteLines(u"COLOR.TXT"_s, kColorFile);
  ASSERT_EQ(Read(), QString());
  DaySeries series;
  LoadDays(clb, tables.DayTbl, series);
  EXPECT_EQ(series.DayCnt, 0);
}

TEST_F(Startup, SettingsRowsNumberedByTensWorkLikeOneToFour) {
  WriteLines(u"RDX508_INIT.TXT"_s,
             {u"1,3,RDX508 設定"_s, u"01,040,色書込,,\\COLOR.TXT"_s, u"01,010,日付読込,,\\DAYS.TXT"_s,
              u"01,030,色読込,,\\COLOR.TXT"_s, u"01,020,日付書込,,\\DAYS.TXT"_s});
  WriteLines(u"DAYS.TXT"_s, kDayFile);
  WriteLines(u"COLOR.TXT"_s, kColorFile);
  EXPECT_EQ(Read(), QString());
  EXPECT_EQ(DataFilePath(tables.INI, 3, host.folder), host.folder + u"\\COLOR.TXT"_s);
}

TEST_F(Startup, SettingsLackingTheColourRowEndWithItsNotice) {
  WriteLines(u"RDX508_INIT.TXT"_s, {u"1,3,RDX508 設定"_s, u"01,001,日付読込,,\\DAYS.TXT"_s});
  WriteLines(u"DAYS.TXT"_s, kDayFile);
  WriteLines(u"COLOR.TXT"_s, kColorFile);
  EXPECT_EQ(Read(), u"INI(1, 3, x)なし");
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(Startup, SettingsWithoutSectionsEndWithTheDayFileNotice) {
  WriteLines(u"RDX508_INIT.TXT"_s, {u"0,0,空"_s, u"01,001,日付読込,,\\DAYS.TXT"_s});
  WriteLines(u"DAYS.TXT"_s, kDayFile);
  EXPECT_EQ(Read(), u"INI(1, 1, x)なし");
}

TEST_F(Startup, FullPathInFieldTwoIsUsedAsIs) {
  QTemporaryDir elsewhere;
  const QString days = elsewhere.path() + u"/days.txt"_s;
  WriteLines(u"RDX508_INIT.TXT"_s, {u"1,3,RDX508 設定"_s, u"01,001,日付読込,"_s + days + u",\\NOT_HERE.TXT"_s,
                                    u"01,002,日付書込,,"_s, u"01,003,色読込,,\\COLOR.TXT"_s});
  testing::WriteBytes(days, testing::ToCp932(kDayFile.join(u"\r\n"_s) + u"\r\n"_s));
  WriteLines(u"COLOR.TXT"_s, kColorFile);
  EXPECT_EQ(Read(), QString());
  EXPECT_EQ(tables.DayTbl(1, 1, 1).toText(), u"07/03/14");
}

// DataFilePath on hand-made tables: (field 2, field 3) of row 1 and the path it gives.
TEST(DataFilePath, ResolvesFieldTwoOrFolderPlusFieldThree) {
  Table3 ini({3, 2, 1});
  ini(0, 1, 0) = Value(u"2"_s);
  ini(2, 1, 1) = Value(u""_s);
  ini(3, 1, 1) = Value(u"\\DAYS.TXT"_s);
  ini(2, 2, 1) = Value(u"D:\\data\\days.txt"_s);
  ini(3, 2, 1) = Value(u"\\IGNORED.TXT"_s);
  EXPECT_EQ(DataFilePath(ini, 1, u"/prog"_s), u"/prog\\DAYS.TXT");
  EXPECT_EQ(DataFilePath(ini, 2, u"/prog"_s), u"D:\\data\\days.txt");
  EXPECT_TRUE(HasSettingsRow(ini, 1));
  EXPECT_TRUE(HasSettingsRow(ini, 2));
}

TEST(DataFilePath, MissingRowsAndFieldsCountAsEmpty) {
  const Table3 none;
  EXPECT_EQ(DataFilePath(none, 1, u"/prog"_s), u"/prog");
  EXPECT_FALSE(HasSettingsRow(none, 1));

  Table3 narrow({1, 1, 1});  // a header declaring one field: fields 2 and 3 do not exist
  narrow(0, 1, 0) = Value(u"1"_s);
  EXPECT_EQ(DataFilePath(narrow, 1, u"/prog"_s), u"/prog");
  EXPECT_EQ(DataFilePath(narrow, 4, u"/prog"_s), u"/prog");
  EXPECT_EQ(DataFilePath(narrow, -1, u"/prog"_s), u"/prog");
  EXPECT_TRUE(HasSettingsRow(narrow, 1));
  EXPECT_FALSE(HasSettingsRow(narrow, 2));
  EXPECT_FALSE(HasSettingsRow(narrow, 0));
}

}  // namespace
}  // namespace rdx508
