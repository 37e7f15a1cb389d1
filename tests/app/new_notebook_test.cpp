// The notebook folder rule and a first start's files: what a new notebook holds, which
// holiday list its row 5 names, files already there kept, and failures that write nothing.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/files/color_file.h"
#include "app/files/day_file.h"
#include "app/files/holiday_setup.h"
#include "app/files/new_notebook.h"
#include "app/files/notebook_folder.h"
#include "app/files/startup.h"
#include "tests/app/app_fixture.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

using testing::AppFolderTest;

const QString kShared = QStringLiteral(RDX508_DATA_DIR);
const QDateTime kNow(QDate(2026, 12, 7), QTime(9, 30));

// One row per case: a settings file in the program folder, --data, XDG_DATA_HOME (paths
// without a leading "/" lie in the test's folder) and the notebook chosen.
TEST_F(AppFolderTest, NotebookFolderRule) {
  const struct {
    bool portableSettings;
    QString dataOption, xdgDataHome, expected;
  } cases[] = {
      {true, {}, u"xdg"_s, u"prog"_s},
      {false, {}, u"xdg"_s, u"xdg/RDX508"_s},
      {false, {}, {}, u"home/.local/share/RDX508"_s},
      {false, {}, u"./relative"_s, u"home/.local/share/RDX508"_s},  // a relative XDG_DATA_HOME is ignored
      {false, u"mine/"_s, u"xdg"_s, u"mine"_s},
      {true, u"mine/./x/.."_s, {}, u"mine"_s},
  };
  const QString root = dir.path();
  const auto inRoot = [&](const QString& p) {
    return p.isEmpty() || p.startsWith(u'.') ? p : root + u'/' + p;
  };
  for (const auto& c : cases) {
    QDir(root + u"/prog"_s).removeRecursively();
    QDir().mkpath(root + u"/prog"_s);
    if (c.portableSettings) WriteLines(u"prog/RDX508_INIT.TXT"_s, {u"1,3,RDX508 設定"_s});
    const NotebookPlace place = ChooseNotebookFolder(root + u"/prog/"_s, inRoot(c.dataOption),
                                                     inRoot(c.xdgDataHome), root + u"/home"_s);
    EXPECT_EQ(place.folder, root + u'/' + c.expected);
    EXPECT_EQ(place.portable, c.expected == u"prog"_s);
  }
  EXPECT_EQ(SharedDataFolder(u"/usr/bin"_s), u"/usr/share/rdx508"_s);
}

class NewNotebook : public AppFolderTest {
 protected:
  QString Notebook() const { return PathOf(u"data/RDX508"_s); }
  int32_t OpenDays(const QString& folder) {  // reads the notebook as the program's start does
    host.folder = folder;
    EXPECT_EQ(ReadStartupFiles(clb, tables), QString());
    DaySeries series;
    LoadDays(clb, tables.DayTbl, series);
    return series.DayCnt;
  }
  StartupTables tables;
};

TEST_F(NewNotebook, OpensWithNoDaysDefaultRangesAndTheShippedHolidays) {
  ASSERT_EQ(CreateNotebook(Notebook(), kShared, NotebookStart::kEmpty, kNow), QString());
  EXPECT_EQ(QDir(Notebook()).entryList(QDir::Files, QDir::Name),
            QStringList({u"RDX508_COLOR.TXT"_s, u"RDX508_DAYS.TXT"_s, u"RDX508_INIT.TXT"_s}));
  EXPECT_EQ(OpenDays(Notebook()), 0);
  EXPECT_TRUE(HasSettingsRow(tables.INI, 7));
  Table2 range;
  LoadRanges(tables.ColorTbl, range);
  EXPECT_EQ(range(0, 0).toText() + u' ' + range(2, 6).toText(), u"20 999"_s);
  EXPECT_EQ(LoadHolidayList(clb, tables.INI), QString());
  clb.休日暦作成();
  EXPECT_TRUE(clb.IsClosed(27, QDate(2027, 11, 23).dayOfYear()));  // 勤労感謝の日 from the shipped list
}

TEST_F(NewNotebook, SampleDaysAndFilesAlreadyThere) {
  ASSERT_EQ(CreateNotebook(Notebook(), kShared, NotebookStart::kSample, kNow), QString());
  EXPECT_EQ(OpenDays(Notebook()), 80);
  // A day file of the user's own stays as it is.
  QDir().mkpath(PathOf(u"own"_s));
  WriteLines(u"own/RDX508_DAYS.TXT"_s, {u"1,5,RDX508_F4 200703150905"_s, u"01,001,07/03/14,1,2,3,4"_s});
  ASSERT_EQ(CreateNotebook(PathOf(u"own"_s), kShared, NotebookStart::kSample, kNow), QString());
  EXPECT_EQ(OpenDays(PathOf(u"own"_s)), 1);
}

// Row 5 names the notebook's own list when it reaches further than the shipped one.
TEST_F(NewNotebook, HolidayRowNamesTheListThatReachesFurthest) {
  const struct {
    const char* ownLastDay;  // nullptr: no list of its own
    bool shipped;
    const char* expected;  // own, shipped or none
  } cases[] = {{"2030/1/1", true, "own"},
               {"2025/1/1", true, "shipped"},
               {nullptr, true, "shipped"},
               {"2020/1/1", false, "own"},
               {nullptr, false, "none"}};
  for (const auto& c : cases) {
    QTemporaryDir notebook, empty;
    const QString own = notebook.path() + u"/syukujitsu.csv"_s;
    if (c.ownLastDay)
      testing::WriteBytes(own,
                          u"国民の祝日・休日月日,国民の祝日・休日名称\n"_s.toUtf8() + c.ownLastDay + ",x\n");
    ASSERT_EQ(
        CreateNotebook(notebook.path(), c.shipped ? kShared : empty.path(), NotebookStart::kEmpty, kNow),
        QString());
    OpenDays(notebook.path());
    const QString named = QDir::cleanPath(PlatformPath(DataFilePath(tables.INI, 5, notebook.path())));
    const QString expected = c.expected == std::string("own")       ? own
                             : c.expected == std::string("shipped") ? kShared + u"/syukujitsu.csv"_s
                                                                    : notebook.path();  // names no file
    EXPECT_EQ(named, expected) << c.expected;
    EXPECT_EQ(LoadHolidayList(clb, tables.INI), QString());
  }
}

// A folder that cannot be made, a file in its place, or a sample that cannot be read: one
// message, nothing written, no folder left behind.
TEST_F(NewNotebook, FailuresWriteNothing) {
  WriteLines(u"file"_s, {u"x"_s});
  const QStringList before = FolderEntries();
  const struct {
    QString folder, shared;
    NotebookStart start;
    QString says;
  } cases[] = {{PathOf(u"file"_s), kShared, NotebookStart::kEmpty, u"ファイルがあります"_s},
               {PathOf(u"file/RDX508"_s), kShared, NotebookStart::kEmpty, u"作れません"_s},
               {PathOf(u"new/RDX508"_s), PathOf(u"none"_s), NotebookStart::kSample, u"サンプル"_s}};
  for (const auto& c : cases) {
    const QString message = CreateNotebook(c.folder, c.shared, c.start, kNow);
    EXPECT_TRUE(message.contains(c.says)) << message.toStdString();
    EXPECT_EQ(FolderEntries(), before);
    EXPECT_FALSE(QFileInfo::exists(PathOf(u"new"_s)));
  }
}

}  // namespace
}  // namespace rdx508
