#include "program/single_instance.h"

#include <errno.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>
#include <QWidget>
#include <cstring>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// What a second start sends and what the window answers, one line each.
constexpr char kAsk[] = "forward\n";
constexpr char kDone[] = "done\n";
constexpr qsizetype kLongestLine = 64;
// How long a second start waits for the window's answer once it reached it.
constexpr std::chrono::milliseconds kAnswerTime(5000);

// The socket file's address for `name`; none when the temporary folder's path is too long
// for one.
std::optional<sockaddr_un> Address(const QString& name) {
  const QByteArray path = QFile::encodeName(WindowSocketPath(name));
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (static_cast<size_t>(path.size()) >= sizeof address.sun_path) return std::nullopt;
  std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()) + 1);
  return address;
}

// Whether the process at the other end of `fd` runs as this user: the temporary folder is
// everyone's, so neither side talks to a socket of someone else's.
bool SameUser(int fd) {
#ifdef SO_PEERCRED
  ucred peer{};
  socklen_t size = sizeof peer;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::getuid();
#else
  uid_t uid = 0;
  gid_t gid = 0;
  return ::getpeereid(fd, &uid, &gid) == 0 && uid == ::getuid();
#endif
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// One asking start's connection, read as its bytes come: a whole request is answered,
// anything else is hung up on. The descriptor closes with the object.
class Connection : public QObject {
 public:
  Connection(int fd, const std::function<void()>& forward, QObject* parent)
      : QObject(parent), fd_(fd), forward_(forward), notifier_(fd, QSocketNotifier::Read) {
    connect(&notifier_, &QSocketNotifier::activated, this, &Connection::read);
    read();  // the request may have come with the connection
  }
  ~Connection() override {
    notifier_.setEnabled(false);
    ::close(fd_);
  }

 private:
  void read() {
    char buffer[kLongestLine];
    const ssize_t got = ::recv(fd_, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return;  // more to come
    if (got > 0) request_.append(buffer, got);
    if (got > 0 && !request_.contains('\n') && request_.size() < kLongestLine) return;
    // A whole line, the end or an error: answer a request of ours, then hang up (the
    // notifier, off, calls no more).
    if (request_ == kAsk) {
      if (forward_) forward_();
      ::send(fd_, kDone, sizeof kDone - 1, MSG_NOSIGNAL);
    }
    notifier_.setEnabled(false);
    deleteLater();
  }

  int fd_;
  const std::function<void()>& forward_;
  QSocketNotifier notifier_;
  QByteArray request_;
};

}  // namespace

QString WindowServerName(const QString& lockFile) {
  const QFileInfo info(lockFile);
  const QString canonical = info.canonicalFilePath();
  const QString path = canonical.isEmpty() ? info.absoluteFilePath() : canonical;
  const QByteArray hash =
      QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
  return u"rdx508-%1-%2"_s.arg(QString::number(::getuid()), QString::fromLatin1(hash));
}

QString WindowSocketPath(const QString& name) {
  return QDir::tempPath() + u'/' + name;
}

bool AskWindowForward(const QString& name, std::chrono::milliseconds reach) {
  const std::optional<sockaddr_un> address = Address(name);
  if (!address) return false;
  const QDeadlineTimer deadline(reach);
  Descriptor socket{-1};
  for (;;) {
    socket.fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket.fd < 0) return false;
    if (::connect(socket.fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0) break;
    ::close(socket.fd);
    socket.fd = -1;
    if (deadline.hasExpired()) return false;
    QThread::msleep(50);  // not listening yet: the window may still be loading
  }
  if (!SameUser(socket.fd)) return false;
  if (::send(socket.fd, kAsk, sizeof kAsk - 1, MSG_NOSIGNAL) != static_cast<ssize_t>(sizeof kAsk - 1))
    return false;
  // The window answers from its event loop, once what it is doing (loading its days,
  // a message) ends.
  const QDeadlineTimer answer(kAnswerTime);
  QByteArray reply;
  while (!reply.contains('\n') && reply.size() < kLongestLine) {
    pollfd wait{socket.fd, POLLIN, 0};
    const int ready = ::poll(&wait, 1, static_cast<int>(answer.remainingTime()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    char buffer[kLongestLine];
    const ssize_t got = ::recv(socket.fd, buffer, sizeof buffer, 0);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    reply.append(buffer, got);
  }
  return reply == kDone;
}

WindowServer::WindowServer(const QString& name, std::function<void()> forward, QObject* parent)
    : QObject(parent), forward_(std::move(forward)) {
  const std::optional<sockaddr_un> address = Address(name);
  if (!address) return;
  Descriptor socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)};
  if (socket.fd < 0) return;
  // Whoever listens holds the notebook's lock, so a socket left under this name is one
  // of a window that ended without removing it.
  ::unlink(address->sun_path);
  if (::bind(socket.fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) return;
  // Only the user who started the window may reach it.
  if (::chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(socket.fd, 8) != 0) {
    ::unlink(address->sun_path);
    return;
  }
  std::swap(socket_, socket.fd);
  path_ = address->sun_path;
  listener_ = new QSocketNotifier(socket_, QSocketNotifier::Read, this);
  connect(listener_, &QSocketNotifier::activated, this, &WindowServer::accept);
}

WindowServer::~WindowServer() {
  if (socket_ < 0) return;
  delete listener_;
  ::close(socket_);
  ::unlink(path_.constData());
}

void WindowServer::accept() {
  for (;;) {
    const int connection = ::accept4(socket_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (connection < 0) {
      if (errno == EINTR) continue;
      return;  // none left waiting
    }
    if (!SameUser(connection)) {
      ::close(connection);
      continue;
    }
    new Connection(connection, forward_, this);
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
