// One program per data folder: a lock left by a process that ended, or one that names no
// owner and is a few seconds old, is taken over; a running owner here or on another host is
// respected; programs racing for a lock without an owner end with one holder; and where no
// lock can be made or removed nobody holds it.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDateTime>

#include "app/files/data_lock.h"
#include "tests/app/app_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

// A lock file with `content`, last changed `age` seconds ago.
void PlaceLockFile(const QString& path, const QByteArray& content, int age) {
  testing::WriteBytes(path, content);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(
      file.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFileDevice::FileModificationTime));
}

// What a lock file of this process holds, with the process number `pid` and, when given,
// the host `host` (and no host identity of this one).
QByteArray OwnerLines(qint64 pid, const QByteArray& host = {}) {
  QTemporaryDir dir;
  QLockFile model(dir.path() + u"/model.lock"_s);
  if (!model.tryLock(0)) return {};
  QList<QByteArray> lines = testing::ReadBytes(dir.path() + u"/model.lock"_s).split('\n');
  if (lines.size() < 3) return {};
  lines[0] = QByteArray::number(pid);
  if (!host.isEmpty()) lines = {lines[0], lines[1], host, {}};
  return lines.join('\n');
}

TEST(DataLock, ALockLeftBehindIsTakenOverAndASecondHolderRefused) {
  QTemporaryDir dir;
  const QString day = dir.path() + u"\\DAYS.TXT"_s;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) _exit(DataLock(day).tryLock() ? 0 : 1);  // ends without releasing it
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
              QFile::exists(dir.path() + u"/DAYS.TXT.lock"_s));

  auto first = std::make_unique<DataLock>(day);
  ASSERT_TRUE(first->tryLock());
  DataLock second(day);
  EXPECT_FALSE(second.tryLock());
  EXPECT_TRUE(second.heldElsewhere());
  first.reset();
  EXPECT_TRUE(second.tryLock());

  DataLock nowhere(dir.path() + u"/NO_FOLDER/DAYS.TXT"_s);
  EXPECT_FALSE(nowhere.tryLock() || nowhere.heldElsewhere());
}

TEST(DataLock, TheLockFileFoundDecidesWhetherItIsTakenOver) {
  // A process that has ended: its number names no running program.
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);

  struct Case {
    const char* what;
    QByteArray content;
    int age;
    mode_t mode;
    bool taken;
  };
  const Case cases[] = {
      {"empty, old", {}, 60, 0644, true},
      {"empty, just made", {}, 0, 0644, false},
      {"garbage, old", "\x01\xff no owner here", 60, 0644, true},
      {"garbage, just made", "\x01\xff no owner here", 1, 0644, false},
      {"unreadable, old", "x", 60, 0000, true},
      {"owner ended on this host", OwnerLines(gone), 0, 0644, true},
      {"owner runs on this host, old", OwnerLines(getpid()), 3600, 0644, false},
      {"owner on another host, old", OwnerLines(gone, "elsewhere.invalid"), 3600, 0644, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    const QString lockFile = dir.path() + u"/DAYS.TXT.lock"_s;
    PlaceLockFile(lockFile, c.content, c.age);
    ASSERT_EQ(chmod(QFile::encodeName(lockFile).constData(), c.mode), 0);
    DataLock lock(dir.path() + u"/DAYS.TXT"_s);
    EXPECT_EQ(lock.tryLock(), c.taken);
    EXPECT_EQ(lock.heldElsewhere(), !c.taken);
    EXPECT_FALSE(QFile::exists(lockFile + u".rmlock"_s));
    if (c.taken) {
      qint64 pid = 0;
      QString host, application;
      EXPECT_TRUE(QLockFile(lockFile).getLockInfo(&pid, &host, &application));
      EXPECT_EQ(pid, getpid());
    }
  }
}

TEST(DataLock, ProgramsRacingForALockWithoutOwnerEndWithOneHolder) {
  QTemporaryDir dir;
  const QString day = dir.path() + u"/DAYS.TXT"_s;
  for (int round = 0; round < 3; ++round) {
    PlaceLockFile(day + u".lock"_s, {}, 60);
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> children;
    for (int i = 0; i < 6; ++i) {
      const pid_t child = fork();
      if (child == 0) {
        close(start[1]);
        char go;
        (void)!read(start[0], &go, 1);  // all start together when the pipe closes
        DataLock lock(day);
        if (!lock.tryLock()) _exit(lock.heldElsewhere() ? 1 : 2);
        usleep(200'000);  // holds the lock while the others try
        _exit(0);
      }
      children.push_back(child);
    }
    close(start[0]);
    close(start[1]);
    int holders = 0, refused = 0;
    for (const pid_t child : children) {
      int status = 0;
      waitpid(child, &status, 0);
      ASSERT_TRUE(WIFEXITED(status));
      holders += WEXITSTATUS(status) == 0;
      refused += WEXITSTATUS(status) == 1;
    }
    EXPECT_EQ(holders, 1) << "round " << round;
    EXPECT_EQ(refused, 5) << "round " << round;
  }
}

// Makes a folder read-only for the test's length: by its mode, or for a user whom modes do
// not stop, by the file system's immutable flag. Whether the folder refuses new files.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const QString& folder) : name_(QFile::encodeName(folder)) {
    chmod(name_.constData(), 0555);
    if (Writable()) SetImmutable(true);
  }
  ~ReadOnlyFolder() {
    SetImmutable(false);
    chmod(name_.constData(), 0755);
  }
  bool Writable() const {
    const QByteArray probe = name_ + "/probe";
    const int fd = open(probe.constData(), O_CREAT | O_WRONLY, 0644);
    if (fd < 0) return false;
    close(fd);
    unlink(probe.constData());
    return true;
  }

 private:
  void SetImmutable(bool on) {
    const int fd = open(name_.constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    int flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
      ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    close(fd);
  }
  QByteArray name_;
};

TEST(DataLock, InAReadOnlyFolderOnlyARunningOwnerRefuses) {
  for (const bool running : {false, true}) {
    SCOPED_TRACE(running ? "running owner" : "lock left behind");
    QTemporaryDir dir;
    const QString day = dir.path() + u"/DAYS.TXT"_s;
    QLockFile owner(day + u".lock"_s);
    if (running)
      ASSERT_TRUE(owner.tryLock(0));
    else
      PlaceLockFile(day + u".lock"_s, {}, 60);
    {
      ReadOnlyFolder readOnly(dir.path());
      if (readOnly.Writable()) GTEST_SKIP() << "no way to make a folder read-only here";
      DataLock lock(day);
      EXPECT_FALSE(lock.tryLock());
      EXPECT_EQ(lock.heldElsewhere(), running);
      EXPECT_TRUE(QFile::exists(day + u".lock"_s));
    }
    if (!running) {
      // Without a lock file at all, a read-only folder is nobody's either.
      QFile::remove(day + u".lock"_s);
      ReadOnlyFolder readOnly(dir.path());
      DataLock lock(day);
      EXPECT_FALSE(lock.tryLock() || lock.heldElsewhere());
    }
  }
}

}  // namespace
}  // namespace rdx508
