// The weekday character of a day and its colour.

#include "ui/weekday_text.h"

#include "ui/colours.h"

namespace rdx508 {

namespace {

struct Weekday {
  char16_t text;
  quint32 color;
};

// Qt counts Monday = 1 ... Sunday = 7; index 0 stands for a date that is not valid.
constexpr Weekday kWeekdays[8] = {{u'？', kDarkRed},       {u'月', kPurple},        {u'火', kSysWindowText},
                                  {u'水', kSysWindowText}, {u'木', kSysWindowText}, {u'金', kDarkBlue},
                                  {u'？', kGreen},         {u'？', kDarkRed}};

}  // namespace

WeekdayText WeekdayOf(const QDate& date) {
  const Weekday& w = kWeekdays[date.isValid() ? date.dayOfWeek() : 0];
  return {QString(QChar(w.text)), w.color};
}

}  // namespace rdx508
