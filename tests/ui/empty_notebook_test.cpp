// A new notebook with no days: the window loads with empty cells, the add panel proposes
// the next business day after today, the chart has nothing to draw, the export holds only
// its header and the forecast row stays blank.

#include "app/csv/csv_export.h"
#include "form_fixture.h"
#include "ui/chart_input.h"
#include "ui/chart_model.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using EmptyNotebook = FormTest;

const QStringList kValueColumns = {u"日付"_s,        u"TOPIX"_s,         u"騰落幅"_s, u"TP_5日平均"_s,
                                   u"TP_25日平均"_s, u"乖離率"_s,        u"上昇数"_s, u"下落数"_s,
                                   u"上昇率"_s,      u"上昇率5日平均"_s, u"騰落率"_s};

TEST_F(EmptyNotebook, BlankCellsNoChartDaysAndAHeaderOnlyExport) {
  Load({});
  EXPECT_EQ(form->series().DayCnt, 0);
  for (const QString& column : kValueColumns)
    for (int row = 0; row <= 26; ++row)
      EXPECT_EQ(Text(column, row).trimmed(), QString()) << column.toStdString() << " " << row;
  form->click(u"移動"_s, 0);  // scrolling has nothing to move over
  EXPECT_EQ(form->GridOffset(), 0);

  ChartModel chart(clb);
  chart.sync(ChartInputOf(*form));
  EXPECT_EQ(chart.dayCount(), 0);
  const QString csv = ExportCsvText(form->series());
  EXPECT_EQ(csv.count(u"\r\n"_s), 1) << csv.toStdString();  // the header alone
}

TEST_F(EmptyNotebook, AddsItsFirstDayOnTheNextBusinessDay) {
  host.clock = QDateTime(QDate(2007, 3, 16), QTime(18, 0));  // a Friday: the next business day is Monday
  Load({});
  form->click(u"見出"_s, 9);
  EXPECT_EQ(Text(u"日付修正入力"_s), u"07/03/19"_s);
  form->setText(u"TOPIX修正入力"_s, -1, u"1700.5"_s);
  form->setText(u"日経修正入力"_s, -1, u"17000"_s);
  form->setText(u"上昇数修正入力"_s, -1, u"900"_s);
  form->setText(u"下落数修正入力"_s, -1, u"700"_s);
  form->click(u"する"_s);
  EXPECT_EQ(form->series().DayCnt, 1);
  EXPECT_EQ(Text(u"日付"_s, 0), u"07/03/19"_s);
}

}  // namespace
}  // namespace rdx508::testing
