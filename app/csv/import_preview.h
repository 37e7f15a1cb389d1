#pragma once
// What an import would do, in words: the preview the window shows before anything
// changes, and the summary the command line prints.

#include <QString>
#include <QStringList>

#include "app/csv/csv_import.h"
#include "app/series/import_merge.h"

namespace rdx508 {

struct ImportPreview {
  CsvImport import;
  ImportPlan plan;
  QStringList newDates;  // the dates the import adds, "yyyy/mm/dd" in file order
  QStringList marks;     // new days whose values look like typos, with why

  // One line of counts: 新しい日 N、同じ日 N、値の異なる日 N、取り込めない行 N, with
  // 0 を埋める日 N and メモを足す日 N before the last where stored days get them.
  QString Counts() const;
  // The first conflicts, each with the values that differ, as stored → in the file:
  // "2024/11/29（5行目）: 東証平均 2680.71 → 2690.00、上昇数 1020 → 1030、メモ「SQ」→「大発会」".
  QStringList Conflicts() const;
  // The first stored days whose 0 the file fills in: "2024/11/29（5行目）: 上昇数 0 → 1020".
  QStringList Filled() const;
  // The new dates, several a line, then how many more.
  QStringList NewDates() const;
  // The lines passed over as notes: "1行目: 日経平均株価 日次", then how many more, and how
  // many days had "null" for every value.
  QStringList Notes() const;
  // How the file's notes are merged, for a file with a メモ column; "" otherwise.
  QString NoteRule() const;
  // The first rejected lines: "12行目: 日付として読めません「abc」", then how many more.
  QStringList Rejected() const;
};

// Reads nothing: plans the import of what was read against the series, and marks the new
// days as the add panel marks a typo (a value empty or 0, an index 10 % or more from the day
// before, a total of issues 20 % off that day's, a negative count). A lone close column not
// yet assigned is planned as 日経平均.
ImportPreview PreviewImport(const DaySeries& series, CsvImport import);

}  // namespace rdx508
