#pragma once
// The day file: the day series filled from the table read at start-up, and the file's
// complete text for a save.

#include <QDateTime>
#include <QString>

#include "app/series/day_series.h"
#include "toolkit/clb_c1.h"
#include "toolkit/value.h"

namespace rdx508 {

// Fills the series from the day table read at start-up (at most 998 rows, newest first,
// via TblSort "DsN"+count on the dates' DateOrderKey). Non-numeric values load as 0; issue counts are rounded
// half to even and held to the 32-bit range. Sums and Inds are left for ComputeIndicators.
void LoadDays(CLB_C1& clb, const Table3& DayTbl, DaySeries& series);

// The complete day-file text for a save at `now` (header, comment, one "01,ppp,..." line
// per non-empty position 0..998, CR LF).
QString DayFileText(const DaySeries& series, const QDateTime& now);

// The first two lines of the day file, CR LF included: the header with the save time and
// the comment line.
QString DayFileHead(const QDateTime& now);

// One data line of the day file, CR LF included: "01," + position (at least three digits)
// + date, TOPIX, advancing, declining and Nikkei.
QString DayFileLine(qsizetype position, const DayRec& day);

// The 32-bit issue count a table entry stands for: rounded half to even, held to the
// 32-bit range, 0 when not a number.
int32_t IssueCount(const Value& entry);

}  // namespace rdx508
