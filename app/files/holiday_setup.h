#pragma once
// Start-up step after the three files: the national holiday list that settings row 5
// (休業日ファイル読込) names, read and handed to the calendar.

#include <QString>

#include "toolkit/clb_c1.h"
#include "toolkit/value.h"

namespace rdx508 {

// Reads the holiday list of settings row 5 into the calendar of `clb`. Without row 5 (or
// a row 5 that names no file) nothing changes and the result is "". Otherwise the list's
// valid lines are used, and the result is "" when every line was good, else the message
// for one error box titled 市況ノート: the file, its first bad line and what the calendar
// uses instead. A list that cannot be read, or holds no valid line, leaves the calendar
// with weekends and the year end (and the built-in holidays of 2004-2024).
QString LoadHolidayList(CLB_C1& clb, const Table3& INI);

// The settings row that names the holiday list.
inline constexpr int32_t kHolidayListRow = 5;

}  // namespace rdx508
