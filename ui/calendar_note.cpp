#include "ui/calendar_note.h"

#include <QStringList>

#include "calendar/holiday_list.h"
#include "calendar/normalised_day.h"
#include "toolkit/clb_error.h"
#include "ui/typed_input.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

namespace {

// How far the list reaches, told from the year that lies outside it.
QString ReachNote(const HolidayList& list, int32_t year) {
  if (list.isEmpty()) return u"休業日リストを読めていません"_s;
  if (year > list.LastYear()) return u"休業日リストは%1年まで"_s.arg(list.LastYear());
  if (year < list.FirstYear()) return u"休業日リストは%1年から"_s.arg(list.FirstYear());
  return u"休業日リストに%1年はありません"_s.arg(year);
}

}  // namespace

QString CalendarNote(CLB_C1& clb, const QString& date, bool closedToo) {
  const HolidayList* list = clb.holidayList();
  if (!list || date.trimmed().isEmpty()) return {};
  try {
    const QString day = clb.日付補正(NormalisedTyped(date), 0);
    const calendar::YearDay at = calendar::NormalisedYearDay(clb, day);
    QStringList notes;
    if (closedToo) {
      clb.休日暦作成();
      if (clb.IsClosed(at.year % 100, at.dayOfYear)) notes << day + u"は休業日です"_s;
    }
    if (!list->Covers(at.year)) notes << ReachNote(*list, at.year);
    return notes.join(u"。"_s);
  } catch (const ClbError&) {
    return {};  // a date the calendar cannot read carries no note
  }
}

}  // namespace rdx508
