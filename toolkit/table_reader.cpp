// T_Read: the keyed table reader (header line, then "section,row,fields" lines).

#include <QStringView>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "toolkit/clb_c1.h"
#include "toolkit/field_split.h"
#include "toolkit/numeric.h"
#include "toolkit/text_file.h"

namespace rdx508 {
namespace {

constexpr int32_t kMaxKeptLines = 32768;
constexpr int32_t kMaxSection = 999;
constexpr int32_t kMaxRow = 999;

// A header count: the integer value of the text, 0 when it is empty or not a number.
// Sections above the highest acceptable section number could never hold a row, so the
// section count is capped there; a field count is capped so that F + 1 still fits.
int32_t HeaderCount(const QString& text, int32_t cap) {
  const std::optional<double> number = ParseNumber(text);
  if (!number) return 0;
  const double rounded = std::nearbyint(*number);
  if (rounded <= 0) return 0;
  return rounded >= cap ? cap : static_cast<int32_t>(rounded);
}

// A data line's key: a number rounded half to even, within [low, high].
std::optional<int32_t> LineKey(QStringView text, int32_t low, int32_t high) {
  const std::optional<double> number = ParseNumber(text);
  if (!number) return std::nullopt;
  const double rounded = std::nearbyint(*number);
  if (rounded < low || rounded > high) return std::nullopt;
  return static_cast<int32_t>(rounded);
}

}  // namespace

int32_t CLB_C1::T_Read(const QString& T_Name, Table3& T_tbl) {
  try {
    const std::optional<QByteArray> bytes = ReadFileBytes(T_Name);
    if (!bytes) return -1;
    const QString text = DecodeCp932(*bytes);

    QString header;
    int32_t kept = 0;
    int32_t sections = 0;
    // Row texts by (section, row number); the ordered map hands them out sorted.
    std::map<std::pair<int32_t, int32_t>, QString> rows;
    ForEachLine(text, [&](QStringView line) {
      if (line.startsWith(u"/*")) return true;
      ++kept;
      if (kept == 1) {
        header = line.toString();
        sections = HeaderCount(FieldAt(header, 1, u","_s, u"="_s), kMaxSection);
        return true;
      }
      if (line.size() > 3) {
        const qsizetype firstComma = line.indexOf(u',');
        const qsizetype secondComma = firstComma < 0 ? -1 : line.indexOf(u',', firstComma + 1);
        if (secondComma >= 0) {
          const auto section = LineKey(line.left(firstComma), 1, std::min(sections, kMaxSection));
          const auto row = LineKey(line.mid(firstComma + 1, secondComma - firstComma - 1), 0, kMaxRow);
          if (section && row) rows[{*section, *row}] = line.mid(secondComma + 1).toString();
        }
      }
      return kept < kMaxKeptLines;
    });

    const int32_t fields = HeaderCount(FieldAt(header, 2, u","_s, u"="_s), INT32_MAX - 1);
    const QString title = FieldAt(header, 3, u","_s, u"="_s);

    Table3 table({fields, std::max(kept, sections), sections});
    table(0, 0, 0) = QString::number(sections + 1);
    if (fields >= 1) table(1, 0, 0) = title;

    int32_t currentSection = 0, filed = 0;
    for (const auto& [key, rowText] : rows) {
      if (rowText.isEmpty()) continue;  // an empty row text counts as absent
      if (key.first != currentSection) {
        currentSection = key.first;
        filed = 0;
      }
      ++filed;
      // Split at commas, stopping at the last comma found or after F fields.
      qsizetype start = 0;
      for (int32_t f = 1; f <= fields; ++f) {
        const qsizetype comma = rowText.indexOf(u',', start);
        if (comma < 0) {
          table(f, filed, currentSection) = rowText.mid(start);
          break;
        }
        table(f, filed, currentSection) = rowText.mid(start, comma - start);
        start = comma + 1;
      }
      table(0, currentSection, 0) = QString::number(filed);
    }
    T_tbl = std::move(table);
    return kept;
  } catch (const std::exception&) {
    return -1;  // this reader reports nothing; the caller sees a missing file
  }
}

}  // namespace rdx508
