#pragma once
// Internal to ui/. The weekday a day row shows: one character and its colour, as the grid's weekday cell
// and the chart's read-out write it.

#include <QDate>
#include <QString>
#include <QtGlobal>

namespace rdx508 {

struct WeekdayText {
  QString text;
  quint32 color;  // 0x00BBGGRR or the system's window text
};

// 月 in magenta, 火 水 木 in window text, 金 in dark blue; a weekend day shows "？" (green
// on Saturday, red on Sunday), since no trading day should fall on one.
WeekdayText WeekdayOf(const QDate& date);

}  // namespace rdx508
