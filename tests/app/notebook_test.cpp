// The notebook: opening a folder's files with each failure as a value naming the file,
// loading what reads, the lock between two holders, a save read back, and the files an
// export must never replace.

#include "app/notebook.h"

#include <QFile>

#include "tests/app/app_fixture.h"

namespace rdx508 {
namespace {

using namespace Qt::Literals::StringLiterals;

class NotebookTest : public testing::AppFolderTest {
 protected:
  void WriteFolder() {
    WriteSettings();
    WriteLines(u"COLOR.TXT"_s, {u"1,7,RDX508_F5 200703150905"_s, u"01,000,20,45,50,55,60,80,100,"_s});
    WriteLines(u"DAYS.TXT"_s, {u"1,5,RDX508_F4 200703150905"_s, u"01,001,07/03/14,1700.50,900,700,17000.00"_s,
                               u"01,002,07/03/13,1690.00,800,800,16900.00"_s});
  }
};

TEST_F(NotebookTest, EachUnreadFileIsAProblemNamingIt) {
  struct Case {
    QString remove, message, file;
  } cases[] = {
      {u"RDX508_INIT.TXT"_s, u"INIなし"_s, u"RDX508_INIT.TXT"_s},
      {u"DAYS.TXT"_s, u"INI(1, 1, x)なし"_s, u"DAYS.TXT"_s},
      {u"COLOR.TXT"_s, u"INI(1, 3, x)なし"_s, u"COLOR.TXT"_s},
  };
  for (const Case& c : cases) {
    WriteFolder();
    QFile::remove(PathOf(c.remove));
    Notebook notebook(clb);
    const std::optional<NotebookProblem> problem = notebook.Open();
    ASSERT_TRUE(problem) << c.remove.toStdString();
    EXPECT_EQ(problem->text, c.message);
    EXPECT_TRUE(problem->file.endsWith(c.file)) << problem->file.toStdString();
  }
  EXPECT_TRUE(host.errors.empty());  // nothing shown: the caller decides
}

TEST_F(NotebookTest, LoadsWhatReadsAndReportsNotesAndHolidayListThatDoNot) {
  WriteFolder();
  WriteLines(
      u"RDX508_INIT.TXT"_s,
      {u"1,3,RDX508 設定"_s, u"01,001,a,,\\DAYS.TXT"_s, u"01,002,b,,\\DAYS.TXT"_s, u"01,003,c,,\\COLOR.TXT"_s,
       u"01,004,d,,\\COLOR.TXT"_s, u"01,005,休業日ファイル読込,,\\NO_LIST.csv"_s});
  WriteLines(u"RDX508_NOTES.TXT"_s,
             {u"1,2,RDX508_F6 200703150905"_s, u"01,001,07/03/14,SQ"_s, u"01,x,07/03/13,?"_s});
  Notebook notebook(clb);
  ASSERT_FALSE(notebook.Open());
  DaySeries series;
  Table2 range;
  const QList<NotebookProblem> problems = notebook.Load(series, range);
  ASSERT_EQ(problems.size(), 2);
  EXPECT_TRUE(problems[0].file.endsWith(u"NO_LIST.csv"_s));
  EXPECT_TRUE(problems[1].file.endsWith(u"RDX508_NOTES.TXT"_s));
  EXPECT_EQ(series.DayCnt, 2);
  EXPECT_EQ(series.DayNotes.value(u"07/03/14"_s), u"SQ"_s);
  EXPECT_EQ(range(0, 6).toText(), u"100"_s);
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(NotebookTest, OneHolderOfTheLockAtATime) {
  WriteFolder();
  auto first = std::make_unique<Notebook>(clb);
  ASSERT_FALSE(first->Open());
  EXPECT_EQ(first->TakeLock(), Notebook::LockResult::Held);
  Notebook second(clb);
  ASSERT_FALSE(second.Open());
  EXPECT_EQ(second.TakeLock(), Notebook::LockResult::HeldElsewhere);
  first.reset();
  EXPECT_EQ(second.TakeLock(), Notebook::LockResult::Held);
}

TEST_F(NotebookTest, ASaveReadsBackAndTheKeptFilesAreItsOwn) {
  WriteFolder();
  DaySeries series;
  Table2 range;
  {
    Notebook notebook(clb);
    ASSERT_FALSE(notebook.Open());
    notebook.Load(series, range);
    series.DayNotes.insert(u"07/03/13"_s, u"雇用統計"_s);
    ASSERT_TRUE(notebook.Save(series, range).ok());
    for (const QString& name : {u"RDX508_INIT.TXT"_s, u"DAYS.TXT"_s, u"COLOR.TXT"_s, u"RDX508_NOTES.TXT"_s,
                                u"RDX508_ARCHIVE.TXT"_s})
      EXPECT_TRUE(notebook.Holds(PathOf(name))) << name.toStdString();
    EXPECT_FALSE(notebook.Holds(PathOf(u"export.csv"_s)));
  }
  Notebook again(clb);
  ASSERT_FALSE(again.Open());
  DaySeries read;
  Table2 readRange;
  EXPECT_TRUE(again.Load(read, readRange).isEmpty());
  ASSERT_EQ(read.DayCnt, 2);
  EXPECT_EQ(read.Days[1].Date, u"07/03/14"_s);
  EXPECT_EQ(read.Days[2].Nikkei, 16900.0);
  EXPECT_EQ(read.DayNotes.value(u"07/03/13"_s), u"雇用統計"_s);
}

}  // namespace
}  // namespace rdx508
