// T_Read: the keyed table reader (header line, then "section,row,fields" lines).

#include <QStringView>
#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "toolkit/clb_c1.h"
#include "toolkit/field_split.h"
#include "toolkit/numeric.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

constexpr int32_t kMaxSection = 999;
constexpr int32_t kMaxRow = 999;

// A header count: the integer value of the text, 0 when it is empty or not a number.
// Sections above the highest acceptable section number could never hold a row, so the
// section count is capped there; a field count is capped so that F + 1 still fits.
int32_t HeaderCount(const QString& text, int32_t cap) {
  const std::optional<double> number = ParseNumber(text);
  if (!number) return 0;
  return std::clamp(RoundToInt32Clamped(*number), 0, cap);
}

// A data line's key: a number rounded half to even, within [low, high]. Keys are almost
// always a few plain digits; those are read directly, with the same result.
std::optional<int32_t> LineKey(QStringView text, int32_t low, int32_t high) {
  if (!text.isEmpty() && text.size() <= 9) {
    int32_t value = 0;
    bool plain = true;
    for (QChar c : text) {
      if (c < u'0' || c > u'9') {
        plain = false;
        break;
      }
      value = value * 10 + (c.unicode() - u'0');
    }
    if (plain) return value < low || value > high ? std::nullopt : std::optional<int32_t>(value);
  }
  const std::optional<double> number = ParseNumber(text);
  if (!number) return std::nullopt;
  const std::optional<int32_t> rounded = RoundToInt32(*number);
  if (!rounded || *rounded < low || *rounded > high) return std::nullopt;
  return rounded;
}

// A data line filed under its key: where its fields begin within the decoded text.
struct RowRef {
  int32_t section, row, order;  // order: the line's place in the file
  qsizetype start, length;
};

// The file's text. The program's files are code page 932; a file that an editor saved
// as UTF-8 with a byte order mark is read as UTF-8, so that its rows are not lost, with
// the characters code page 932 cannot hold as U+001A, so that it can be saved again.
QString DecodeTableText(const QByteArray& bytes) {
  static constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
  if (!bytes.startsWith(kUtf8Mark)) return DecodeCp932(bytes);
  QString text = QString::fromUtf8(QByteArrayView(bytes).sliced(3));
  SubstituteUnencodable(text);
  return text;
}

}  // namespace

int32_t CLB_C1::T_Read(const QString& T_Name, Table3& T_tbl) {
  try {
    const std::optional<QByteArray> bytes = ReadFileBytes(T_Name);
    if (!bytes) return -1;
    const QString text = DecodeTableText(*bytes);

    // Comment lines are invisible: not kept, not counted.
    const std::vector<QStringView> lines =
        KeptLines(text, [](QStringView line) { return line.startsWith(u"/*"); });
    const int32_t kept = static_cast<int32_t>(lines.size());
    const QString header = lines.empty() ? QString() : lines.front().toString();
    const int32_t sections = HeaderCount(FieldAt(header, 1, u","_s, u"="_s), kMaxSection);

    // Data lines by key; a later line with the same key replaces an earlier one.
    std::vector<RowRef> rows;
    rows.reserve(lines.size());
    for (size_t k = 1; k < lines.size(); ++k) {
      const QStringView line = lines[k];
      if (line.size() <= 3) continue;
      const qsizetype firstComma = line.indexOf(u',');
      const qsizetype secondComma = firstComma < 0 ? -1 : line.indexOf(u',', firstComma + 1);
      if (secondComma < 0) continue;
      const auto section = LineKey(line.left(firstComma), 1, std::min(sections, kMaxSection));
      const auto row = LineKey(line.mid(firstComma + 1, secondComma - firstComma - 1), 0, kMaxRow);
      if (!section || !row) continue;
      const qsizetype start = line.data() - text.constData() + secondComma + 1;
      rows.push_back(
          {*section, *row, static_cast<int32_t>(rows.size()), start, line.size() - secondComma - 1});
    }
    // Files are usually written in key order already; sort only when they are not.
    auto byKey = [](const RowRef& a, const RowRef& b) {
      return std::tie(a.section, a.row, a.order) < std::tie(b.section, b.row, b.order);
    };
    if (!std::is_sorted(rows.begin(), rows.end(), byKey)) std::sort(rows.begin(), rows.end(), byKey);

    const int32_t fields = HeaderCount(FieldAt(header, 2, u","_s, u"="_s), INT32_MAX - 1);
    const QString title = FieldAt(header, 3, u","_s, u"="_s);

    Table3 table({fields, std::max(kept, sections), sections});
    // Room for the directory and the fields of rows as long as the usual ones.
    table.reserve(static_cast<size_t>(sections) + 2 + rows.size() * static_cast<size_t>(std::min(fields, 8)));
    table(0, 0, 0) = QString::number(sections + 1);
    if (fields >= 1) table(1, 0, 0) = title;

    int32_t currentSection = 0, filed = 0;
    auto closeSection = [&] {
      if (currentSection != 0) table(0, currentSection, 0) = QString::number(filed);
    };
    for (size_t k = 0; k < rows.size(); ++k) {
      const RowRef& ref = rows[k];
      // Only the last line of a key counts.
      if (k + 1 < rows.size() && rows[k + 1].section == ref.section && rows[k + 1].row == ref.row) continue;
      if (ref.length == 0) continue;  // an empty row text counts as absent
      if (ref.section != currentSection) {
        closeSection();
        currentSection = ref.section;
        filed = 0;
      }
      ++filed;
      // Split at commas, stopping at the last comma found or after F fields.
      const QStringView rowText = QStringView(text).mid(ref.start, ref.length);
      qsizetype start = 0;
      for (int32_t f = 1; f <= fields; ++f) {
        qsizetype comma = start;  // fields are short: a plain scan beats a library search
        while (comma < rowText.size() && rowText[comma] != u',')
          ++comma;
        if (comma == rowText.size()) {
          table(f, filed, currentSection) = Value::ofText(rowText.mid(start));
          break;
        }
        table(f, filed, currentSection) = Value::ofText(rowText.mid(start, comma - start));
        start = comma + 1;
      }
    }
    closeSection();
    T_tbl = std::move(table);
    return kept;
  } catch (const std::exception&) {
    return -1;  // this reader reports nothing; the caller sees a missing file
  }
}

}  // namespace rdx508
