#pragma once
// Internal to app/. CSV files as text: the encoding a spreadsheet wrote them in, and their records
// (RFC 4180 quoting, with the line each record starts on).

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <optional>

namespace rdx508 {

struct DecodedCsv {
  QString text;
  QString encoding;  // the encoding found, for the preview: "UTF-8", "UTF-16", "CP932"
};

// Decodes a CSV file's bytes: a byte order mark selects UTF-8 or UTF-16 (little or big
// endian); without one, bytes that are valid UTF-8 read as UTF-8, anything else as code
// page 932. nullopt for a binary file (a NUL character in the text).
std::optional<DecodedCsv> DecodeCsv(QByteArrayView bytes);

struct CsvRecord {
  int32_t line = 0;            // the 1-based line the record starts on
  QStringList fields;          // unquoted field texts
  bool unclosedQuote = false;  // a quoted field ran to the end of the text
};

// The most fields a record keeps (a spreadsheet's column limit); further fields are
// skipped, so that a line of a million commas costs no memory.
inline constexpr qsizetype kMaxCsvFields = 16384;

// Calls take(record) for every record of `text`, fields separated by `delimiter`. A record
// ends at CR LF, LF or CR outside quotes; a quoted field may hold delimiters, line breaks
// and doubled quotes. Text after a closing quote is kept as part of the field. take
// returns false to stop.
void ForEachCsvRecord(QStringView text, QChar delimiter, const std::function<bool(const CsvRecord&)>& take);

// Whether every field of the record is empty or blank (an empty line, or ",,,").
bool IsBlankRecord(const CsvRecord& record);

}  // namespace rdx508
