// CSV files as the market publishes them (the index's own download, a price site's export,
// a plain close history), files with some of the value columns, and the lines around the
// data: read, guessed, merged without ever erasing a stored value.

#include <gtest/gtest.h>

#include <QFile>

#include "app/csv/csv_export.h"
#include "app/csv/import_preview.h"

namespace rdx508 {

using namespace Qt::Literals::StringLiterals;
namespace {

CsvImport Published(const char* name) {
  return ReadCsvImport(QStringLiteral(RDX508_TEST_FILES "/") + QString::fromLatin1(name),
                       QString::fromLatin1(name));
}

// Stored days: date, TOPIX, Nikkei, up, down.
DaySeries Stored(const std::vector<DayRec>& newestFirst) {
  DaySeries s;
  for (size_t i = 0; i < newestFirst.size(); ++i)
    s.Days[i + 1] = newestFirst[i];
  s.DayCnt = static_cast<int32_t>(newestFirst.size());
  s.ComputeIndicators();
  return s;
}
DayRec Day(const QString& date, double topix, double nikkei, int32_t up = 1000, int32_t down = 600) {
  return DayRec{date, topix, up, down, nikkei};
}

TEST(PublishedFiles, EachFormReadsAsItsSourceWritesIt) {
  struct Case {
    const char* file;
    QString encoding;
    int32_t days;
    QString firstDate;
    double firstClose;
    int32_t notes;  // lines passed over
  };
  const Case cases[] = {
      {"nikkei_stock_average_daily_jp.csv", u"CP932"_s, 6, u"24/12/23"_s, 39161.34, 1},
      {"investing_nikkei_225.csv", u"UTF-8"_s, 4, u"24/12/30"_s, 39894.54, 0},
      {"topix_history.csv", u"UTF-8"_s, 6, u"24/12/23"_s, 2740.36, 0},
  };
  for (const Case& c : cases) {
    const CsvImport file = Published(c.file);
    SCOPED_TRACE(c.file);
    ASSERT_TRUE(file.failure.isEmpty()) << file.failure.toStdString();
    EXPECT_EQ(file.rejectedCount, 0) << (file.rejected.empty() ? "" : file.rejected[0].why.toStdString());
    EXPECT_TRUE(file.loneClose);
    EXPECT_EQ(file.columns, (QStringList{u"日付"_s, u"終値"_s}));
    EXPECT_EQ(file.encoding, c.encoding);
    ASSERT_EQ(static_cast<int32_t>(file.days.size()), c.days);
    EXPECT_EQ(file.days[0].day.Date, c.firstDate);
    EXPECT_EQ(file.days[0].day.Nikkei, c.firstClose);
    EXPECT_EQ(file.days[0].given, kGivesNikkei);
    EXPECT_EQ(file.noteCount, c.notes);
  }
  const CsvImport nikkei = Published("nikkei_stock_average_daily_jp.csv");
  ASSERT_EQ(nikkei.notes.size(), 1u);
  EXPECT_EQ(nikkei.notes[0].line, 8);
  EXPECT_TRUE(nikkei.notes[0].why.startsWith(u"本資料は日経の著作物"_s));

  CsvImport topix = Published("topix_history.csv");
  AssignLoneClose(topix, CloseIndex::Topix);
  EXPECT_EQ(topix.columns, (QStringList{u"日付"_s, u"東証平均"_s}));
  EXPECT_EQ(topix.days[5].day.Topix, 2784.92);
  EXPECT_EQ(topix.days[5].day.Nikkei, 0.0);
  EXPECT_EQ(topix.days[5].given, kGivesTopix);
}

TEST(PublishedFiles, TheLoneCloseIsGuessedFromTheStoredDaysItOverlaps) {
  const std::vector<ImportedDay> file = Published("nikkei_stock_average_daily_jp.csv").days;
  const std::tuple<const char*, std::vector<DayRec>, std::optional<CloseIndex>> cases[] = {
      {"nikkei on most",
       {Day(u"24/12/25"_s, 2743.49, 39130.43), Day(u"24/12/24"_s, 2738.25, 39036.85),
        Day(u"24/12/23"_s, 2740.36, 39161.00)},
       CloseIndex::Nikkei},
      {"topix equal to the close", {Day(u"24/12/24"_s, 39036.85, 0)}, CloseIndex::Topix},
      {"half and half",
       {Day(u"24/12/24"_s, 2738.25, 39036.85), Day(u"24/12/23"_s, 2740.36, 39000.00)},
       std::nullopt},
      {"no overlap", {Day(u"24/11/29"_s, 2680.71, 38208.03)}, std::nullopt},
  };
  for (const auto& [name, days, guess] : cases)
    EXPECT_EQ(GuessCloseIndex(Stored(days), file), guess) << name;
}

TEST(PublishedFiles, AColumnTheFileLacksKeepsItsStoredValueAndAStoredZeroIsFilled) {
  // 24/12/02 differs in the Nikkei value, 24/12/03 has the same one, 24/12/04 was never
  // given a Nikkei value or counts, 24/12/05 is new.
  const DaySeries stored =
      Stored({Day(u"24/12/04"_s, 2700.00, 0, 0, 0), Day(u"24/12/03"_s, 2690.00, 38000.00),
              Day(u"24/12/02"_s, 2680.71, 37900.00)});
  const CsvImport file = ParseCsvImport(
      "日付,日経平均,上昇数,下落数\n2024/12/02,37800,,\n2024/12/03,38000,1000,600\n"
      "2024/12/04,38100,900,700\n2024/12/05,38200,800,800\n",
      u"p.csv"_s);
  ASSERT_TRUE(file.failure.isEmpty());
  const ImportPreview preview = PreviewImport(stored, file);
  EXPECT_EQ(preview.Counts(), u"新しい日 1、同じ日 1、値の異なる日 1、0 を埋める日 1、取り込めない行 0"_s);
  EXPECT_EQ(preview.Conflicts(), QStringList{u"2024/12/02（2行目）: 日経平均 37900.00 → 37800.00"_s});
  EXPECT_EQ(preview.Filled(),
            QStringList{u"2024/12/04（4行目）: 日経平均 0.00 → 38100.00、上昇数 0 → 900、下落数 0 → 700"_s});

  for (ImportMode mode : {ImportMode::NewOnly, ImportMode::Overwrite}) {
    DaySeries t = stored;
    const ImportResult result = ApplyImport(t, file.days, mode);
    EXPECT_EQ(result.filled, 1);
    ASSERT_EQ(t.DayCnt, 4);
    const bool overwrite = mode == ImportMode::Overwrite;
    const std::pair<DayRec, DayRec> expected[] = {
        {t.Days[1], Day(u"24/12/05"_s, 0, 38200, 800, 800)},  // new: TOPIX 0 as an empty box gives
        {t.Days[2], Day(u"24/12/04"_s, 2700.00, 38100, 900, 700)},
        {t.Days[3], Day(u"24/12/03"_s, 2690.00, 38000)},
        {t.Days[4], Day(u"24/12/02"_s, 2680.71, overwrite ? 37800 : 37900)},  // empty counts stay
    };
    for (const auto& [got, want] : expected) {
      EXPECT_EQ(got.Date, want.Date);
      EXPECT_EQ(got.Topix, want.Topix) << want.Date.toStdString();
      EXPECT_EQ(got.Nikkei, want.Nikkei) << want.Date.toStdString();
      EXPECT_EQ(got.Up, want.Up) << want.Date.toStdString();
      EXPECT_EQ(got.Down, want.Down) << want.Date.toStdString();
    }
    EXPECT_FALSE(ApplyImport(t, file.days, mode).changed());
  }
}

TEST(PublishedFiles, NotesAroundTheDataArePassedOverAndANoteBetweenDaysIsRefused) {
  const CsvImport file = ParseCsvImport(
      "日経平均株価 日次\n出典: 日本経済新聞社\n\n日付,日経平均\n2024/12/02,38000\n"
      "注記\n2024/12/03,38100\n2024/12/04,38200\n\n（C）Nikkei\n以上\n",
      u"n.csv"_s);
  ASSERT_TRUE(file.failure.isEmpty()) << file.failure.toStdString();
  EXPECT_EQ(file.days.size(), 3u);
  ASSERT_EQ(file.rejectedCount, 1);
  EXPECT_EQ(file.rejected[0].line, 6);
  const ImportPreview preview = PreviewImport(DaySeries{}, file);
  EXPECT_EQ(preview.Notes(), (QStringList{u"1行目: 日経平均株価 日次"_s, u"2行目: 出典: 日本経済新聞社"_s,
                                          u"10行目: （C）Nikkei"_s, u"11行目: 以上"_s}));
  // A price site's day without prices ("null" in every value) is passed over too.
  const CsvImport holiday = ParseCsvImport(
      "日付,日経平均,上昇数\n2024/12/30,1,2\n2024/12/31,null,NULL\n2025/01/06,null,3\n", u"y.csv"_s);
  EXPECT_EQ(holiday.days.size(), 1u);
  EXPECT_EQ(holiday.nullDays, 1);
  EXPECT_EQ(PreviewImport(DaySeries{}, holiday).Notes(), QStringList{u"値がすべて null の日 1 行"_s});
  EXPECT_EQ(holiday.rejectedCount, 1);  // a day with a price and a null is still refused
  // A line before the header as wide as the header is no note: the file has no header.
  EXPECT_FALSE(ParseCsvImport("a,b\n日付,日経平均\n2024/12/02,1\n", u"w.csv"_s).failure.isEmpty());
}

TEST(PublishedFiles, DecimalCommasAndOneDigitYearsAreRefusedWithTheirLine) {
  const CsvImport file = ParseCsvImport(
      "日付;東証平均;日経平均\n2024/12/02;2680,71;38000,5\n2024/12/03;2.680,71;1\n"
      "2024/12/04;2,680.71;38,000.50\n5/1/24;1;1\n",
      u"d.csv"_s);
  ASSERT_TRUE(file.failure.isEmpty());
  ASSERT_EQ(file.days.size(), 1u);
  EXPECT_EQ(file.days[0].day.Topix, 2680.71);
  EXPECT_EQ(file.days[0].day.Nikkei, 38000.5);
  ASSERT_EQ(file.rejected.size(), 3u);
  EXPECT_EQ(file.rejected[0].why,
            u"東証平均: 数値として読めません「2680,71」、日経平均: 数値として読めません「38000,5」"_s);
  EXPECT_EQ(file.rejected[1].line, 3);
  EXPECT_EQ(file.rejected[2].why, u"日付として読めません「5/1/24」"_s);
}

TEST(PublishedFiles, WhatTheDayFileHoldsExportsAndImportsToTheSameBytes) {
  // A negative count, as the window and a hand edit can store one.
  const DaySeries stored =
      Stored({Day(u"24/12/03"_s, 2690.00, 38000.00, -5, 0), Day(u"24/12/02"_s, 0, 0, 0, 0)});
  const QString exported = ExportCsvText(stored);
  const CsvImport file = ParseCsvImport(exported.toUtf8(), u"e.csv"_s);
  ASSERT_EQ(file.rejectedCount, 0) << (file.rejected.empty() ? "" : file.rejected[0].why.toStdString());
  DaySeries again;
  ApplyImport(again, file.days, ImportMode::NewOnly);
  EXPECT_EQ(ExportCsvText(again), exported);
}

TEST(PublishedFiles, ThePreviewMarksNewDaysAsTheAddPanelMarksATypo) {
  const DaySeries stored = Stored({Day(u"24/12/02"_s, 2680.00, 38000.00, 1000, 600)});
  const CsvImport file = ParseCsvImport(
      "日付,東証平均,日経平均,上昇数,下落数\n2024/12/03,2690,,1000,600\n2024/12/04,2990,38100,1000,600\n"
      "2024/12/05,2990,38100,1300,700\n2024/12/06,2990,38100,1100,-1\n2024/12/09,2990,38000,1000,99\n",
      u"m.csv"_s);
  const ImportPreview preview = PreviewImport(stored, file);
  EXPECT_EQ(preview.newDates, (QStringList{u"2024/12/03"_s, u"2024/12/04"_s, u"2024/12/05"_s, u"2024/12/06"_s,
                                           u"2024/12/09"_s}));
  ASSERT_EQ(preview.marks.size(), 4);
  EXPECT_EQ(preview.marks[0], u"2024/12/03（2行目）: 日経平均が空か 0 です"_s);
  EXPECT_TRUE(preview.marks[1].startsWith(
      u"2024/12/04（3行目）: 東証平均 2990.00 が前の日（2024/12/03）の 2690.00 "_s))
      << preview.marks[1].toStdString();
  EXPECT_TRUE(preview.marks[2].contains(u"合計 2000 が前の日（2024/12/04）の 1600 から 20% 以上"_s));
  EXPECT_TRUE(preview.marks[3].startsWith(u"2024/12/06（5行目）: 下落数が負の数です"_s));
}

}  // namespace
}  // namespace rdx508
