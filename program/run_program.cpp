#include "program/run_program.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <exception>
#include <functional>
#include <memory>
#include <utility>

#include "app/files/notebook_folder.h"
#include "app/notebook.h"
#include "calendar/two_digit_year.h"
#include "program/single_instance.h"
#include "toolkit/clb_c1.h"
#include "toolkit/program_title.h"
#include "ui/qt/first_start.h"
#include "ui/qt/fonts.h"
#include "ui/rdx_f508.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// Runs `work` once, as soon as the event loop is free after the widget's first paint.
class AfterFirstPaint : public QObject {
 public:
  AfterFirstPaint(QWidget& widget, std::function<void()> work) : QObject(&widget), work_(std::move(work)) {
    widget.installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QMetaObject::invokeMethod(this, work_, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  std::function<void()> work_;
};

}  // namespace

void QuitAfterFirstPaint(QWidget& window) {
  // exit(), not quit(): quitting would close the window and ask the save question.
  new AfterFirstPaint(window, [] { QCoreApplication::exit(0); });
}

int RunProgram(QtHost& host, const std::function<void(MainWindow&)>& shown) {
  // Two-digit years are read around this year for the whole run.
  SetReferenceYear(host.now().date().year());
  // A missing notebook is made first, or the program ends with nothing written.
  const FirstStart first = RunFirstStart(host, SharedDataFolder(QCoreApplication::applicationDirPath()));
  if (!first.proceed) return 0;
  CLB_C1 clb(host);
  Notebook notebook(clb);
  if (const std::optional<NotebookProblem> unread = notebook.Open()) {
    host.startupNotice(unread->text);  // closing the notice ends the program
    return 0;
  }
  // One program per notebook: a second one ends before it can change a file.
  const Notebook::LockResult lock = notebook.TakeLock();
  if (lock == Notebook::LockResult::HeldElsewhere) {
    // The window open on these files comes forward instead; one that does not answer is named.
    if (AskWindowForward(WindowServerName(notebook.LockFilePath()))) return 0;
    host.startupNotice(u"すでに起動しています。"_s);
    return 0;
  }

  RDX_F508 model(clb, host, notebook);
  // The window's font is the program's: a control lays out its first text as it is made,
  // before it can take a font of its own, and would otherwise load a face never shown.
  QApplication::setFont(LayoutFont(FontKey::Default));
  MainWindow window(model, host);
  QObject::connect(&host, &QtHost::ended, &window, &MainWindow::programEnded);
  std::unique_ptr<WindowServer> server;
  if (lock == Notebook::LockResult::Held)
    server = std::make_unique<WindowServer>(WindowServerName(notebook.LockFilePath()), [&] {
      if (!host.hasEnded()) BringForward(window);
    });
  try {
    model.Form_Load();
  } catch (const std::exception& e) {
    // A window that did not load fully must not be saved over the files: say why and end.
    host.errorBox(ProgramTitle(), QString::fromUtf8(e.what()));
    return 1;
  }
  // The days and colour limits now live in the model: their file tables are done with,
  // and what the first frame paints can use their memory.
  notebook.ReleaseDataTables();
  window.mirror();
  if (host.hasEnded()) return 0;  // the load itself ended the program
  // What the first frame does not need comes after it; a start-up measurement ends there.
  if (qEnvironmentVariable("RDX508_QUIT_AFTER_FIRST_FRAME") == u"1") {
    QuitAfterFirstPaint(window);
  } else {
    new AfterFirstPaint(window, [&] { window.runDeferred([&] { model.LoadArchiveOnce(); }); });
  }
  window.show();
  if (!first.importFile.isEmpty())
    QTimer::singleShot(0, &window, [&window, file = first.importFile] { window.importFile(file); });
  if (shown) shown(window);
  return QApplication::exec();
}

}  // namespace rdx508
