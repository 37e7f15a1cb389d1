// The archive file: its text, its streaming reader on good and damaged files, and where
// the settings put it and the notes file.

#include <gtest/gtest.h>

#include <QDir>

#include "app/archive_file.h"
#include "app/companion_files.h"
#include "tests/app/app_fixture.h"

namespace rdx508 {
namespace {

using testing::AppFolderTest;

QString DatesOf(const QList<DayRec>& days) {
  QStringList dates;
  for (const DayRec& day : days)
    dates << day.Date;
  return dates.join(u' ');
}

class ArchiveFile : public AppFolderTest {
 protected:
  // Reads `bytes` as an archive file: the dates read and the report.
  std::pair<QString, QString> Read(const QByteArray& bytes) {
    testing::WriteBytes(PathOf(u"A.TXT"_s), bytes);
    const ArchiveReport report = ReadArchiveFile(PathOf(u"A.TXT"_s), days);
    EXPECT_FALSE(report.unreadable);
    return {DatesOf(days), report.text};
  }
  QList<DayRec> days;
};

TEST_F(ArchiveFile, TextRoundTripsThroughTheReader) {
  const QList<DayRec> archive{{u"24/01/05"_s, 2301.5, 1200, 400, 33377.42},
                              {u"24/01/04"_s, -0.25, 0, 2147483647, 0},
                              {u"24/01/04"_s, 1, 2, 3, 4}};
  const QString text = ArchiveFileText(archive, host.clock);
  EXPECT_TRUE(text.startsWith(u"1,5,RDX508_F4 200703150905\r\n/*（移動平均データ"_s));
  EXPECT_TRUE(
      text.endsWith(u"01,999,24/01/05,2301.50,1200,400,33377.42\r\n"
                    u"01,1000,24/01/04,-0.25,0,2147483647,0.00\r\n"
                    u"01,1001,24/01/04,1.00,2,3,4.00\r\n"_s));
  testing::WriteBytes(PathOf(u"A.TXT"_s), testing::ToCp932(text));
  EXPECT_EQ(ReadArchiveFile(PathOf(u"A.TXT"_s), days).text, QString());
  EXPECT_EQ(ArchiveFileText(days, host.clock), text);
}

// Line ends, comments, encodings and order as files may have them after an editor, and
// the damage a reader must report without losing the good days.
TEST_F(ArchiveFile, ReadsWhatItCanAndReportsTheFirstBadLine) {
  const QByteArray head = testing::ToCp932(u"1,5,RDX508_F4 202411291830\r\n/*（コメント）\r\n"_s);
  const QByteArray good = "01,999,24/01/05,1.5,10,20,3\r\n01,1000,24/01/04,2,1,1,2\r\n";
  const struct {
    QByteArray bytes;
    const char16_t* dates;
    int badLine;  // 0: no report
  } cases[] = {
      {head + good, u"24/01/05 24/01/04", 0},
      {"/* before\n1,5,T\n\n01,1,24/01/05,1,1,1,1\n/* between\n01,2,24/01/04,1,1,1,1", u"24/01/05 24/01/04",
       0},
      {"1,5,T\r01,1,24/01/05,1,1,1,1\r01,2,24/01/04,1,1,1,1\r", u"24/01/05 24/01/04", 0},
      {"\xEF\xBB\xBF/* \xE3\x83\xA1\xE3\x83\xA2\n1,5,T\n01,1,24/01/05,1,1,1,1,extra\n", u"24/01/05", 0},
      {"1,5,T\r\n01,1,23/12/01,1,1,1,1\r\n01,2,24/01/05,1,1,1,1\r\n", u"24/01/05 23/12/01", 0},
      {"1,0,T\r\n" + good, u"24/01/05 24/01/04", 1},
      {head + "01,999,24/01/03,1,1,1\r\n" + good, u"24/01/05 24/01/04", 3},
      {head + good + "01,7,24/01/02,x,1,1,1\r\n02,8,24/01/01,1,1,1,1\r\n01,9,,1,1,1,1\r\n",
       u"24/01/05 24/01/04", 5},
      {head + "01,1," + QByteArray(1 << 20, 'x') + ",1,1,1,1\r\n" + good, u"24/01/05 24/01/04", 3},
      {"/*" + QByteArray(64 * 1024 - 3, '-') + "\r\n1,5,T\r\nbad\r\n", u"", 3},  // CR LF across two blocks
      {head + "\x81\x1A\xFF\xFE\r\n" + good, u"24/01/05 24/01/04", 3},
      {"1,5,T\r\n01,1,24/01/\x7F\x1A,1,1,1,1\r\n", u"24/01/\x1A\x1C", 0},  // as the day file reads them
  };
  for (const auto& c : cases) {
    const auto [dates, report] = Read(c.bytes);
    EXPECT_EQ(dates, QString::fromUtf16(c.dates)) << c.bytes.toStdString();
    if (c.badLine == 0) {
      EXPECT_EQ(report, QString()) << c.bytes.toStdString();
    } else {
      EXPECT_TRUE(report.contains(u"A.TXT"_s) && report.contains(u" %1 行目"_s.arg(c.badLine)))
          << report.toStdString();
    }
  }
  Read(head + "01,999,24/01/05,1.5,10.5,-3,3.25\r\n");
  ASSERT_EQ(days.size(), 1);
  EXPECT_EQ(days[0].Topix, 1.5);
  EXPECT_EQ(days[0].Up, 10);  // halves to even, like the day file
  EXPECT_EQ(days[0].Down, -3);
  EXPECT_EQ(days[0].Nikkei, 3.25);
  EXPECT_FALSE(Read({}).second.isEmpty());  // an empty file is no archive
}

TEST_F(ArchiveFile, AMissingFileIsEmptyAndAFolderIsUnreadable) {
  days = {DayRec{u"x"_s}};
  EXPECT_EQ(ReadArchiveFile(PathOf(u"NONE.TXT"_s), days).text, QString());
  EXPECT_TRUE(days.isEmpty());
  ASSERT_TRUE(QDir().mkdir(PathOf(u"A.TXT"_s)));
  const ArchiveReport report = ReadArchiveFile(PathOf(u"A.TXT"_s), days);
  EXPECT_TRUE(report.unreadable);
  EXPECT_TRUE(report.text.contains(u"A.TXT"_s));
}

TEST_F(ArchiveFile, SettingsRowsSixAndSevenOrTheDayFilesFolder) {
  const QString f = host.folder;
  const struct {
    QStringList rows;  // section 1 from row 2 on (row 1 is always the day file read)
    QString archive, notes;
  } cases[] = {
      {{u"01,002,,,\\D.TXT"_s}, f + u"\\RDX508_ARCHIVE.TXT"_s, f + u"\\RDX508_NOTES.TXT"_s},
      {{u"01,002,,/data/x/D.TXT,"_s}, u"/data/x/RDX508_ARCHIVE.TXT"_s, u"/data/x/RDX508_NOTES.TXT"_s},
      {{u"01,002,,,\\D.TXT"_s, u"01,003,,,\\C"_s, u"01,004,,,\\C"_s, u"01,005,,,\\H"_s,
        u"01,006,保管ファイル,,\\OLD.TXT"_s, u"01,007,メモファイル,/n/M.TXT,"_s},
       f + u"\\OLD.TXT"_s,
       u"/n/M.TXT"_s},
      {{u"01,002,,,\\D.TXT"_s, u"01,003,,,\\C"_s, u"01,004,,,\\C"_s, u"01,005,,,\\H"_s,
        u"01,006,保管ファイル,,"_s},
       f + u"\\RDX508_ARCHIVE.TXT"_s,
       f + u"\\RDX508_NOTES.TXT"_s},
      {{}, QString(), QString()},
  };
  for (const auto& c : cases) {
    WriteLines(u"RDX508_INIT.TXT"_s, QStringList{u"1,3,T"_s, u"01,001,,,\\D.TXT"_s} + c.rows);
    Table3 ini;
    ASSERT_GE(clb.T_Read(PathOf(u"RDX508_INIT.TXT"_s), ini), 1);
    EXPECT_EQ(ArchiveFilePath(ini, f), c.archive);
    EXPECT_EQ(NotesFilePath(ini, f), c.notes);
  }
}

TEST(ArchiveDays, DaysTheSeriesHoldsLeaveTheArchive) {
  DaySeries series;
  series.Days[1] = {u"24/01/09"_s};
  series.Days[2] = {u"24/01/08"_s};
  series.DayCnt = 2;
  QList<DayRec> archive{{u"24/01/08"_s}, {u"24/01/05"_s}, {u"24/01/08"_s}, {u"24/01/04"_s}};
  DropDaysInSeries(series, archive);
  EXPECT_EQ(DatesOf(archive), u"24/01/05 24/01/04"_s);
}

}  // namespace
}  // namespace rdx508
