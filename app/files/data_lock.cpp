#include "app/files/data_lock.h"

#include "app/files/startup.h"
#include "toolkit/text_file.h"

namespace rdx508 {

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
  // The lock is held for the whole run: only a holder that no longer runs makes it stale,
  // never its age.
  lock_.setStaleLockTime(0);
}

bool DataLock::tryLock() {
  if (path_.isEmpty()) return false;  // no day file, nothing to guard
  return lock_.isLocked() || lock_.tryLock(0);
}

bool DataLock::isLocked() const {
  return lock_.isLocked();
}

bool DataLock::heldElsewhere() const {
  return !lock_.isLocked() && lock_.error() == QLockFile::LockFailedError;
}

QString DataLock::lockFilePath() const {
  return path_;
}

}  // namespace rdx508
