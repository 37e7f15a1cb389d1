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

  // One line of counts: 新しい日 N、同じ日 N、値の異なる日 N、取り込めない行 N, with
  // メモを足す日 N before the last where stored days get a note.
  QString Counts() const;
  // The first conflicts, each with the values that differ, as stored → in the file:
  // "2024/11/29（5行目）: 東証平均 2680.71 → 2690.00、上昇数 1020 → 1030、メモ「SQ」→「大発会」".
  QStringList Conflicts() const;
  // How the file's notes are merged, for a file with a メモ column; "" otherwise.
  QString NoteRule() const;
  // The first rejected lines: "12行目: 日付として読めません「abc」", then how many more.
  QStringList Rejected() const;
};

// Reads nothing: plans the import of what was read against the series.
ImportPreview PreviewImport(const DaySeries& series, CsvImport import);

}  // namespace rdx508
