// Entry point of 市況ノート: for now an empty main window with the program's title.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("市況ノート"));
  window.setFixedSize(888, 549);
  window.show();
  return app.exec();
}
