// One program per data folder: a second holder is refused, a lock left by a process that
// ended without releasing it is taken over, and the day file that the lock guards.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QFile>

#include "app/data_lock.h"
#include "tests/app/app_fixture.h"

namespace rdx508 {
namespace {

using testing::AppFolderTest;

class DataLockTest : public AppFolderTest {
 protected:
  QString day = host.folder + u"\\DAYS.TXT"_s;
};

TEST_F(DataLockTest, ASecondHolderIsRefusedUntilTheFirstEnds) {
  auto first = std::make_unique<DataLock>(day);
  ASSERT_TRUE(first->tryLock());
  EXPECT_TRUE(first->tryLock());  // asking again keeps it
  EXPECT_TRUE(QFile::exists(PathOf(u"DAYS.TXT.lock"_s)));
  DataLock second(day);
  EXPECT_FALSE(second.tryLock());
  EXPECT_TRUE(second.heldElsewhere());
  first.reset();
  EXPECT_TRUE(second.tryLock());
  EXPECT_TRUE(second.isLocked());
}

TEST_F(DataLockTest, ALockLeftByAnEndedProcessIsTakenOver) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    DataLock crashed(day);
    _exit(crashed.tryLock() ? 0 : 1);  // ends without releasing it, as a crash does
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  ASSERT_TRUE(QFile::exists(PathOf(u"DAYS.TXT.lock"_s)));
  DataLock next(day);
  EXPECT_TRUE(next.tryLock());
}

TEST_F(DataLockTest, NoLockWhereNoneCanBeMadeIsNoOtherHolder) {
  for (const QString& path : {host.folder + u"/NO_FOLDER/DAYS.TXT"_s, QString()}) {
    DataLock lock(path);
    EXPECT_FALSE(lock.tryLock());
    EXPECT_FALSE(lock.heldElsewhere());
  }
}

TEST_F(DataLockTest, GuardsTheDayFileWrittenOrElseTheOneRead) {
  const struct {
    QStringList rows;
    QString guarded;
  } cases[] = {{{u"01,001,,,\\IN.TXT"_s, u"01,002,,,\\OUT.TXT"_s}, host.folder + u"\\OUT.TXT"_s},
               {{u"01,001,,,\\IN.TXT"_s, u"01,002,,,"_s}, host.folder + u"\\IN.TXT"_s},
               {{u"01,001,,,\\IN.TXT"_s}, host.folder + u"\\IN.TXT"_s},
               {{}, QString()}};
  for (const auto& c : cases) {
    WriteLines(u"RDX508_INIT.TXT"_s, QStringList{u"1,3,T"_s} + c.rows);
    Table3 ini;
    ASSERT_GE(clb.T_Read(PathOf(u"RDX508_INIT.TXT"_s), ini), 1);
    EXPECT_EQ(LockedDayFile(ini, host.folder), c.guarded);
  }
}

}  // namespace
}  // namespace rdx508
