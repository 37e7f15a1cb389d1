#include "app/csv/csv_import.h"

#include <QFileInfo>
#include <QHash>
#include <array>

#include "app/csv/csv_fields.h"
#include "app/csv/csv_text.h"
#include "app/files/notes_file.h"
#include "toolkit/text_file.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

enum Column { kDate, kTopix, kNikkei, kUp, kDown, kNote, kClose, kColumns };

struct ColumnNames {
  QString shown;        // the program's name of the column
  QStringList aliases;  // header texts that name it, in their compared form
};

const std::array<ColumnNames, kColumns>& Names() {
  static const std::array<ColumnNames, kColumns> names = {{
      {u"日付"_s, {u"日付"_s, u"date"_s, u"データ日付"_s, u"日付け"_s}},
      {u"東証平均"_s, {u"東証平均"_s, u"topix"_s}},
      {u"日経平均"_s, {u"日経平均"_s, u"日経225"_s, u"nikkei"_s, u"n225"_s}},
      {u"上昇数"_s, {u"上昇数"_s, u"値上がり"_s, u"値上がり銘柄数"_s, u"advancing"_s, u"up"_s}},
      {u"下落数"_s, {u"下落数"_s, u"値下がり"_s, u"値下がり銘柄数"_s, u"declining"_s, u"down"_s}},
      {u"メモ"_s, {u"メモ"_s, u"note"_s, u"memo"_s}},
      // A price site's close; "Adj Close" is another column and stays unread.
      {u"終値"_s, {u"終値"_s, u"close"_s, u"price"_s}},
  }};
  return names;
}

// A header text as it is compared: width and case folded, blanks removed (headings are
// often spaced out, as in 日　付).
QString HeaderKey(const QString& text) {
  QString key = text.normalized(QString::NormalizationForm_KC).toCaseFolded();
  key.removeIf([](QChar c) { return c.isSpace(); });
  return key;
}

struct Header {
  std::array<qsizetype, kColumns> index{-1, -1, -1, -1, -1, -1, -1};  // field of each column, -1 when absent
  int found = 0;                                                      // columns found
  int values = 0;  // of them, value columns (a note is none, a close column counts when it is the lone index)
  qsizetype fields = 0;  // the header's fields
  int32_t line = 0;
  QString failure;
};

Header ResolveHeader(const QStringList& fields) {
  Header header;
  for (qsizetype f = 0; f < fields.size(); ++f) {
    const QString key = HeaderKey(fields[f]);
    for (int c = 0; c < kColumns; ++c) {
      if (!Names()[c].aliases.contains(key)) continue;
      if (header.index[c] >= 0) {
        header.failure = u"「%1」の列が2つあります（%2列目と%3列目）"_s.arg(Names()[c].shown)
                             .arg(header.index[c] + 1)
                             .arg(f + 1);
      } else {
        header.index[c] = f;
        ++header.found;
        if (c != kDate && c != kNote && c != kClose) ++header.values;
      }
    }
  }
  // A close column beside a named index says nothing the index does not.
  const bool namesIndex = header.index[kTopix] >= 0 || header.index[kNikkei] >= 0;
  if (header.index[kClose] >= 0) {
    if (namesIndex) {
      header.index[kClose] = -1;
      --header.found;
    } else {
      ++header.values;
    }
  }
  header.fields = fields.size();
  return header;
}

// How many non-blank lines may stand before the header (a title, a source, a date).
constexpr int kLinesBeforeHeader = 10;

// The header of the text split at `delimiter`: the first non-blank record that names a
// date column, after lines with fewer fields than it; found == 0 when there is none.
Header FindHeader(QStringView text, QChar delimiter) {
  Header header;
  qsizetype mostFieldsBefore = 0;
  int seen = 0;
  ForEachCsvRecord(text, delimiter, [&](const CsvRecord& record) {
    if (IsBlankRecord(record)) return true;
    const Header tried = ResolveHeader(record.fields);
    if (tried.index[kDate] >= 0) {
      if (mostFieldsBefore < tried.fields) {
        header = tried;
        header.line = record.line;
      }
      return false;
    }
    mostFieldsBefore = std::max(mostFieldsBefore, record.fields.size());
    return ++seen < kLinesBeforeHeader;
  });
  return header;
}

// The first non-blank record of the text split at `delimiter`.
CsvRecord FirstRecord(QStringView text, QChar delimiter) {
  CsvRecord first;
  ForEachCsvRecord(text, delimiter, [&](const CsvRecord& record) {
    if (IsBlankRecord(record)) return true;
    first = record;
    return false;
  });
  return first;
}

// A passed-over line as the preview lists it: its fields joined, long texts cut short.
QString NoteLineText(const CsvRecord& record) {
  constexpr qsizetype kShown = 40;
  QStringList fields = record.fields;
  while (!fields.isEmpty() && fields.last().trimmed().isEmpty())
    fields.removeLast();
  const QString text = fields.join(u',').simplified();
  return text.size() > kShown ? text.left(kShown) + u'…' : text;
}

bool SameValues(const DayRec& a, const DayRec& b) {
  return a.Topix == b.Topix && a.Nikkei == b.Nikkei && a.Up == b.Up && a.Down == b.Down;
}

// A note field: as written, a field of blanks alone being none; nullopt (and why) when the
// notes file could not hold it.
FieldValue<QString> CsvNote(const QString& field) {
  if (field.trimmed().isEmpty()) return {QString(), {}};
  QString problem = NoteProblem(field);
  if (problem.isEmpty()) return {field, {}};
  if (problem.endsWith(u'。')) problem.chop(1);
  return {std::nullopt, problem};
}

}  // namespace

QString CsvImport::Message(const QString& why, int32_t line) const {
  if (line <= 0) return file + u": "_s + why;
  return file + u": %1行目: "_s.arg(line) + why;
}

CsvImport ReadCsvImport(const QString& path, const QString& name) {
  CsvImport import;
  import.file = name.isEmpty() ? path : name;
  const QFileInfo info(PlatformPath(path));
  if (!info.exists()) {
    import.failure = import.Message(u"ファイルがありません"_s);
  } else if (info.isDir()) {
    import.failure = import.Message(u"ファイルではなくフォルダーです"_s);
  } else if (info.size() > CsvImport::kMaxFileBytes) {
    import.failure =
        import.Message(u"ファイルが大きすぎます（%1 MB まで）"_s.arg(CsvImport::kMaxFileBytes >> 20));
  } else {
    FileFailure failure;
    const std::optional<QByteArray> bytes = ReadFileBytes(path, &failure);
    if (!bytes) {
      import.failure = import.Message(u"読めません（%1）"_s.arg(failure.description));
    } else if (bytes->size() > CsvImport::kMaxFileBytes) {
      import.failure =
          import.Message(u"ファイルが大きすぎます（%1 MB まで）"_s.arg(CsvImport::kMaxFileBytes >> 20));
    } else {
      return ParseCsvImport(*bytes, import.file);
    }
  }
  return import;
}

CsvImport ParseCsvImport(QByteArrayView bytes, const QString& file) {
  CsvImport import;
  import.file = file;
  if (bytes.isEmpty()) {
    import.failure = import.Message(u"空のファイルです"_s);
    return import;
  }
  const std::optional<DecodedCsv> decoded = DecodeCsv(bytes);
  if (!decoded) {
    import.failure = import.Message(u"CSV ではありません（バイナリファイルです）"_s);
    return import;
  }
  import.encoding = decoded->encoding;
  const QString& text = decoded->text;

  // The delimiter is the one whose split of the first line names the most columns.
  Header header;
  for (QChar delimiter : {u',', u'\t', u';'}) {
    const Header tried = FindHeader(text, delimiter);
    if (tried.index[kDate] >= 0 && tried.found > header.found) {
      header = tried;
      import.delimiter = delimiter;
    }
  }
  if (header.found == 0) {
    const CsvRecord first = FirstRecord(text, u',');
    if (first.fields.isEmpty()) {
      import.failure = import.Message(u"空のファイルです"_s);
    } else {
      import.failure = import.Message(
          u"日付の列がありません（1行目は見出しで、「日付」または「date」の列が要ります）"_s, first.line);
    }
    return import;
  }
  if (!header.failure.isEmpty()) {
    import.failure = import.Message(header.failure, header.line);
    return import;
  }
  if (header.values == 0) {
    import.failure =
        import.Message(u"値の列（東証平均・日経平均・上昇数・下落数）がありません"_s, header.line);
    return import;
  }
  for (int c = 0; c < kColumns; ++c)
    if (header.index[c] >= 0) import.columns.append(Names()[c].shown);
  import.loneClose = header.index[kClose] >= 0;
  uint8_t given = 0;
  for (const auto& [column, bit] : {std::pair{kTopix, kGivesTopix}, std::pair{kNikkei, kGivesNikkei},
                                    std::pair{kUp, kGivesUp}, std::pair{kDown, kGivesDown}})
    if (header.index[column] >= 0) given |= bit;
  if (import.loneClose) given |= kGivesNikkei;
  // Lines before the header are notes: a title, the source, the date of the download.
  ForEachCsvRecord(text, import.delimiter, [&](const CsvRecord& record) {
    if (record.line >= header.line) return false;
    if (!IsBlankRecord(record)) {
      ++import.noteCount;
      if (import.notes.size() < CsvImport::kListedRejections)
        import.notes.push_back({record.line, NoteLineText(record)});
    }
    return true;
  });

  QHash<QString, size_t> byDate;  // short date -> index in import.days
  auto reject = [&](int32_t line, const QString& why) {
    ++import.rejectedCount;
    if (import.rejected.size() < CsvImport::kListedRejections) import.rejected.push_back({line, why});
  };
  auto readLine = [&](const CsvRecord& record) {
    if (record.unclosedQuote) {
      reject(record.line, u"引用符 \" が閉じていません"_s);
      return;
    }
    auto field = [&](Column c) {
      const qsizetype i = header.index[c];
      return i >= 0 && i < record.fields.size() ? record.fields[i] : QString();
    };
    // A price site writes "null" in every value of a day it has no price for (a holiday):
    // such a line says nothing and is passed over, counted.
    bool allNull = true;
    for (Column c : {kTopix, kNikkei, kUp, kDown, kClose})
      if (header.index[c] >= 0 && (c != kClose || import.loneClose))
        allNull = allNull && field(c).trimmed().compare(u"null"_s, Qt::CaseInsensitive) == 0;
    if (allNull) {
      ++import.nullDays;
      return;
    }

    QStringList problems;
    DayRec day;
    const FieldValue<QDate> date = CsvDate(field(kDate));
    if (!date.value) {
      problems.append(date.why);
    } else if (const std::optional<QString> shortText = ShortDateText(*date.value)) {
      day.Date = *shortText;
    } else {
      problems.append(u"%1年から%2年までの日だけ扱えます「%3」"_s.arg(FirstShortYear())
                          .arg(LastShortYear())
                          .arg(field(kDate).trimmed()));
    }
    // A column's field read into `into`, or its problem noted under the column's name.
    auto take = [&](Column c, auto& into, auto read) {
      const auto v = read(field(c));
      if (v.value)
        into = *v.value;
      else
        problems.append(Names()[c].shown + u": "_s + v.why);
    };
    take(kTopix, day.Topix, CsvIndex);
    take(import.loneClose ? kClose : kNikkei, day.Nikkei, CsvIndex);
    take(kUp, day.Up, CsvCount);
    take(kDown, day.Down, CsvCount);
    QString note;
    take(kNote, note, CsvNote);
    if (!problems.isEmpty()) {
      reject(record.line, problems.join(u"、"_s));
      return;
    }

    const auto earlier = byDate.constFind(day.Date);
    if (earlier == byDate.constEnd()) {
      byDate.insert(day.Date, import.days.size());
      import.days.push_back({record.line, day, note, given});
    } else if (const ImportedDay& first = import.days[*earlier]; !SameValues(first.day, day)) {
      reject(record.line, u"同じ日付の行が%1行目にあり、値が違います"_s.arg(first.line));
    } else if (first.note != note) {
      reject(record.line, u"同じ日付の行が%1行目にあり、メモが違います"_s.arg(first.line));
    } else {
      ++import.repeated;
    }
  };

  // A line with no date and fewer fields than the header is a note when no data line
  // follows it; until then it waits, and a data line after it makes it a rejected line.
  std::vector<CsvRecord> waiting;
  int32_t waitingUnkept = 0;  // beyond the listed ones: counted, not kept
  ForEachCsvRecord(text, import.delimiter, [&](const CsvRecord& record) {
    if (record.line <= header.line || IsBlankRecord(record)) return true;
    const qsizetype dateField = header.index[kDate];
    const bool noteLike = !record.unclosedQuote && record.fields.size() < header.fields &&
                          (dateField >= record.fields.size() || !CsvDate(record.fields[dateField]).value);
    if (noteLike) {
      if (waiting.size() < CsvImport::kListedRejections)
        waiting.push_back(record);
      else
        ++waitingUnkept;
      return true;
    }
    for (const CsvRecord& earlier : waiting)
      readLine(earlier);  // has no date, so it is rejected
    import.rejectedCount += waitingUnkept;
    waiting.clear();
    waitingUnkept = 0;
    readLine(record);
    return true;
  });
  for (const CsvRecord& after : waiting) {
    ++import.noteCount;
    if (import.notes.size() < CsvImport::kListedRejections)
      import.notes.push_back({after.line, NoteLineText(after)});
  }
  import.noteCount += waitingUnkept;
  return import;
}

void AssignLoneClose(CsvImport& import, CloseIndex index) {
  if (!import.loneClose || import.closeIndex) return;
  import.closeIndex = index;
  const bool topix = index == CloseIndex::Topix;
  for (ImportedDay& d : import.days) {
    if (topix) {
      d.day.Topix = d.day.Nikkei;
      d.day.Nikkei = 0;
      d.given = static_cast<uint8_t>((d.given & ~kGivesNikkei) | kGivesTopix);
    }
  }
  const qsizetype at = import.columns.indexOf(u"終値"_s);
  if (at >= 0) import.columns[at] = topix ? u"東証平均"_s : u"日経平均"_s;
}

}  // namespace rdx508
