#include "app/csv/import_preview.h"

#include <QSet>
#include <algorithm>

#include "app/csv/csv_fields.h"
#include "app/series/entry_marks.h"
#include "calendar/date_text.h"
#include "toolkit/decimal_text.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

QString Index(double value) {
  return RenderDecimal(value, 2, 1, false).value_or(QString());
}

// A note as a conflict line shows it: in corner brackets, one line, long notes cut short;
// （なし） for none.
QString NoteShown(const QString& note) {
  constexpr qsizetype kShown = 30;
  if (note.isEmpty()) return u"（なし）"_s;
  return u'「' + (note.size() > kShown ? note.left(kShown) + u'…' : note) + u'」';
}

// The value columns in the program's order, with their names.
struct NamedColumn {
  uint8_t bit;
  const char16_t* name;
  bool index;
};
constexpr NamedColumn kValueColumns[] = {{kGivesTopix, u"東証平均", true},
                                         {kGivesNikkei, u"日経平均", true},
                                         {kGivesUp, u"上昇数", false},
                                         {kGivesDown, u"下落数", false}};

double ValueOf(const DayRec& d, uint8_t bit) {
  switch (bit) {
    case kGivesTopix:
      return d.Topix;
    case kGivesNikkei:
      return d.Nikkei;
    case kGivesUp:
      return d.Up;
    default:
      return d.Down;
  }
}

QString Shown(const NamedColumn& c, double value) {
  return c.index ? Index(value) : QString::number(value, 'f', 0);
}

// A day's changed columns as "name stored → file", joined.
QStringList Changes(const ImportConflict& c, uint8_t columns) {
  QStringList changes;
  for (const NamedColumn& column : kValueColumns)
    if (columns & column.bit)
      changes.append(QString::fromUtf16(column.name) + u' ' + Shown(column, ValueOf(c.stored, column.bit)) +
                     u" → "_s + Shown(column, ValueOf(c.incoming, column.bit)));
  return changes;
}

// Every day of the series oldest first, the archive's included.
std::vector<const DayRec*> OldestFirst(const DaySeries& s) {
  std::vector<const DayRec*> days;
  for (auto it = s.Archive.crbegin(); it != s.Archive.crend(); ++it)
    days.push_back(&*it);
  for (int32_t p = std::min(s.DayCnt, DaySeries::kMaxDays); p >= 1; --p)
    days.push_back(&s.Days[static_cast<size_t>(p)]);
  return days;
}

// Why a new day's values deserve a look against the day before it (nullptr for none).
QStringList TypoMarks(const DayRec& day, const DayRec* before, uint8_t given) {
  QStringList why;
  for (const NamedColumn& column : kValueColumns) {
    if (!(given & column.bit)) continue;
    const QString name = QString::fromUtf16(column.name);
    const double value = ValueOf(day, column.bit);
    if (column.index && value == 0) {
      why.append(name + u"が空か 0 です"_s);
    } else if (column.index && before && Beyond(value, ValueOf(*before, column.bit), kIndexJump)) {
      why.append(u"%1 %2 が前の日（%3）の %4 から 10% 以上離れています"_s.arg(
          name, Index(value), LongDateText(before->Date), Index(ValueOf(*before, column.bit))));
    } else if (!column.index && value < 0) {
      why.append(name + u"が負の数です"_s);
    }
  }
  if ((given & kGivesUp) && (given & kGivesDown)) {
    const double total = double(day.Up) + double(day.Down);
    if (total == 0) {
      why.append(u"上昇数と下落数が空か 0 です"_s);
    } else if (before && Beyond(total, double(before->Up) + double(before->Down), kTotalJump)) {
      why.append(u"上昇数と下落数の合計 %1 が前の日（%2）の %3 から 20% 以上離れています"_s.arg(
          QString::number(total, 'f', 0), LongDateText(before->Date),
          QString::number(double(before->Up) + double(before->Down), 'f', 0)));
    }
  }
  return why;
}

// A list of lines, at most `listed` of them, then how many more.
constexpr qsizetype kListedLines = 50;

// The listed lines, "N行目: why" each, and how many more there were.
QStringList LineList(const std::vector<RejectedLine>& listed, int32_t count) {
  QStringList lines;
  for (const RejectedLine& r : listed)
    lines.append(u"%1行目: "_s.arg(r.line) + r.why);
  const auto unlisted = count - static_cast<int32_t>(listed.size());
  if (unlisted > 0) lines.append(u"ほか %1 行"_s.arg(unlisted));
  return lines;
}

}  // namespace

QString ImportPreview::Counts() const {
  QString counts = u"新しい日 %1、同じ日 %2、値の異なる日 %3、"_s.arg(plan.newDays)
                       .arg(plan.identical)
                       .arg(plan.conflicts);
  if (plan.filled > 0) counts += u"0 を埋める日 %1、"_s.arg(plan.filled);
  if (plan.notesAdded > 0) counts += u"メモを足す日 %1、"_s.arg(plan.notesAdded);
  counts += u"取り込めない行 %1"_s.arg(import.rejectedCount);
  if (import.repeated > 0) counts += u"（同じ行の繰り返し %1）"_s.arg(import.repeated);
  return counts;
}

QStringList ImportPreview::Conflicts() const {
  QStringList lines;
  for (const ImportConflict& c : plan.firstConflicts) {
    QStringList changes = Changes(c, c.differs);
    if (!c.incomingNote.isEmpty() && c.incomingNote != c.storedNote)
      changes.append(u"メモ"_s + NoteShown(c.storedNote) + u"→"_s + NoteShown(c.incomingNote));
    lines.append(u"%1（%2行目）: "_s.arg(LongDateText(c.incoming.Date)).arg(c.line) + changes.join(u"、"_s));
  }
  if (plan.conflicts > static_cast<int32_t>(plan.firstConflicts.size()))
    lines.append(u"ほか %1 日"_s.arg(plan.conflicts - static_cast<int32_t>(plan.firstConflicts.size())));
  return lines;
}

QStringList ImportPreview::Filled() const {
  QStringList lines;
  for (const ImportConflict& c : plan.firstFilled)
    lines.append(u"%1（%2行目）: "_s.arg(LongDateText(c.incoming.Date)).arg(c.line) +
                 Changes(c, c.fills).join(u"、"_s));
  if (plan.filled > static_cast<int32_t>(plan.firstFilled.size()))
    lines.append(u"ほか %1 日"_s.arg(plan.filled - static_cast<int32_t>(plan.firstFilled.size())));
  return lines;
}

QStringList ImportPreview::NewDates() const {
  constexpr qsizetype kPerLine = 6;
  QStringList lines;
  const qsizetype listed = std::min(newDates.size(), kListedLines * kPerLine);
  for (qsizetype i = 0; i < listed; i += kPerLine)
    lines.append(newDates.mid(i, std::min(kPerLine, listed - i)).join(u"、"_s));
  if (newDates.size() > listed) lines.append(u"ほか %1 日"_s.arg(newDates.size() - listed));
  return lines;
}

QStringList ImportPreview::Notes() const {
  QStringList lines = LineList(import.notes, import.noteCount);
  if (import.nullDays > 0) lines.append(u"値がすべて null の日 %1 行"_s.arg(import.nullDays));
  return lines;
}

QString ImportPreview::NoteRule() const {
  if (!import.columns.contains(u"メモ"_s)) return {};
  return u"メモ: メモのない日にはファイルのメモを足します（どちらの取り込みでも）。保存済みのメモと違うメモは"
         u"「異なる値も上書きする」のときだけ置き換えます。空のメモで消えることはありません。"_s;
}

QStringList ImportPreview::Rejected() const {
  return LineList(import.rejected, import.rejectedCount);
}

ImportPreview PreviewImport(const DaySeries& series, CsvImport import) {
  ImportPreview preview{std::move(import), {}, {}, {}};
  preview.plan = PlanImport(series, preview.import.days);
  if (preview.plan.newDays == 0) return preview;

  // The new days among the stored ones, as the import would place them, each checked
  // against the day before it.
  DaySeries after = series;
  ApplyImport(after, preview.import.days, ImportMode::NewOnly);
  QHash<QString, const ImportedDay*> added;  // short date -> the file's day
  QSet<QString> stored;
  for (const DayRec* d : OldestFirst(series))
    stored.insert(LongDateText(d->Date));
  for (const ImportedDay& d : preview.import.days) {
    const QString date = LongDateText(d.day.Date);
    if (stored.contains(date)) continue;
    preview.newDates.append(date);
    added.insert(d.day.Date, &d);
  }
  const DayRec* before = nullptr;
  for (const DayRec* d : OldestFirst(after)) {
    if (const auto it = added.constFind(d->Date); it != added.constEnd()) {
      const QStringList why = TypoMarks(*d, before, (*it)->given);
      if (!why.isEmpty() && preview.marks.size() < kListedLines)
        preview.marks.append(u"%1（%2行目）: "_s.arg(LongDateText(d->Date)).arg((*it)->line) +
                             why.join(u"、"_s));
    }
    before = d;
  }
  return preview;
}

}  // namespace rdx508
