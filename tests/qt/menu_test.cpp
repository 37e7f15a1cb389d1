// The window's shortcuts and right-click menu, driven through real key presses and a
// real context-menu event: undo, redo, save, the title's modified marker, grid keys.

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <QUrl>

#include <QMenu>
#include <QTimer>
#include "ui/qt/import_dialog.h"

#include "open_window.h"

namespace rdx508::testing {
namespace {

void AddDay(OpenWindow& w) {
  w.click(QStringLiteral("見出"), 9);
  w.type(QStringLiteral("TOPIX修正入力"), QStringLiteral("2000"));
  w.key(QStringLiteral("TOPIX修正入力"), Qt::Key_Return);
}

TEST(Shortcuts, UndoRedoAndSaveFromTheKeyboardWithTheMarkerInTheTitle) {
  OpenWindow w;
  const int32_t days = w.model->series().DayCnt;
  EXPECT_EQ(w.window->windowTitle(), QStringLiteral("市況ノート"));
  AddDay(w);
  EXPECT_EQ(w.window->windowTitle(), QStringLiteral("市況ノート *"));
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr);
  KeyClick(focus, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(w.model->series().DayCnt, days);
  EXPECT_EQ(w.window->windowTitle(), QStringLiteral("市況ノート"));
  KeyClick(focus, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(w.model->series().DayCnt, days + 1);
  KeyClick(focus, Qt::Key_Z, Qt::ControlModifier);
  KeyClick(focus, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(w.model->series().DayCnt, days + 1);
  KeyClick(focus, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(w.window->windowTitle(), QStringLiteral("市況ノート"));
  EXPECT_TRUE(w.model->control(QStringLiteral("データ保存")).text.startsWith(QStringLiteral("保存(")));
  KeyClick(focus, Qt::Key_PageDown);
  EXPECT_EQ(w.model->GridOffset(), 5);
}

TEST(Shortcuts, TheRightClickMenuNamesTheStepAndRunsIt) {
  OpenWindow w;
  AddDay(w);
  const QString added = w.model->series().Days[1].Date;
  // The menu is modal: look at it and choose its first entry once it is up.
  const QStringList captions = MenuOn(w, 3, [](QMenu* menu) { menu->actions().front()->trigger(); });
  ASSERT_GE(captions.size(), 3);
  EXPECT_EQ(captions[0], QStringLiteral("元に戻す: ") + added + QStringLiteral(" の追加\tCtrl+Z"));
  EXPECT_EQ(captions[1], QStringLiteral("やり直し\tCtrl+Y"));
  EXPECT_NE(w.model->series().Days[1].Date, added);  // undone
}

TEST(Shortcuts, CtrlMWritesANoteForTheTopDayThatASaveKeeps) {
  OpenWindow w;
  const QString top = w.model->series().Days[1].Date;
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    auto* edit = dialog->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    KeyClicks(edit, QStringLiteral("日銀会合、利上げ見送り"));
    KeyClick(edit, Qt::Key_Return);
  });
  KeyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(w.model->Note(top), QStringLiteral("日銀会合、利上げ見送り"));
  EXPECT_TRUE(w.model->control(QStringLiteral("日付"), 0).cornerMark);

  // The mark is red in the cell's top right corner, and the tool tip shows the note; the
  // window with the tool tip over it is the README's picture of a note.
  const QRect cell = w.place(QStringLiteral("日付"), 0);
  const QString tip = w.cell(QStringLiteral("日付"), 0).toolTip;
  const QImage shot = w.grab();
  const QPoint corner = cell.topRight() * shot.devicePixelRatio();
  EXPECT_EQ(shot.pixelColor(corner + QPoint(-1, 1)), QColor(0xD0, 0x20, 0x20));
  EXPECT_TRUE(tip.contains(QStringLiteral("日銀会合、利上げ見送り")));
  const QPoint tipAt = cell.bottomLeft() + QPoint(12, 6);
  QToolTip::showText(w.window->mapToGlobal(tipAt), tip, w.window->gridView());
  QImage picture = shot;
  for (QWidget* shown : QApplication::topLevelWidgets()) {
    if (!shown->isVisible() || qstrcmp(shown->metaObject()->className(), "QTipLabel") != 0) continue;
    QPainter painter(&picture);
    painter.drawImage(tipAt, shown->grab().toImage());
  }
  ASSERT_TRUE(SaveScreenshot(picture, QStringLiteral("rdx508_note.png")));
  QToolTip::hideText();
  w.model->SaveData();
  const QByteArray notes = ReadBytes(w.folder() + QStringLiteral("/RDX508_NOTES.TXT"));
  EXPECT_TRUE(FromCp932(notes).contains(top + QStringLiteral(",日銀会合、利上げ見送り\r\n")));
}

TEST(Shortcuts, AFileDroppedOnTheWindowIsImportedAsOneUndoStep) {
  OpenWindow w;
  const int32_t days = w.model->series().DayCnt;
  const QString file = w.folder() + QStringLiteral("/drop.csv");
  WriteBytes(file, QByteArrayLiteral("date,TOPIX,N225,up,down\r\n2030/01/04,2800,40000,900,700\r\n"));
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<ImportDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->newOnlyButton()->click();
  });
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(file)});
  const QPoint at = w.window->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w.window.get(), &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w.window.get(), &drop);
  EXPECT_EQ(w.model->series().DayCnt, days + 1);
  EXPECT_EQ(w.model->series().Days[1].Date, QStringLiteral("30/01/04"));
  EXPECT_TRUE(w.model->Undo());
  EXPECT_EQ(w.model->series().DayCnt, days);
}

}  // namespace
}  // namespace rdx508::testing
