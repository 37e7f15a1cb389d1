// Import in the window: the preview's counts, lists and buttons, each choice's effect on
// the days and the view, and a file that cannot be read.

#include <gtest/gtest.h>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "open_window.h"
#include "ui/qt/cell_label.h"
#include "ui/qt/import_export.h"

namespace rdx508::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

// The sample's newest day is 24/12/27 (2729.15, 976 up); the file adds two days, repeats
// one and changes one.
const QByteArray kFile =
    "\xEF\xBB\xBF日付,東証平均,日経平均,上昇数,下落数\r\n"
    "2024/12/30,2750.5,39000,1203,400\r\n"
    "2025/01/06,2760,39100,1000,600\r\n"
    "2024/12/26,2715.73,37636.19,1047,593\r\n"
    "2024/12/27,2729.15,37760.89,999,653\r\n"
    "2024/12/31,x,1,1,1\r\n";

struct ChoiceCase {
  int button;  // ImportDialog::Choice
  int32_t added;
  int32_t up;  // of 24/12/27 afterwards
};

TEST(ImportInWindow, PreviewThenEachChoice) {
  for (const ChoiceCase& c :
       {ChoiceCase{ImportDialog::kCancel, 0, 976}, ChoiceCase{ImportDialog::kNewOnly, 2, 976},
        ChoiceCase{ImportDialog::kOverwrite, 2, 999}}) {
    OpenWindow w;
    const QString file = w.folder() + u"/days.csv"_s;
    WriteBytes(file, kFile);
    const int32_t before = w.model->series().DayCnt;
    w.model->ScrollToPosition(4);
    w.click(u"見出"_s, 9);  // an open add panel closes with the import's redraw
    const bool changed = RunImport(w.window.get(), *w.model, w.host, file, [&](ImportDialog& d) {
      EXPECT_TRUE(d.newOnlyButton()->isEnabled());
      EXPECT_TRUE(d.overwriteButton()->isEnabled());
      EXPECT_TRUE(d.newOnlyButton()->isDefault());
      EXPECT_TRUE(d.detailsText().contains(u"2024/12/27（5行目）: 上昇数 976 → 999"_s));
      EXPECT_TRUE(d.detailsText().contains(u"6行目: 東証平均: 数値として読めません「x」"_s));
      if (c.button == ImportDialog::kCancel) {
        QTest::keyClick(&d, Qt::Key_Escape);
      } else {
        QTest::mouseClick(c.button == ImportDialog::kNewOnly ? d.newOnlyButton() : d.overwriteButton(),
                          Qt::LeftButton);
      }
      if (c.button == ImportDialog::kNewOnly)
        SaveScreenshot(d.grab().toImage(), QStringLiteral("import_preview.png"));
      return d.result();
    });
    EXPECT_EQ(changed, c.added > 0);
    EXPECT_EQ(w.model->series().DayCnt, before + c.added);
    EXPECT_EQ(w.model->GridOffset(), 3);  // the grid keeps its scroll place
    EXPECT_EQ(w.model->control(u"する"_s).visible, c.added == 0);
    w.window->mirror();
    ExpectMirrored(w);
    const int32_t position = 1 + c.added;  // of 24/12/27
    EXPECT_EQ(w.model->series().Days[static_cast<size_t>(position)].Date, u"24/12/27"_s);
    EXPECT_EQ(w.model->series().Days[static_cast<size_t>(position)].Up, c.up);
    EXPECT_EQ(w.cell(u"日付"_s, 0).text, w.model->series().Days[4].Date);
    EXPECT_EQ(w.model->Undo(), changed);  // one step takes the whole import back
    EXPECT_EQ(w.model->series().DayCnt, before);
    EXPECT_EQ(w.model->series().Days[1].Up, 976);
    EXPECT_TRUE(w.host.errors.empty());
  }
}

TEST(ImportInWindow, ALoneCloseColumnWaitsForTheIndexWhenNothingGuessesIt) {
  // The official download overlaps the sample's last days, whose Nikkei values differ.
  OpenWindow w;
  const QString file = QStringLiteral(RDX508_TEST_FILES "/nikkei_stock_average_daily_jp.csv");
  const int32_t before = w.model->series().DayCnt;
  const bool changed = RunImport(w.window.get(), *w.model, w.host, file, [&](ImportDialog& d) {
    EXPECT_FALSE(d.closeButton(CloseIndex::Topix)->isChecked());
    EXPECT_FALSE(d.closeButton(CloseIndex::Nikkei)->isChecked());
    EXPECT_FALSE(d.newOnlyButton()->isEnabled());
    EXPECT_FALSE(d.overwriteButton()->isEnabled());
    EXPECT_TRUE(d.detailsText().contains(u"注記として読み飛ばした行:\n8行目: 本資料は日経の著作物"_s));
    QTest::mouseClick(d.closeButton(CloseIndex::Nikkei), Qt::LeftButton);
    EXPECT_TRUE(d.countsText().startsWith(u"新しい日 1、"_s)) << d.countsText().toStdString();
    EXPECT_TRUE(d.detailsText().contains(u"追加する日:\n2024/12/30"_s));
    EXPECT_TRUE(d.newOnlyButton()->isEnabled());
    QTest::mouseClick(d.newOnlyButton(), Qt::LeftButton);
    return d.result();
  });
  EXPECT_TRUE(changed);
  ASSERT_EQ(w.model->series().DayCnt, before + 1);
  EXPECT_EQ(w.model->series().Days[1].Date, u"24/12/30"_s);
  EXPECT_EQ(w.model->series().Days[1].Nikkei, 39894.54);
  EXPECT_EQ(w.model->series().Days[2].Topix, 2729.15);  // a column the file lacks keeps its value
}

TEST(ImportInWindow, UnreadableFileGetsABoxAndNoPreview) {
  OpenWindow w;
  WriteBytes(w.folder() + u"/notes.csv"_s, "memo,text\r\n1,2\r\n");
  EXPECT_FALSE(RunImport(w.window.get(), *w.model, w.host, w.folder() + u"/notes.csv"_s, [](ImportDialog&) {
    ADD_FAILURE() << "no preview for a file that cannot be read";
    return 0;
  }));
  ASSERT_EQ(w.host.errors.size(), 1u);
  EXPECT_EQ(
      w.host.errors[0].text,
      u"notes.csv: 1行目: 日付の列がありません（1行目は見出しで、「日付」または「date」の列が要ります）"_s);
}

}  // namespace
}  // namespace rdx508::testing
