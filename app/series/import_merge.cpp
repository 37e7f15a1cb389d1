#include "app/series/import_merge.h"

#include <QHash>
#include <algorithm>

#include "app/series/stored_value.h"
#include "calendar/date_text.h"
#include "toolkit/decimal_text.h"

namespace rdx508 {

namespace {

// The key days are matched by: the calendar day a date text names; texts that name no
// day (only a hand-edited file holds one) match nothing.
std::optional<qint64> DayKey(const QString& date) {
  const std::optional<QDate> d = DateFromText(date);
  if (!d) return std::nullopt;
  return d->toJulianDay();
}

// An index value as the day file keeps it.
std::optional<QString> Stored(double value) {
  return RenderDecimal(value, 2, 1, false);
}

// Every stored day, oldest first as the series and archive hold them, and where each
// calendar day first stands.
struct StoredDays {
  std::vector<DayRec> days;
  QHash<qint64, size_t> byDay;

  explicit StoredDays(const DaySeries& series) {
    const int32_t count = std::clamp<int32_t>(series.DayCnt, 0, DaySeries::kMaxDays);
    days.reserve(static_cast<size_t>(series.Archive.size()) + static_cast<size_t>(count));
    for (auto it = series.Archive.crbegin(); it != series.Archive.crend(); ++it)
      days.push_back(*it);
    for (int32_t p = count; p >= 1; --p)
      days.push_back(series.Days[static_cast<size_t>(p)]);
    byDay.reserve(static_cast<qsizetype>(days.size()));
    for (size_t i = 0; i < days.size(); ++i)
      if (const std::optional<qint64> key = DayKey(days[i].Date); key && !byDay.contains(*key))
        byDay.insert(*key, i);
  }

  const DayRec* Find(const QString& date) const {
    const std::optional<qint64> key = DayKey(date);
    if (!key) return nullptr;
    const auto it = byDay.constFind(*key);
    return it == byDay.constEnd() ? nullptr : &days[*it];
  }
};

// What an imported note does to a stored day's note.
struct NoteMerge {
  bool added;    // the day has none and the file gives one
  bool differs;  // the file gives another than the day's
};
NoteMerge MergeNote(const QString& stored, const QString& incoming) {
  const bool given = !incoming.isEmpty();
  return {given && stored.isEmpty(), given && !stored.isEmpty() && stored != incoming};
}

}  // namespace

bool SameStoredValues(const DayRec& a, const DayRec& b) {
  return a.Up == b.Up && a.Down == b.Down && Stored(a.Topix) == Stored(b.Topix) &&
         Stored(a.Nikkei) == Stored(b.Nikkei);
}

ImportPlan PlanImport(const DaySeries& series, const std::vector<ImportedDay>& days) {
  ImportPlan plan;
  const StoredDays stored(series);
  for (const ImportedDay& imported : days) {
    const DayRec* match = stored.Find(imported.day.Date);
    if (!match) {
      ++plan.newDays;
      continue;
    }
    const QString storedNote = series.DayNotes.value(match->Date);
    const NoteMerge note = MergeNote(storedNote, imported.note);
    if (note.added) ++plan.notesAdded;
    if (SameStoredValues(*match, imported.day) && !note.differs) {
      ++plan.identical;
    } else {
      ++plan.conflicts;
      if (plan.firstConflicts.size() < ImportPlan::kListedConflicts)
        plan.firstConflicts.push_back({imported.line, *match, imported.day, storedNote, imported.note});
    }
  }
  return plan;
}

ImportResult ApplyImport(DaySeries& series, const std::vector<ImportedDay>& days, ImportMode mode) {
  ImportResult result;
  StoredDays all(series);
  Notes notes = series.DayNotes;  // shares the stored notes until one changes
  bool daysChanged = false;
  for (const ImportedDay& imported : days) {
    const std::optional<qint64> key = DayKey(imported.day.Date);
    const auto it = key ? all.byDay.constFind(*key) : all.byDay.constEnd();
    if (it == all.byDay.constEnd()) {
      if (key) all.byDay.insert(*key, all.days.size());
      all.days.push_back(imported.day);
      all.days.back().Topix = StoredIndex(imported.day.Topix);
      all.days.back().Nikkei = StoredIndex(imported.day.Nikkei);
      if (!imported.note.isEmpty()) notes.insert(imported.day.Date, imported.note);
      ++result.added;
      daysChanged = true;
      continue;
    }
    DayRec& stored = all.days[*it];
    const NoteMerge note = MergeNote(notes.value(stored.Date), imported.note);
    if (note.added) {
      notes.insert(stored.Date, imported.note);
      ++result.notesAdded;
    }
    const bool valuesDiffer = !SameStoredValues(stored, imported.day);
    if (mode != ImportMode::Overwrite || (!valuesDiffer && !note.differs)) continue;
    if (valuesDiffer) {
      stored.Topix = StoredIndex(imported.day.Topix);
      stored.Nikkei = StoredIndex(imported.day.Nikkei);
      stored.Up = imported.day.Up;
      stored.Down = imported.day.Down;
      daysChanged = true;
    }
    if (note.differs) notes.insert(stored.Date, imported.note);
    ++result.overwritten;
  }
  if (!result.changed()) return result;
  series.DayNotes = std::move(notes);
  if (!daysChanged) return result;

  // The whole history in date order, split anew: the newest 998 days are the series,
  // every older one goes to the archive, newest first.
  std::stable_sort(all.days.begin(), all.days.end(),
                   [](const DayRec& a, const DayRec& b) { return IsEarlierDate(a.Date, b.Date); });
  const size_t total = all.days.size();
  const size_t inSeries = std::min<size_t>(total, DaySeries::kMaxDays);
  const size_t archived = total - inSeries;
  series.Archive.clear();
  series.Archive.reserve(static_cast<qsizetype>(archived));
  for (size_t i = archived; i-- > 0;)
    series.Archive.append(std::move(all.days[i]));
  for (size_t p = 1; p <= DaySeries::kMaxDays; ++p)
    series.Days[p] = p <= inSeries ? std::move(all.days[total - p]) : DayRec{};
  series.DayCnt = static_cast<int32_t>(inSeries);
  series.ComputeIndicators();
  return result;
}

}  // namespace rdx508
