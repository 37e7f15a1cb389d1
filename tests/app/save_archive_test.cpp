// Saving the archive with the day file: the round trip, a folder that needs no archive,
// and that no refused step and no killed process loses a day that was saved before.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QMap>
#include <QSet>
#include <csignal>

#include "app/archive_file.h"
#include "app/backup_write.h"
#include "app/day_file.h"
#include "app/save_data.h"
#include "app/startup.h"
#include "tests/app/app_fixture.h"

namespace rdx508 {
namespace {

using testing::AppFolderTest;

class SaveArchive : public AppFolderTest {
 protected:
  SaveArchive() {
    WriteSettings();
    clb.T_Read(PathOf(u"RDX508_INIT.TXT"_s), tables.INI);
    range.redim({2, 6});
    const QDate newest(2024, 12, 31);
    for (int32_t p = 1; p <= DaySeries::kMaxDays; ++p)
      series.Days[static_cast<size_t>(p)] = {newest.addDays(1 - p).toString(u"yy/MM/dd"_s), double(p), p, 1,
                                             2};
    series.DayCnt = DaySeries::kMaxDays;
  }
  ~SaveArchive() override { SetFolderStepHookForTests({}); }

  // Adds a day newer than all: the oldest goes to the archive.
  void AddNewest(const QString& date) { series.Insert(1, DayRec{date, 1, 1, 1, 1}); }
  // Takes the newest day out and brings the archive's newest back, as undoing that add does.
  void UndoAdd() {
    series.Remove(1);
    series.Days[DaySeries::kMaxDays] = series.Archive.takeFirst();
    series.DayCnt = DaySeries::kMaxDays;
  }
  bool Save() { return SaveDataFiles(clb, tables.INI, series, range); }

  // The dates the day file and the archive hold, as the next start reads them.
  QSet<QString> SavedDates() {
    StartupTables read;
    EXPECT_EQ(ReadStartupFiles(clb, read), QString());
    DaySeries loaded;
    LoadDays(clb, read.DayTbl, loaded);
    QList<DayRec> archive;
    EXPECT_EQ(LoadArchive(clb, read.INI, archive), QString());
    QSet<QString> dates;
    for (const DayRec& day : loaded.Days)
      if (!day.Date.isEmpty()) dates.insert(day.Date);
    for (const DayRec& day : archive)
      dates.insert(day.Date);
    return dates;
  }

  // Every file of the folder and its content.
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

  // Saves from a separate process killed before step 1, 2, ... of the save in turn, each
  // time from the same folder; after each, every day of `saved` that the series or the
  // archive still holds is still in the files.
  void ExpectNoKillLosesADay(const QSet<QString>& saved) {
    const QMap<QString, QByteArray> before = Snapshot();
    QSet<QString> kept;
    for (const DayRec& day : series.Days)
      if (saved.contains(day.Date)) kept.insert(day.Date);
    for (const DayRec& day : series.Archive)
      if (saved.contains(day.Date)) kept.insert(day.Date);
    ASSERT_GE(kept.size(), saved.size() - 1);
    for (int killedAt = 1;; ++killedAt) {
      Restore(before);
      const pid_t child = fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        int calls = 0;
        SetFolderStepHookForTests([&] {
          if (++calls == killedAt) raise(SIGKILL);
          return true;
        });
        _exit(Save() ? 0 : 1);
      }
      int status = 0;
      ASSERT_EQ(waitpid(child, &status, 0), child);
      EXPECT_TRUE(SavedDates().contains(kept)) << "killed at step " << killedAt;
      if (!WIFSIGNALED(status)) break;
    }
  }

  StartupTables tables;
  DaySeries series;
  Table2 range;
};

TEST_F(SaveArchive, AFolderWithoutArchiveDaysGetsNoArchive) {
  series.Remove(DaySeries::kMaxDays);
  EXPECT_TRUE(Save());
  EXPECT_TRUE(Save());
  EXPECT_EQ(FolderEntries(), (QStringList{u"COLOR.TXT"_s, u"COLOR.TXT.bak1"_s, u"DAYS.TXT"_s,
                                          u"DAYS.TXT.bak1"_s, u"RDX508_INIT.TXT"_s}));
}

TEST_F(SaveArchive, PushedDaysRoundTripAndAnEmptiedArchiveIsWritten) {
  const QString oldest = series.Days[DaySeries::kMaxDays].Date;
  AddNewest(u"25/01/06"_s);
  AddNewest(u"25/01/07"_s);
  ASSERT_TRUE(Save());
  QList<DayRec> archive;
  EXPECT_EQ(LoadArchive(clb, tables.INI, archive), QString());
  ASSERT_EQ(archive.size(), 2);
  EXPECT_EQ(archive[1].Date, oldest);
  EXPECT_EQ(ArchiveFileText(archive, host.clock), ArchiveFileText(series.Archive, host.clock));
  EXPECT_TRUE(
      testing::ReadBytes(PathOf(u"RDX508_ARCHIVE.TXT"_s)).contains("\r\n01,1000," + oldest.toLatin1()));

  UndoAdd();
  UndoAdd();
  ASSERT_TRUE(Save());
  EXPECT_EQ(testing::ReadBytes(PathOf(u"RDX508_ARCHIVE.TXT"_s)),
            testing::ToCp932(ArchiveFileText({}, host.clock)));
  EXPECT_TRUE(QFile::exists(PathOf(u"RDX508_ARCHIVE.TXT.bak1"_s)));
}

// A save from a series whose archive was never read (or not yet) keeps the archived days.
TEST_F(SaveArchive, AnArchiveNotReadLosesNothing) {
  AddNewest(u"25/01/06"_s);
  ASSERT_TRUE(Save());
  const QSet<QString> saved = SavedDates();
  series.Archive.clear();
  AddNewest(u"25/01/07"_s);
  ASSERT_TRUE(Save());
  EXPECT_TRUE(SavedDates().contains(saved));
  EXPECT_EQ(SavedDates().size(), saved.size() + 1);
}

TEST_F(SaveArchive, NoKilledSaveLosesADayInEitherDirection) {
  AddNewest(u"25/01/06"_s);
  ASSERT_TRUE(Save());
  QSet<QString> saved = SavedDates();
  AddNewest(u"25/01/07"_s);  // a day moves from the day file into the archive
  ExpectNoKillLosesADay(saved);

  ASSERT_TRUE(Save());
  saved = SavedDates();
  UndoAdd();  // and back
  ExpectNoKillLosesADay(saved);
}

// A refused step at any point of the save (archive first, then the day file, then the
// colour-range file, five steps each): no saved day is lost, and the day file stays as it
// was when the archive could not be written.
TEST_F(SaveArchive, NoRefusedStepLosesADay) {
  AddNewest(u"25/01/06"_s);
  ASSERT_TRUE(Save());
  const QSet<QString> saved = SavedDates();
  const QMap<QString, QByteArray> before = Snapshot();
  AddNewest(u"25/01/07"_s);
  for (int refused = 1; refused <= 15; ++refused) {
    Restore(before);
    host.errors.clear();
    int calls = 0;
    SetFolderStepHookForTests([&] { return ++calls != refused; });
    const bool done = Save();
    SetFolderStepHookForTests({});
    EXPECT_TRUE(SavedDates().contains(saved)) << "step " << refused;
    EXPECT_EQ(done, refused % 5 == 0) << "step " << refused;
    if (refused < 5) {
      EXPECT_EQ(testing::ReadBytes(PathOf(u"DAYS.TXT"_s)), before[u"DAYS.TXT"_s]);
      ASSERT_EQ(host.errors.size(), 2u);
      EXPECT_EQ(host.errors[1].text,
                u"保管ファイルを保存できなかったため、日付ファイルは保存されませんでした。"_s);
    }
  }
}

}  // namespace
}  // namespace rdx508
