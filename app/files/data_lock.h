#pragma once
// One program per data folder: a lock file beside the day file, held for as long as the
// program runs. A lock that names no running owner (its owner ended, or it names no one at
// all) is taken over; a lock of a program that runs, here or on another host, is respected.

#include <QLockFile>
#include <QString>
#include <chrono>

#include "toolkit/value.h"

namespace rdx508 {

// The day file that the lock guards: the one written (settings row 2), or the one read
// (row 1) when the settings name no file to write.
QString LockedDayFile(const Table3& INI, const QString& programFolder);

// How long a lock file that names no owner (empty, unreadable or garbage) is left alone:
// a program that has just made its lock file writes its owner into it right away.
inline constexpr std::chrono::seconds kOwnerlessLockAge{5};

class DataLock {
 public:
  // The lock of the data files whose day file is `dayFilePath` ("\" or "/" separators).
  explicit DataLock(const QString& dayFilePath);

  // Takes the lock unless another running program holds it; true when this object holds
  // it afterwards. A lock file left by a program that no longer runs on this host, or one
  // older than kOwnerlessLockAge that names no owner, is removed and the lock taken.
  bool tryLock();
  // Whether this object holds the lock.
  bool isLocked() const;
  // Whether the last tryLock failed because another program holds the lock (or is making
  // it right now), as opposed to a folder where no lock file can be made or removed.
  bool heldElsewhere() const;
  // The lock file: the day file's path followed by ".lock".
  QString lockFilePath() const;

 private:
  // What the lock file that stopped tryLock says about its owner.
  enum class Owner { Running, Starting, Gone };
  Owner ownerOfLockFile() const;
  // Removes a lock file whose owner is gone, one program at a time.
  enum class Removal { Removed, Busy, Impossible };
  Removal removeOwnerless();

  QString path_;
  QLockFile lock_;
  bool heldElsewhere_ = false;
};

}  // namespace rdx508
