#include "app/files/data_lock.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>

#include "app/files/startup.h"
#include "toolkit/text_file.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace rdx508 {

namespace {

// Whether process `pid` of this host still runs (one of another user counts).
bool ProcessRuns(qint64 pid) {
#ifdef Q_OS_UNIX
  if (pid <= 0) return false;
  return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#else
  Q_UNUSED(pid);
  return true;
#endif
}

// Removes the lock file at `path` unless a program still holds it open and locked (a
// program that holds a lock keeps an exclusive lock on the open file).
bool RemoveUnheld(const QString& path) {
#ifdef Q_OS_UNIX
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd >= 0) {
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const bool removed = free && ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed;
  }
  // A file nobody may read cannot be held by a program of this user: only its name goes.
  return errno == EACCES && ::unlink(name.constData()) == 0;
#else
  return QFile::remove(path);
#endif
}

}  // namespace

QString LockedDayFile(const Table3& INI, const QString& programFolder) {
  for (const int32_t row : {2, 1}) {
    if (!HasSettingsRow(INI, row)) continue;
    const QString path = DataFilePath(INI, row, programFolder);
    if (path != programFolder) return path;
  }
  return {};
}

DataLock::DataLock(const QString& dayFilePath)
    : path_(dayFilePath.isEmpty() ? QString() : PlatformPath(dayFilePath) + QStringLiteral(".lock")),
      lock_(path_) {
  // The lock is held for the whole run: its age never makes a lock with an owner stale,
  // only an owner that no longer runs (see ownerOfLockFile for a lock without one).
  lock_.setStaleLockTime(0);
}

bool DataLock::tryLock() {
  heldElsewhere_ = false;
  if (path_.isEmpty()) return false;  // no day file, nothing to guard
  if (lock_.isLocked()) return true;
  // Once more after a lock file without a running owner is removed; a program that takes
  // the lock in between holds it.
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (lock_.tryLock(0)) return true;
    if (lock_.error() != QLockFile::LockFailedError) return false;  // no lock file can be made here
    if (ownerOfLockFile() != Owner::Gone) break;
    switch (removeOwnerless()) {
      case Removal::Removed:
        continue;
      case Removal::Busy:
        heldElsewhere_ = true;
        return false;
      case Removal::Impossible:
        return false;  // a folder where nothing can be removed cannot be written either
    }
  }
  heldElsewhere_ = true;
  return false;
}

DataLock::Owner DataLock::ownerOfLockFile() const {
  qint64 pid = 0;
  QString host, application;
  if (lock_.getLockInfo(&pid, &host, &application)) {
    // A program of another host is beyond reach: only its own host can tell it ended.
    const bool here = host.isEmpty() || host == QSysInfo::machineHostName();
    return here && !ProcessRuns(pid) ? Owner::Gone : Owner::Running;
  }
  // No owner in the file: empty (its maker stopped before writing, or the content never
  // reached the disk), unreadable or garbage. Only a lock being made is like that, and
  // only for a moment.
  const QFileInfo info(path_);
  if (!info.exists()) return Owner::Gone;  // removed meanwhile
  const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
  const qint64 limit = std::chrono::milliseconds(kOwnerlessLockAge).count();
  return age >= limit || age <= -limit ? Owner::Gone : Owner::Starting;
}

DataLock::Removal DataLock::removeOwnerless() {
  // Two programs that find the same lock without an owner must not both remove it: the
  // second would remove the lock that the first has made in the meantime.
  QLockFile guard(path_ + QStringLiteral(".rmlock"));
  guard.setStaleLockTime(static_cast<int>(std::chrono::milliseconds(kOwnerlessLockAge).count()));
  if (!guard.tryLock(0))
    return guard.error() == QLockFile::LockFailedError ? Removal::Busy : Removal::Impossible;
  if (!QFileInfo::exists(path_)) return Removal::Removed;
  if (ownerOfLockFile() != Owner::Gone) return Removal::Busy;
  if (RemoveUnheld(path_)) return Removal::Removed;
  return errno == EACCES || errno == EPERM || errno == EROFS ? Removal::Impossible : Removal::Busy;
}

bool DataLock::isLocked() const {
  return lock_.isLocked();
}

bool DataLock::heldElsewhere() const {
  return heldElsewhere_;
}

QString DataLock::lockFilePath() const {
  return path_;
}

}  // namespace rdx508
