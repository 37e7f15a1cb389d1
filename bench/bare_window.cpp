// The floor of the start-up measurement: a bare Qt program that shows an empty window of
// the main window's size (888 x 549) and, with RDX508_QUIT_AFTER_FIRST_FRAME=1, ends right
// after the window's first paint, exactly as the program does. With the argument --text
// the window also shows one line of Japanese text in each of the program's two faces, to
// tell the cost of Qt's font machinery from the program's own.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

namespace {

class QuitAfterFirstPaint : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QMetaObject::invokeMethod(
          qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.setFixedSize(888, 549);
  if (app.arguments().contains(QStringLiteral("--text"))) {
    int top = 10;
    for (const char* family : {"IPAGothic", "IPAPGothic"}) {
      auto* label = new QLabel(QStringLiteral("市況ノート 24/11/29 2,700.25 上昇率 騰落レシオ"), &window);
      label->setFont(QFont(QString::fromLatin1(family), 10));
      label->move(10, top);
      top += 30;
    }
  }
  QuitAfterFirstPaint quit;
  if (qEnvironmentVariable("RDX508_QUIT_AFTER_FIRST_FRAME") == u"1") window.installEventFilter(&quit);
  window.show();
  return QApplication::exec();
}
