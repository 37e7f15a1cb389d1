#pragma once
// Internal to program/. One window per notebook: the running window listens on a local
// socket named after its locked day file, and a second start on the same notebook asks it
// to come forward instead of showing that the program runs already. The socket is a plain
// Unix-domain one watched by Qt Core's socket notifier: Qt's network library would cost
// every start about 6 ms and 1.5 MiB for these two short lines.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <chrono>
#include <functional>

class QSocketNotifier;
class QWidget;

namespace rdx508 {

// The socket's name for the notebook whose lock file is `lockFile`: a hash of its canonical
// path (any folder name works, and the same files reached by another path give the same
// name), for this user only.
QString WindowServerName(const QString& lockFile);

// The socket file of the window listening on `name`: in the temporary folder.
QString WindowSocketPath(const QString& name);

// Asks the window listening on `name` to come forward, trying to reach it for up to
// `reach` (it may still be starting) and a few seconds for its answer. Whether it answered
// that it did.
bool AskWindowForward(const QString& name, std::chrono::milliseconds reach = std::chrono::milliseconds(2000));

// Listens on `name` for as long as it lives and runs `forward` for each start of the same
// user that asks.
class WindowServer : public QObject {
 public:
  WindowServer(const QString& name, std::function<void()> forward, QObject* parent = nullptr);
  ~WindowServer() override;
  WindowServer(const WindowServer&) = delete;
  WindowServer& operator=(const WindowServer&) = delete;
  bool listening() const { return socket_ >= 0; }

 private:
  void accept();

  int socket_ = -1;
  QByteArray path_;  // the socket's file, removed with the server
  QSocketNotifier* listener_ = nullptr;
  std::function<void()> forward_;
};

// Shows `window` restored from the task bar, on top and active; where the window system
// refuses to hand over the focus, the task bar marks it instead.
void BringForward(QWidget& window);

}  // namespace rdx508
