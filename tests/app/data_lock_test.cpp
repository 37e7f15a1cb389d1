// One program per data folder: a lock left by a process that ended without releasing it is
// taken over, a second holder is refused, and where no lock can be made nobody holds it.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "app/files/data_lock.h"
#include "tests/app/app_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

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

}  // namespace
}  // namespace rdx508
