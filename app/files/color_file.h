#pragma once
// The colour-range file: the range table (3 subjects x 7 band limits) filled from the
// table read at start-up, and the file's complete text for a save.

#include <QDateTime>
#include <QString>

#include "toolkit/value.h"

namespace rdx508 {

// The range table: Table2 with bounds {2, 6} (subject 0-2, band 0-6); entries as read
// (text or empty; missing -> empty).
void LoadRanges(const Table3& ColorTbl, Table2& range);

// The complete colour-range file text for a save at `now`: header, comment and one line
// per subject with its seven values, each followed by ",". Entries the table lacks are
// written empty.
QString ColorFileText(const Table2& range, const QDateTime& now);

}  // namespace rdx508
