// The command line: usage errors, import refusing a file with any bad line or while the
// window holds the data, import and overwrite through the save, and the round trip of
// export, import into an empty folder and export again.

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <tuple>

#include "program/command_line.h"
#include "program/notebook_start.h"
#include "tests/app/app_fixture.h"
#include "ui/rdx_f508.h"

namespace rdx508 {
namespace {

using namespace Qt::Literals::StringLiterals;

class CommandLine : public testing::AppFolderTest {
 protected:
  // A program folder with the settings, the colour ranges and these day lines.
  void WriteFolder(const QStringList& dayLines) {
    WriteSettings();
    WriteLines(u"COLOR.TXT"_s, {u"1,7,RDX508_F5 200703150905"_s, u"01,000,20,45,50,55,60,80,100,"_s});
    WriteLines(u"DAYS.TXT"_s, QStringList{u"1,5,RDX508_F4 200703150905"_s} + dayLines);
  }
  int Run(const QStringList& arguments) {
    out.clear();
    err.clear();
    QTextStream o(&out), e(&err);
    return RunCommandLine(arguments, host, o, e);
  }
  QString Csv(const QString& name, const QByteArray& bytes) {
    testing::WriteBytes(PathOf(name), bytes);
    return PathOf(name);
  }
  QString out, err;
};

TEST_F(CommandLine, UsageErrorsExitWithTwoAndTheUsage) {
  const std::pair<QStringList, QString> cases[] = {
      {{u"--import"_s}, u"--import の後に値がありません"_s},
      {{u"--import"_s, u"a.csv"_s, u"--export"_s, u"b.csv"_s}, u"どちらか一つ"_s},
      {{u"--export"_s, u"b.csv"_s, u"--overwrite"_s}, u"--overwrite は --import と"_s},
      {{u"--import"_s, u"a.csv"_s, u"--encoding"_s, u"cp932"_s}, u"--encoding は --export と"_s},
      {{u"--export"_s, u"b.csv"_s, u"--encoding=latin1"_s}, u"utf-8 か cp932"_s},
      {{u"--export"_s, u"b.csv"_s, u"c.csv"_s}, u"余分な引数です: c.csv"_s},
      {{u"--imprt"_s, u"a.csv"_s}, u"知らないオプションです: --imprt"_s},
      {{u"--overwrite"_s}, u"--import か --export を"_s},
  };
  for (const auto& [arguments, why] : cases) {
    EXPECT_EQ(Run(arguments), 2) << arguments.join(u' ').toStdString();
    EXPECT_TRUE(err.startsWith(u"rdx508: "_s) && err.section(u'\n', 0, 0).contains(why) &&
                err.contains(u"使い方:"_s))
        << err.toStdString();
    EXPECT_TRUE(out.isEmpty());
  }
  EXPECT_EQ(Run({u"--help"_s}), 0);
  EXPECT_EQ(out, CommandLineUsage());
  EXPECT_EQ(Run({u"--version"_s}), 0);
  EXPECT_TRUE(out.startsWith(u"rdx508 "_s));
  EXPECT_FALSE(IsCommandLineRun({}));
  EXPECT_FALSE(IsCommandLineRun({u"-platform"_s, u"offscreen"_s}));
}

TEST_F(CommandLine, DataOptionIsTakenOutInAnyMode) {
  const struct {
    QStringList arguments;
    QString folder;
    QStringList rest;
  } cases[] = {
      {{u"--data"_s, u"/n b"_s}, u"/n b"_s, {}},
      {{u"--import"_s, u"a.csv"_s, u"--data=/x"_s}, u"/x"_s, {u"--import"_s, u"a.csv"_s}},
      {{u"--data"_s, u"/x"_s, u"--export"_s, u"b.csv"_s, u"--data"_s, u"/y"_s},
       u"/y"_s,
       {u"--export"_s, u"b.csv"_s}},
      {{u"--data"_s, u"--export"_s, u"b.csv"_s}, {}, {u"--data"_s, u"--export"_s, u"b.csv"_s}},
  };
  for (const auto& c : cases) {
    QStringList arguments = c.arguments;
    EXPECT_EQ(TakeDataOption(arguments), c.folder) << c.arguments.join(u' ').toStdString();
    EXPECT_EQ(arguments, c.rest);
  }
  EXPECT_EQ(Run({u"--data"_s, u"--export"_s, u"b.csv"_s}), 2);
  EXPECT_TRUE(err.contains(u"--data の後に値がありません"_s)) << err.toStdString();
}

// A missing notebook: an export says so and writes nothing; an import of a bad file
// writes nothing either; an import of a good one creates the notebook and saves the days.
TEST_F(CommandLine, OnlyAnImportCreatesAMissingNotebook) {
  host.folder = PathOf(u"notebook"_s);
  EXPECT_EQ(Run({u"--export"_s, PathOf(u"out.csv"_s)}), 1);
  EXPECT_TRUE(err.contains(u"ノートがありません"_s)) << err.toStdString();
  const QString bad = Csv(u"bad.csv"_s, "date,topix,up,down\n2024/13/01,1,2,3\n");
  EXPECT_EQ(Run({u"--import"_s, bad}), 1);
  EXPECT_EQ(FolderEntries(), QStringList{u"bad.csv"_s});
  EXPECT_FALSE(QFile::exists(host.folder));

  const QString good = Csv(u"good.csv"_s, "date,topix,up,down\n2024/12/02,2700.5,900,700\n");
  ASSERT_EQ(Run({u"--import"_s, good}), 0) << err.toStdString();
  EXPECT_TRUE(out.contains(u"新しい日 1 を追加"_s)) << out.toStdString();
  ASSERT_EQ(Run({u"--export"_s, PathOf(u"out.csv"_s)}), 0) << err.toStdString();
  EXPECT_TRUE(out.contains(u": 1 日を書き出しました"_s)) << out.toStdString();
}

TEST_F(CommandLine, ImportRefusesABadFileWholeAndWritesNothing) {
  WriteFolder({u"01,001,24/11/29,2680.71,1020,560,38208.03"_s});
  const QByteArray before = testing::ReadBytes(PathOf(u"DAYS.TXT"_s));
  const QString bad =
      Csv(u"bad.csv"_s, "date,topix,up,down\n2024/12/02,1,2,3\n2024/13/01,1,2,3\nx,1,2;5,3\n");
  EXPECT_EQ(Run({u"--import"_s, bad}), 1);
  EXPECT_EQ(err, bad + u": 3行目: ありえない日付です「2024/13/01」\n"_s + bad +
                     u": 4行目: 日付として読めません「x」、上昇数: 数値として読めません「2;5」\n"_s + bad +
                     u": 読めない行が 2 行あるため、何も取り込みませんでした\n"_s);

  // The window open on the same data holds the day file's lock.
  const QString good = Csv(u"good.csv"_s, "date,topix,up,down\n2024/12/02,1,2,3\n");
  {
    QLockFile window(PathOf(u"DAYS.TXT.lock"_s));
    ASSERT_TRUE(window.tryLock(0));
    EXPECT_EQ(Run({u"--import"_s, good}), 1);
    EXPECT_TRUE(err.contains(u"同じデータで開いている"_s)) << err.toStdString();
  }
  EXPECT_EQ(testing::ReadBytes(PathOf(u"DAYS.TXT"_s)), before);
  EXPECT_EQ(testing::ReadBytes(PathOf(u"COLOR.TXT"_s)),
            testing::ToCp932(u"1,7,RDX508_F5 200703150905\r\n01,000,20,45,50,55,60,80,100,\r\n"_s));
}

TEST_F(CommandLine, ImportsNewDaysAndOverwritesOnlyWhenAsked) {
  WriteFolder({u"01,001,24/11/29,2680.71,1020,560,38208.03"_s});
  const QString file = Csv(u"in.csv"_s,
                           "日付,東証平均,日経平均,上昇数,下落数\r\n2024/11/29,2680.71,38208.03,1021,560\r\n"
                           "2024/12/02,2700,38500,900,700\r\n");
  const std::tuple<QStringList, QString, QString> cases[] = {
      // arguments, summary, the stored 24/11/29 afterwards
      {{u"--import"_s, file},
       u"新しい日 1 を追加、同じ日 0、値の異なる日 1 は保存済みのまま（--overwrite で上書き）"_s,
       u"1020"_s},
      {{u"--import"_s, file},
       u"新しい日 0 を追加、同じ日 1、値の異なる日 1 は保存済みのまま（--overwrite で上書き）。変更はないので何も書きませんでした"_s,
       u"1020"_s},
      {{u"--import"_s, file, u"--overwrite"_s},
       u"新しい日 0 を追加、同じ日 1、値の異なる日 1 を上書き"_s,
       u"1021"_s},
  };
  for (const auto& [arguments, summary, up] : cases) {
    EXPECT_EQ(Run(arguments), 0) << err.toStdString();
    EXPECT_EQ(out, file + u": "_s + summary + u'\n');
    EXPECT_EQ(testing::FromCp932(testing::ReadBytes(PathOf(u"DAYS.TXT"_s))).split(u"\r\n"_s).mid(2, 2),
              (QStringList{u"01,001,24/12/02,2700.00,900,700,38500.00"_s,
                           u"01,002,24/11/29,2680.71,"_s + up + u",560,38208.03"_s}));
  }
}

TEST_F(CommandLine, ALoneCloseColumnTakesItsIndexFromTheOptionOrAClearGuess) {
  WriteFolder(
      {u"01,001,24/12/25,2743.49,1000,600,39130.43"_s, u"01,002,24/12/24,2738.25,900,700,39036.85"_s});
  const QByteArray before = testing::ReadBytes(PathOf(u"DAYS.TXT"_s));
  const QString source = QStringLiteral(RDX508_TEST_FILES "/nikkei_stock_average_daily_jp.csv");
  const QString unclear = Csv(u"close.csv"_s, "Date,Close\n2024-12-26,39568.06\n");
  const QString named = Csv(u"named.csv"_s, "日付,日経平均\n2024/12/26,39568.06\n");
  const std::tuple<QStringList, int, QString> cases[] = {
      // arguments, exit code, part of the message
      {{u"--import"_s, unclear}, 1, u"--index topix か --index nikkei"_s},
      {{u"--import"_s, unclear, u"--index"_s, u"dow"_s}, 2, u"topix か nikkei"_s},
      {{u"--import"_s, named, u"--index=nikkei"_s}, 1, u"終値の列だけのファイル"_s},
      {{u"--export"_s, unclear, u"--index=nikkei"_s}, 2, u"--index は --import と"_s},
  };
  for (const auto& [arguments, code, why] : cases) {
    EXPECT_EQ(Run(arguments), code) << arguments.join(u' ').toStdString();
    EXPECT_TRUE(err.contains(why)) << err.toStdString();
  }
  EXPECT_EQ(testing::ReadBytes(PathOf(u"DAYS.TXT"_s)), before);

  // The official download overlaps two stored days whose Nikkei values it repeats.
  EXPECT_EQ(Run({u"--import"_s, source}), 0) << err.toStdString();
  EXPECT_TRUE(out.contains(u"新しい日 4 を追加、同じ日 2、値の異なる日 0、注記として読み飛ばした行 1"_s))
      << out.toStdString();
  const QStringList lines = testing::FromCp932(testing::ReadBytes(PathOf(u"DAYS.TXT"_s))).split(u"\r\n"_s);
  EXPECT_EQ(lines.mid(2, 2),
            (QStringList{u"01,001,24/12/30,0.00,0,0,39894.54"_s, u"01,002,24/12/27,0.00,0,0,40281.16"_s}));
  EXPECT_TRUE(lines.contains(u"01,004,24/12/25,2743.49,1000,600,39130.43"_s));
  EXPECT_EQ(Run({u"--import"_s, unclear, u"--index"_s, u"topix"_s}), 0) << err.toStdString();
  EXPECT_TRUE(out.contains(u"0 だった値を埋めた日 1"_s)) << out.toStdString();

  // Into a notebook not made yet there is nothing to guess from: refused, nothing made.
  host.folder = PathOf(u"new/RDX508"_s);
  EXPECT_EQ(Run({u"--import"_s, unclear}), 1);
  EXPECT_TRUE(err.contains(u"--index topix か --index nikkei"_s)) << err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(PathOf(u"new"_s)));
}

TEST_F(CommandLine, NeverExportsOverTheProgramsFilesAndNamesAFileItCannotRead) {
  WriteFolder({u"01,001,24/11/29,2680.71,1020,560,38208.03"_s});
  const QByteArray days = testing::ReadBytes(PathOf(u"DAYS.TXT"_s));
  for (const QString& target :
       {PathOf(u"DAYS.TXT"_s), PathOf(u"COLOR.TXT"_s), dir.path() + u"/./RDX508_INIT.TXT"_s}) {
    EXPECT_EQ(Run({u"--export"_s, target}), 1) << target.toStdString();
    EXPECT_TRUE(err.contains(u"データファイルです"_s)) << err.toStdString();
  }
  EXPECT_EQ(testing::ReadBytes(PathOf(u"DAYS.TXT"_s)), days);

  QFile::remove(PathOf(u"DAYS.TXT"_s));
  EXPECT_EQ(Run({u"--export"_s, PathOf(u"out.csv"_s)}), 1);
  EXPECT_EQ(err,
            u"rdx508: INI(1, 1, x)なし（日付ファイル "_s + dir.path() + u"\\DAYS.TXT を読めません）\n"_s);
  EXPECT_FALSE(QFile::exists(PathOf(u"out.csv"_s)));
}

// An import whose save cannot be made whole writes nothing, exits 1 and names the file;
// an export that cannot hold every kept day fails; a date held twice is kept once.
TEST_F(CommandLine, NoImportOrExportIsPartialWithoutFailing) {
  const QString csv = Csv(u"new.csv"_s, "date,topix,nikkei,up,down\n2024/12/02,2700,38500,900,700\n");
  for (const QString& place : {u"COLOR.TXT.bak2"_s, u"DAYS.TXT.bak5"_s}) {
    WriteFolder({u"01,001,24/11/29,2680.71,1020,560,38208.03"_s});
    ASSERT_TRUE(QDir().mkdir(PathOf(place)));
    const QByteArray days = testing::ReadBytes(PathOf(u"DAYS.TXT"_s));
    EXPECT_EQ(Run({u"--import"_s, csv}), 1);
    EXPECT_TRUE(err.contains(place)) << err.toStdString();
    EXPECT_EQ(testing::ReadBytes(PathOf(u"DAYS.TXT"_s)), days);
    EXPECT_EQ(FolderEntries(),
              (QStringList{u"COLOR.TXT"_s, u"DAYS.TXT"_s, u"new.csv"_s, u"RDX508_INIT.TXT"_s}));
    QDir().rmdir(PathOf(place));
  }
  const std::tuple<QString, int, QString> exports[] = {
      {u"24/11/26,x"_s, 1, u"RDX508_ARCHIVE.TXT の 3 行目"_s},
      {u"24/11/27,2601"_s, 0, u"24/11/27 が二度あります"_s},
  };
  for (const auto& [line, exit, told] : exports) {
    WriteLines(u"RDX508_ARCHIVE.TXT"_s,
               {u"1,5,x"_s, u"01,999,24/11/27,2600,1,1,38000"_s, u"01,1000,"_s + line + u",1,1,38001"_s});
    QFile::remove(PathOf(u"out.csv"_s));
    EXPECT_EQ(Run({u"--export"_s, PathOf(u"out.csv"_s)}), exit) << line.toStdString();
    EXPECT_TRUE(err.contains(told)) << err.toStdString();
    EXPECT_EQ(QFile::exists(PathOf(u"out.csv"_s)), exit == 0);
  }
  EXPECT_TRUE(out.contains(u": 2 日を書き出しました"_s)) << out.toStdString();
}

TEST_F(CommandLine, ExportImportIntoAnEmptyFolderAndExportAgainIsByteIdentical) {
  // The sample's 80 days and 1,000 older ones: 82 days lie in the archive.
  QByteArray older = "date,topix,nikkei,up,down\n";
  for (int k = 1; k <= 1000; ++k)
    older += QDate(2024, 9, 1).addDays(-k).toString(u"yyyy/MM/dd"_s).toLatin1() + ",2700.5," +
             QByteArray::number(30000 + k) + ".25," + QByteArray::number(k) + ",7\n";
  for (const QString& encoding : {u"utf-8"_s, u"cp932"_s}) {
    for (const QString& name : {u"RDX508_INIT.TXT"_s, u"RDX508_DAYS.TXT"_s, u"RDX508_COLOR.TXT"_s}) {
      QFile::remove(PathOf(name));
      ASSERT_TRUE(QFile::copy(QStringLiteral(RDX508_DATA_DIR "/") + name, PathOf(name)));
      QFile::setPermissions(PathOf(name), QFile::ReadOwner | QFile::WriteOwner);
    }
    QFile::remove(PathOf(u"RDX508_ARCHIVE.TXT"_s));
    ASSERT_EQ(Run({u"--import"_s, Csv(u"older.csv"_s, older)}), 0) << err.toStdString();
    const QString first = PathOf(u"first.csv"_s), second = PathOf(u"second.csv"_s);
    ASSERT_EQ(Run({u"--export"_s, first, u"--encoding"_s, encoding}), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(u": 1080 日を書き出しました"_s)) << out.toStdString();

    WriteLines(u"RDX508_DAYS.TXT"_s, {u"1,5,RDX508_F4 200703150905"_s});
    QFile::remove(PathOf(u"RDX508_ARCHIVE.TXT"_s));
    ASSERT_EQ(Run({u"--import"_s, first}), 0) << err.toStdString();
    EXPECT_TRUE(out.contains(u"新しい日 1080 を追加"_s)) << out.toStdString();
    EXPECT_TRUE(QFile::exists(PathOf(u"RDX508_ARCHIVE.TXT"_s)));
    ASSERT_EQ(Run({u"--export"_s, second, u"--encoding"_s, encoding}), 0) << err.toStdString();
    EXPECT_EQ(testing::ReadBytes(first), testing::ReadBytes(second)) << encoding.toStdString();
  }
}

// The window and the command line open the same notebook the same way: the days the
// window loads, the archive's included, are the days the export writes.
TEST_F(CommandLine, TheWindowAndTheCommandLineSeeTheSameDays) {
  for (const QString& name :
       {u"RDX508_INIT.TXT"_s, u"RDX508_DAYS.TXT"_s, u"RDX508_COLOR.TXT"_s, u"syukujitsu.csv"_s}) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(RDX508_DATA_DIR "/") + name, PathOf(name)));
    QFile::setPermissions(PathOf(name), QFile::ReadOwner | QFile::WriteOwner);
  }
  QByteArray older = "date,topix,nikkei,up,down\n";
  for (int k = 1; k <= 930; ++k)
    older += QDate(2024, 7, 1).addDays(-k).toString(u"yyyy/MM/dd"_s).toLatin1() + ",2000,30000,600,400\n";
  ASSERT_EQ(Run({u"--import"_s, Csv(u"older.csv"_s, older)}), 0) << err.toStdString();
  ASSERT_EQ(Run({u"--export"_s, PathOf(u"all.csv"_s)}), 0) << err.toStdString();
  const QStringList lines = QString::fromUtf8(testing::ReadBytes(PathOf(u"all.csv"_s))).split(u"\r\n"_s);

  StartupTables tables;
  ASSERT_EQ(ReadStartupFiles(clb, tables), QString());
  RDX_F508 form(clb, host, tables);
  form.Form_Load();
  form.LoadArchiveOnce();
  const DaySeries& series = form.series();
  EXPECT_EQ(series.DayCnt, 998);
  EXPECT_EQ(lines.size() - 2, series.DayCnt + series.Archive.size());  // the header, the last line break
  EXPECT_TRUE(lines[lines.size() - 2].startsWith(u"20"_s + series.Days[1].Date + u','))
      << lines[lines.size() - 2].toStdString();  // the newest day, the grid's top
  EXPECT_TRUE(host.errors.empty());
}

}  // namespace
}  // namespace rdx508
