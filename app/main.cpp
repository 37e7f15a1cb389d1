// Entry point of 市況ノート: the real host and the program's run (start-up files, then
// the main window, or the start-up notice when a file is missing).
#include <QApplication>

#include "ui/qt/fonts.h"
#include "ui/qt/qt_host.h"
#include "ui/qt/run_program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  rdx508::RegisterFontSubstitutions();
  rdx508::QtHost host;
  return rdx508::RunProgram(host);
}
