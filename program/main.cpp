// Entry point of 市況ノート: a command-line run (import, export, help, version) without a
// display, or the real host and the program's run (start-up files, then the main window,
// or the start-up notice when a file is missing). Both open the notebook folder chosen
// here: the program's own folder when it holds the settings file, --data DIR, or the
// user's data folder.
#include <malloc.h>

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include "app/files/notebook_folder.h"
#include "program/command_line.h"
#include "program/console_host.h"
#include "program/notebook_start.h"
#include "program/run_program.h"
#include "ui/display_scale.h"
#include "ui/qt/fonts.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/qt_translations.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i)
    arguments.append(QString::fromLocal8Bit(argv[i]));
  const QString dataOption = rdx508::TakeDataOption(arguments);
  if (rdx508::IsCommandLineRun(arguments)) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    rdx508::ConsoleHost host(
        rdx508::ChooseNotebookFolder(QCoreApplication::applicationDirPath(), dataOption).folder, err);
    return rdx508::RunCommandLine(arguments, host, out, err);
  }

  // Blocks up to 1 MiB (the day table of a long file is some 380 KiB) come from the heap
  // rather than from pages mapped for each and handed back when freed: the window, made
  // once the files are read, then reuses those pages instead of faulting in fresh ones
  // (70 fewer page faults at a start on 998 days).
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
  // The display scale the user chose in the window, before the application exists.
  rdx508::ApplyStoredScale(rdx508::DisplaySettingsFile());
  QApplication app(argc, argv);
  // The menu entry's name, so that desktops match the window to its entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.rdx508.ShikyoNote"));
  rdx508::InstallQtTranslations();
  rdx508::RegisterFontSubstitutions();
  rdx508::QtHost host;
  host.setProgramFolder(
      rdx508::ChooseNotebookFolder(QCoreApplication::applicationDirPath(), dataOption).folder);
  return rdx508::RunProgram(host);
}
