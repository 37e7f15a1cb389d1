#include "app/series/import_merge.h"

#include <QHash>
#include <algorithm>
#include <cmath>

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

// What the file's given columns do to a stored day.
struct ValueMerge {
  uint8_t differs = 0;  // stored values the file would replace
  uint8_t fills = 0;    // stored 0s the file fills in
};
ValueMerge MergeValues(const DayRec& stored, const DayRec& incoming, uint8_t given) {
  ValueMerge merge;
  const bool countsUnset = stored.Up == 0 && stored.Down == 0;
  auto compare = [&](uint8_t column, bool same, bool incomingZero, bool storedUnset) {
    if (!(given & column) || same || incomingZero) return;
    (storedUnset ? merge.fills : merge.differs) |= column;
  };
  // An index that the day file keeps as 0.00 (or -0.00) is none.
  const auto none = [](double value) { return std::fabs(value) < 0.005; };
  compare(kGivesTopix, Stored(stored.Topix) == Stored(incoming.Topix), none(incoming.Topix),
          none(stored.Topix));
  compare(kGivesNikkei, Stored(stored.Nikkei) == Stored(incoming.Nikkei), none(incoming.Nikkei),
          none(stored.Nikkei));
  compare(kGivesUp, stored.Up == incoming.Up, incoming.Up == 0, countsUnset);
  compare(kGivesDown, stored.Down == incoming.Down, incoming.Down == 0, countsUnset);
  return merge;
}

// Gives `into` the file's value of every column in `columns`.
void TakeValues(DayRec& into, const DayRec& from, uint8_t columns) {
  if (columns & kGivesTopix) into.Topix = StoredIndex(from.Topix);  // as the day file keeps it
  if (columns & kGivesNikkei) into.Nikkei = StoredIndex(from.Nikkei);
  if (columns & kGivesUp) into.Up = from.Up;
  if (columns & kGivesDown) into.Down = from.Down;
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
    const ValueMerge values = MergeValues(*match, imported.day, imported.given);
    const ImportConflict change{imported.line, *match,         imported.day, storedNote,
                                imported.note, values.differs, values.fills};
    if (note.added) ++plan.notesAdded;
    if (values.fills) {
      ++plan.filled;
      if (plan.firstFilled.size() < ImportPlan::kListedConflicts) plan.firstFilled.push_back(change);
    }
    if (values.differs || note.differs) {
      ++plan.conflicts;
      if (plan.firstConflicts.size() < ImportPlan::kListedConflicts) plan.firstConflicts.push_back(change);
    } else if (!values.fills) {
      ++plan.identical;
    }
  }
  return plan;
}

std::optional<CloseIndex> GuessCloseIndex(const DaySeries& series, const std::vector<ImportedDay>& days) {
  const StoredDays stored(series);
  int32_t overlap = 0, topix = 0, nikkei = 0;
  for (const ImportedDay& imported : days) {
    const DayRec* match = stored.Find(imported.day.Date);
    if (!match) continue;
    ++overlap;
    // Before AssignLoneClose the close stands as 日経平均.
    const std::optional<QString> close = Stored(imported.day.Nikkei);
    if (close == Stored(match->Topix)) ++topix;
    if (close == Stored(match->Nikkei)) ++nikkei;
  }
  if (nikkei * 2 > overlap && topix < nikkei) return CloseIndex::Nikkei;
  if (topix * 2 > overlap && nikkei < topix) return CloseIndex::Topix;
  return std::nullopt;
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
      DayRec day = imported.day;
      TakeValues(day, DayRec{}, static_cast<uint8_t>(kGivesAll & ~imported.given));  // absent columns are 0
      day.Topix = StoredIndex(day.Topix);  // kept as the day file keeps it
      day.Nikkei = StoredIndex(day.Nikkei);
      all.days.push_back(std::move(day));
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
    const ValueMerge values = MergeValues(stored, imported.day, imported.given);
    if (values.fills) {
      TakeValues(stored, imported.day, values.fills);
      ++result.filled;
      daysChanged = true;
    }
    if (mode != ImportMode::Overwrite || (!values.differs && !note.differs)) continue;
    if (values.differs) {
      TakeValues(stored, imported.day, values.differs);
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
