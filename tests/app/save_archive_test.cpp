// Saving the archive with the day file: the round trip, a folder that needs no archive, an
// archive not read, and that no refused step and no killed process loses a saved day.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QMap>
#include <QSet>
#include <csignal>

#include "app/files/archive_file.h"
#include "app/files/backup_write.h"
#include "app/files/day_file.h"
#include "app/files/save_data.h"
#include "app/files/startup.h"
#include "tests/app/app_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

class SaveArchive : public testing::AppFolderTest {
 protected:
  SaveArchive() {
    WriteSettings();
    clb.T_Read(PathOf(u"RDX508_INIT.TXT"_s), INI);
    range.redim({2, 6});
    for (int32_t p = 1; p <= DaySeries::kMaxDays; ++p)
      series.Days[size_t(p)] = {QDate(2024, 12, 31).addDays(1 - p).toString(u"yy/MM/dd"_s), 1, p, 1, 2};
    series.DayCnt = DaySeries::kMaxDays;
  }
  ~SaveArchive() override { SetFolderStepHookForTests({}); }

  // Adds a day before all others, pushing the oldest into the archive, and undoes that.
  void AddNewest(const QString& date) { series.Insert(1, DayRec{date, 1, 1, 1, 1}); }
  void UndoAdd() {
    series.Remove(1);
    series.Days[DaySeries::kMaxDays] = series.Archive.takeFirst();
    series.DayCnt = DaySeries::kMaxDays;
  }
  SaveReport Save() { return report = SaveDataFiles(clb, INI, series, range); }

  // The dates the day file and the archive hold, as the next start reads them.
  QSet<QString> SavedDates() {
    StartupTables read;
    EXPECT_EQ(ReadStartupFiles(clb, read), QString());
    DaySeries loaded;
    LoadDays(clb, read.DayTbl, loaded);
    EXPECT_EQ(LoadArchive(clb, INI, loaded.Archive), QString());
    QSet<QString> dates;
    for (const DayRec& day : loaded.Days)
      if (!day.Date.isEmpty()) dates.insert(day.Date);
    for (const DayRec& day : loaded.Archive)
      dates.insert(day.Date);
    return dates;
  }
  QMap<QString, QByteArray> Snapshot() const {
    QMap<QString, QByteArray> files;
    for (const QString& name : FolderEntries())
      files.insert(name, testing::ReadBytes(PathOf(name)));
    return files;
  }
  void Restore(const QMap<QString, QByteArray>& files) const {
    for (const QString& name : FolderEntries())
      QFile::remove(PathOf(name));
    for (auto file = files.begin(); file != files.end(); ++file)
      testing::WriteBytes(PathOf(file.key()), file.value());
  }

  // Saves from the same folder with step 1, 2, ... of the save refused in turn, and from a
  // child process killed before it: every saved day that the series still holds is in the
  // files, and every file and backup is whole. When the archive's save failed (its first
  // steps when `archiveFirst`), the day file is as it was.
  void ExpectNoStopLosesADay(QSet<QString> saved, bool archiveFirst) {
    const QMap<QString, QByteArray> before = Snapshot();
    saved.removeIf([&](const QString& date) { return series.PositionFor(date).has_value(); });  // deleted
    for (int step = 1;; ++step) {
      Restore(before);
      host.errors.clear();
      int calls = 0;
      range(0, 0) = Value(step);  // the colour file changes too, so all three files are written
      SetFolderStepHookForTests([&] { return ++calls != step; });
      Save();
      SetFolderStepHookForTests({});
      EXPECT_TRUE(SavedDates().contains(saved)) << "refused step " << step;
      if (archiveFirst && step < 5) {
        EXPECT_EQ(testing::ReadBytes(PathOf(u"DAYS.TXT"_s)), before[u"DAYS.TXT"_s]);
        EXPECT_TRUE(report.message.startsWith(
            u"保管ファイルを保存できなかったため、日付ファイルは保存されませんでした。"_s));
      }

      Restore(before);
      const pid_t child = fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        calls = 0;
        SetFolderStepHookForTests([&] { return ++calls == step ? raise(SIGKILL) == 0 : true; });
        _exit(Save().ok() ? 0 : 1);
      }
      int status = 0;
      ASSERT_EQ(waitpid(child, &status, 0), child);
      EXPECT_TRUE(SavedDates().contains(saved)) << "killed before step " << step;
      for (const QString& name : FolderEntries())
        EXPECT_TRUE(testing::ReadBytes(PathOf(name)).endsWith("\r\n")) << name.toStdString() << step;
      if (!WIFSIGNALED(status)) {
        EXPECT_GT(step, 15);  // every step of the three files was reached
        break;
      }
    }
  }

  Table3 INI;
  SaveReport report;
  DaySeries series;
  Table2 range;
};

TEST_F(SaveArchive, AFolderWithoutArchiveDaysGetsNoArchive) {
  series.Remove(DaySeries::kMaxDays);
  EXPECT_TRUE(Save().ok() && Save().ok());
  // The second save changes nothing, so it keeps the files and makes no backups.
  EXPECT_EQ(FolderEntries(), (QStringList{u"COLOR.TXT"_s, u"DAYS.TXT"_s, u"RDX508_INIT.TXT"_s}));
}

// Pushed days round-trip; a save whose archive was never read keeps the archived days; an
// archive emptied by undoing the adds is written empty.
TEST_F(SaveArchive, PushedDaysRoundTripAndNoneIsDroppedUnread) {
  const QString oldest = series.Days[DaySeries::kMaxDays].Date;
  AddNewest(u"25/01/06"_s);
  AddNewest(u"25/01/07"_s);
  ASSERT_TRUE(Save().ok());
  QList<DayRec> archive;
  EXPECT_EQ(LoadArchive(clb, INI, archive), QString());
  EXPECT_EQ(ArchiveFileText(archive, host.clock), ArchiveFileText(series.Archive, host.clock));
  EXPECT_TRUE(
      testing::ReadBytes(PathOf(u"RDX508_ARCHIVE.TXT"_s)).contains("\r\n01,1000," + oldest.toLatin1()));

  const QList<DayRec> read = series.Archive;
  series.Archive.clear();
  AddNewest(u"25/01/08"_s);
  ASSERT_TRUE(Save().ok());
  EXPECT_EQ(SavedDates().size(), 1001);
  series.Archive += read;
  for (int undo = 0; undo < 3; ++undo)
    UndoAdd();
  ASSERT_TRUE(Save().ok());
  EXPECT_EQ(testing::ReadBytes(PathOf(u"RDX508_ARCHIVE.TXT"_s)),
            testing::ToCp932(ArchiveFileText({}, host.clock)));
}

TEST_F(SaveArchive, NoFailedOrKilledSaveLosesADayInEitherDirection) {
  AddNewest(u"25/01/06"_s);
  ASSERT_TRUE(Save().ok());
  AddNewest(u"25/01/07"_s);  // a day moves from the day file into the archive
  ExpectNoStopLosesADay(SavedDates(), true);
  ASSERT_TRUE(Save().ok());
  UndoAdd();  // and back
  ExpectNoStopLosesADay(SavedDates(), false);
}

}  // namespace
}  // namespace rdx508
