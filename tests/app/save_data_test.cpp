#include <gtest/gtest.h>

#include <QFileInfo>

#include "app/files/color_file.h"
#include "app/files/day_file.h"
#include "app/files/save_data.h"
#include "app/files/startup.h"
#include "tests/app/app_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

using testing::AppFolderTest;

class SaveData : public AppFolderTest {
 protected:
  SaveData() {
    series.DayCnt = 2;
    series.Days[1] = {u"07/03/15"_s, 1700.5, 900, 650, 17200.25};
    series.Days[2] = {u"07/03/14"_s, 1690, 700, 850, 17100};
    range.redim({2, 6});
    for (int j = 0; j <= 2; ++j) {
      for (int k = 0; k <= 6; ++k)
        range(j, k) = Value(10 * (k + 1));
    }
  }

  Table3 ReadSettings() {
    Table3 ini;
    EXPECT_GE(clb.T_Read(PathOf(u"RDX508_INIT.TXT"_s), ini), 1);
    return ini;
  }

  // The file holds exactly the text (a writer may add one final line end).
  void ExpectFileHolds(const QString& name, const QString& text) {
    const QByteArray bytes = testing::ReadBytes(PathOf(name));
    const QByteArray expected = testing::ToCp932(text);
    EXPECT_TRUE(bytes == expected || bytes == expected + "\r\n") << name.toStdString();
  }

  DaySeries series;
  Table2 range;
};

TEST_F(SaveData, WritesBothFilesToTheWritePaths) {
  WriteLines(u"RDX508_INIT.TXT"_s,
             {u"1,3,RDX508 設定"_s, u"01,001,,,\\IN_DAYS.TXT"_s, u"01,002,,,\\OUT_DAYS.TXT"_s,
              u"01,003,,,\\IN_COLOR.TXT"_s, u"01,004,,,\\OUT_COLOR.TXT"_s});
  EXPECT_TRUE(SaveDataFiles(clb, ReadSettings(), series, range).ok());
  EXPECT_TRUE(host.errors.empty());
  ExpectFileHolds(u"OUT_DAYS.TXT"_s,
                  u"1,5,RDX508_F4 200703150905\r\n"
                  u"/*（移動平均データ、日付、ＴＯＰＩＸ、上昇数、下落数、日経平均）\r\n"
                  u"01,001,07/03/15,1700.50,900,650,17200.25\r\n"
                  u"01,002,07/03/14,1690.00,700,850,17100.00\r\n"_s);
  ExpectFileHolds(u"OUT_COLOR.TXT"_s, ColorFileText(range, host.clock));
  EXPECT_TRUE(ColorFileText(range, host.clock).contains(u"01,002,10,20,30,40,50,60,70,\r\n"));
  EXPECT_FALSE(FolderEntries().contains(u"IN_DAYS.TXT"_s));
}

TEST_F(SaveData, EachFileTakesItsOwnTime) {
  class TickingHost : public testing::FakeHost {
   public:
    QDateTime now() const override { return clock.addSecs(60 * calls++); }
    mutable int calls = 0;
  } ticking;
  ticking.folder = host.folder;
  CLB_C1 tickingClb(ticking);
  WriteSettings();
  Table3 ini;
  ASSERT_GE(tickingClb.T_Read(PathOf(u"RDX508_INIT.TXT"_s), ini), 1);
  SaveDataFiles(tickingClb, ini, series, range);
  EXPECT_TRUE(testing::ReadBytes(PathOf(u"DAYS.TXT"_s)).startsWith("1,5,RDX508_F4 200703150905\r\n"));
  EXPECT_TRUE(testing::ReadBytes(PathOf(u"COLOR.TXT"_s)).startsWith("1,7,RDX508_F5 200703150906\r\n"));
}

// Files edited by hand with characters the code page does not assign still save, and
// the next start-up reads back what was saved.
TEST_F(SaveData, FilesWithUnassignedCharactersLoadAndSaveBack) {
  WriteSettings();
  testing::WriteBytes(PathOf(u"DAYS.TXT"_s),
                      "1,5,T\r\n01,001,07/03/\x81\xad,1700.50,900,650,17200.25\r\n"
                      "01,002,07/03/14,1690,700,850,17100\r\n");
  testing::WriteBytes(PathOf(u"COLOR.TXT"_s), "1,7,T\r\n01,000,20,45,50,55,60,80,\x85\x40\r\n");
  StartupTables tables;
  ASSERT_EQ(ReadStartupFiles(clb, tables), QString());
  DaySeries loaded;
  LoadDays(clb, tables.DayTbl, loaded);
  Table2 ranges;
  LoadRanges(tables.ColorTbl, ranges);
  ASSERT_EQ(loaded.DayCnt, 2);

  EXPECT_TRUE(SaveDataFiles(clb, tables.INI, loaded, ranges).ok());
  EXPECT_TRUE(host.errors.empty()) << host.errors.front().text.toStdString();

  StartupTables again;
  ASSERT_EQ(ReadStartupFiles(clb, again), QString());
  DaySeries reloaded;
  LoadDays(clb, again.DayTbl, reloaded);
  Table2 reloadedRanges;
  LoadRanges(again.ColorTbl, reloadedRanges);
  EXPECT_EQ(DayFileText(reloaded, host.clock), DayFileText(loaded, host.clock));
  EXPECT_EQ(ColorFileText(reloadedRanges, host.clock), ColorFileText(ranges, host.clock));
}

}  // namespace
}  // namespace rdx508
