// The calendar's reach where the user looks: the add panel's date box and the forecast
// row's date note a year the holiday list does not cover, and the box notes a closed day.

#include <memory>

#include "calendar/holiday_list.h"
#include "calendar/holiday_list_file.h"
#include "form_fixture.h"
#include "support/reference_year.h"
#include "ui/calendar_note.h"
#include "ui/screen_tips.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

class CalendarMarks : public FormTest {
 protected:
  CalendarMarks() { host.clock = QDateTime(QDate(2026, 12, 7), QTime(9, 0)); }
  void UseShippedList() {
    const QByteArray bytes = ReadBytes(QStringLiteral(RDX508_DATA_DIR "/syukujitsu.csv"));
    clb.SetHolidayList(std::make_shared<const HolidayList>(ReadHolidayList(bytes).days));
  }
  // A date cell's note: "" when it shows its own tool tip (`plainTip`) and background.
  QString Note(const QString& array, int index, const QString& plainTip) {
    const Control& c = C(array, index);
    EXPECT_EQ(c.backColor, c.toolTip == plainTip ? kSysWindowBack : kCalendarNoteBack)
        << c.text.toStdString();
    return c.toolTip == plainTip ? QString() : c.toolTip;
  }

  ReferenceYearScope year2026{2026};
};

// The forecast row and the add panel propose the same day here; without a list nothing is noted.
TEST_F(CalendarMarks, ProposedDatesBeyondTheListAreNoted) {
  const struct {
    QDate newest;
    const char16_t *proposed, *note;
  } cases[] = {{QDate(2026, 12, 30), u"27/01/04", u""},
               {QDate(2027, 12, 30), u"28/01/04", u"休業日リストは2027年まで"},
               {QDate(2003, 12, 25), u"03/12/26", u"休業日リストは2004年から"}};
  for (bool listed : {false, true}) {
    if (listed) UseShippedList();
    for (const auto& c : cases) {
      Load({{WeekdayDates(1, c.newest)[0], u"1000"_s, u"600"_s, u"400"_s, u"17000"_s}});
      form->click(u"見出"_s, 9);
      EXPECT_EQ(Text(u"日付修正入力"_s), Text(u"日付"_s, 26));
      EXPECT_TRUE(!listed || Text(u"日付"_s, 26) == QString::fromUtf16(c.proposed));
      const QString note = listed ? QString::fromUtf16(c.note) : QString();
      EXPECT_EQ(Note(u"日付"_s, 26, ForecastRowExplanation()), note) << c.newest.toString().toStdString();
      EXPECT_EQ(Note(u"日付修正入力"_s, -1, u"日付入力"_s), note) << c.newest.toString().toStdString();
    }
  }
}

// A typed date is noted as the add would store it; a closed day is still added.
TEST_F(CalendarMarks, TypedClosedDaysAreNotedAndStillAdded) {
  UseShippedList();
  Load({{u"26/12/04"_s, u"1000"_s, u"600"_s, u"400"_s, u"17000"_s}});
  form->click(u"見出"_s, 9);
  const struct {
    const char16_t *typed, *note;
  } cases[] = {{u"21", u""},
               {u"９／２２", u"26/09/22は休業日です"},
               {u"28/1/8", u"28/01/08は休業日です。休業日リストは2027年まで"},
               {u"20", u"26/12/20は休業日です"}};
  for (const auto& c : cases) {
    form->setText(u"日付修正入力"_s, -1, QString::fromUtf16(c.typed));
    EXPECT_EQ(Note(u"日付修正入力"_s, -1, u"日付入力"_s), QString::fromUtf16(c.note));
  }
  form->click(u"する"_s);
  EXPECT_EQ(form->series().Days[1].Date, u"26/12/20");
}

// 2030 lies inside the window of 2026: its days have their own weekdays and follow 2029.
TEST_F(CalendarMarks, A2030DayInTheGrid) {
  Load({{u"29/12/28"_s, u"1000"_s, u"600"_s, u"400"_s, u"17000"_s},
        {u"30/01/04"_s, u"1001"_s, u"600"_s, u"400"_s, u"17000"_s}});
  EXPECT_EQ(Text(u"日付"_s, 0) + Text(u"連番"_s, 0) + Text(u"騰落幅"_s, 0), u"30/01/04金+1.00");
  EXPECT_EQ(Text(u"日付"_s, 1) + Text(u"連番"_s, 1), u"29/12/28金");
}

}  // namespace
}  // namespace rdx508::testing
