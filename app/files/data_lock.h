#pragma once
// One program per data folder: a lock file beside the day file that is written, held for
// as long as the program runs. A lock left behind by a program that no longer runs (a
// crash, a power cut) is taken over.

#include <QLockFile>
#include <QString>

#include "toolkit/value.h"

namespace rdx508 {

// The day file that the lock guards: the one written (settings row 2), or the one read
// (row 1) when the settings name no file to write.
QString LockedDayFile(const Table3& INI, const QString& programFolder);

class DataLock {
 public:
  // The lock of the data files whose day file is `dayFilePath` ("\" or "/" separators).
  explicit DataLock(const QString& dayFilePath);

  // Takes the lock unless another running program holds it; true when this object holds
  // it afterwards.
  bool tryLock();
  // Whether this object holds the lock.
  bool isLocked() const;
  // Whether the last tryLock failed because another running program holds the lock (as
  // opposed to a folder where no lock file can be made).
  bool heldElsewhere() const;
  // The lock file: the day file's path followed by ".lock".
  QString lockFilePath() const;

 private:
  QString path_;
  QLockFile lock_;
};

}  // namespace rdx508
