#pragma once
// Merging imported days into the day series: what an import would change (the preview)
// and the change itself, as one operation over the series.
//
// Notes: an imported note is added to a day that has none, new or stored, whatever the
// mode; it replaces a stored note that differs only in Overwrite mode. An empty note in
// the file never removes one. A stored day whose figures are the same but whose note
// differs from its stored (non-empty) note is a conflict like one with other figures.

#include <QString>
#include <cstdint>
#include <vector>

#include "app/csv/csv_import.h"
#include "app/series/day_series.h"

namespace rdx508 {

enum class ImportMode {
  NewOnly,    // add the days whose date is new (and notes to days without one)
  Overwrite,  // also replace the values and notes of stored days that differ
};

struct ImportConflict {
  int32_t line = 0;  // the file's line
  DayRec stored;
  DayRec incoming;
  QString storedNote, incomingNote;
};

struct ImportPlan {
  int32_t newDays = 0;
  int32_t identical = 0;                       // days stored already with the same values
  int32_t conflicts = 0;                       // days stored already with other values or note
  int32_t notesAdded = 0;                      // stored days without a note that get one
  std::vector<ImportConflict> firstConflicts;  // the first kListedConflicts, in file order

  static constexpr size_t kListedConflicts = 20;
};

// Whether two days hold the same values as the day file keeps them (indexes to two
// decimals, counts exactly).
bool SameStoredValues(const DayRec& a, const DayRec& b);

// What importing `days` into `series` would do. A day matches a stored day (in the series
// or the archive) of the same calendar date; its note is the one stored under that day's
// date text.
ImportPlan PlanImport(const DaySeries& series, const std::vector<ImportedDay>& days);

struct ImportResult {
  int32_t added = 0;
  int32_t overwritten = 0;  // stored days given the file's values or note
  int32_t notesAdded = 0;   // stored days without a note given the file's
  bool changed() const { return added > 0 || overwritten > 0 || notesAdded > 0; }
};

// Imports `days` into `series`: new days take their place in date order, differing days
// are overwritten only in Overwrite mode (the stored date text is kept), notes as above.
// When days were added or changed, the newest 998 days are the series afterwards and
// every older day is in the archive, newest first, and the indicators are recomputed. The
// series is left untouched when nothing changes.
ImportResult ApplyImport(DaySeries& series, const std::vector<ImportedDay>& days, ImportMode mode);

}  // namespace rdx508
