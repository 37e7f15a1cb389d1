#pragma once
// Internal to ui/. What the add panel's date box tells the user before the day is added:
// a typed text that names no date (it would be added as today), and a date already kept.

#include <QString>

#include "toolkit/clb_c1.h"

namespace rdx508 {

// "" when the typed text is empty or names a date; otherwise the warning that the day
// will be added as today, for example 「日付として読めません。今日（26/12/07）として追加します」.
QString UnreadableDateNote(CLB_C1& clb, const QString& typed);

// The refusal of a date that is already kept: 「25/01/14 はすでにあります」.
QString DuplicateDateNote(const QString& date);

}  // namespace rdx508
