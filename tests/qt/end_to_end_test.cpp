// End to end through the window: add, modify and delete days with the mouse and the
// keyboard, save, and read both files back; the forecast arrows.

#include <gtest/gtest.h>
#include <QPushButton>

#include "open_window.h"
#include "ui/qt/cell_label.h"

namespace rdx508::testing {
namespace {

QStringList Lines(const QString& path) {
  const QByteArray bytes = ReadBytes(path);
  EXPECT_TRUE(bytes.endsWith("\r\n")) << path.toStdString();
  QStringList lines = FromCp932(bytes).split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

QString Caption(OpenWindow& w, const QString& array, int index = -1) {
  if (const GridView::Cell* cell = w.window->gridCell(array, index)) return cell->text;
  return static_cast<CellLabel*>(w.widget(array, index))->text();
}

TEST(EndToEnd, AddModifyDeleteSaveAndReadBothFilesBack) {
  OpenWindow w;
  const int32_t days = w.model->series().DayCnt;
  ASSERT_GE(days, 5);

  // Add: the heading 曜　日 opens the panel with the next business day proposed; the
  // values are typed and Enter confirms.
  w.click(QStringLiteral("見出"), 9);
  ASSERT_TRUE(w.widget(QStringLiteral("する"))->isVisible());
  EXPECT_FALSE(w.widget(QStringLiteral("データ保存"))->isEnabled());
  EXPECT_EQ(QApplication::focusWidget(), w.widget(QStringLiteral("TOPIX修正入力")));
  const QString newDate = w.model->control(QStringLiteral("日付修正入力")).text;
  ASSERT_FALSE(newDate.isEmpty());
  w.type(QStringLiteral("TOPIX修正入力"), QStringLiteral("2,750.5"));
  w.type(QStringLiteral("日経修正入力"), QStringLiteral("39000"));
  w.type(QStringLiteral("上昇数修正入力"), QStringLiteral("1203"));
  w.type(QStringLiteral("下落数修正入力"), QStringLiteral("400"));
  ASSERT_TRUE(SaveScreenshot(w.grab(), QStringLiteral("rdx508_add_panel.png")));
  w.key(QStringLiteral("下落数修正入力"), Qt::Key_Return);
  ASSERT_EQ(w.model->series().DayCnt, days + 1);
  EXPECT_EQ(w.model->series().Days[1].Date, newDate);
  EXPECT_EQ(w.model->series().Days[1].Topix, 2750.5);
  EXPECT_EQ(Caption(w, QStringLiteral("日付"), 0), newDate);
  EXPECT_FALSE(w.widget(QStringLiteral("する"))->isVisible());
  EXPECT_TRUE(w.widget(QStringLiteral("データ保存"))->isEnabled());

  // Modify row 2: the weekday cell opens the panel; する confirms.
  const QString modifiedDate = w.model->series().Days[3].Date;
  w.click(QStringLiteral("連番"), 2);
  ASSERT_TRUE(w.widget(QStringLiteral("修正"))->isVisible());
  EXPECT_EQ(Caption(w, QStringLiteral("日付修正")), modifiedDate);
  w.type(QStringLiteral("TOPIX修正入力"), QStringLiteral("2800"));
  w.click(QStringLiteral("する"));
  EXPECT_EQ(w.model->series().Days[3].Topix, 2800.0);
  EXPECT_EQ(w.model->series().Days[3].Date, modifiedDate);

  // Delete row 3: the date cell opens the panel; する confirms.
  const QString deletedDate = w.model->series().Days[4].Date;
  w.click(QStringLiteral("日付"), 3);
  ASSERT_TRUE(w.widget(QStringLiteral("削除"))->isVisible());
  ASSERT_TRUE(SaveScreenshot(w.grab(), QStringLiteral("rdx508_delete_panel.png")));
  w.click(QStringLiteral("する"));
  EXPECT_EQ(w.model->series().DayCnt, days);
  ExpectMirrored(w);

  auto* save = static_cast<QPushButton*>(w.widget(QStringLiteral("データ保存")));
  MouseClick(save);
  EXPECT_EQ(save->text(), QStringLiteral("保存(09:05)"));
  EXPECT_TRUE(w.host.errors.empty());

  const QStringList dayLines = Lines(w.dayFileOut());
  ASSERT_EQ(dayLines.size(), days + 2);
  EXPECT_EQ(dayLines[0], QStringLiteral("1,5,RDX508_F4 200703150905"));
  EXPECT_EQ(dayLines[1], QStringLiteral("/*（移動平均データ、日付、ＴＯＰＩＸ、上昇数、下落数、日経平均）"));
  EXPECT_EQ(dayLines[2], QStringLiteral("01,001,%1,2750.50,1203,400,39000.00").arg(newDate));
  EXPECT_TRUE(dayLines[4].startsWith(QStringLiteral("01,003,%1,2800.00,").arg(modifiedDate)))
      << dayLines[4].toStdString();
  for (const QString& line : dayLines)
    EXPECT_FALSE(line.contains(u',' + deletedDate + u',')) << line.toStdString();

  const QStringList colorLines = Lines(w.colorFileOut());
  ASSERT_EQ(colorLines.size(), 5);
  EXPECT_TRUE(colorLines[0].startsWith(QStringLiteral("1,7,RDX508_F5 ")));  // unchanged: kept as it was
  EXPECT_EQ(colorLines[1], QStringLiteral("/* 色範囲指定データ（上昇率、５日平均、騰落レシオ）"));
  for (int subject = 0; subject < 3; ++subject) {
    QString expected = QStringLiteral("01,%1,").arg(subject, 3, 10, QLatin1Char('0'));
    for (int band = 0; band <= 6; ++band)
      expected += w.model->Range(subject, band).toText() + u',';
    EXPECT_EQ(colorLines[2 + subject], expected);
  }
}

TEST(EndToEnd, TwoUpStepsOfTheForecastWord) {
  OpenWindow w;
  EXPECT_EQ(Caption(w, QStringLiteral("連番"), 26), QStringLiteral("予測"));
  w.click(QStringLiteral("上下"), 0);
  w.click(QStringLiteral("上下"), 0);
  EXPECT_EQ(Caption(w, QStringLiteral("連番"), 26), QStringLiteral("強"));
  EXPECT_EQ(w.cell(QStringLiteral("連番"), 26).fore, QColor(0xC0, 0, 0));
  EXPECT_EQ(static_cast<CellLabel*>(w.widget(QStringLiteral("上下"), 0))->foreColor(), QColor(0xC0, 0, 0));
  ExpectMirrored(w);
  for (const char16_t* column : {u"日付", u"TOPIX", u"上昇数", u"上昇率", u"騰落率"})
    EXPECT_FALSE(Caption(w, QString::fromUtf16(column), 26).isEmpty())
        << QString::fromUtf16(column).toStdString();
  ASSERT_TRUE(SaveScreenshot(w.grab(), QStringLiteral("rdx508_forecast.png")));
}

}  // namespace
}  // namespace rdx508::testing
