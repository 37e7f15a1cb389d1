#pragma once
// Merging imported days into the day series: what an import would change (the preview)
// and the change itself, as one operation over the series.
//
// Notes: an imported note is added to a day that has none, new or stored, whatever the
// mode; it replaces a stored note that differs only in Overwrite mode. An empty note in
// the file never removes one. A stored day whose figures are the same but whose note
// differs from its stored (non-empty) note is a conflict like one with other figures.
//
// Values: only the columns a file has are compared and written; a day new to the series
// gets 0 for the others. A stored 0 (a value never entered: no index is 0, and no session
// has 0 advancing and 0 declining issues) is filled in from the file whatever the mode,
// and a 0 in the file never replaces a stored value.

#include <QString>
#include <cstdint>
#include <optional>
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
  uint8_t differs = 0;  // the value columns (ValueColumn bits) whose stored value the file would replace
  uint8_t fills = 0;    // the value columns whose stored 0 the file fills in
};

struct ImportPlan {
  int32_t newDays = 0;
  int32_t identical = 0;                       // days stored already with the same values
  int32_t conflicts = 0;                       // days stored already with other values or note
  int32_t filled = 0;                          // stored days with a 0 that the file fills in
  int32_t notesAdded = 0;                      // stored days without a note that get one
  std::vector<ImportConflict> firstConflicts;  // the first kListedConflicts, in file order
  std::vector<ImportConflict> firstFilled;     // the first kListedConflicts filled days

  static constexpr size_t kListedConflicts = 20;
};

// Whether two days hold the same values as the day file keeps them (indexes to two
// decimals, counts exactly), all four compared.
bool SameStoredValues(const DayRec& a, const DayRec& b);

// What importing `days` into `series` would do. A day matches a stored day (in the series
// or the archive) of the same calendar date; its note is the one stored under that day's
// date text.
ImportPlan PlanImport(const DaySeries& series, const std::vector<ImportedDay>& days);

// Which index a lone close column holds, judged by the stored days the file overlaps: the
// close equals that index's stored value to the cent on more than half of them and the
// other's on fewer. nullopt when the file overlaps no stored day or neither is clear.
std::optional<CloseIndex> GuessCloseIndex(const DaySeries& series, const std::vector<ImportedDay>& days);

struct ImportResult {
  int32_t added = 0;
  int32_t overwritten = 0;  // stored days given the file's values or note
  int32_t filled = 0;       // stored days whose 0 took the file's value
  int32_t notesAdded = 0;   // stored days without a note given the file's
  bool changed() const { return added > 0 || overwritten > 0 || filled > 0 || notesAdded > 0; }
};

// Imports `days` into `series`: new days take their place in date order, differing days
// are overwritten only in Overwrite mode (the stored date text is kept), notes as above.
// When days were added or changed, the newest 998 days are the series afterwards and
// every older day is in the archive, newest first, and the indicators are recomputed. The
// series is left untouched when nothing changes.
ImportResult ApplyImport(DaySeries& series, const std::vector<ImportedDay>& days, ImportMode mode);

}  // namespace rdx508
