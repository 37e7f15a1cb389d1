#include "app/csv/csv_export.h"

#include <QSaveFile>
#include <QStringEncoder>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "app/csv/csv_fields.h"
#include "app/series/derived_columns.h"
#include "toolkit/cp932.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

using Days = ExportDays;

ExportCell Decimal(double value) {
  return {ExportCell::kDecimal, value, {}};
}
ExportCell Whole(int32_t value) {
  return {ExportCell::kWhole, static_cast<double>(value), {}};
}
ExportCell Text(QString text) {
  return {ExportCell::kText, 0, std::move(text)};
}

// A day's note as the export writes it: a note of blanks alone is none, as on import.
QString ExportedNote(const Notes& notes, const QString& date) {
  if (notes.isEmpty()) return {};
  const auto note = notes.constFind(date);
  if (note == notes.constEnd() || note->trimmed().isEmpty()) return {};
  return *note;
}

}  // namespace

void AppendTwoDecimals(QString& out, double value) {
  if (!std::isfinite(value)) return;
  // d.dddddddddddddde±x: the 15 significant digits a person would read.
  char scientific[32];
  const auto [end, ec] = std::to_chars(scientific, scientific + sizeof scientific, std::fabs(value),
                                       std::chars_format::scientific, 14);
  if (ec != std::errc()) return;
  const char* e = std::find(scientific, end, 'e');
  int exponent = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
  char mantissa[15];
  mantissa[0] = scientific[0];
  std::memcpy(mantissa + 1, scientific + 2, 14);

  // The integer digits, then three decimals (the third decides the rounding).
  const int pointAt = exponent + 1;  // digits before the decimal point
  char digits[400];
  int n = 0;
  if (pointAt <= 0) digits[n++] = '0';
  for (int i = 0; i < pointAt; ++i)
    digits[n++] = i < 15 ? mantissa[i] : '0';
  for (int k = 0; k < 3; ++k) {
    const int i = pointAt + k;
    digits[n++] = i >= 0 && i < 15 ? mantissa[i] : '0';
  }
  const bool roundUp = digits[--n] >= '5';
  int carry = roundUp ? 1 : 0;
  for (int i = n - 1; i >= 0 && carry; --i) {
    if (digits[i] == '9') {
      digits[i] = '0';
    } else {
      ++digits[i];
      carry = 0;
    }
  }
  const int integerLength = n - 2;
  int first = 0;  // the first integer digit shown: no leading zeros, at least one digit
  while (!carry && first < integerLength - 1 && digits[first] == '0')
    ++first;
  const bool zero = !carry && std::all_of(digits, digits + n, [](char c) { return c == '0'; });
  if (value < 0 && !zero) out += u'-';
  if (carry) out += u'1';
  out += QLatin1StringView(digits + first, integerLength - first);
  out += u'.';
  out += QLatin1StringView(digits + integerLength, 2);
}

const std::vector<ExportColumn>& ExportColumns() {
  static const std::vector<ExportColumn> columns = {
      {u"日付"_s, [](const Days& d, size_t i) { return Text(LongDateText(d[i].day.Date)); }},
      {u"東証平均"_s, [](const Days& d, size_t i) { return Decimal(d[i].day.Topix); }},
      {u"日経平均"_s, [](const Days& d, size_t i) { return Decimal(d[i].day.Nikkei); }},
      {u"上昇数"_s, [](const Days& d, size_t i) { return Whole(d[i].day.Up); }},
      {u"下落数"_s, [](const Days& d, size_t i) { return Whole(d[i].day.Down); }},
      {CsvHeading(Derived::Change),
       [](const Days& d, size_t i) { return Decimal(HistoryChange(d.history, i, false)); }},
      {CsvHeading(Derived::Average5), [](const Days& d, size_t i) { return Decimal(d[i].ind.Tp5Avg); }},
      {CsvHeading(Derived::Average25), [](const Days& d, size_t i) { return Decimal(d[i].ind.Tp25Avg); }},
      {CsvHeading(Derived::Divergence),
       [](const Days& d, size_t i) { return Decimal(HistoryDivergence(d[i], false)); }},
      {CsvHeading(Derived::Change, true),
       [](const Days& d, size_t i) { return Decimal(HistoryChange(d.history, i, true)); }},
      {CsvHeading(Derived::Average5, true), [](const Days& d, size_t i) { return Decimal(d[i].ind.Nk5Avg); }},
      {CsvHeading(Derived::Average25, true),
       [](const Days& d, size_t i) { return Decimal(d[i].ind.Nk25Avg); }},
      {CsvHeading(Derived::Divergence, true),
       [](const Days& d, size_t i) { return Decimal(HistoryDivergence(d[i], true)); }},
      {CsvHeading(Derived::UpRatio), [](const Days& d, size_t i) { return Decimal(d[i].ind.UpRatio); }},
      {CsvHeading(Derived::UpRatio5), [](const Days& d, size_t i) { return Decimal(d[i].ind.UpRatio5); }},
      {CsvHeading(Derived::AdRatio), [](const Days& d, size_t i) { return Decimal(d[i].ind.AdRatio); }},
      {u"メモ"_s, [](const Days& d, size_t i) { return Text(ExportedNote(d.notes, d[i].day.Date)); }},
  };
  return columns;
}

namespace {

// A text cell as a CSV field: quoted when it holds a delimiter, a quote or a line break
// (a note, or a hand-edited date text).
void AppendText(QString& out, const QString& cell) {
  const bool plain = std::none_of(cell.cbegin(), cell.cend(),
                                  [](QChar c) { return c == u',' || c == u'"' || c == u'\r' || c == u'\n'; });
  if (plain) {
    out += cell;
    return;
  }
  QString quoted = cell;
  quoted.replace(u"\""_s, u"\"\""_s);
  out += u'"' + quoted + u'"';
}

void AppendCell(QString& out, const ExportCell& cell) {
  switch (cell.kind) {
    case ExportCell::kDecimal:
      AppendTwoDecimals(out, cell.number);
      break;
    case ExportCell::kWhole:
      out += QString::number(static_cast<int32_t>(cell.number));
      break;
    case ExportCell::kText:
      AppendText(out, cell.text);
      break;
  }
}

QString CsvText(const Days& days) {
  const size_t count = days.history.size();
  const std::vector<ExportColumn>& columns = ExportColumns();
  QString text;
  text.reserve(static_cast<qsizetype>(count + 1) * 120);
  for (size_t c = 0; c < columns.size(); ++c) {
    if (c > 0) text += u',';
    text += columns[c].header;
  }
  text += u"\r\n"_s;
  for (size_t i = 0; i < count; ++i) {
    for (size_t c = 0; c < columns.size(); ++c) {
      if (c > 0) text += u',';
      AppendCell(text, columns[c].cell(days, i));
    }
    text += u"\r\n"_s;
  }
  return text;
}

}  // namespace

QString ExportCsvText(const DaySeries& series) {
  return CsvText({DayHistory(series), series.DayNotes});
}

std::optional<QByteArray> EncodeCsv(const QString& text, CsvEncoding encoding, QString* why) {
  if (encoding == CsvEncoding::Utf8) {
    // Encoded straight after the byte order mark, without a second copy of the text.
    QStringEncoder encoder(QStringConverter::Utf8, QStringEncoder::Flag::Stateless);
    QByteArray bytes(3 + encoder.requiredSpace(text.size()), Qt::Uninitialized);
    std::memcpy(bytes.data(), "\xEF\xBB\xBF", 3);
    const char* end = encoder.appendToBuffer(bytes.data() + 3, text);
    bytes.truncate(end - bytes.constData());
    return bytes;
  }
  qsizetype bad = -1;
  std::optional<QByteArray> bytes = cp932::Encode(text, &bad);
  if (!bytes && why) {
    const QChar c = bad >= 0 && bad < text.size() ? text[bad] : QChar(u'?');
    *why = u"CP932 で書けない文字「%1」があります（UTF-8 で書き出してください）"_s.arg(c);
  }
  return bytes;
}

bool WriteCsvFile(const QString& path, const QByteArray& bytes, QString* why) {
  QSaveFile file(PlatformPath(path));
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
  if (why) *why = file.errorString();
  return false;
}

bool ExportCsvFile(const DaySeries& series, const QString& path, CsvEncoding encoding, QString* why,
                   size_t* days) {
  const std::vector<HistoryDay> history = DayHistory(series);
  const std::optional<QByteArray> bytes = EncodeCsv(CsvText({history, series.DayNotes}), encoding, why);
  if (!bytes || !WriteCsvFile(path, *bytes, why)) return false;
  if (days) *days = history.size();
  return true;
}

}  // namespace rdx508
