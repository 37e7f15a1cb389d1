// The start-up step that reads the holiday list of settings row 5.

#include <gtest/gtest.h>

#include <QDir>

#include "app/holiday_setup.h"
#include "calendar/holiday_list.h"
#include "tests/app/app_fixture.h"

namespace rdx508 {
namespace {

using testing::AppFolderTest;

const QString kHeader = u"国民の祝日・休日月日,国民の祝日・休日名称"_s;

class HolidaySetup : public AppFolderTest {
 protected:
  HolidaySetup() { host.clock = QDateTime(QDate(2026, 12, 7), QTime(9, 0)); }

  // Reads a settings file of rows 1-4 and the given further rows.
  QString Load(const QStringList& moreRows) {
    QStringList lines{u"1,3,RDX508 設定"_s, u"01,001,日付読込,,\\DAYS.TXT"_s,
                      u"01,002,日付書込,,\\DAYS.TXT"_s, u"01,003,色読込,,\\COLOR.TXT"_s,
                      u"01,004,色書込,,\\COLOR.TXT"_s};
    WriteLines(u"RDX508_INIT.TXT"_s, lines + moreRows);
    Table3 INI;
    EXPECT_GE(clb.T_Read(PathOf(u"RDX508_INIT.TXT"_s), INI), 1);
    return LoadHolidayList(clb, INI);
  }
  QString Proposed() { return clb.営業日変換(u"26/12/30"_s, 2); }
};

TEST_F(HolidaySetup, WithoutRowFiveNothingChanges) {
  EXPECT_EQ(Load({}), QString());
  EXPECT_EQ(clb.holidayList(), nullptr);
  EXPECT_EQ(Proposed(), u"26/12/31");  // 2026 has no closed days in the built-in table
  EXPECT_EQ(Load({u"01,005,休業日ファイル読込,,"_s}), QString());  // a row naming no file
  EXPECT_EQ(clb.holidayList(), nullptr);
}

TEST_F(HolidaySetup, TheShippedListIsReadWithoutAWord) {
  QFile::copy(QStringLiteral(RDX508_DATA_DIR "/syukujitsu.csv"), PathOf(u"syukujitsu.csv"_s));
  EXPECT_EQ(Load({u"01,005,休業日ファイル読込,,\\syukujitsu.csv"_s}), QString());
  ASSERT_NE(clb.holidayList(), nullptr);
  EXPECT_EQ(clb.holidayList()->FirstYear(), 2004);
  EXPECT_EQ(clb.holidayList()->LastYear(), 2027);
  EXPECT_EQ(Proposed(), u"27/01/04");
  // Field 2 is a full path, as for rows 1-4.
  EXPECT_EQ(Load({u"01,005,休業日ファイル読込,"_s + PathOf(u"syukujitsu.csv"_s) + u",x"_s}), QString());
  EXPECT_EQ(clb.holidayList()->LastYear(), 2027);
}

struct BrokenCase {
  const char* name;
  QByteArray bytes;  // written as the list; empty name below means no file at all
  bool write;
  QStringList says;  // parts of the message
  int32_t lastYear;  // of the list in use afterwards, 0 = empty
};

class BrokenHolidayList : public HolidaySetup, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenHolidayList, IsReportedOnceAndItsValidLinesUsed) {
  const BrokenCase& c = GetParam();
  if (c.write) testing::WriteBytes(PathOf(u"H.csv"_s), c.bytes);
  const QString message = Load({u"01,005,休業日ファイル読込,,\\H.csv"_s});
  EXPECT_TRUE(message.contains(u"\\H.csv"_s)) << message.toStdString();  // the file it names
  for (const QString& part : c.says)
    EXPECT_TRUE(message.contains(part)) << message.toStdString() << " lacks " << part.toStdString();
  ASSERT_NE(clb.holidayList(), nullptr);
  EXPECT_EQ(clb.holidayList()->LastYear(), c.lastYear);
  // Whatever was read, weekends and the year end are closed.
  EXPECT_EQ(Proposed(), u"27/01/04");
  EXPECT_TRUE(host.errors.empty());  // the caller shows the message
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BrokenHolidayList,
    ::testing::Values(BrokenCase{"Missing", {}, false, {u"ありません"_s, u"組み込み"_s}, 0},
                      BrokenCase{"Empty", {}, true, {u"空です"_s, u"組み込み"_s}, 0},
                      BrokenCase{"WrongHeader",
                                 testing::ToCp932(u"祝日\r\n2026/1/1,元日\r\n"_s),
                                 true,
                                 {u"1行目"_s, u"見出し"_s, u"：祝日"_s, u"1日"_s},
                                 2026},
                      BrokenCase{
                          "ImpossibleDate",
                          testing::ToCp932(kHeader + u"\r\n2027/1/1,元日\r\n2025/2/30,休日\r\nabc\r\n"_s),
                          true,
                          {u"2行あります"_s, u"3行目：2025/2/30,休日"_s, u"1日の休業日を使います"_s},
                          2027},
                      BrokenCase{"NoValidLine",
                                 testing::ToCp932(kHeader + u"\r\n元日\r\n"_s),
                                 true,
                                 {u"2行目：元日"_s, u"組み込み"_s},
                                 0}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(HolidaySetup, AFolderInsteadOfAListCannotBeRead) {
  ASSERT_TRUE(QDir(dir.path()).mkdir(u"H.csv"_s));
  const QString message = Load({u"01,005,休業日ファイル読込,,\\H.csv"_s});
  EXPECT_TRUE(message.startsWith(u"休業日ファイルを読めません"_s)) << message.toStdString();
  EXPECT_EQ(Proposed(), u"27/01/04");
}

}  // namespace
}  // namespace rdx508
