#include "app/csv/import_preview.h"

#include "app/csv/csv_fields.h"
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

}  // namespace

QString ImportPreview::Counts() const {
  QString counts = u"新しい日 %1、同じ日 %2、値の異なる日 %3、"_s.arg(plan.newDays)
                       .arg(plan.identical)
                       .arg(plan.conflicts);
  if (plan.notesAdded > 0) counts += u"メモを足す日 %1、"_s.arg(plan.notesAdded);
  counts += u"取り込めない行 %1"_s.arg(import.rejectedCount);
  if (import.repeated > 0) counts += u"（同じ行の繰り返し %1）"_s.arg(import.repeated);
  return counts;
}

QStringList ImportPreview::Conflicts() const {
  QStringList lines;
  for (const ImportConflict& c : plan.firstConflicts) {
    QStringList changes;
    auto index = [&](const QString& name, double stored, double incoming) {
      if (Index(stored) != Index(incoming))
        changes.append(name + u' ' + Index(stored) + u" → "_s + Index(incoming));
    };
    auto count = [&](const QString& name, int32_t stored, int32_t incoming) {
      if (stored != incoming)
        changes.append(name + u' ' + QString::number(stored) + u" → "_s + QString::number(incoming));
    };
    index(u"東証平均"_s, c.stored.Topix, c.incoming.Topix);
    index(u"日経平均"_s, c.stored.Nikkei, c.incoming.Nikkei);
    count(u"上昇数"_s, c.stored.Up, c.incoming.Up);
    count(u"下落数"_s, c.stored.Down, c.incoming.Down);
    if (!c.incomingNote.isEmpty() && c.incomingNote != c.storedNote)
      changes.append(u"メモ"_s + NoteShown(c.storedNote) + u"→"_s + NoteShown(c.incomingNote));
    lines.append(u"%1（%2行目）: "_s.arg(LongDateText(c.incoming.Date)).arg(c.line) + changes.join(u"、"_s));
  }
  if (plan.conflicts > static_cast<int32_t>(plan.firstConflicts.size()))
    lines.append(u"ほか %1 日"_s.arg(plan.conflicts - static_cast<int32_t>(plan.firstConflicts.size())));
  return lines;
}

QString ImportPreview::NoteRule() const {
  if (!import.columns.contains(u"メモ"_s)) return {};
  return u"メモ: メモのない日にはファイルのメモを足します（どちらの取り込みでも）。保存済みのメモと違うメモは"
         u"「異なる値も上書きする」のときだけ置き換えます。空のメモで消えることはありません。"_s;
}

QStringList ImportPreview::Rejected() const {
  QStringList lines;
  for (const RejectedLine& r : import.rejected)
    lines.append(u"%1行目: "_s.arg(r.line) + r.why);
  if (import.rejectedCount > static_cast<int32_t>(import.rejected.size()))
    lines.append(u"ほか %1 行"_s.arg(import.rejectedCount - static_cast<int32_t>(import.rejected.size())));
  return lines;
}

ImportPreview PreviewImport(const DaySeries& series, CsvImport import) {
  ImportPreview preview{std::move(import), {}};
  preview.plan = PlanImport(series, preview.import.days);
  return preview;
}

}  // namespace rdx508
