// The daily entry from the keyboard alone, a row pasted from a spreadsheet, typed
// full-width digits, and the input method hints of the number and date boxes.

#include <gtest/gtest.h>
#include <QClipboard>
#include <QLineEdit>

#include "open_window.h"

namespace rdx508::testing {
namespace {

QWidget* Focused() {
  return QApplication::focusWidget();
}

TEST(DailyEntry, ADayIsEnteredAndSavedWithoutAMouseEvent) {
  OpenWindow w;
  const int32_t days = w.model->series().DayCnt;
  ASSERT_NE(Focused(), nullptr);
  KeyClick(Focused(), Qt::Key_N, Qt::ControlModifier);
  ASSERT_EQ(Focused(), w.widget(QStringLiteral("TOPIX修正入力")));
  const QString date = w.model->control(QStringLiteral("日付修正入力")).text;
  for (const QString& value : {QStringLiteral("２７５０．１０"), QStringLiteral("39000"),
                               QStringLiteral("１０００"), QStringLiteral("600")}) {
    KeyClicks(Focused(), value);
    KeyClick(Focused(), Qt::Key_Tab);
  }
  KeyClick(Focused(), Qt::Key_Backtab);  // back to the declining box
  KeyClick(Focused(), Qt::Key_Return);
  ASSERT_EQ(w.model->series().DayCnt, days + 1);
  const DayRec& day = w.model->series().Days[1];
  EXPECT_EQ(day.Date, date);
  EXPECT_EQ(day.Topix, 2750.10);
  EXPECT_EQ(day.Up, 1000);
  EXPECT_EQ(day.Down, 600);
  EXPECT_EQ(Focused(), w.widget(QStringLiteral("データ保存")));
  KeyClick(Focused(), Qt::Key_Return);  // Enter on データ保存 saves
  EXPECT_FALSE(w.model->IsModified());
  EXPECT_TRUE(w.model->control(QStringLiteral("データ保存")).text.startsWith(QStringLiteral("保存(")));
}

TEST(DailyEntry, TabRunsThroughTheOpenPanelInScreenOrder) {
  OpenWindow w;
  KeyClick(Focused(), Qt::Key_N, Qt::ControlModifier);
  const QStringList order = {QStringLiteral("TOPIX修正入力"), QStringLiteral("日経修正入力"),
                             QStringLiteral("上昇数修正入力"), QStringLiteral("下落数修正入力")};
  for (const QString& name : order) {
    EXPECT_EQ(Focused(), w.widget(name)) << name.toStdString();
    KeyClick(Focused(), Qt::Key_Tab);
  }
  for (int i = 0; i < 6; ++i)  // from 範囲指定(0) back over the four value boxes and the date
    KeyClick(Focused(), Qt::Key_Backtab);
  EXPECT_EQ(Focused(), w.widget(QStringLiteral("しない")));
  KeyClick(Focused(), Qt::Key_Backtab);
  EXPECT_EQ(Focused(), w.widget(QStringLiteral("する")));
  KeyClick(Focused(), Qt::Key_Space);  // Yes from the keyboard
  EXPECT_FALSE(w.widget(QStringLiteral("する"))->isVisible());
}

struct PasteCase {
  const char* name;
  bool nikkeiMode;
  const char16_t* box;
  const char16_t* text;
  double topix, nikkei;
  int32_t up, down;
  bool dated;  // the pasted row carries the date 2025/01/14
};

class PastedRow : public ::testing::TestWithParam<PasteCase> {};

TEST_P(PastedRow, FillsTheBoxesFromWhereItLands) {
  const PasteCase& c = GetParam();
  OpenWindow w;
  if (c.nikkeiMode) w.click(QStringLiteral("見出"), 1);
  w.click(QStringLiteral("見出"), 9);
  const QString box = QString::fromUtf16(c.box);
  auto* edit = qobject_cast<QLineEdit*>(w.widget(box));
  edit->setFocus();
  edit->selectAll();
  QApplication::clipboard()->setText(QString::fromUtf16(c.text));
  KeyClick(edit, Qt::Key_V, Qt::ControlModifier);
  KeyClick(Focused(), Qt::Key_Return);
  const DayRec& day = w.model->series().Days[1];
  if (c.dated) {
    EXPECT_EQ(day.Date, QStringLiteral("25/01/14"));
  }
  EXPECT_EQ(day.Topix, c.topix);
  EXPECT_EQ(day.Nikkei, c.nikkei);
  EXPECT_EQ(day.Up, c.up);
  EXPECT_EQ(day.Down, c.down);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PastedRow,
    ::testing::Values(PasteCase{"WithTheDate", false, u"日付修正入力",
                                u"2025/01/14\t2750.10\t39000\t1000\t600\r\n", 2750.10, 39000, 1000, 600,
                                true},
                      PasteCase{"ValuesOnly", false, u"TOPIX修正入力", u"2760\t39100.5\t900\t700", 2760,
                                39100.5, 900, 700, false},
                      PasteCase{"NikkeiModeFullWidthExtraFields", true, u"TOPIX修正入力",
                                u"３９１００\t2760\t900\t700\tx\ty\n", 2760, 39100, 900, 700, false},
                      PasteCase{"FromTheSecondBox", false, u"日経修正入力", u"39000\t1000\t600", 0, 39000,
                                1000, 600, false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(DailyEntry, NumberAndDateBoxesAskForDirectInput) {
  OpenWindow w;
  for (const QString& name : {QStringLiteral("TOPIX修正入力"), QStringLiteral("日付修正入力")}) {
    QWidget* box = w.widget(name);
    EXPECT_TRUE(box->testAttribute(Qt::WA_InputMethodEnabled)) << name.toStdString();
    EXPECT_TRUE(box->inputMethodHints() & Qt::ImhPreferLatin) << name.toStdString();
  }
  EXPECT_TRUE(w.widget(QStringLiteral("範囲指定"), 0)->inputMethodHints() & Qt::ImhPreferNumbers);
}

}  // namespace
}  // namespace rdx508::testing
