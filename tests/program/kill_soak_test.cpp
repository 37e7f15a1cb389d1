// The command line's import killed at random moments, round after round, over a folder past
// 998 days: after every round the day file and the archive read whole, every day ever
// saved is in one of them with its values, and the next import is not locked out.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDateTime>
#include <QElapsedTimer>
#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <chrono>
#include <thread>

#include "support/fake_host.h"
#include "support/program_folder.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

struct Day {
  double topix, nikkei;
  int up, down;
  bool operator==(const Day&) const = default;
};
using Days = QMap<QString, Day>;  // by date, yy/mm/dd

// The values imported for trading day number `k` (k = 0 is 2010/01/04, then every weekday;
// all before the sample data's days).
QString DateOf(int k) {
  return QDate(2010, 1, 4).addDays(k / 5 * 7 + k % 5).toString(u"yy/MM/dd"_s);
}
Day ValuesOf(int k) {
  return {1500.0 + k * 0.25, 20000.0 + k, 500 + k % 400, 400 + k % 300};
}

// A CSV file of days `from` to `to` (not included).
void WriteCsv(const QString& path, int from, int to) {
  QByteArray text = "date,topix,up,down,nikkei\n";
  for (int k = from; k < to; ++k) {
    const Day d = ValuesOf(k);
    text += (u"20"_s + DateOf(k)).toLatin1() + ',' + QByteArray::number(d.topix, 'f', 2) + ',' +
            QByteArray::number(d.up) + ',' + QByteArray::number(d.down) + ',' +
            QByteArray::number(d.nikkei, 'f', 2) + '\n';
  }
  testing::WriteBytes(path, text);
}

// Reads a day file or archive whole into `days`: its header, then days at positions that
// follow each other from `first`, each line complete. "" when it did, else what is wrong.
QString ReadWhole(const QString& path, qsizetype first, Days& days) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return path + u": unreadable"_s;
  const QByteArray bytes = file.readAll();
  if (!bytes.endsWith("\r\n")) return path + u": cut short"_s;
  const QList<QByteArray> lines = bytes.left(bytes.size() - 2).split('\n');
  static const QRegularExpression head(u"^1,5,RDX508_F4 \\d{12}\\r$"_s);
  static const QRegularExpression line(
      u"^01,(\\d{3,}),(\\d\\d/\\d\\d/\\d\\d),([\\d.]+),(\\d+),(\\d+),([\\d.]+)\\r?$"_s);
  if (lines.size() < 2 || !head.match(QString::fromLatin1(lines[0])).hasMatch() || !lines[1].startsWith("/*"))
    return path + u": no header"_s;
  for (qsizetype i = 2; i < lines.size(); ++i) {
    const QRegularExpressionMatch m = line.match(QString::fromLatin1(lines[i]));
    if (!m.hasMatch() || m.captured(1).toLongLong() != first + i - 2)
      return path + u": line %1 「%2」"_s.arg(i + 1).arg(QString::fromLatin1(lines[i]));
    days.insert(m.captured(2), {m.captured(3).toDouble(), m.captured(6).toDouble(), m.captured(4).toInt(),
                                m.captured(5).toInt()});
  }
  return {};
}

// Runs `program --import csv` with its output in `log`, killed after `killAfter` unless it
// ends first. Its exit code, or -1 when it was killed.
int Import(const QString& program, const QString& csv, const QString& log,
           std::chrono::microseconds killAfter) {
  const QByteArray exe = QFile::encodeName(program), file = QFile::encodeName(csv),
                   out = QFile::encodeName(log);
  const pid_t child = fork();
  if (child == 0) {
    const int fd = open(out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(fd, 1);
    dup2(fd, 2);
    execl(exe.constData(), exe.constData(), "--import", file.constData(), static_cast<char*>(nullptr));
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + killAfter;
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Makes a lock file look `seconds` older, as though the user had started again later.
void Age(const QString& path, int seconds) {
  QFile file(path);
  if (file.open(QIODevice::ReadWrite))
    file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime);
}

TEST(KillSoak, NoKilledImportLosesADayOrLocksTheNotebook) {
  testing::ProgramFolder folder;
  ASSERT_TRUE(folder.ok());
  const QString csv = folder.path(u"round.csv"_s), log = folder.path(u"round.log"_s);
  const QString dayFile = folder.path(u"RDX508_DAYS.TXT"_s), archive = folder.path(u"RDX508_ARCHIVE.TXT"_s);

  // Past 998 days, so that every save writes the archive too.
  constexpr int kSeedDays = 1100;
  WriteCsv(csv, 0, kSeedDays);
  QElapsedTimer whole;
  whole.start();
  ASSERT_EQ(Import(folder.program(), csv, log, std::chrono::seconds(60)), 0);
  Days saved;
  ASSERT_EQ(ReadWhole(dayFile, 1, saved), u""_s);
  ASSERT_EQ(ReadWhole(archive, 999, saved), u""_s);
  ASSERT_GT(saved.size(), 998 + 100);

  // How long one import of two days runs here, so that the kills fall over all of it.
  WriteCsv(csv, kSeedDays, kSeedDays + 2);
  QElapsedTimer one;
  one.start();
  ASSERT_EQ(Import(folder.program(), csv, log, std::chrono::seconds(60)), 0);
  const auto full = std::chrono::microseconds(one.nsecsElapsed() / 1000);
  for (int k = kSeedDays; k < kSeedDays + 2; ++k)
    saved.insert(DateOf(k), ValuesOf(k));

  // A few hundred rounds where a round is quick; fewer, in a bounded time, on a slow machine.
  const int rounds = std::clamp(static_cast<int>(std::chrono::seconds(6) / (full * 3 / 4)), 60, 300);
  int completed = 0, refused = 0, lockedInARow = 0, nameless = 0;
  QRandomGenerator random(20'241'227);
  for (int round = 0; round < rounds; ++round) {
    const int from = kSeedDays + 2 + 2 * round;
    WriteCsv(csv, from, from + 2);
    // Now and then a lock file whose content never reached the disk, as a power cut in the
    // first moments of a start leaves it.
    if (round % 20 == 10 && !QFile::exists(dayFile + u".lock"_s)) {
      testing::WriteBytes(dayFile + u".lock"_s, {});
      Age(dayFile + u".lock"_s, 60);
    }
    const auto killAfter =
        std::chrono::microseconds(random.bounded(static_cast<qint64>(full.count() * 3 / 2)));
    const int code = Import(folder.program(), csv, log, killAfter);
    if (code == 0) {
      ++completed;
      for (int k = from; k < from + 2; ++k)
        saved.insert(DateOf(k), ValuesOf(k));
    }
    const QString said = QString::fromUtf8(testing::ReadBytes(log));
    ASSERT_TRUE(code == -1 || code == 0 || said.contains(u"同じデータで開いている"_s))
        << round << ": " << said.toStdString();

    Days found;
    ASSERT_EQ(ReadWhole(dayFile, 1, found), u""_s) << "round " << round;
    ASSERT_EQ(ReadWhole(archive, 999, found), u""_s) << "round " << round;
    for (auto day = saved.cbegin(); day != saved.cend(); ++day)
      ASSERT_EQ(found.value(day.key()), day.value()) << "round " << round << ": " << day.key().toStdString();
    // A day that a killed round saved is saved from then on.
    saved.insert(found);

    nameless += QFile::exists(dayFile + u".lock"_s) && testing::ReadBytes(dayFile + u".lock"_s).isEmpty();
    if (code == 1) {
      // Refused only by a lock that names no one yet; a few seconds later it is taken over.
      ++refused;
      ASSERT_LT(++lockedInARow, 2) << "round " << round;
      Age(dayFile + u".lock"_s, 60);
      Age(dayFile + u".lock.rmlock"_s, 60);
    } else {
      lockedInARow = 0;
    }
  }
  // The notebook opens after the last kill.
  WriteCsv(csv, 0, 1);
  EXPECT_EQ(Import(folder.program(), csv, log, std::chrono::seconds(60)), 0)
      << testing::ReadBytes(log).toStdString();
  std::cout << rounds << " rounds (one import " << full.count() / 1000 << " ms): " << completed
            << " completed, " << nameless << " left a lock naming no one, " << refused << " refused by one, "
            << whole.elapsed() << " ms in all\n";
}

}  // namespace
}  // namespace rdx508
