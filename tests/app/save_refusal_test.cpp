// What a save does with files it must not or cannot replace: it writes nothing and says
// which file stopped it; it keeps each file's permissions and owner; a save that changes
// nothing keeps the files and their backups; a write that fails half-way names what was saved.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QMap>
#include <functional>

#include "app/files/backup_write.h"
#include "app/files/save_data.h"
#include "app/files/startup.h"
#include "tests/app/app_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

struct FileState {
  QByteArray bytes;
  mode_t mode = 0;
  uid_t owner = 0;
  bool operator==(const FileState&) const = default;
};

class SaveRefusal : public testing::AppFolderTest {
 protected:
  SaveRefusal() {
    WriteSettings();
    series.DayCnt = 2;
    series.Days[1] = {u"07/03/15"_s, 1700.5, 900, 650, 17200.25};
    series.Days[2] = {u"07/03/14"_s, 1690, 700, 850, 17100};
    series.DayNotes.insert(u"07/03/15"_s, u"メモ"_s);
    range.redim({2, 6});
    for (int k = 0; k <= 6; ++k)
      range(0, k) = Value(10 * (k + 1));
  }
  ~SaveRefusal() override { SetFolderStepHookForTests({}); }

  SaveReport Save() {
    Table3 ini;
    EXPECT_GE(clb.T_Read(PathOf(u"RDX508_INIT.TXT"_s), ini), 1);
    return SaveDataFiles(clb, ini, series, range);
  }
  // Every entry of the folder (files and folders) with its bytes, mode and owner.
  QMap<QString, FileState> Snapshot() const {
    QMap<QString, FileState> all;
    for (const QString& name : QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
      struct stat status {};
      ::lstat(QFile::encodeName(PathOf(name)).constData(), &status);
      QFile file(PathOf(name));
      all.insert(name, {file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
                        status.st_mode, status.st_uid});
    }
    return all;
  }
  static void Chmod(const QString& path, mode_t mode) {
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
  }
  static mode_t ModeOf(const QString& path) {
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
  }

  DaySeries series;
  Table2 range;
};

// Each case prepares a folder where one file cannot take the save: nothing changes, the
// message names the file, and the report lists no file as saved.
TEST_F(SaveRefusal, NothingIsWrittenWhenOneFileCannotBe) {
  const struct {
    const char* name;
    bool needsNonRoot;  // root reads a file of mode 000
    std::function<void()> prepare;
    QString told;
  } cases[] = {
      {"read-only day file", false, [this] { Chmod(PathOf(u"DAYS.TXT"_s), 0444); }, u"DAYS.TXT"_s},
      {"read-only colour file", false, [this] { Chmod(PathOf(u"COLOR.TXT"_s), 0400); },
       u"COLOR.TXT"_s},
      {"folder in a colour backup's place", false,
       [this] { ASSERT_TRUE(QDir().mkdir(PathOf(u"COLOR.TXT.bak2"_s))); }, u"COLOR.TXT.bak2"_s},
      {"folder in a day backup's place", false,
       [this] { ASSERT_TRUE(QDir().mkdir(PathOf(u"DAYS.TXT.bak1"_s))); }, u"DAYS.TXT.bak1"_s},
      {"damaged notes line", false,
       [this] {
         WriteLines(u"RDX508_NOTES.TXT"_s, {u"1,2,x"_s, u"01,001,07/03/14,古いメモ"_s, u"01,x02,07/03/13,a"_s});
       },
       u"RDX508_NOTES.TXT の 3 行目"_s},
      {"unreadable notes", true,
       [this] {
         WriteLines(u"RDX508_NOTES.TXT"_s, {u"1,2,x"_s, u"01,001,07/03/14,古いメモ"_s});
         Chmod(PathOf(u"RDX508_NOTES.TXT"_s), 0);
       },
       u"RDX508_NOTES.TXT を読めません"_s},
      {"unreadable archive with days to keep", true,
       [this] {
         WriteLines(u"RDX508_ARCHIVE.TXT"_s, {u"1,5,x"_s});
         Chmod(PathOf(u"RDX508_ARCHIVE.TXT"_s), 0);
         series.Archive = {{u"07/03/13"_s, 1680, 1, 1, 17000}};
       },
       u"RDX508_ARCHIVE.TXT"_s},
  };
  const bool root = ::geteuid() == 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.needsNonRoot && root) continue;  // root reads any file: the case cannot arise
    for (const QString& name : QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
      Chmod(PathOf(name), 0700);
      QDir(PathOf(name)).removeRecursively();
      QFile::remove(PathOf(name));
    }
    WriteSettings();
    series.Archive.clear();
    ASSERT_TRUE(Save().ok());  // both data files and the notes exist
    c.prepare();
    series.Days[1].Topix = 1701;  // every file changes
    series.DayNotes[u"07/03/15"_s] = u"新しいメモ"_s;
    range(0, 0) = Value(11);
    const QMap<QString, FileState> before = Snapshot();
    const SaveReport report = Save();
    EXPECT_FALSE(report.ok());
    EXPECT_TRUE(report.saved.isEmpty());
    EXPECT_TRUE(report.message.contains(c.told)) << report.message.toStdString();
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(host.errors.empty());
    series.Days[1].Topix = 1700.5;
    series.DayNotes[u"07/03/15"_s] = u"メモ"_s;
    range(0, 0) = Value(10);
  }
}

// The new file takes the old one's mode; its backup keeps it too; under root another
// user's file keeps its owner.
TEST_F(SaveRefusal, PermissionsAndOwnerAreKept) {
  ASSERT_TRUE(Save().ok());
  const uid_t other = ::geteuid() == 0 ? 65534 : ::geteuid();
  for (const mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0664)}) {
    for (const QString& name : {u"DAYS.TXT"_s, u"COLOR.TXT"_s, u"RDX508_NOTES.TXT"_s}) {
      Chmod(PathOf(name), mode);
      if (other != ::geteuid()) {
        ASSERT_EQ(::chown(QFile::encodeName(PathOf(name)).constData(), other, static_cast<gid_t>(-1)), 0);
      }
    }
    series.Days[1].Up += 1;
    series.DayNotes[u"07/03/15"_s] += u"+"_s;
    range(0, 0) = Value(range(0, 0).toNumber() + 1);
    ASSERT_TRUE(Save().ok()) << mode;
    for (const QString& name : {u"DAYS.TXT"_s, u"COLOR.TXT"_s, u"RDX508_NOTES.TXT"_s}) {
      EXPECT_EQ(ModeOf(PathOf(name)), mode) << name.toStdString() << " " << mode;
      EXPECT_EQ(ModeOf(BackupPath(PathOf(name), 1)), mode) << name.toStdString();
      EXPECT_EQ(Snapshot()[name].owner, other) << name.toStdString();
    }
  }
}

// Saving what the files hold already writes nothing: the backups keep their versions.
// A change to one file rotates that file's backups alone.
TEST_F(SaveRefusal, AnUnchangedSaveKeepsTheBackups) {
  ASSERT_TRUE(Save().ok());
  series.Days[1].Down = 651;
  ASSERT_TRUE(Save().ok());
  const QMap<QString, FileState> saved = Snapshot();
  ASSERT_TRUE(saved.contains(u"DAYS.TXT.bak1"_s));
  host.clock = host.clock.addSecs(3600);  // a later save, whose header would read otherwise
  for (int again = 0; again < 6; ++again) {
    const SaveReport report = Save();
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(report.saved.size(), 3);
  }
  EXPECT_EQ(Snapshot(), saved);

  series.DayNotes.insert(u"07/03/14"_s, u"二つ目"_s);
  ASSERT_TRUE(Save().ok());
  const QMap<QString, FileState> after = Snapshot();
  for (const QString& name : saved.keys()) {
    if (!name.startsWith(u"RDX508_NOTES"_s)) {
      EXPECT_EQ(after[name], saved[name]) << name.toStdString();
    }
  }
  EXPECT_TRUE(after.contains(u"RDX508_NOTES.TXT.bak1"_s));
}

// A write that fails after the check (here the colour file's) leaves the files before it
// saved and says which were saved and which were not.
TEST_F(SaveRefusal, AWriteThatFailsTellsWhatWasSaved) {
  ASSERT_TRUE(Save().ok());
  series.Days[1].Up = 901;
  range(0, 0) = Value(11);
  const QString colour = QDir::toNativeSeparators(PathOf(u"COLOR.TXT"_s));
  SetFolderStepHookForTests([&] {
    return !QFileInfo::exists(PathOf(u"COLOR.TXT.bak.new"_s));  // refuses the colour file's shift
  });
  const SaveReport report = Save();
  SetFolderStepHookForTests({});
  EXPECT_FALSE(report.ok());
  EXPECT_EQ(report.failed, QStringList{colour});
  EXPECT_TRUE(report.saved.contains(QDir::toNativeSeparators(PathOf(u"DAYS.TXT"_s))));
  EXPECT_TRUE(report.message.contains(u"色範囲ファイル "_s + colour + u" を保存できませんでした。"_s))
      << report.message.toStdString();
  EXPECT_TRUE(report.message.contains(u"保存したファイル: "_s));
  ASSERT_EQ(host.errors.size(), 1u);  // L_Write's own box
  EXPECT_EQ(host.errors[0].title, u"CLB_C1(関数 L_Write)"_s);
}

}  // namespace
}  // namespace rdx508
