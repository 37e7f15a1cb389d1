// Test entry for the widget tests: an offscreen QApplication around GoogleTest, with
// the program's font substitutions in place.
#include <gtest/gtest.h>
#include <QApplication>
#include <QStandardPaths>

#include "ui/qt/fonts.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Settings a window keeps (the chart's size and position) go to a test folder, never
  // into the user's configuration.
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  rdx508::RegisterFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
