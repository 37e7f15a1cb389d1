// The export: its header, the stored and derived values of every day oldest first, empty
// cells where a window is not full, the note quoted as needed, and both encodings.

#include <gtest/gtest.h>

#include <QDate>
#include <cmath>
#include <random>

#include "app/csv/csv_export.h"
#include "app/csv/csv_import.h"
#include "app/series/derived_columns.h"
#include "toolkit/decimal_text.h"

namespace rdx508 {

using namespace Qt::Literals::StringLiterals;
namespace {

TEST(CsvExport, WritesEveryDayOldestFirstWithItsDerivedValues) {
  // 26 days from 2024/11/01: the 25-day window fills on the 25th; the oldest lies in the archive.
  DaySeries s;
  for (int32_t k = 0; k < 26; ++k) {
    const DayRec day{QDate(2024, 11, 26).addDays(-k).toString(u"yy/MM/dd"_s), 100.0 + (k == 0 ? 25 : 0), 600,
                     400, 20000.125};
    if (k < 25)
      s.Days[static_cast<size_t>(k) + 1] = day;
    else
      s.Archive.append(day);
  }
  s.DayCnt = 25;
  s.DayNotes.insert(s.Days[1].Date, u"日銀会合、利上げ見送り, \"据え置き\""_s);
  s.ComputeIndicators();

  const QStringList lines = ExportCsvText(s).split(u"\r\n"_s);
  ASSERT_EQ(lines.size(), 28);  // header, 26 days, and the empty text after the last CR LF
  EXPECT_EQ(
      lines[0],
      u"日付,東証平均,日経平均,上昇数,下落数,騰落幅,5日平均,25日平均,乖離率(‰),"
      u"日経騰落幅,日経5日平均,日経25日平均,日経乖離率(‰),上昇率(%),上昇率5日平均(%),騰落レシオ(%),メモ"_s);
  // Each derived column is empty until its window is full, as the table of them says.
  const QStringList header = lines[0].split(u',');
  for (const DerivedColumn& column : kDerivedColumns) {
    for (bool nikkei : {false, true}) {
      if (nikkei && !column.perIndex) continue;
      const qsizetype at = header.indexOf(CsvHeading(column.which, nikkei));
      ASSERT_GE(at, 0) << CsvHeading(column.which, nikkei).toStdString();
      int32_t first = 0;
      while (lines[first + 1].split(u',')[at].isEmpty())
        ++first;
      EXPECT_EQ(first + 1, column.window) << CsvHeading(column.which, nikkei).toStdString();
    }
  }
  EXPECT_EQ(lines[1], u"2024/11/01,100.00,20000.13,600,400,,,,,,,,,60.00,,,"_s);
  EXPECT_EQ(lines[2], u"2024/11/02,100.00,20000.13,600,400,0.00,,,,0.00,,,,60.00,,,"_s);
  EXPECT_EQ(lines[5], u"2024/11/05,100.00,20000.13,600,400,0.00,100.00,,,0.00,20000.13,,,60.00,60.00,,"_s);
  EXPECT_EQ(
      lines[25],
      u"2024/11/25,100.00,20000.13,600,400,0.00,100.00,100.00,0.00,0.00,20000.13,20000.13,0.00,60.00,60.00,150.00,"_s);
  EXPECT_EQ(
      lines[26],
      u"2024/11/26,125.00,20000.13,600,400,25.00,105.00,101.00,237.62,0.00,20000.13,20000.13,0.00,60.00,60.00,150.00,\"日銀会合、利上げ見送り, \"\"据え置き\"\"\""_s);
  EXPECT_TRUE(lines[27].isEmpty());
}

TEST(CsvExport, FilesExportedBeforeTheHeadingsHadUnitsImportAsTheyDid) {
  const CsvImport old = ParseCsvImport(
      "日付,東証平均,日経平均,上昇数,下落数,騰落幅,5日平均,25日平均,乖離率,日経騰落幅,日経5日平均,"
      "日経25日平均,日経乖離率,上昇率,上昇率5日平均,騰落レシオ,メモ\r\n2024/11/"
      "01,100.00,20000.13,600,400,,,,,,,,,"
      "60.00,,,\r\n",
      u"old.csv"_s);
  ASSERT_TRUE(old.failure.isEmpty()) << old.failure.toStdString();
  EXPECT_EQ(old.columns,
            (QStringList{u"日付"_s, u"東証平均"_s, u"日経平均"_s, u"上昇数"_s, u"下落数"_s, u"メモ"_s}));
  ASSERT_EQ(old.days.size(), 1u);
  EXPECT_EQ(old.days[0].day.Nikkei, 20000.13);
}

TEST(CsvExport, TwoDecimalsAsTheDayFileRendersThem) {
  std::mt19937_64 random(508);
  std::vector<double> values = {0,
                                -0.0,
                                0.005,
                                -0.005,
                                1.005,
                                0.995,
                                9.995,
                                -9.995,
                                99.995,
                                1e-9,
                                123456789012.345,
                                9.999999999999999e14,
                                1e15,
                                1e22,
                                -2.5e300,
                                4.94e-324,
                                2680.715,
                                0.0049999999999};
  for (int i = 0; i < 200000; ++i) {
    const double magnitude = std::pow(10.0, std::uniform_int_distribution<int>(-4, 16)(random));
    values.push_back((std::uniform_real_distribution<double>(-1, 1)(random)) * magnitude);
    values.push_back(std::round(values.back() * 1000) / 1000 + 0.0005);  // ties in the third decimal
  }
  for (double v : values) {
    QString appended;
    AppendTwoDecimals(appended, v);
    ASSERT_EQ(appended, RenderDecimal(v, 2, 1, false).value_or(QString())) << v;
  }
}

TEST(CsvExport, EncodesAsUtf8WithAMarkOrAsCp932AndQuotesOddDates) {
  DaySeries s;
  s.Days[1] = {u"x,\"€\""_s, 1, 2, 3, 4};  // a hand-edited date text that names no day
  s.DayCnt = 1;
  const QString text = ExportCsvText(s);
  EXPECT_TRUE(text.endsWith(u"\r\n\"x,\"\"€\"\"\",1.00,4.00,2,3,,,,,,,,,40.00,,,\r\n"_s))
      << text.toStdString();
  EXPECT_EQ(EncodeCsv(text, CsvEncoding::Utf8), "\xEF\xBB\xBF" + text.toUtf8());
  QString why;
  EXPECT_FALSE(EncodeCsv(text, CsvEncoding::Cp932, &why));
  EXPECT_TRUE(why.contains(u"「€」"_s)) << why.toStdString();
}

}  // namespace
}  // namespace rdx508
