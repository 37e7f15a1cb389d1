#include "program/single_instance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// What a second start sends and what the window answers, one line each.
constexpr char kAsk[] = "forward\n";
constexpr char kDone[] = "done\n";
// How long a second start waits for the window's answer once it reached it.
constexpr std::chrono::milliseconds kAnswerTime(5000);

}  // namespace

QString WindowServerName(const QString& lockFile) {
  const QFileInfo info(lockFile);
  const QString canonical = info.canonicalFilePath();
  const QString path = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
  const QByteArray hash =
      QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
  QString user;
#ifdef Q_OS_UNIX
  user = QString::number(::getuid());
#endif
  return u"rdx508-%1-%2"_s.arg(user, QString::fromLatin1(hash));
}

bool AskWindowForward(const QString& name, std::chrono::milliseconds reach) {
  const QDeadlineTimer deadline(reach);
  QLocalSocket socket;
  for (;;) {
    socket.connectToServer(name);
    if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) break;
    if (deadline.hasExpired()) return false;
    QThread::msleep(50);  // not listening yet: the window may still be loading
  }
  socket.write(kAsk);
  // The window answers from its event loop, once what it is doing (loading its days,
  // a message) ends.
  const QDeadlineTimer answer(kAnswerTime);
  if (!socket.waitForBytesWritten(static_cast<int>(answer.remainingTime()))) return false;
  while (!socket.canReadLine()) {
    if (answer.hasExpired() || !socket.waitForReadyRead(static_cast<int>(answer.remainingTime())))
      return false;
  }
  return socket.readLine() == kDone;
}

WindowServer::WindowServer(const QString& name, std::function<void()> forward, QObject* parent)
    : QObject(parent), forward_(std::move(forward)) {
  // Only the user who started the window may ask it anything.
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  // Whoever listens holds the notebook's lock, so a socket left under this name is one
  // of a window that ended without closing it.
  QLocalServer::removeServer(name);
  server_.listen(name);
  connect(&server_, &QLocalServer::newConnection, this, &WindowServer::answer);
}

void WindowServer::answer() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    const auto read = [this, socket] {
      if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > 64) socket->disconnectFromServer();  // no request of ours
        return;
      }
      if (socket->readLine(64) == kAsk) {
        if (forward_) forward_();
        socket->write(kDone);
      }
      socket->disconnectFromServer();
    };
    connect(socket, &QLocalSocket::readyRead, socket, read);
    read();  // the request may have come with the connection
  }
}

void BringForward(QWidget& window) {
  window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  window.show();
  window.raise();
  window.activateWindow();
  QApplication::alert(&window);
}

}  // namespace rdx508
