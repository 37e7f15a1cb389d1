// A save writes nothing when one file cannot take it, and names that file; it keeps each
// file's mode and owner; a save that changes nothing keeps the files and their backups.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QMap>
#include <functional>

#include "app/files/save_data.h"
#include "tests/app/app_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

class SaveRefusal : public testing::AppFolderTest {
 protected:
  SaveRefusal() {
    WriteSettings();
    series.DayCnt = 1;
    series.Days[1] = {u"07/03/15"_s, 1700.5, 900, 650, 17200.25};
    series.DayNotes.insert(u"07/03/15"_s, u"メモ"_s);
    range.redim({2, 6});
  }
  SaveReport Save(int change) {  // every file changes with `change`
    series.Days[1].Up = change;
    series.DayNotes[u"07/03/15"_s] = QString::number(change);
    range(0, 0) = Value(change);
    Table3 ini;
    EXPECT_GE(clb.T_Read(PathOf(u"RDX508_INIT.TXT"_s), ini), 1);
    return SaveDataFiles(clb, ini, series, range);
  }
  // Every entry of the folder: its bytes, mode and owner.
  QMap<QString, QString> Snapshot() const {
    QMap<QString, QString> all;
    for (const QString& name : QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
      struct stat s {};
      ::stat(QFile::encodeName(PathOf(name)).constData(), &s);
      QFile file(PathOf(name));  // a folder or an unreadable file shows no bytes
      all.insert(name,
                 QString::fromLatin1(file.open(QIODevice::ReadOnly) ? file.readAll().toHex() : QByteArray()) +
                     u" %1 %2"_s.arg(s.st_mode, 0, 8).arg(s.st_uid));
    }
    return all;
  }
  // Settings with the day file as row 1 and these files as rows 2, 3, ...
  void Settings(const QStringList& files) const {
    QStringList lines = {u"1,3,x"_s, u"01,001,,,\\DAYS.TXT"_s};
    for (const QString& file : files)
      lines << u"01,%1,,,"_s.arg(lines.size(), 3, 10, QChar(u'0')) + file;
    WriteLines(u"RDX508_INIT.TXT"_s, lines);
  }
  void Chmod(const QString& name, mode_t mode) const {
    ASSERT_EQ(::chmod(QFile::encodeName(PathOf(name)).constData(), mode), 0);
  }

  DaySeries series;
  Table2 range;
};

TEST_F(SaveRefusal, NothingIsWrittenWhenOneFileCannotBe) {
  const struct {
    const char* name;
    std::function<void()> prepare;
    QString told;
  } cases[] = {
      {"read-only day file (for root too)", [this] { Chmod(u"DAYS.TXT"_s, 0444); },
       u"DAYS.TXT は読み取り専用"_s},
      {"folder in a backup's place", [this] { QDir().mkdir(PathOf(u"COLOR.TXT.bak2"_s)); },
       u"COLOR.TXT.bak2"_s},
      {"damaged notes line",
       [this] {
         WriteLines(u"RDX508_NOTES.TXT"_s, {u"1,2,x"_s, u"01,x02,07/03/13,a"_s});
       },
       u"RDX508_NOTES.TXT の 2 行目"_s},
      {"unreadable notes (not for root, who reads it)", [this] { Chmod(u"RDX508_NOTES.TXT"_s, 0); },
       u"RDX508_NOTES.TXT を読めません"_s},
      {"no write rows", [this] { Settings({}); },
       u"設定ファイルに INI(1, 2, x) がありません。日付ファイルは保存されませんでした。\n設定ファイルに INI(1, 4, x)"_s},
      {"no colour write row", [this] { Settings({u"\\DAYS.TXT"_s}); }, u"INI(1, 4, x)"_s},
      {"no folder",
       [this] {
         Settings({u"\\NO\\D.TXT"_s, u"\\C.TXT"_s, u"\\C.TXT"_s});
       },
       u"フォルダ "_s + QDir::toNativeSeparators(PathOf(u"NO"_s)) + u" がありません"_s},
      {"no file name",
       [this] {
         Settings({u""_s, u"\\C.TXT"_s, u"\\C.TXT"_s});
       },
       u"日付ファイル"_s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (QString::fromLatin1(c.name).contains(u"not for root"_s) && ::geteuid() == 0) continue;
    for (const QString& name : QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
      QFileInfo(PathOf(name)).isDir() ? QDir(PathOf(name)).removeRecursively() : QFile::remove(PathOf(name));
    WriteSettings();
    ASSERT_TRUE(Save(1).ok());
    c.prepare();
    const QMap<QString, QString> before = Snapshot();
    const SaveReport report = Save(2);
    EXPECT_FALSE(report.ok());
    EXPECT_TRUE(report.saved.isEmpty());
    EXPECT_TRUE(report.message.contains(c.told)) << report.message.toStdString();
    EXPECT_TRUE(report.message.endsWith(u"どのファイルも書き換えませんでした。"_s));
    EXPECT_EQ(Snapshot(), before);
    EXPECT_TRUE(host.errors.empty());
  }
}

// Each replaced file and its backup keep the mode; under root another user's file keeps
// its owner. Saving again what the files hold changes nothing, backups included.
TEST_F(SaveRefusal, ModesOwnersAndUnchangedFilesAreKept) {
  ASSERT_TRUE(Save(1).ok());
  const uid_t owner = ::geteuid() == 0 ? 65534 : ::geteuid();
  const QStringList files = {u"DAYS.TXT"_s, u"COLOR.TXT"_s, u"RDX508_NOTES.TXT"_s};
  for (const mode_t mode : {mode_t(0600), mode_t(0640)}) {
    for (const QString& name : files) {
      Chmod(name, mode);
      ASSERT_EQ(::chown(QFile::encodeName(PathOf(name)).constData(), owner, gid_t(-1)), 0);
    }
    ASSERT_TRUE(Save(int(mode)).ok());
    const QMap<QString, QString> saved = Snapshot();
    for (const QString& name : files) {
      EXPECT_TRUE(saved[name].endsWith(u" 100%1 %2"_s.arg(mode, 0, 8).arg(owner)))
          << saved[name].right(12).toStdString();
      EXPECT_EQ(saved[name + u".bak1"_s].section(u' ', 1), saved[name].section(u' ', 1));
    }
    host.clock = host.clock.addSecs(60);  // a later save, whose headers would differ
    const SaveReport again = Save(int(mode));
    EXPECT_TRUE(again.ok());
    EXPECT_EQ(again.saved.size(), 3);
    EXPECT_EQ(Snapshot(), saved);
  }
}

}  // namespace
}  // namespace rdx508
