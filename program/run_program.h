#pragma once
// The program's run from start to end: the start-up files, the start-up notice when one
// is missing, otherwise the main window and the event loop until the model ends it.

#include <functional>

#include "ui/qt/main_window.h"
#include "ui/qt/qt_host.h"

namespace rdx508 {

// Needs a QApplication. `shown` (optional) is called with the window once it is shown,
// just before the event loop starts. Returns the program's exit code.
int RunProgram(QtHost& host, const std::function<void(MainWindow&)>& shown = {});

// For start-up measurements: ends the event loop right after `window` is first painted.
// RunProgram arms it when the environment variable RDX508_QUIT_AFTER_FIRST_FRAME is "1".
void QuitAfterFirstPaint(QWidget& window);

}  // namespace rdx508
