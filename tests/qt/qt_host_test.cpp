// QtHost: the boxes it builds (seen through the box runner, so nothing blocks), the
// program folder, and ending the program before and inside the event loop.

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include "ui/qt/qt_host.h"

namespace rdx508 {
namespace {

struct SeenBox {
  QString title, text;
  QMessageBox::StandardButtons buttons;
};

// A host whose boxes are recorded and answered with `answer`.
struct RecordingHost {
  QtHost host;
  std::vector<SeenBox> seen;
  QMessageBox::StandardButton answer = QMessageBox::NoButton;
  RecordingHost() {
    host.setBoxRunner([this](QMessageBox& box) {
      seen.push_back({box.windowTitle(), box.text(), box.standardButtons()});
      return answer;
    });
  }
};

TEST(QtHost, ErrorBoxHasTheTitleTheTextAndOnlyOk) {
  RecordingHost r;
  r.host.errorBox(QStringLiteral("CLB_C1 (関数 Fmat)"), QStringLiteral("Error(6)オーバーフローしました。"));
  ASSERT_EQ(r.seen.size(), 1u);
  EXPECT_EQ(r.seen[0].title, QStringLiteral("CLB_C1 (関数 Fmat)"));
  EXPECT_EQ(r.seen[0].text, QStringLiteral("Error(6)オーバーフローしました。"));
  EXPECT_EQ(r.seen[0].buttons, QMessageBox::Ok);
}

TEST(QtHost, SaveQuestionAnswersYesOnlyForYes) {
  const struct {
    QMessageBox::StandardButton chosen;
    bool yes;
  } cases[] = {{QMessageBox::Yes, true}, {QMessageBox::No, false}, {QMessageBox::NoButton, false}};
  for (const auto& c : cases) {
    RecordingHost r;
    r.answer = c.chosen;
    EXPECT_EQ(r.host.askYesNo(QStringLiteral("データ保存しますか？")), c.yes);
    ASSERT_EQ(r.seen.size(), 1u);
    EXPECT_EQ(r.seen[0].title, QStringLiteral("市況ノート"));
    EXPECT_EQ(r.seen[0].text, QStringLiteral("データ保存しますか？"));
    EXPECT_EQ(r.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
  }
}

TEST(QtHost, StartupNoticeIsTitledAndOffersOnlyToClose) {
  RecordingHost r;
  r.host.startupNotice(QStringLiteral("INI(1, 3, x)なし"));
  ASSERT_EQ(r.seen.size(), 1u);
  EXPECT_EQ(r.seen[0].title, QStringLiteral("市況ノート"));
  EXPECT_EQ(r.seen[0].text, QStringLiteral("INI(1, 3, x)なし"));
  EXPECT_EQ(r.seen[0].buttons, QMessageBox::Close);
}

TEST(QtHost, ProgramFolderHasNoTrailingSeparator) {
  QtHost host;
  EXPECT_EQ(host.programFolder(), QCoreApplication::applicationDirPath());
  for (const QString& given :
       {QStringLiteral("/tmp/x/"), QStringLiteral("/tmp/x"), QStringLiteral("/tmp/x\\")}) {
    host.setProgramFolder(given);
    EXPECT_EQ(host.programFolder(), QStringLiteral("/tmp/x")) << given.toStdString();
  }
  EXPECT_LE(qAbs(host.now().secsTo(QDateTime::currentDateTime())), 2);
}

// Ending before the event loop runs still ends it as soon as it starts; the signal that
// closes the windows comes once however often the end is asked for.
TEST(QtHost, EndBeforeTheLoopStartsEndsTheLoop) {
  QtHost host;
  int ended = 0;
  QObject::connect(&host, &QtHost::ended, [&] { ++ended; });
  host.endProgram();
  host.endProgram();
  EXPECT_TRUE(host.hasEnded());
  EXPECT_EQ(ended, 1);
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
  guard.start(5000);
  EXPECT_EQ(QCoreApplication::exec(), 0) << "the loop did not end by itself";
}

TEST(QtHost, EndFromInsideTheLoopEndsIt) {
  QtHost host;
  QTimer::singleShot(0, &host, [&] { host.endProgram(); });
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
  guard.start(5000);
  EXPECT_EQ(QCoreApplication::exec(), 0);
}

}  // namespace
}  // namespace rdx508
