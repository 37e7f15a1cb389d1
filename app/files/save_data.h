#pragma once
// Saving: both data files written in full from the main window's day series and range
// table, to the write paths the settings name.

#include "app/series/day_series.h"
#include "toolkit/clb_c1.h"
#include "toolkit/value.h"

namespace rdx508 {

// Writes the day file to the path of settings row 2 and the colour-range file to row 4,
// each text built with its own now() from clb.host(), each file kept as it was in its
// backups (.bak1 ... .bak5). The archive (series.Archive) is written with the day file,
// with the same time, when it holds days or its file exists already; the two are written
// in an order that keeps every saved day in one of them whenever the save stops, and the
// day file is not written when the archive could not be. The notes (series.DayNotes) are
// written after the day file, when there are notes or their file exists already. A row that the settings
// table lacks entirely is reported with an error box naming the row, and that file is not written. L_Write
// reports its own failures; saving then goes on with the next file. Returns whether every file was written,
// so that a caller about to end the program can keep the user's work instead.
bool SaveDataFiles(CLB_C1& clb, const Table3& INI, const DaySeries& series, const Table2& range);

}  // namespace rdx508
