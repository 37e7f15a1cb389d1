#include "ui/qt/qt_host.h"

#include <QApplication>
#include <QDir>
#include <QMetaObject>
#include <QPushButton>

#include "toolkit/program_title.h"

namespace rdx508 {

QtHost::QtHost(QObject* parent) : QObject(parent) {}

QDateTime QtHost::now() const {
  return QDateTime::currentDateTime();
}

QString QtHost::programFolder() const {
  QString folder = folder_.isEmpty() ? QCoreApplication::applicationDirPath() : folder_;
  while (folder.size() > 1 && (folder.endsWith(u'/') || folder.endsWith(u'\\')))
    folder.chop(1);
  return folder;
}

void QtHost::setProgramFolder(const QString& folder) {
  folder_ = folder;
}

void QtHost::setBoxRunner(BoxRunner runner) {
  runner_ = std::move(runner);
}

QMessageBox::StandardButton QtHost::run(QMessageBox& box) {
  if (runner_) return runner_(box);
  return QMessageBox::StandardButton(box.exec());
}

void QtHost::errorBox(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, QApplication::activeWindow());
  run(box);
}

bool QtHost::askYesNo(const QString& question) {
  QMessageBox box(QMessageBox::Question, ProgramTitle(), question, QMessageBox::Yes | QMessageBox::No,
                  QApplication::activeWindow());
  // The program speaks Japanese; Qt's own button texts would be English.
  box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
  box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return run(box) == QMessageBox::Yes;
}

// Esc, and closing the box by its frame, give キャンセル: a reflex never answers the question.
Host::Answer QtHost::askYesNoCancel(const QString& question) {
  QMessageBox box(QMessageBox::Question, ProgramTitle(), question,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QApplication::activeWindow());
  box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
  box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
  box.button(QMessageBox::Cancel)->setText(QStringLiteral("キャンセル"));
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (run(box)) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

void QtHost::startupNotice(const QString& message) {
  QMessageBox box(QMessageBox::NoIcon, ProgramTitle(), message, QMessageBox::Close);
  box.button(QMessageBox::Close)->setText(QStringLiteral("閉じる"));
  run(box);
}

// Ends the program at once: windows are told to go away, and the event loop is asked
// to quit. The request is queued, so it also works from inside an event handler (a
// close event) and before the event loop has started.
void QtHost::endProgram() {
  if (ended_) return;
  ended_ = true;
  Q_EMIT ended();
  if (auto* app = QCoreApplication::instance())
    QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
}

}  // namespace rdx508
