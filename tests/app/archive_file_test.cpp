// The archive file's streaming reader on good and damaged files, and where the settings
// put the archive and the notes file.

#include <gtest/gtest.h>

#include <QDir>

#include "app/files/archive_file.h"
#include "app/files/companion_files.h"
#include "tests/app/app_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

using ArchiveFile = testing::AppFolderTest;

QString DatesOf(const QList<DayRec>& days) {
  QStringList dates;
  for (const DayRec& day : days)
    dates << day.Date;
  return dates.join(u' ');
}

// Line ends, comments, encodings and order as an editor may leave them, and the damage
// the reader reports (with the first bad line) without losing the good days.
TEST_F(ArchiveFile, ReadsWhatItCanAndReportsTheFirstBadLine) {
  const QByteArray head = testing::ToCp932(u"1,5,RDX508_F4 202411291830\r\n/*（コメント）\r\n"_s);
  const QByteArray good = "01,999,24/01/05,1.5,10.5,-3,3\r\n01,1000,24/01/04,2,1,1,2\r\n";
  const struct {
    QByteArray bytes;
    const char16_t* dates;
    int badLine;  // 0: no report
  } cases[] = {
      {head + good, u"24/01/05 24/01/04", 0},
      {"/* x\n1,5,T\n\n01,1,24/01/05,1,1,1,1\n/* y\n01,2,24/01/04,1,1,1,1", u"24/01/05 24/01/04", 0},
      {"1,5,T\r01,1,23/12/01,1,1,1,1\r01,2,24/01/05,1,1,1,1\r", u"24/01/05 23/12/01", 0},
      {"\xEF\xBB\xBF/* \xE3\x83\xA1\n1,5,T\n01,1,24/01/05,1,1,1,1,extra\n", u"24/01/05", 0},
      {"1,5,T\r\n01,1,24/01/\x7F\x1A,1,1,1,1\r\n", u"24/01/\x1A\x1C", 0},  // as the day file reads them
      {"1,0,T\r\n" + good, u"24/01/05 24/01/04", 1},
      {head + "01,999,24/01/03,1,1,1\r\n" + good, u"24/01/05 24/01/04", 3},
      {head + good + "01,7,24/01/02,x,1,1,1\r\n02,8,24/01/01,1,1,1,1\r\n01,9,,1,1,1,1\r\n",
       u"24/01/05 24/01/04", 5},
      {head + "01,1," + QByteArray(1 << 20, 'x') + ",1,1,1,1\r\n" + good, u"24/01/05 24/01/04", 3},
      {head + "\x81\x1A\xFF\xFE\r\n" + good, u"24/01/05 24/01/04", 3},
      {"/*" + QByteArray(64 * 1024 - 3, '-') + "\r\n1,5,T\r\nbad\r\n", u"", 3},  // CR LF across two blocks
      {"", u"", 1},
  };
  QList<DayRec> days;
  for (const auto& c : cases) {
    testing::WriteBytes(PathOf(u"A.TXT"_s), c.bytes);
    const ArchiveReport report = ReadArchiveFile(PathOf(u"A.TXT"_s), days);
    EXPECT_FALSE(report.unreadable);
    EXPECT_EQ(DatesOf(days), QString::fromUtf16(c.dates)) << c.bytes.left(80).toStdString();
    EXPECT_EQ(report.text.contains(u"A.TXT"_s), c.badLine != 0) << report.text.toStdString();
    if (c.badLine > 1) {
      EXPECT_TRUE(report.text.contains(u" %1 行目"_s.arg(c.badLine))) << report.text.toStdString();
    }
  }
  EXPECT_EQ(ReadArchiveFile(PathOf(u"NONE.TXT"_s), days).text, QString());  // missing: empty
  EXPECT_TRUE(days.isEmpty());
  ASSERT_TRUE(QDir().mkdir(PathOf(u"DIR.TXT"_s)));
  EXPECT_TRUE(ReadArchiveFile(PathOf(u"DIR.TXT"_s), days).unreadable);
}

TEST_F(ArchiveFile, SettingsRowsSixAndSevenOrTheDayFilesFolder) {
  const QString f = host.folder;
  const QString rows3to5 = u"01,003,,,\\C|01,004,,,\\C|01,005,,,\\H|"_s;
  const struct {
    QString rows;  // section 1 from row 2 on, separated by "|"
    QString archive, notes;
  } cases[] = {
      {u"01,002,,,\\D.TXT"_s, f + u"\\RDX508_ARCHIVE.TXT"_s, f + u"\\RDX508_NOTES.TXT"_s},
      {u"01,002,,,\\D|"_s + rows3to5 + u"01,006,保管ファイル,,\\OLD|01,007,メモ,/n/M,"_s, f + u"\\OLD"_s,
       u"/n/M"_s},
      {u"01,002,,,\\D|"_s + rows3to5 + u"01,006,保管ファイル,,"_s, f + u"\\RDX508_ARCHIVE.TXT"_s,
       f + u"\\RDX508_NOTES.TXT"_s},
      {QString(), QString(), QString()},
  };
  for (const auto& c : cases) {
    WriteLines(u"RDX508_INIT.TXT"_s, QStringList{u"1,3,T"_s, u"01,001,,,\\D.TXT"_s} + c.rows.split(u'|'));
    Table3 ini;
    ASSERT_GE(clb.T_Read(PathOf(u"RDX508_INIT.TXT"_s), ini), 1);
    EXPECT_EQ(ArchiveFilePath(ini, f), c.archive);
    EXPECT_EQ(NotesFilePath(ini, f), c.notes);
  }
}

}  // namespace
}  // namespace rdx508
