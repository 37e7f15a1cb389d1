// Merging imported days: the plan's counts and the preview's words, new days in date
// order, conflicts kept or overwritten, and the series and archive split anew around the
// 998 newest days.

#include <gtest/gtest.h>

#include <QDate>

#include "app/csv/csv_export.h"
#include "app/csv/import_preview.h"
#include "app/series/day_history.h"

namespace rdx508 {

using namespace Qt::Literals::StringLiterals;
namespace {

QString Short(const QDate& d) {
  return d.toString(u"yy/MM/dd"_s);
}

// `count` consecutive days ending 2024/12/31, newest first; those beyond 998 archived.
DaySeries SeriesOf(int32_t count) {
  DaySeries s;
  for (int32_t k = 0; k < count; ++k) {
    const DayRec day{Short(QDate(2024, 12, 31).addDays(-k)), 1000.0 + k, k, 1, 0};
    if (k < DaySeries::kMaxDays)
      s.Days[static_cast<size_t>(k) + 1] = day;
    else
      s.Archive.append(day);
  }
  s.DayCnt = std::min(count, DaySeries::kMaxDays);
  return s;
}

TEST(ImportMerge, NewSameAndDifferingDaysInPlanPreviewAndMerge) {
  DaySeries s = SeriesOf(3);  // 24/12/31 (1000), 24/12/30 (1001), 24/12/29 (1002)
  s.Days[2].Topix = 1700.5;
  s.Days[3].Date = u"24/12/29"_s;
  const CsvImport file = ParseCsvImport(
      u"日付,東証平均,上昇数,下落数,日経平均\n2025/1/6,1,2,3,4\n2024/12/30,1700.501,1,1,0\n"
      u"2024/12/29,999,3,1,0\nx\n2024/12/01,5,6,7,8\n2024/12/01,5,6,7,8\n"_s.toUtf8(),
      u"c.csv"_s);
  const ImportPreview preview = PreviewImport(s, file);
  EXPECT_EQ(preview.Counts(),
            u"新しい日 2、同じ日 1、値の異なる日 1、取り込めない行 1（同じ行の繰り返し 1）"_s);
  EXPECT_EQ(preview.Conflicts(),
            QStringList{u"2024/12/29（4行目）: 東証平均 1002.00 → 999.00、上昇数 2 → 3"_s});
  EXPECT_EQ(preview.Rejected(), QStringList{u"5行目: 日付として読めません「x」"_s});

  for (ImportMode mode : {ImportMode::NewOnly, ImportMode::Overwrite}) {
    DaySeries t = s;
    const ImportResult result = ApplyImport(t, file.days, mode);
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(result.overwritten, mode == ImportMode::Overwrite ? 1 : 0);
    ASSERT_EQ(t.DayCnt, 5);
    QStringList order;
    for (size_t p = 1; p <= 5; ++p)
      order.append(t.Days[p].Date);
    EXPECT_EQ(order,
              (QStringList{u"25/01/06"_s, u"24/12/31"_s, u"24/12/30"_s, u"24/12/29"_s, u"24/12/01"_s}));
    EXPECT_EQ(t.Days[4].Topix, mode == ImportMode::Overwrite ? 999 : 1002);
    EXPECT_EQ(t.Days[3].Topix, 1700.5);  // the same at two decimals: the stored value stays
    EXPECT_EQ(t.Inds.size(), 6u);
    EXPECT_FALSE(ApplyImport(t, file.days, mode).changed());  // a second merge changes nothing
  }
}

TEST(ImportMerge, MatchesStoredDaysByCalendarDayAndKeepsTheirDateText) {
  DaySeries s;
  s.Days[1] = {u"07/3/15"_s, 1, 2, 3, 4};  // as a hand-edited file may hold it
  s.DayCnt = 1;
  const std::vector<ImportedDay> days = {{2, {u"07/03/15"_s, 9, 9, 9, 9}}};
  EXPECT_EQ(ApplyImport(s, days, ImportMode::Overwrite).overwritten, 1);
  EXPECT_EQ(s.DayCnt, 1);
  EXPECT_EQ(s.Days[1].Date, u"07/3/15"_s);
  EXPECT_EQ(s.Days[1].Up, 9);
}

TEST(ImportMerge, NotesGoOutAndComeBackAddedToDaysWithoutOneReplacedOnlyOnOverwrite) {
  DaySeries exported = SeriesOf(3);
  const QString bank = u"日銀会合、利上げ見送り, \"据え置き\"「様子見」"_s;
  exported.DayNotes.insert(u"24/12/31"_s, bank);
  exported.DayNotes.insert(u"24/12/30"_s, u"SQ"_s);
  const QByteArray csv =
      ExportCsvText(exported).toUtf8() + "2025/01/06,1,2,3,4,,,,,,,,,,,,\xF0\x9F\x93\x88\r\n";
  const CsvImport file = ParseCsvImport(csv, u"c.csv"_s);
  ASSERT_EQ(file.days.size(), 3u);
  EXPECT_EQ(file.days[2].note, bank);   // oldest first: 24/12/31 is the last
  ASSERT_EQ(file.rejected.size(), 1u);  // a note code page 932 cannot hold refuses its line
  EXPECT_TRUE(file.rejected[0].why.startsWith(u"メモ: "_s)) << file.rejected[0].why.toStdString();

  DaySeries stored = SeriesOf(3);
  stored.DayNotes.insert(u"24/12/30"_s, u"大発会"_s);
  const ImportPreview preview = PreviewImport(stored, file);
  EXPECT_EQ(preview.Counts(), u"新しい日 0、同じ日 2、値の異なる日 1、メモを足す日 1、取り込めない行 1"_s);
  EXPECT_EQ(preview.Conflicts(), QStringList{u"2024/12/30（3行目）: メモ「大発会」→「SQ」"_s});
  for (ImportMode mode : {ImportMode::NewOnly, ImportMode::Overwrite}) {
    DaySeries t = stored;
    const ImportResult result = ApplyImport(t, file.days, mode);
    EXPECT_EQ(result.notesAdded, 1);
    EXPECT_EQ(t.DayNotes.value(u"24/12/31"_s), bank);
    EXPECT_EQ(t.DayNotes.value(u"24/12/30"_s), mode == ImportMode::Overwrite ? u"SQ"_s : u"大発会"_s);
    EXPECT_FALSE(t.DayNotes.contains(u"24/12/29"_s));  // an empty field removes nothing
    EXPECT_FALSE(ApplyImport(t, file.days, mode).changed());
  }
}

TEST(ImportMerge, SplitsTheHistoryAroundThe998NewestDays) {
  struct Case {
    int32_t stored, newer, older;  // days imported after the newest and before the oldest
  } cases[] = {{0, 1200, 0}, {998, 1, 0}, {998, 0, 5}, {1000, 3, 4}, {990, 4, 0}, {10, 0, 1100}};
  for (const Case& c : cases) {
    DaySeries s = SeriesOf(c.stored);
    std::vector<ImportedDay> days;
    for (int32_t k = 1; k <= c.newer; ++k)
      days.push_back({k, {Short(QDate(2024, 12, 31).addDays(k)), 1, 1, 1, 1}});
    for (int32_t k = 0; k < c.older; ++k)
      days.push_back({k, {Short(QDate(2024, 12, 31).addDays(-c.stored - k)), 2, 2, 2, 2}});
    ApplyImport(s, days, ImportMode::NewOnly);

    const int32_t total = c.stored + c.newer + c.older;
    EXPECT_EQ(s.DayCnt, std::min(total, DaySeries::kMaxDays));
    EXPECT_EQ(s.Archive.size(), std::max(total - DaySeries::kMaxDays, 0));
    // Consecutive days from the newest, through the series and on into the archive.
    QDate expected = QDate(2024, 12, 31).addDays(c.newer);
    for (int32_t p = 1; p <= s.DayCnt; ++p, expected = expected.addDays(-1))
      ASSERT_EQ(s.Days[static_cast<size_t>(p)].Date, Short(expected)) << c.stored << " " << p;
    for (const DayRec& d : s.Archive) {
      ASSERT_EQ(d.Date, Short(expected)) << c.stored;
      expected = expected.addDays(-1);
    }
    EXPECT_EQ(DayHistory(s).size(), static_cast<size_t>(total));
  }
}

}  // namespace
}  // namespace rdx508
