#pragma once
// Writing every day, the archive's included, oldest first, as a CSV file a spreadsheet
// opens: the five stored values, the derived indicators and the day's note.

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "app/series/day_history.h"
#include "app/series/day_series.h"

namespace rdx508 {

enum class CsvEncoding {
  Utf8,   // with a byte order mark, so that Excel recognises it
  Cp932,  // the Japanese code page of older spreadsheets
};

// What a cell of the export holds: a number written to two decimals (empty when absent,
// NaN), a whole number, or a text.
struct ExportCell {
  enum Kind { kDecimal, kWhole, kText } kind = kDecimal;
  double number = 0;
  QString text;
};

// The days an export writes, oldest first, and the notes of the days by date.
struct ExportDays {
  const std::vector<HistoryDay>& history;
  const Notes& notes;
  const HistoryDay& operator[](size_t i) const { return history[i]; }
};

// One column of the export: its header and the cell of day `i`.
struct ExportColumn {
  QString header;
  ExportCell (*cell)(const ExportDays& days, size_t i);
};

// The columns in file order. Stored values: date as yyyy/mm/dd, the two indexes to two
// decimals, the counts as integers. Derived values, all to two decimals: change, 5- and
// 25-day averages and divergence (per mille) of TOPIX and of the Nikkei average, then
// 上昇率, 上昇率5日平均 and 騰落レシオ (percent); empty where a day's window is not full.
// Last the day's note (メモ), empty where it has none: a column at the end leaves every
// other column where earlier exports had it.
const std::vector<ExportColumn>& ExportColumns();

// Appends `value` to two decimals exactly as RenderDecimal(value, 2, 1, false) renders it
// (15 significant digits, then half away from zero), without allocating: the export
// writes some 150,000 of them for 10,000 days. Nothing for NaN or infinity.
void AppendTwoDecimals(QString& out, double value);

// The CSV text: the header line, then one line per day, each ending in CR LF.
QString ExportCsvText(const DaySeries& series);

// The text in the file's encoding; nullopt (and why) when code page 932 cannot hold a
// character of it.
std::optional<QByteArray> EncodeCsv(const QString& text, CsvEncoding encoding, QString* why = nullptr);

// Writes the bytes to `path`, replacing the file only once they are complete; false (and
// why) when that fails.
bool WriteCsvFile(const QString& path, const QByteArray& bytes, QString* why = nullptr);

// Exports the series to `path` in the encoding; false (and why) when it cannot be encoded
// or written. Returns the number of days written through `days`.
bool ExportCsvFile(const DaySeries& series, const QString& path, CsvEncoding encoding, QString* why = nullptr,
                   size_t* days = nullptr);

}  // namespace rdx508
