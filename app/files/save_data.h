#pragma once
// Saving: the day file, the archive, the notes and the colour ranges written in full from the
// main window's day series and range table, to the write paths the settings name.

#include <QStringList>

#include "app/series/day_series.h"
#include "toolkit/clb_c1.h"
#include "toolkit/value.h"

namespace rdx508 {

// What a save did, for the window's box or the command line's output.
struct SaveReport {
  QStringList saved;   // the files that hold what was saved (written, or holding it already)
  QStringList failed;  // the files that do not, named by path (or by kind when a row is missing)
  QString message;     // what went wrong, one text per line; "" when all was saved
  bool ok() const { return failed.isEmpty() && message.isEmpty(); }
};

// Writes the day file to the path of settings row 2 and the colour-range file to row 4,
// each text built with its own now() from clb.host(), each file kept as it was in its
// backups (.bak1 ... .bak5). The archive (series.Archive) is written with the day file,
// with the same time, when it holds days or its file exists already; the two are written
// in an order that keeps every saved day in one of them whenever the save stops. The notes
// (series.DayNotes) are written after the day file, when there are notes or their file
// exists already.
//
// Nothing is written unless every file can be: a missing settings row, a read-only file, a
// folder in the way of a backup, an archive or notes file that cannot be read whole (it would
// lose what was not read) stop the save before any file changes. A file that holds what is to
// be saved already (apart from its header's time) is left alone with its backups. When a
// write fails all the same (a full disk), L_Write has shown its box and the files after it are
// not written. Shows no box itself: the report's message is for the caller to show.
SaveReport SaveDataFiles(CLB_C1& clb, const Table3& INI, const DaySeries& series, const Table2& range);

}  // namespace rdx508
