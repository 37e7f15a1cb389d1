#pragma once
// The archive: the days beyond the series' 998 positions, newest first, kept in a file of
// the day file's line form that has no size limit.

#include <QDateTime>
#include <QList>
#include <QString>

#include "app/series/day_series.h"
#include "toolkit/clb_c1.h"
#include "toolkit/value.h"

namespace rdx508 {

// The position the archive's newest day has in the file: the one after the series' last.
inline constexpr qsizetype kArchiveFirstPosition = DaySeries::kMaxDays + 1;

// The most days an archive file is read for (some 4,000 years of trading days): what
// lies beyond is reported, never held in memory.
inline constexpr qsizetype kMaxArchiveDays = 1'000'000;

// The complete archive text for a save at `now`: the day file's header and comment line,
// then one line per day, newest first, at positions 999, 1000, ...
QString ArchiveFileText(const QList<DayRec>& archive, const QDateTime& now);

// What reading an archive file found wrong.
struct ArchiveReport {
  bool unreadable = false;  // the file exists but could not be read at all
  bool partial = false;     // some lines were left out: writing the file would lose them
  QString text;             // "" when the file was read whole or does not exist
};

// Reads the archive file at `path` into `days`, newest first, one line at a time (a line
// is held only while it is read). A missing file is an empty archive. Lines that are no
// day of the archive (a wrong header, a line cut short, a value that is no number) are
// left out and reported with the file and the first of them; the other days are kept. A date
// the file holds twice keeps its first line, and is reported too.
ArchiveReport ReadArchiveFile(const QString& path, QList<DayRec>& days);

// Reads the archive that the settings name (see ArchiveFilePath) into `archive`. Returns
// "" when it was read or does not exist, otherwise the report to show the user; the day
// file is never affected. `whole`, when given, tells whether every day of the file was read.
QString LoadArchive(CLB_C1& clb, const Table3& INI, QList<DayRec>& archive, bool* whole = nullptr);

// Leaves out of `archive` the days whose dates the series holds already (a hand edit, or a
// save cut off between the archive and the day file, can leave a day in both): the series
// keeps it. Returns "" when there was none, otherwise the message that names the first.
QString DropDaysInSeries(const DaySeries& series, QList<DayRec>& archive);

}  // namespace rdx508
