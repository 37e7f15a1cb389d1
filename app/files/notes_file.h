#pragma once
// The notes of the days: free text per day (no line breaks), kept in a file of its own
// beside the day file, one line per day that has a note. The day file is never touched.

#include <QDateTime>
#include <QString>

#include "app/series/day_series.h"
#include "toolkit/clb_c1.h"
#include "toolkit/value.h"

namespace rdx508 {

// The complete notes file text for a save at `now`: header, comment line, then
// "01,row,date,note" per day, newest first, CR LF.
QString NotesFileText(const Notes& notes, const QDateTime& now);

// Reads the notes file at `path` into `notes`. A missing file means no notes. Returns ""
// when all was read, otherwise the report to show (the file and the first line that is no
// note); the notes that could be read are kept.
QString ReadNotesFile(const QString& path, Notes& notes);

// Reads the notes file the settings name (row 7, or RDX508_NOTES.TXT beside the day file).
QString LoadNotes(CLB_C1& clb, const Table3& INI, Notes& notes);

// What keeps a typed note from being saved, or "" when nothing does: a line break, or a
// character code page 932 cannot hold (named in the message).
QString NoteProblem(const QString& text);

}  // namespace rdx508
