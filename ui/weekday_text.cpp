// The weekday character of a day and its colour.

#include "ui/weekday_text.h"

#include "ui/control.h"

namespace rdx508 {

namespace {

struct Weekday {
  char16_t text;
  quint32 color;
};

// Qt counts Monday = 1 ... Sunday = 7; index 0 stands for a date that is not valid.
constexpr Weekday kWeekdays[8] = {{u'？', 0x000000C0},     {u'月', 0x00C000C0},     {u'火', kSysWindowText},
                                  {u'水', kSysWindowText}, {u'木', kSysWindowText}, {u'金', 0x00C00000},
                                  {u'？', 0x00008000},     {u'？', 0x000000C0}};

}  // namespace

WeekdayText WeekdayOf(const QDate& date) {
  const Weekday& w = kWeekdays[date.isValid() ? date.dayOfWeek() : 0];
  return {QString(QChar(w.text)), w.color};
}

}  // namespace rdx508
