// Entry point of 市況ノート: a command-line run (import, export, help, version) without a
// display, or the real host and the program's run (start-up files, then the main window,
// or the start-up notice when a file is missing).
#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include "program/command_line.h"
#include "program/console_host.h"
#include "program/run_program.h"
#include "ui/display_scale.h"
#include "ui/qt/fonts.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_translations.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i)
    arguments.append(QString::fromLocal8Bit(argv[i]));
  if (rdx508::IsCommandLineRun(arguments)) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    rdx508::ConsoleHost host(QCoreApplication::applicationDirPath(), err);
    return rdx508::RunCommandLine(arguments, host, out, err);
  }

  // The display scale the user chose in the window, before the application exists.
  rdx508::ApplyStoredScale(rdx508::DisplaySettingsFile());
  QApplication app(argc, argv);
  rdx508::InstallQtTranslations();
  rdx508::RegisterFontSubstitutions();
  rdx508::QtHost host;
  return rdx508::RunProgram(host);
}
