#pragma once
// QtHost: the Host of the real program — the local clock, the program's folder, modal
// message boxes and the end of the program through Qt.

#include <QMessageBox>
#include <QObject>
#include <functional>

#include "toolkit/host.h"

namespace rdx508 {

class QtHost : public QObject, public Host {
  Q_OBJECT
 public:
  // Runs a prepared modal box and returns the standard button chosen. The default runs
  // QMessageBox::exec(); tests install one that answers without blocking.
  using BoxRunner = std::function<QMessageBox::StandardButton(QMessageBox&)>;

  explicit QtHost(QObject* parent = nullptr);

  QDateTime now() const override;
  QString programFolder() const override;
  void errorBox(const QString& title, const QString& text) override;
  bool askYesNo(const QString& question) override;
  Answer askYesNoCancel(const QString& question) override;
  void startupNotice(const QString& message) override;
  void endProgram() override;

  void setBoxRunner(BoxRunner runner);
  // Runs a box of the program's own making the way every box of the host runs.
  QMessageBox::StandardButton runBox(QMessageBox& box) { return run(box); }
  void setProgramFolder(const QString& folder);  // replaces the executable's folder
  bool hasEnded() const { return ended_; }

 Q_SIGNALS:
  // The program is ending: windows should close without asking anything more.
  void ended();

 private:
  QMessageBox::StandardButton run(QMessageBox& box);

  BoxRunner runner_;
  QString folder_;
  bool ended_ = false;
};

}  // namespace rdx508
