#pragma once
// Internal to ui/. What a date cell tells the user about the market calendar's reach: only when a holiday
// list is in use, a date in a year the list does not cover, or a closed day.

#include <QString>

#include "toolkit/clb_c1.h"
#include "ui/colours.h"

namespace rdx508 {

// The background of a date cell that carries a calendar note: the amber of a typed value
// worth a second look (the red text of a refused date keeps its own meaning).
inline constexpr quint32 kCalendarNoteBack = kCheckBack;

// The note for a date text as the entry panel would store it (normalised by 日付補正):
// "" without a holiday list or for an empty text; otherwise, when `closedToo` and the day
// is closed, "26/12/20は休業日です", and when the list does not cover its year, for
// example "休業日リストは2027年まで"; both joined by "。".
QString CalendarNote(CLB_C1& clb, const QString& date, bool closedToo);

}  // namespace rdx508
