#pragma once
// Merging imported days into the day series: what an import would change (the preview)
// and the change itself, as one operation over the series.

#include <QString>
#include <cstdint>
#include <vector>

#include "app/csv_import.h"
#include "app/day_series.h"

namespace rdx508 {

enum class ImportMode {
  NewOnly,    // add the days whose date is new; keep every stored day as it is
  Overwrite,  // also replace the values of stored days that differ
};

struct ImportConflict {
  int32_t line = 0;  // the file's line
  DayRec stored;
  DayRec incoming;
};

struct ImportPlan {
  int32_t newDays = 0;
  int32_t identical = 0;                       // days stored already with the same values
  int32_t conflicts = 0;                       // days stored already with other values
  std::vector<ImportConflict> firstConflicts;  // the first kListedConflicts, in file order

  static constexpr size_t kListedConflicts = 20;
};

// Whether two days hold the same values as the day file keeps them (indexes to two
// decimals, counts exactly).
bool SameStoredValues(const DayRec& a, const DayRec& b);

// What importing `days` into `series` would do. A day matches a stored day (in the series
// or the archive) of the same calendar date.
ImportPlan PlanImport(const DaySeries& series, const std::vector<ImportedDay>& days);

struct ImportResult {
  int32_t added = 0;
  int32_t overwritten = 0;
  bool changed() const { return added > 0 || overwritten > 0; }
};

// Imports `days` into `series`: new days take their place in date order, differing days
// are overwritten only in Overwrite mode (the stored date text is kept). Afterwards the
// newest 998 days are the series and every older day is in the archive, newest first;
// the indicators are recomputed. The series is left untouched when nothing changes.
ImportResult ApplyImport(DaySeries& series, const std::vector<ImportedDay>& days, ImportMode mode);

}  // namespace rdx508
