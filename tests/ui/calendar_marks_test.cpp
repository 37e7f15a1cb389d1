// The calendar's reach where the user looks: the add panel's date box and the forecast
// row's date note a year the holiday list does not cover, and the box notes a closed day.

#include <memory>

#include "calendar/holiday_list.h"
#include "calendar/holiday_list_file.h"
#include "form_fixture.h"
#include "support/reference_year.h"
#include "ui/calendar_note.h"

namespace rdx508::testing {
namespace {

class CalendarMarks : public FormTest {
 protected:
  CalendarMarks() { host.clock = QDateTime(QDate(2026, 12, 7), QTime(9, 0)); }
  void UseShippedList() {
    const QByteArray bytes = ReadBytes(QStringLiteral(RDX508_DATA_DIR "/syukujitsu.csv"));
    clb.SetHolidayList(std::make_shared<const HolidayList>(ReadHolidayList(bytes).days));
  }
  // Days up to `newest`, weekdays only.
  void LoadUpTo(QDate newest) {
    std::vector<DayRow> rows;
    for (const QString& date : WeekdayDates(30, newest))
      rows.push_back({date, u"1000"_s, u"600"_s, u"400"_s, u"17000"_s});
    Load(rows);
  }
  // The tool tip of a date cell, or "" when it shows its own tip and background.
  QString Note(const Control& c, const QString& plainTip) {
    if (c.toolTip == plainTip) {
      EXPECT_EQ(c.backColor, kSysWindowBack) << c.text.toStdString();
      return {};
    }
    EXPECT_EQ(c.backColor, kCalendarNoteBack) << c.text.toStdString();
    return c.toolTip;
  }
  QString BoxNote() { return Note(C(u"日付修正入力"_s), u"日付入力"_s); }
  QString ForecastNote() { return Note(C(u"日付"_s, 26), QString()); }

  ReferenceYearScope year2026{2026};
};

struct ProposalCase {
  QDate newest;
  const char16_t *forecast, *forecastNote, *proposed, *proposedNote;
};

TEST_F(CalendarMarks, ProposedDatesBeyondTheListAreNoted) {
  UseShippedList();
  const ProposalCase cases[] = {
      {QDate(2026, 12, 30), u"27/01/04", u"", u"27/01/04", u""},
      {QDate(2027, 12, 29), u"27/12/30", u"", u"27/12/30", u""},
      {QDate(2027, 12, 30), u"28/01/04", u"休業日リストは2027年まで", u"28/01/04",
       u"休業日リストは2027年まで"},
      {QDate(2030, 1, 4), u"30/01/07", u"休業日リストは2027年まで", u"30/01/07", u"休業日リストは2027年まで"},
      {QDate(2003, 12, 30), u"04/01/05", u"", u"04/01/05", u""},
      {QDate(2003, 12, 25), u"03/12/26", u"休業日リストは2004年から", u"03/12/26",
       u"休業日リストは2004年から"},
  };
  for (const ProposalCase& c : cases) {
    LoadUpTo(c.newest);
    EXPECT_EQ(Text(u"日付"_s, 26), QString::fromUtf16(c.forecast));
    EXPECT_EQ(ForecastNote(), QString::fromUtf16(c.forecastNote))
        << QString::fromUtf16(c.forecast).toStdString();
    form->click(u"見出"_s, 9);
    EXPECT_EQ(Text(u"日付修正入力"_s), QString::fromUtf16(c.proposed));
    EXPECT_EQ(BoxNote(), QString::fromUtf16(c.proposedNote)) << QString::fromUtf16(c.proposed).toStdString();
  }
}

TEST_F(CalendarMarks, WithoutAListNothingIsNoted) {
  LoadUpTo(QDate(2027, 12, 30));
  EXPECT_EQ(Text(u"日付"_s, 26), u"27/12/31");  // the built-in table has no 2027 holidays
  EXPECT_EQ(ForecastNote(), QString());
  form->click(u"見出"_s, 9);
  form->setText(u"日付修正入力"_s, -1, u"26/12/20"_s);
  EXPECT_EQ(BoxNote(), QString());
}

// A typed date is noted as the add would store it; a closed day is still added.
TEST_F(CalendarMarks, TypedClosedDaysAreNotedAndStillAdded) {
  UseShippedList();
  LoadUpTo(QDate(2026, 12, 4));
  form->click(u"見出"_s, 9);
  const struct {
    const char16_t *typed, *note;
  } cases[] = {{u"26/12/20", u"26/12/20は休業日です"},
               {u"21", u""},
               {u"9/22", u"26/09/22は休業日です"},
               {u"28/1/8", u"28/01/08は休業日です。休業日リストは2027年まで"},
               {u"28/1/7", u"休業日リストは2027年まで"},
               {u"", u""},
               {u"20", u"26/12/20は休業日です"}};
  for (const auto& c : cases) {
    form->setText(u"日付修正入力"_s, -1, QString::fromUtf16(c.typed));
    EXPECT_EQ(BoxNote(), QString::fromUtf16(c.note)) << QString::fromUtf16(c.typed).toStdString();
  }
  form->setText(u"TOPIX修正入力"_s, -1, u"1000"_s);
  form->click(u"する"_s);
  EXPECT_FALSE(PanelOpen());
  EXPECT_EQ(form->series().Days[1].Date, u"26/12/20");
}

// 2030 lies inside the window of 2026: its days have their own weekdays and come after 2029.
TEST_F(CalendarMarks, A2030DayInTheGrid) {
  Load({{u"29/12/28"_s, u"1000"_s, u"600"_s, u"400"_s, u"17000"_s},
        {u"30/01/04"_s, u"1001"_s, u"600"_s, u"400"_s, u"17000"_s},
        {u"29/12/27"_s, u"999"_s, u"600"_s, u"400"_s, u"17000"_s}});
  EXPECT_EQ(Text(u"日付"_s, 0), u"30/01/04");
  EXPECT_EQ(Text(u"連番"_s, 0), u"金");
  EXPECT_EQ(Text(u"日付"_s, 1), u"29/12/28");
  EXPECT_EQ(Text(u"連番"_s, 1), u"金");
  EXPECT_EQ(Text(u"騰落幅"_s, 0), u"+1.00");
  form->click(u"見出"_s, 9);
  form->setText(u"日付修正入力"_s, -1, u"30/1/2"_s);
  form->setText(u"TOPIX修正入力"_s, -1, u"1000.5"_s);
  form->click(u"する"_s);
  EXPECT_EQ(Text(u"日付"_s, 1), u"30/01/02");
  EXPECT_EQ(Text(u"連番"_s, 1), u"水");
}

}  // namespace
}  // namespace rdx508::testing
