// The program's whole run with the real host: the first start of a missing notebook, the
// start-up notice for each missing file, and the event loop ended by closing the window or
// by 終了.

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include "app/files/notebook_folder.h"
#include "open_window.h"
#include "program/run_program.h"
#include "ui/qt/first_start.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

// A real host on a temporary program folder whose boxes are recorded and answered.
struct Program {
  QTemporaryDir dir;
  QtHost host;
  std::vector<QString> boxes;  // title + ": " + text of every box shown
  QMessageBox::StandardButton answer = QMessageBox::No;
  QTimer guard;  // a hung loop fails the test instead of blocking it

  Program() {
    host.setProgramFolder(dir.path());
    host.setBoxRunner([this](QMessageBox& box) {
      boxes.push_back(box.windowTitle() + u": "_s + box.text());
      return answer;
    });
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    guard.start(10000);
  }
  QString file(const QString& name) const { return QDir(dir.path()).filePath(name); }
};

TEST(RunProgram, AMissingFileShowsItsNoticeAndOpensNoWindow) {
  const struct {
    const char* removed;  // nullptr: a settings file that holds nothing
    const char16_t* notice;
  } cases[] = {{nullptr, u"INIなし"},
               {"RDX508_DAYS.TXT", u"INI(1, 1, x)なし"},
               {"RDX508_COLOR.TXT", u"INI(1, 3, x)なし"}};
  for (const auto& c : cases) {
    Program p;
    if (c.removed) {
      CopySampleData(p.dir.path());
      ASSERT_TRUE(QFile::remove(p.file(QString::fromLatin1(c.removed))));
    } else {
      WriteBytes(p.file(u"RDX508_INIT.TXT"_s), {});
    }
    bool shown = false;
    EXPECT_EQ(RunProgram(p.host, [&](MainWindow&) { shown = true; }), 0);
    EXPECT_FALSE(shown);
    EXPECT_EQ(p.boxes, std::vector<QString>{u"市況ノート: "_s + QString::fromUtf16(c.notice)});
  }
}

// Answers every box by clicking the button with this caption; records the enabled ones.
void Choose(Program& p, const QString& caption, QStringList* offered = nullptr) {
  p.host.setBoxRunner([&p, caption, offered](QMessageBox& box) {
    p.boxes.push_back(box.text());
    for (QAbstractButton* b : box.buttons()) {
      if (offered && b->isEnabled()) offered->append(b->text());
      if (b->text() == caption) b->click();
    }
    return QMessageBox::NoButton;
  });
}

// A folder without a notebook asks how to start: キャンセル ends with nothing written, 空の
// ノートで始める opens the window on a new empty notebook. Without shipped sample data its
// choice is not offered.
TEST(RunProgram, AMissingNotebookIsMadeAtTheFirstStart) {
  for (const QString& choice : {u"キャンセル"_s, u"空のノートで始める"_s}) {
    Program p;
    const QString folder = p.file(u"notes/RDX508"_s);
    p.host.setProgramFolder(folder);
    QStringList offered;
    Choose(p, choice, &offered);
    bool shown = false;
    EXPECT_EQ(RunProgram(p.host,
                         [&](MainWindow& window) {
                           shown = true;
                           QTimer::singleShot(0, &window, [&] { MouseClick(window.widgetFor(u"終了"_s)); });
                         }),
              0);
    EXPECT_EQ(offered, QStringList({u"空のノートで始める"_s, u"CSV から取り込む…"_s, u"キャンセル"_s}));
    EXPECT_EQ(shown, choice != u"キャンセル"_s);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), shown ? 3 : 0);
    EXPECT_EQ(QFileInfo::exists(p.file(u"notes"_s)), shown);
  }
}

// CSV から取り込む… asks for a file (again when none is chosen) and hands it on.
TEST(RunProgram, FirstStartImportAsksForAFile) {
  Program p;
  p.host.setProgramFolder(p.file(u"RDX508"_s));
  Choose(p, u"CSV から取り込む…"_s);
  QStringList files = {QString(), u"/tmp/days.csv"_s};
  const FirstStart start = RunFirstStart(p.host, p.dir.path(), [&] { return files.takeFirst(); });
  EXPECT_EQ(p.boxes.size(), 2u);
  EXPECT_TRUE(start.proceed && HoldsNotebook(p.file(u"RDX508"_s)));
  EXPECT_EQ(start.importFile, u"/tmp/days.csv"_s);
}

// Closing the window asks the save question once; the loop ends either way. Nothing was
// changed, so even Yes keeps the day file and its backups as they were.
TEST(RunProgram, ClosingTheWindowAsksThenEndsTheLoop) {
  for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
    Program p;
    CopySampleData(p.dir.path());
    p.answer = answer;
    const QByteArray before = ReadBytes(p.file(u"RDX508_DAYS.TXT"_s));
    MainWindow* seen = nullptr;
    const int code = RunProgram(p.host, [&](MainWindow& window) {
      seen = &window;
      QTimer::singleShot(0, &window, [&window] {
        window.close();
        window.close();  // a second close asks nothing more
      });
    });
    EXPECT_EQ(code, 0);
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(p.boxes, std::vector<QString>{u"市況ノート: データ保存しますか？"_s});
    const QByteArray after = ReadBytes(p.file(u"RDX508_DAYS.TXT"_s));
    EXPECT_EQ(after, before);
    EXPECT_FALSE(QFile::exists(p.file(u"RDX508_DAYS.TXT.bak1"_s)));
  }
}

TEST(RunProgram, QuitEndsTheLoopWithoutAQuestion) {
  Program p;
  CopySampleData(p.dir.path());
  bool hidden = false;
  const int code = RunProgram(p.host, [&](MainWindow& window) {
    QTimer::singleShot(0, &window, [&] {
      MouseClick(window.widgetFor(u"終了"_s));
      hidden = !window.isVisible();
    });
  });
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(hidden);
  EXPECT_TRUE(p.boxes.empty());
}

// A second start on the same data files while the first runs says so and ends before its
// window opens; the files stay as they were (the lock goes with the first program).
TEST(RunProgram, ASecondStartOnTheSameFilesEndsAtOnce) {
  Program first, second;
  CopySampleData(first.dir.path());
  second.host.setProgramFolder(first.dir.path());
  auto files = [&] {
    return QDir(first.dir.path()).entryList(QDir::Files) << ReadBytes(first.file(u"RDX508_DAYS.TXT"_s));
  };
  const QStringList before = files();
  bool secondShown = false;
  EXPECT_EQ(RunProgram(first.host,
                       [&](MainWindow& window) {
                         QTimer::singleShot(0, &window, [&] {
                           EXPECT_EQ(RunProgram(second.host, [&](MainWindow&) { secondShown = true; }), 0);
                           MouseClick(window.widgetFor(u"終了"_s));
                         });
                       }),
            0);
  EXPECT_FALSE(secondShown);
  EXPECT_EQ(second.boxes, std::vector<QString>{u"市況ノート: すでに起動しています。"_s});
  EXPECT_TRUE(first.boxes.empty());
  EXPECT_EQ(files(), before);
}

}  // namespace
}  // namespace rdx508::testing
