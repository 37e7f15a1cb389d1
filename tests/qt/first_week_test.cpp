// A first week at the window: the close question's way back (Esc included), 終了 with
// unsaved work, the day's panels and the display scale in the right-click menu, the
// panel boxes' placeholders, and a number too wide for its cell.

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "open_window.h"
#include "ui/display_scale.h"
#include "ui/qt/cell_label.h"
#include "ui/qt/qt_host.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

// The box as the user sees it, answered by a key or a button as the user would.
TEST(CloseQuestion, EscGivesCancelAndEachButtonItsAnswer) {
  const struct {
    Qt::Key key;  // Qt::Key_unknown: click `button`
    QMessageBox::StandardButton button;
    Host::Answer answer;
  } cases[] = {{Qt::Key_Escape, QMessageBox::NoButton, Host::Answer::Cancel},
               {Qt::Key_unknown, QMessageBox::Cancel, Host::Answer::Cancel},
               {Qt::Key_unknown, QMessageBox::No, Host::Answer::No},
               {Qt::Key_Return, QMessageBox::NoButton, Host::Answer::Yes}};
  for (const auto& c : cases) {
    QtHost host;
    QStringList captions;
    host.setBoxRunner([&](QMessageBox& box) {
      for (QAbstractButton* b : box.buttons())
        captions << b->text();
      box.show();
      if (c.key == Qt::Key_Escape) SaveScreenshot(box.grab().toImage(), u"close_question.png"_s);
      if (c.key != Qt::Key_unknown) {
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier);
        QApplication::sendEvent(&box, &press);
      } else {
        box.button(c.button)->click();
      }
      return box.standardButton(box.clickedButton());
    });
    EXPECT_EQ(host.askYesNoCancel(u"データ保存しますか？"_s), c.answer) << int(c.key);
    captions.sort();
    EXPECT_EQ(captions, QStringList({u"いいえ(&N)"_s, u"はい(&Y)"_s, u"キャンセル"_s}));
  }
}

TEST(CloseQuestion, CancelKeepsTheWindowAndQuitAsksWithUnsavedWork) {
  OpenWindow w;
  w.host.cancel = true;
  w.window->close();
  EXPECT_TRUE(w.window->isVisible());
  EXPECT_FALSE(w.model->HasEnded());

  w.model->SetNote(w.model->NoteDate(), u"三日分の取込"_s);
  w.window->mirror();
  w.click(u"終了"_s);
  EXPECT_EQ(w.host.questions.size(), 2u);
  EXPECT_TRUE(w.window->isVisible());
  EXPECT_EQ(w.window->windowTitle(), u"市況ノート *"_s);
  w.host.cancel = false;
  w.host.answer = false;
  w.click(u"終了"_s);
  EXPECT_TRUE(w.model->HasEnded());
  EXPECT_EQ(w.host.ends, 1);
}

TEST(DayMenu, ModifyAndDeleteOfTheRowAndTheKeptDisplayScale) {
  OpenWindow w;
  QTemporaryDir dir;
  const QString settings = dir.filePath(u"display.ini"_s);
  w.window->setDisplaySettingsFile(settings);
  const QString day = w.model->control(u"日付"_s, 3).text;
  const QStringList captions = MenuOn(w, 3);
  EXPECT_TRUE(captions.contains(day + u" を修正…\tF2"_s)) << captions.join(u'|').toStdString();
  EXPECT_TRUE(captions.contains(day + u" を削除…\tDel"_s)) << captions.join(u'|').toStdString();
  EXPECT_TRUE(captions.contains(u"表示倍率\t"_s));

  MenuOn(w, 3, [](QMenu* menu) {
    for (QAction* a : menu->actions())
      if (a->text().endsWith(u"を削除…"_s)) a->trigger();
  });
  EXPECT_TRUE(w.widget(u"削除"_s)->isVisible());
  EXPECT_EQ(w.model->EditRow(), 3);
  w.click(u"しない"_s);

  ASSERT_TRUE(ShowActive(w.window.get()));  // the window again, once the menu has gone
  QWidget* focus = QApplication::focusWidget();
  KeyClick(focus ? focus : w.window.get(), Qt::Key_F2);  // the top day, by its key
  EXPECT_TRUE(w.widget(u"修正"_s)->isVisible());
  EXPECT_EQ(w.model->EditRow(), 0);
  w.key(u"TOPIX修正入力"_s, Qt::Key_Escape);

  // 150 %, chosen from the submenu; the box saying when it applies is closed by Enter.
  QTimer::singleShot(50, [] {
    if (QWidget* box = QApplication::activeModalWidget()) KeyClick(box, Qt::Key_Return);
  });
  MenuOn(w, 3, [](QMenu* menu) {
    for (QAction* a : menu->actions())
      if (a->menu())
        for (QAction* choice : a->menu()->actions())
          if (choice->text() == u"150 %"_s) choice->trigger();
  });
  EXPECT_EQ(StoredScale(settings), 150);
}

TEST(PanelBoxes, PlaceholdersShowInTheEmptyBoxesAndFullWidthDigitsHalfWidth) {
  OpenWindow w;
  w.click(u"見出"_s, 9);
  const struct {
    const char16_t *box, *placeholder;
  } cases[] = {{u"TOPIX修正入力", u"東証平均"},
               {u"日経修正入力", u"日経平均"},
               {u"上昇数修正入力", u"上昇数"},
               {u"下落数修正入力", u"下落数"}};
  for (const auto& c : cases) {
    auto* box = qobject_cast<QLineEdit*>(w.widget(QString::fromUtf16(c.box)));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->placeholderText(), QString::fromUtf16(c.placeholder));
    EXPECT_TRUE(box->text().isEmpty());
  }
  SaveScreenshot(w.grab().copy(0, 0, w.window->width() * 5 / 8, w.window->height() / 10),
                 u"panel_placeholders.png"_s);  // the panel row alone
  w.type(u"TOPIX修正入力"_s, u"３９５１０．５０"_s);
  EXPECT_EQ(qobject_cast<QLineEdit*>(w.widget(u"TOPIX修正入力"_s))->text(), u"39510.50"_s);
}

// Right-aligned, too wide: painted from the left, so the minus sign shows.
TEST(WideNumber, KeepsItsSignAndLeadingDigits) {
  QWidget parent;
  CellLabel cell(&parent);
  cell.setTextFont(QFont(u"IPAGothic"_s, 12));
  cell.setAlignment(Qt::AlignRight);
  cell.setColors(Qt::black, Qt::white);
  cell.setText(u"-39,700.00"_s);
  const int wide = QFontMetrics(cell.textFont()).horizontalAdvance(cell.text());
  for (const int width : {wide + 20, wide - 20}) {
    cell.resize(width, 20);
    QImage shot(cell.size(), QImage::Format_RGB32);
    cell.render(&shot);
    int first = -1;  // the leftmost column with ink
    for (int x = 0; x < shot.width() && first < 0; ++x)
      for (int y = 0; y < shot.height(); ++y)
        if (qGray(shot.pixel(x, y)) < 128) {
          first = x;
          break;
        }
    EXPECT_EQ(cell.overflows(), width < wide);
    if (width < wide) {
      EXPECT_LT(first, 3);  // the sign, at the left edge
    } else {
      EXPECT_GE(first, 15);  // right-aligned as ever
    }
  }
}

}  // namespace
}  // namespace rdx508::testing
