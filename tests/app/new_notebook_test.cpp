#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/files/color_file.h"
#include "app/files/companion_files.h"
#include "app/files/day_file.h"
#include "app/files/holiday_setup.h"
#include "app/files/new_notebook.h"
#include "app/files/notebook_folder.h"
#include "app/files/startup.h"
#include "support/fake_host.h"
#include "tests/app/app_fixture.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

using testing::AppFolderTest;

const QString kShared = QStringLiteral(RDX508_DATA_DIR);
const QDateTime kNow(QDate(2026, 12, 7), QTime(9, 30));

// The folder rule, one row per case: does the program folder hold a settings file, what
// --data and XDG_DATA_HOME say, and where the notebook is then (relative to the test's folder).
struct FolderCase {
  const char* name;
  bool portableSettings;
  QString dataOption, xdgDataHome, expected;
  bool portable;
};

class NotebookFolderRule : public AppFolderTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(NotebookFolderRule, ChoosesTheFolder) {
  const FolderCase& c = GetParam();
  const QString root = dir.path();
  QDir().mkpath(root + u"/prog"_s);
  if (c.portableSettings) WriteLines(u"prog/RDX508_INIT.TXT"_s, {u"1,3,RDX508 設定"_s});
  const auto inRoot = [&](const QString& p) {
    return p.isEmpty() || p.startsWith(u'/') ? p : root + u'/' + p;
  };
  const NotebookPlace place = ChooseNotebookFolder(root + u"/prog/"_s, inRoot(c.dataOption),
                                                   inRoot(c.xdgDataHome), root + u"/home"_s);
  EXPECT_EQ(place.folder, root + u'/' + c.expected);
  EXPECT_EQ(place.portable, c.portable);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NotebookFolderRule,
    ::testing::Values(FolderCase{"portable", true, {}, u"xdg"_s, u"prog"_s, true},
                      FolderCase{"xdgSet", false, {}, u"xdg"_s, u"xdg/RDX508"_s, false},
                      FolderCase{"xdgUnset", false, {}, {}, u"home/.local/share/RDX508"_s, false},
                      FolderCase{"dataOption", false, u"mine/"_s, u"xdg"_s, u"mine"_s, false},
                      FolderCase{"dataOptionOverPortable", true, u"mine/./x/.."_s, {}, u"mine"_s, false}),
    [](const ::testing::TestParamInfo<FolderCase>& p) { return std::string(p.param.name); });

TEST(NotebookFolderRuleTest, RelativeXdgIsIgnoredAndSharedFolderIsBesideBin) {
  // (The relative case above passes an absolute path by construction; here it stays relative.)
  EXPECT_EQ(ChooseNotebookFolder(u"/nowhere"_s, {}, u"relative/data"_s, u"/home/u"_s).folder,
            u"/home/u/.local/share/RDX508"_s);
  EXPECT_EQ(SharedDataFolder(u"/usr/bin"_s), u"/usr/share/rdx508"_s);
}

class NewNotebook : public AppFolderTest {
 protected:
  QString Notebook() const { return PathOf(u"data/RDX508"_s); }
  // Reads the new notebook as the program's start does.
  void Open() {
    host.folder = Notebook();
    ASSERT_EQ(ReadStartupFiles(clb, tables), QString());
  }
  StartupTables tables;
};

TEST_F(NewNotebook, EmptyNotebookOpensWithNoDaysDefaultRangesAndTheShippedHolidays) {
  ASSERT_EQ(CreateNotebook(Notebook(), kShared, NotebookStart::kEmpty, kNow), QString());
  EXPECT_EQ(QDir(Notebook()).entryList(QDir::Files, QDir::Name),
            QStringList({u"RDX508_COLOR.TXT"_s, u"RDX508_DAYS.TXT"_s, u"RDX508_INIT.TXT"_s}));
  Open();
  for (int32_t row = 1; row <= 7; ++row)
    EXPECT_TRUE(HasSettingsRow(tables.INI, row)) << row;
  DaySeries series;
  LoadDays(clb, tables.DayTbl, series);
  EXPECT_EQ(series.DayCnt, 0);
  Table2 range;
  LoadRanges(tables.ColorTbl, range);
  EXPECT_EQ(range(0, 0).toText(), u"20");
  EXPECT_EQ(range(2, 6).toText(), u"999");
  EXPECT_EQ(DataFilePath(tables.INI, 5, Notebook()), kShared + u"/syukujitsu.csv"_s);
  EXPECT_EQ(LoadHolidayList(clb, tables.INI), QString());
  clb.休日暦作成();
  EXPECT_TRUE(clb.IsClosed(27, QDate(2027, 11, 23).dayOfYear()));  // 勤労感謝の日 from the shipped list
  EXPECT_EQ(QDir::cleanPath(PlatformPath(ArchiveFilePath(tables.INI, Notebook()))),
            Notebook() + u"/RDX508_ARCHIVE.TXT"_s);
  EXPECT_EQ(QDir::cleanPath(PlatformPath(NotesFilePath(tables.INI, Notebook()))),
            Notebook() + u"/RDX508_NOTES.TXT"_s);
  EXPECT_TRUE(HoldsNotebook(Notebook()));
}

TEST_F(NewNotebook, SampleNotebookHoldsTheSampleDays) {
  ASSERT_EQ(CreateNotebook(Notebook(), kShared, NotebookStart::kSample, kNow), QString());
  Open();
  DaySeries series;
  LoadDays(clb, tables.DayTbl, series);
  EXPECT_EQ(series.DayCnt, 80);
}

// Row 5: the notebook's own list when it reaches further than the shipped one.
TEST_F(NewNotebook, HolidayRowNamesTheListThatReachesFurthest) {
  struct Case {
    QString ownLastDay;  // "" = no list of its own
    bool sharedList;
    QString expected;  // the path row 5 resolves to, "" = none
  };
  const QString own = u"/syukujitsu.csv"_s;
  for (const Case& c : {Case{u"2030/1/1"_s, true, own}, Case{u"2025/1/1"_s, true, u"shared"_s},
                        Case{{}, true, u"shared"_s}, Case{u"2020/1/1"_s, false, own}, Case{{}, false, {}}}) {
    QTemporaryDir notebook, empty;
    if (!c.ownLastDay.isEmpty()) {
      QFile list(notebook.path() + own);
      ASSERT_TRUE(list.open(QIODevice::WriteOnly));
      list.write(u"国民の祝日・休日月日,国民の祝日・休日名称\n"_s.toUtf8());
      list.write(c.ownLastDay.toUtf8() + ",x\n");
    }
    ASSERT_EQ(
        CreateNotebook(notebook.path(), c.sharedList ? kShared : empty.path(), NotebookStart::kEmpty, kNow),
        QString());
    host.folder = notebook.path();
    ASSERT_EQ(ReadStartupFiles(clb, tables), QString());
    const QString row5 = QDir::cleanPath(PlatformPath(DataFilePath(tables.INI, 5, notebook.path())));
    const QString expected = c.expected == u"shared"_s ? kShared + own
                             : c.expected.isEmpty()    ? notebook.path()
                                                       : notebook.path() + c.expected;
    EXPECT_EQ(row5, expected) << c.ownLastDay.toStdString();
    EXPECT_EQ(LoadHolidayList(clb, tables.INI), QString());
  }
}

TEST_F(NewNotebook, FilesAlreadyThereAreKept) {
  QDir().mkpath(Notebook());
  WriteLines(u"data/RDX508/RDX508_DAYS.TXT"_s,
             {u"1,5,RDX508_F4 200703150905"_s, u"01,001,07/03/14,1,2,3,4"_s});
  ASSERT_EQ(CreateNotebook(Notebook(), kShared, NotebookStart::kSample, kNow), QString());
  Open();
  DaySeries series;
  LoadDays(clb, tables.DayTbl, series);
  EXPECT_EQ(series.DayCnt, 1);
}

// A folder that cannot be made or written, or a sample that cannot be read: one message,
// nothing written.
TEST_F(NewNotebook, FailuresWriteNothing) {
  WriteLines(u"file"_s, {u"x"_s});
  const QStringList before = FolderEntries();
  struct Case {
    QString folder, shared;
    NotebookStart start;
    QString says;
  };
  for (const Case& c :
       {Case{PathOf(u"file"_s), kShared, NotebookStart::kEmpty, u"ファイルがあります"_s},
        Case{PathOf(u"file/RDX508"_s), kShared, NotebookStart::kEmpty, u"作れません"_s},
        Case{PathOf(u"new/RDX508"_s), PathOf(u"none"_s), NotebookStart::kSample, u"サンプル"_s}}) {
    const QString message = CreateNotebook(c.folder, c.shared, c.start, kNow);
    EXPECT_TRUE(message.contains(c.says)) << message.toStdString();
    EXPECT_EQ(FolderEntries(), before);
    EXPECT_FALSE(QFileInfo::exists(PathOf(u"new"_s)));
  }
}

TEST_F(NewNotebook, UnwritableFolderIsReportedAndTheFoldersMadeAreRemoved) {
  QDir().mkpath(PathOf(u"locked"_s));
  QFile::setPermissions(PathOf(u"locked"_s), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  if (QFileInfo(PathOf(u"locked"_s)).isWritable() &&
      QFile(PathOf(u"locked/probe"_s)).open(QIODevice::WriteOnly))
    GTEST_SKIP() << "running with rights that ignore folder permissions";
  const QString message = CreateNotebook(PathOf(u"locked/a/RDX508"_s), kShared, NotebookStart::kEmpty, kNow);
  EXPECT_TRUE(message.contains(u"作れません"_s)) << message.toStdString();
  EXPECT_TRUE(QDir(PathOf(u"locked"_s)).isEmpty());
  QFile::setPermissions(PathOf(u"locked"_s),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace
}  // namespace rdx508
