// The start-up step that reads the holiday list of settings row 5.

#include <gtest/gtest.h>

#include <QDir>

#include "app/files/holiday_setup.h"
#include "calendar/holiday_list.h"
#include "tests/app/app_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

class HolidaySetup : public testing::AppFolderTest {
 protected:
  HolidaySetup() { host.clock = QDateTime(QDate(2026, 12, 7), QTime(9, 0)); }
  // The settings table with `rows` rows, row 5 naming `field3` after the program folder.
  QString Load(int32_t rows, const QString& field3) {
    Table3 INI({3, rows, 1});
    INI(0, 1, 0) = Value(QString::number(rows));
    if (rows >= 5) INI(3, 5, 1) = Value(field3);
    return LoadHolidayList(clb, INI);
  }
  int32_t LastYear() const { return clb.holidayList() ? clb.holidayList()->LastYear() : -1; }
  QString Proposed() { return clb.営業日変換(u"26/12/30"_s, 2); }
};

TEST_F(HolidaySetup, WithoutRowFiveNothingChanges) {
  for (int32_t rows : {4, 5}) {  // no row 5, or one that names no file
    EXPECT_EQ(Load(rows, {}), QString());
    EXPECT_EQ(clb.holidayList(), nullptr);
    EXPECT_EQ(Proposed(), u"26/12/31");  // 2026 has no closed days in the built-in table
  }
}

// Each kind of broken list is reported in one message naming the file and the first bad
// line; its valid lines are used, and weekends and the year end are closed whatever it held.
TEST_F(HolidaySetup, ABrokenListIsReportedAndItsValidLinesUsed) {
  const QString header = u"国民の祝日・休日月日,国民の祝日・休日名称\r\n"_s;
  const struct {
    std::optional<QByteArray> bytes;  // nullopt: no file; null: a folder of that name
    QStringList says;
    int32_t lastYear;
  } cases[] = {
      {std::nullopt, {u"ありません"_s, u"組み込み"_s}, 0},
      {QByteArray(), {u"読めません"_s, u"組み込み"_s}, 0},
      {QByteArray(""), {u"空です"_s}, 0},
      {testing::ToCp932(header), {u"休業日がありません"_s, u"組み込み"_s}, 0},
      {testing::ToCp932(u"祝日\r\n2026/1/1,元日\r\n"_s),
       {u"1行目"_s, u"見出し"_s, u"：祝日"_s, u"1日の"_s},
       2026},
      {testing::ToCp932(header + u"2027/1/1,元日\r\n2025/2/30,休日\r\nabc\r\n"_s),
       {u"2行あります"_s, u"3行目：2025/2/30,休日"_s, u"1日の休業日を使います"_s},
       2027},
      {testing::ToCp932(header + u"元日\r\n"_s), {u"2行目：元日"_s, u"組み込み"_s}, 0},
  };
  for (const auto& c : cases) {
    QDir(dir.path()).rmdir(u"H.csv"_s);
    QFile::remove(PathOf(u"H.csv"_s));
    if (c.bytes && c.bytes->isNull()) QDir(dir.path()).mkdir(u"H.csv"_s);
    if (c.bytes && !c.bytes->isNull()) testing::WriteBytes(PathOf(u"H.csv"_s), *c.bytes);
    const QString message = Load(5, u"\\H.csv"_s);
    for (const QString& part : c.says + QStringList{u"\\H.csv"_s})
      EXPECT_TRUE(message.contains(part)) << message.toStdString() << " lacks " << part.toStdString();
    EXPECT_EQ(LastYear(), c.lastYear);
    EXPECT_EQ(Proposed(), u"27/01/04");
  }
  EXPECT_TRUE(host.errors.empty());  // the caller shows the message
}

}  // namespace
}  // namespace rdx508
