#pragma once
// Reading a spreadsheet's CSV file of days: its columns found by name, every data line
// turned into a day in the program's short date form (with its note, if the file has a
// メモ column) or rejected with its reason.

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/series/day_series.h"

namespace rdx508 {

// The value columns of a day, as bits of ImportedDay::given.
enum ValueColumn : uint8_t {
  kGivesTopix = 1,
  kGivesNikkei = 2,
  kGivesUp = 4,
  kGivesDown = 8,
  kGivesAll = 15,
};

// Which index a file's lone close column holds.
enum class CloseIndex { Topix, Nikkei };

struct ImportedDay {
  int32_t line = 0;           // where the day stands in the file
  DayRec day;                 // Date in the short form "yy/mm/dd"; a column the file lacks is 0
  QString note = {};          // as written; "" for none (an empty or blank field, or no メモ column)
  uint8_t given = kGivesAll;  // the value columns the file has (ValueColumn bits)
};

struct RejectedLine {
  int32_t line = 0;
  QString why;
};

struct CsvImport {
  QString file;     // the file's name as messages show it
  QString failure;  // why nothing could be read; empty when the lines were read
  QString encoding;
  QChar delimiter;
  QStringList columns;                 // the recognised columns, in the program's order
  std::vector<ImportedDay> days;       // in file order, one per date
  int32_t repeated = 0;                // lines repeating an earlier line's day exactly
  std::vector<RejectedLine> rejected;  // the first kListedRejections, in file order
  int32_t rejectedCount = 0;
  std::vector<RejectedLine> notes;  // lines around the data passed over (a title, a copyright
                                    // notice), with their text; the first kListedRejections
  int32_t noteCount = 0;
  int32_t nullDays = 0;  // lines passed over whose every value is "null" (a price site's holiday)
  // The file names no index but has a close column (終値, Close, Price): a file of one index.
  // Its values stand as 日経平均 until AssignLoneClose says which index they are.
  bool loneClose = false;
  std::optional<CloseIndex> closeIndex;  // set by AssignLoneClose

  static constexpr size_t kListedRejections = 1000;
  static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

  // "file: why" or "file: N行目: why", the form of every message about the file.
  QString Message(const QString& why, int32_t line = 0) const;
};

// Gives a lone close column's values to `index`: the days' values and the column's name.
void AssignLoneClose(CsvImport& import, CloseIndex index);

// Reads the file at `path`: refuses a missing, unreadable, empty, binary or overlarge file
// (failure), otherwise parses it. Messages name the file `name`, by default the path.
CsvImport ReadCsvImport(const QString& path, const QString& name = {});

// Parses a CSV file's bytes; `file` names it in messages. The header is the first line
// that names a date column; lines before it with fewer fields (a title) are passed over as
// notes, as are lines after the last data line that hold no date and fewer fields than the
// header (a copyright notice); such a line between data lines is rejected. The header must
// name at least one value column (or a close column); a メモ column is read too, other
// columns are ignored. Blank lines are skipped; an empty value is 0. A note that the notes
// file could not hold (a line break, a character code page 932 lacks) rejects its line.
CsvImport ParseCsvImport(QByteArrayView bytes, const QString& file);

}  // namespace rdx508
