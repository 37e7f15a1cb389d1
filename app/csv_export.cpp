#include "app/csv_export.h"

#include <QSaveFile>

#include "app/csv_fields.h"
#include "toolkit/decimal_text.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// A value to two decimals, no grouping; empty when absent.
QString Decimal2(double value) {
  if (!IsPresent(value)) return {};
  return RenderDecimal(value, 2, 1, false).value_or(QString());
}

using Days = std::vector<HistoryDay>;

// A cell as a CSV field: quoted when it holds a delimiter, a quote or a line break (only
// a hand-edited date text can).
void AppendField(QString& text, const QString& cell) {
  if (!cell.contains(u',') && !cell.contains(u'"') && !cell.contains(u'\r') && !cell.contains(u'\n')) {
    text += cell;
    return;
  }
  QString quoted = cell;
  quoted.replace(u"\""_s, u"\"\""_s);
  text += u'"' + quoted + u'"';
}

// A column of one indicator of the day.
ExportColumn Indicator(const QString& header, double DayInd::*field) {
  return {header, [field](const Days& days, size_t i) { return Decimal2(days[i].ind.*field); }};
}

}  // namespace

const std::vector<ExportColumn>& ExportColumns() {
  static const std::vector<ExportColumn> columns = {
      {u"日付"_s, [](const Days& d, size_t i) { return LongDateText(d[i].day.Date); }},
      {u"東証平均"_s, [](const Days& d, size_t i) { return Decimal2(d[i].day.Topix); }},
      {u"日経平均"_s, [](const Days& d, size_t i) { return Decimal2(d[i].day.Nikkei); }},
      {u"上昇数"_s, [](const Days& d, size_t i) { return QString::number(d[i].day.Up); }},
      {u"下落数"_s, [](const Days& d, size_t i) { return QString::number(d[i].day.Down); }},
      {u"騰落幅"_s, [](const Days& d, size_t i) { return Decimal2(HistoryChange(d, i, false)); }},
      Indicator(u"5日平均"_s, &DayInd::Tp5Avg),
      Indicator(u"25日平均"_s, &DayInd::Tp25Avg),
      {u"乖離率"_s, [](const Days& d, size_t i) { return Decimal2(HistoryDivergence(d[i], false)); }},
      {u"日経騰落幅"_s, [](const Days& d, size_t i) { return Decimal2(HistoryChange(d, i, true)); }},
      Indicator(u"日経5日平均"_s, &DayInd::Nk5Avg),
      Indicator(u"日経25日平均"_s, &DayInd::Nk25Avg),
      {u"日経乖離率"_s, [](const Days& d, size_t i) { return Decimal2(HistoryDivergence(d[i], true)); }},
      Indicator(u"上昇率"_s, &DayInd::UpRatio),
      Indicator(u"上昇率5日平均"_s, &DayInd::UpRatio5),
      Indicator(u"騰落レシオ"_s, &DayInd::AdRatio),
  };
  return columns;
}

namespace {

QString CsvText(const Days& days) {
  const std::vector<ExportColumn>& columns = ExportColumns();
  QString text;
  text.reserve(static_cast<qsizetype>(days.size() + 1) * 120);
  for (size_t c = 0; c < columns.size(); ++c) {
    if (c > 0) text += u',';
    text += columns[c].header;
  }
  text += u"\r\n"_s;
  for (size_t i = 0; i < days.size(); ++i) {
    for (size_t c = 0; c < columns.size(); ++c) {
      if (c > 0) text += u',';
      AppendField(text, columns[c].cell(days, i));
    }
    text += u"\r\n"_s;
  }
  return text;
}

}  // namespace

QString ExportCsvText(const DaySeries& series) {
  return CsvText(DayHistory(series));
}

std::optional<QByteArray> EncodeCsv(const QString& text, CsvEncoding encoding, QString* why) {
  if (encoding == CsvEncoding::Utf8) return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
  qsizetype bad = -1;
  std::optional<QByteArray> bytes = EncodeCp932(text, &bad);
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
  const Days history = DayHistory(series);
  const std::optional<QByteArray> bytes = EncodeCsv(CsvText(history), encoding, why);
  if (!bytes || !WriteCsvFile(path, *bytes, why)) return false;
  if (days) *days = history.size();
  return true;
}

}  // namespace rdx508
