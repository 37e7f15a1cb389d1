// Replacing a file with its last five versions kept: the shift over many saves, and what
// a refused step, a folder in a backup's place or a killed process leaves behind.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFileInfo>
#include <csignal>

#include "app/backup_write.h"
#include "tests/app/app_fixture.h"

namespace rdx508 {
namespace {

using testing::AppFolderTest;

QString Version(int n) {
  return u"1,5,版 %1\r\n01,001,24/11/%2,1.00,1,1,1.00\r\n"_s.arg(n).arg(n, 2, 10, QChar(u'0'));
}

class BackupWrite : public AppFolderTest {
 protected:
  ~BackupWrite() override { SetFolderStepHookForTests({}); }

  QString file = PathOf(u"DAYS.TXT"_s);

  // Saves versions 1 ... n; afterwards the file holds n and its backups n-1, n-2, ...
  void SaveVersions(int n) {
    for (int v = 1; v <= n; ++v)
      ASSERT_TRUE(WriteWithBackups(clb, file, Version(v)));
  }
  // The file and each backup as text ("" for one that is missing).
  QStringList Contents() const {
    QStringList all{Read(file)};
    for (int n = 1; n <= kBackupCount + 1; ++n)
      all << Read(BackupPath(file, n));
    return all;
  }
  static QString Read(const QString& path) {
    return QFileInfo(path).isFile() ? testing::FromCp932(testing::ReadBytes(path)) : QString();
  }
  // Nothing of a save that stopped is left in the folder but the file and its backups.
  void ExpectNoLeftovers() const {
    for (const QString& name : FolderEntries())
      EXPECT_FALSE(name.endsWith(u".new"_s) || name.endsWith(u".bak6"_s)) << name.toStdString();
  }
};

TEST_F(BackupWrite, SevenSavesKeepTheLastFiveVersions) {
  SaveVersions(7);
  EXPECT_EQ(Contents(),
            (QStringList{Version(7), Version(6), Version(5), Version(4), Version(3), Version(2), {}}));
  ExpectNoLeftovers();
}

// Each step of the save refused in turn: the save fails with the box and leaves the file
// and every backup as they were, up to the step after the file is in place.
TEST_F(BackupWrite, ARefusedStepLeavesFileAndBackupsAsTheyWere) {
  SaveVersions(6);
  const QStringList before = Contents();
  int steps = 0;
  for (int refused = 1;; ++refused) {
    host.errors.clear();
    int calls = 0;
    SetFolderStepHookForTests([&] { return ++calls != refused; });
    const bool saved = WriteWithBackups(clb, file, Version(9));
    SetFolderStepHookForTests({});
    if (saved) {
      steps = refused;
      break;
    }
    EXPECT_EQ(Contents(), before) << "step " << refused;
    ASSERT_EQ(host.errors.size(), 1u) << "step " << refused;
    EXPECT_EQ(host.errors[0].title, u"CLB_C1(関数 L_Write)"_s);
    ExpectNoLeftovers();
  }
  // Nine steps up to the file in place (write, keep, five shifts, the backup, the file);
  // the tenth, removing the sixth backup, may fail without harm.
  EXPECT_EQ(steps, 10);
  EXPECT_EQ(Contents().mid(0, 6),
            (QStringList{Version(9), Version(6), Version(5), Version(4), Version(3), Version(2)}));
}

// A folder where the new text or a backup must go stops the save before anything moves.
TEST_F(BackupWrite, AFolderInTheWayAbortsTheSave) {
  const QString places[] = {u".new"_s, u".bak1"_s, u".bak3"_s, u".bak5"_s, u".bak6"_s};
  for (const QString& place : places) {
    QTemporaryDir fresh;
    host.folder = fresh.path();
    host.errors.clear();
    file = fresh.path() + u"/DAYS.TXT"_s;
    SaveVersions(3);
    QFile::remove(file + place);
    ASSERT_TRUE(QDir().mkdir(file + place));
    const QStringList before = Contents();
    EXPECT_FALSE(WriteWithBackups(clb, file, Version(4))) << place.toStdString();
    EXPECT_EQ(Contents(), before) << place.toStdString();
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_TRUE(host.errors[0].text.startsWith(u"Error(21)"_s)) << host.errors[0].text.toStdString();
  }
}

// A process killed before any step: the file holds the old or the new version, every
// backup one whole earlier version.
TEST_F(BackupWrite, AKilledSaveLeavesEveryFileReadable) {
  SaveVersions(6);
  const QStringList known{Version(1), Version(2), Version(3), Version(4), Version(5), Version(6), Version(9)};
  for (int killedAt = 1;; ++killedAt) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      int calls = 0;
      SetFolderStepHookForTests([&] {
        if (++calls == killedAt) raise(SIGKILL);
        return true;
      });
      _exit(WriteWithBackups(clb, file, Version(9)) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    const QStringList after = Contents();
    EXPECT_TRUE(after[0] == Version(6) || after[0] == Version(9)) << "killed at step " << killedAt;
    for (const QString& backup : after.mid(1))
      EXPECT_TRUE(backup.isEmpty() || known.contains(backup)) << "killed at step " << killedAt;
    if (!WIFSIGNALED(status)) {
      EXPECT_EQ(WEXITSTATUS(status), 0);
      EXPECT_EQ(after[0], Version(9));
      break;
    }
    // The next save after a killed one tidies up and shifts as usual.
    ASSERT_TRUE(WriteWithBackups(clb, file, Version(6)));
    ExpectNoLeftovers();
  }
}

}  // namespace
}  // namespace rdx508
