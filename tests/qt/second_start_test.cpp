// A second start of the program on a notebook that is open brings the open window forward
// and ends; a start on another notebook opens its own window. Real program processes.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <atomic>
#include <cstring>
#include <thread>

#include "program/single_instance.h"
#include "support/program_folder.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

class SecondStart : public ::testing::Test {
 protected:
  SecondStart() : oldTemp_(qgetenv("TMPDIR")) {
    // The windows' sockets go into a folder of the test's own, which goes with it.
    qputenv("TMPDIR", sockets_.path().toLocal8Bit());
  }
  ~SecondStart() override {
    for (QProcess* process : started_) {
      process->kill();
      process->waitForFinished();
      delete process;
    }
    qputenv("TMPDIR", oldTemp_);
  }
  QProcess* Start(const testing::ProgramFolder& folder) {
    auto* process = new QProcess;
    started_.push_back(process);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"TMPDIR"_s, sockets_.path());
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(folder.program(), {});
    process->waitForStarted();
    return process;
  }
  static QString ServerOf(const testing::ProgramFolder& folder) {
    return WindowServerName(folder.path(u"RDX508_DAYS.TXT.lock"_s));
  }

  QTemporaryDir sockets_;
  QByteArray oldTemp_;
  std::vector<QProcess*> started_;
};

TEST_F(SecondStart, BringsTheOpenWindowForwardAndEnds) {
  testing::ProgramFolder notebook, other;
  ASSERT_TRUE(notebook.ok() && other.ok());
  QProcess* first = Start(notebook);
  // The window answers once it has loaded.
  ASSERT_TRUE(AskWindowForward(ServerOf(notebook), std::chrono::seconds(20)));

  // A second start that showed its message instead would wait for it to be closed.
  QProcess* second = Start(notebook);
  ASSERT_TRUE(second->waitForFinished(20'000));
  EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second->exitCode(), 0);
  EXPECT_EQ(first->state(), QProcess::Running);

  // Another notebook is no second start: it opens and answers for itself.
  QProcess* third = Start(other);
  EXPECT_TRUE(AskWindowForward(ServerOf(other), std::chrono::seconds(20)));
  EXPECT_EQ(third->state(), QProcess::Running);
  EXPECT_EQ(first->state(), QProcess::Running);
  EXPECT_NE(ServerOf(notebook), ServerOf(other));
}

TEST(WindowServer, AnswersOnlyWhileListeningAndOnlyUnderItsName) {
  QTemporaryDir dir;
  const QString name = WindowServerName(dir.filePath(u"A.lock"_s));
  int asked = 0;
  {
    WindowServer server(name, [&] { ++asked; });
    ASSERT_TRUE(server.listening());
    // The answer comes from this thread's event loop, so the asking start runs aside.
    std::atomic<bool> answered = false, done = false;
    std::thread ask([&] {
      answered = AskWindowForward(name);
      done = true;
    });
    while (!done)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ask.join();
    EXPECT_TRUE(answered);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(
        AskWindowForward(WindowServerName(dir.filePath(u"B.lock"_s)), std::chrono::milliseconds(200)));
  }
  EXPECT_FALSE(AskWindowForward(name, std::chrono::milliseconds(200)));
  EXPECT_EQ(asked, 1);
}

TEST(WindowServer, HangsUpOnAnythingButItsRequest) {
  QTemporaryDir dir;
  const QString name = WindowServerName(dir.filePath(u"A.lock"_s));
  int asked = 0;
  WindowServer server(name, [&] { ++asked; });
  ASSERT_TRUE(server.listening());
  for (const QByteArray& request : {QByteArray("forward"), QByteArray("back\n"), QByteArray(64, 'x')}) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(WindowSocketPath(name));
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::send(fd, request.constData(), size_t(request.size()), 0), request.size());
    ::shutdown(fd, SHUT_WR);  // the end of a request without its line end
    char answer[16];
    ssize_t got = -1;
    for (int i = 0; i < 200 && got < 0; ++i) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      got = ::recv(fd, answer, sizeof answer, MSG_DONTWAIT);
    }
    EXPECT_EQ(got, 0) << request.constData();  // hung up, with no answer
    ::close(fd);
  }
  EXPECT_EQ(asked, 0);
}

}  // namespace
}  // namespace rdx508
