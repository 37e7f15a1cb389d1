// Replacing a file with its last five versions kept: the shift over seven saves, and what
// a refused step or a folder in a backup's place leaves behind.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "app/files/backup_write.h"
#include "tests/app/app_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

QString Version(int n) {
  return u"1,5,版 %1\r\n"_s.arg(n);
}

class BackupWrite : public testing::AppFolderTest {
 protected:
  ~BackupWrite() override { SetFolderStepHookForTests({}); }
  void SaveVersions(int n) {
    for (int v = 1; v <= n; ++v)
      ASSERT_TRUE(WriteWithBackups(clb, file, Version(v)));
  }
  // The file, its backups 1 ... 6 and the new text's place, as text ("" when missing).
  QStringList Contents() const {
    QStringList all;
    for (const QString& name :
         {file, BackupPath(file, 1), BackupPath(file, 2), BackupPath(file, 3), BackupPath(file, 4),
          BackupPath(file, 5), BackupPath(file, 6), file + u".new"_s})
      all << (QFileInfo(name).isFile() ? testing::FromCp932(testing::ReadBytes(name)) : QString());
    return all;
  }
  QString file = PathOf(u"DAYS.TXT"_s);
};

// Seven saves keep the last five versions. Then each step refused in turn (write, keep,
// five shifts, the backup, the file): the save fails with the box and leaves everything
// as it was. The tenth, removing the sixth backup, may fail without harm.
TEST_F(BackupWrite, SevenSavesKeepFiveAndARefusedStepChangesNothing) {
  SaveVersions(7);
  const QStringList before = Contents();
  EXPECT_EQ(before,
            (QStringList{Version(7), Version(6), Version(5), Version(4), Version(3), Version(2), {}, {}}));
  for (int refused = 1; refused <= 10; ++refused) {
    host.errors.clear();
    int calls = 0;
    SetFolderStepHookForTests([&] { return ++calls != refused; });
    EXPECT_EQ(WriteWithBackups(clb, file, Version(9)), refused == 10) << refused;
    if (refused == 10) break;
    EXPECT_EQ(Contents(), before) << refused;
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0].title, u"CLB_C1(関数 L_Write)"_s);
  }
  EXPECT_EQ(Contents().mid(0, 6),
            (QStringList{Version(9), Version(7), Version(6), Version(5), Version(4), Version(3)}));
}

// A folder where the new text or a backup must go stops the save before anything moves.
TEST_F(BackupWrite, AFolderInTheWayAbortsTheSave) {
  for (const QString& place : {u".new"_s, u".bak1"_s, u".bak3"_s, u".bak5"_s, u".bak6"_s}) {
    SaveVersions(3);
    QFile::remove(file + place);
    ASSERT_TRUE(QDir().mkdir(file + place));
    const QStringList before = Contents();
    host.errors.clear();
    EXPECT_FALSE(WriteWithBackups(clb, file, Version(4))) << place.toStdString();
    EXPECT_EQ(Contents(), before) << place.toStdString();
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_TRUE(host.errors[0].text.startsWith(u"Error(21)"_s)) << host.errors[0].text.toStdString();
    QDir(file + place).removeRecursively();
  }
}

}  // namespace
}  // namespace rdx508
