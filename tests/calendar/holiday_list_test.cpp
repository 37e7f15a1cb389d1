// The national holiday list: reading its file in every form it comes in, and the closed
// days and business days with it.

#include <gtest/gtest.h>

#include <memory>

#include "calendar/holiday_list.h"
#include "calendar/holiday_list_file.h"
#include "calendar_fixture.h"

namespace rdx508::testing {
namespace {

const QString kHeader = u"国民の祝日・休日月日,国民の祝日・休日名称"_s;

QByteArray ShippedList() {
  return ReadBytes(QStringLiteral(RDX508_DATA_DIR "/syukujitsu.csv"));
}

// --- Reading the file.

struct ReadCase {
  const char* name;
  QByteArray bytes;
  qsizetype days;
  bool headerOk;
  int32_t badLines, firstBadLine;
  const char16_t* firstBadText;
};

class HolidayListReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(HolidayListReadTest, ReadsTheValidLinesAndTheFirstBadOne) {
  const ReadCase& c = GetParam();
  const HolidayListReading r = ReadHolidayList(c.bytes);
  EXPECT_EQ(static_cast<qsizetype>(r.days.size()), c.days);
  EXPECT_EQ(r.headerOk, c.headerOk);
  EXPECT_EQ(r.badLines, c.badLines);
  EXPECT_EQ(r.firstBadLine, c.firstBadLine);
  EXPECT_EQ(r.firstBadText, QString::fromUtf16(c.firstBadText));
}

QByteArray Utf8(const QString& text) {
  return text.toUtf8();
}

INSTANTIATE_TEST_SUITE_P(
    Forms, HolidayListReadTest,
    ::testing::Values(
        ReadCase{"Shipped", ShippedList(), 419, true, 0, 0, u""},
        ReadCase{"Utf8BomLf", "\xef\xbb\xbf" + Utf8(kHeader + u"\n2025/02/24,休日\n2025/5/6,休日\n"_s), 2,
                 true, 0, 0, u""},
        ReadCase{"Utf8NoEndOfLastLine", Utf8(kHeader + u"\r\n2026/9/22,休日"_s), 1, true, 0, 0, u""},
        ReadCase{"BlankLinesAndQuotes",
                 ToCp932(kHeader + u"\r\n\r\n\"2027/3/22\",休日\r\n  \r\n2027/1/1\r\n"_s), 2, true, 0, 0,
                 u""},
        ReadCase{"LoneCarriageReturns", ToCp932(kHeader + u"\r2025/1/1,元日\r2025/1/13,成人の日\r"_s), 2,
                 true, 0, 0, u""}),
    [](const auto& p) { return std::string(p.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Broken, HolidayListReadTest,
    ::testing::Values(
        ReadCase{"Empty", "", 0, false, 1, 1, u""},
        ReadCase{"WrongHeader", ToCp932(u"月日,名称\r\n2025/1/1,元日\r\n"_s), 1, false, 1, 1, u"月日,名称"},
        ReadCase{"NoHeader", ToCp932(u"2025/1/1,元日\r\n2025/1/13,成人の日\r\n"_s), 2, false, 1, 1,
                 u"2025/1/1,元日"},
        ReadCase{"ImpossibleDate",
                 ToCp932(kHeader + u"\r\n2025/1/1,元日\r\n2025/2/30,休日\r\n2025/1/13,x\r\n"_s), 2, true, 1,
                 3, u"2025/2/30,休日"},
        ReadCase{"NoDate",
                 Utf8(kHeader + u"\n2025/1/1,元日\n成人の日\n25/1/13,成人の日\n2025-01-13,成人の日\n"_s), 1,
                 true, 3, 3, u"成人の日"},
        ReadCase{"Binary", QByteArray("\x00\x01\xff\xfe\x1a\r\n2025/1/1\x00,x\r\n2025/1/2,x", 30), 1, false,
                 2, 1, u"?????"},
        ReadCase{"LongBadLine", ToCp932(kHeader + u"\r\n"_s + QString(100, u'x')), 0, true, 1, 2,
                 u"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…"}),
    [](const auto& p) { return std::string(p.param.name); });

// --- The closed days and business days with a list (the clock in December 2026).

class HolidayCalendarWithListTest : public CalendarTest {
 protected:
  void SetUp() override { host.clock = QDateTime(QDate(2026, 12, 7), QTime(9, 0)); }
  void UseList(const QByteArray& bytes) {
    clb.SetHolidayList(std::make_shared<const HolidayList>(ReadHolidayList(bytes).days));
  }
  bool Closed(const QDate& d) {
    clb.休日暦作成();
    return clb.IsClosed(d.year() % 100, d.dayOfYear());
  }
};

struct DayCase {
  QDate day;
  bool closed;
};

// 2019's ten-day Golden Week, the Olympic moves of 2020 and 2021, the substitutes of 2025-
// 2027, the day between two holidays in September 2026, the year end, a year the list does
// not reach (weekends and year end only), and 2024's days where the list and the built-in
// rules differ.
TEST_F(HolidayCalendarWithListTest, TheShippedListDecidesItsYears) {
  UseList(ShippedList());
  EXPECT_EQ(clb.休日暦作成(), 2027);
  const DayCase cases[] = {
      {QDate(2019, 4, 26), false},  {QDate(2019, 4, 29), true},   {QDate(2019, 4, 30), true},
      {QDate(2019, 5, 1), true},    {QDate(2019, 5, 2), true},    {QDate(2019, 5, 6), true},
      {QDate(2019, 5, 7), false},   {QDate(2019, 10, 22), true},  {QDate(2020, 7, 20), false},
      {QDate(2020, 7, 23), true},   {QDate(2020, 7, 24), true},   {QDate(2020, 8, 10), true},
      {QDate(2020, 10, 12), false}, {QDate(2021, 7, 19), false},  {QDate(2021, 7, 22), true},
      {QDate(2021, 7, 23), true},   {QDate(2021, 8, 9), true},    {QDate(2021, 10, 11), false},
      {QDate(2025, 2, 24), true},   {QDate(2025, 5, 6), true},    {QDate(2025, 11, 24), true},
      {QDate(2026, 5, 6), true},    {QDate(2026, 9, 21), true},   {QDate(2026, 9, 22), true},
      {QDate(2026, 9, 23), true},   {QDate(2026, 9, 24), false},  {QDate(2027, 3, 22), true},
      {QDate(2026, 12, 30), false}, {QDate(2026, 12, 31), true},  {QDate(2027, 1, 1), true},
      {QDate(2027, 1, 3), true},    {QDate(2027, 1, 4), false},   {QDate(2027, 12, 31), true},
      {QDate(2028, 1, 3), true},    {QDate(2028, 1, 4), false},   {QDate(2028, 1, 8), true},
      {QDate(2028, 1, 10), false},  {QDate(2030, 1, 4), false},   {QDate(2030, 1, 5), true},
      {QDate(2024, 8, 12), true},   {QDate(2024, 12, 23), false}, {QDate(2024, 2, 23), true},
      {QDate(2003, 1, 4), true},    {QDate(2003, 1, 6), false}};
  for (const DayCase& c : cases)
    EXPECT_EQ(Closed(c.day), c.closed) << c.day.toString(Qt::ISODate).toStdString();
}

// A list that covers only 2025-2027 leaves 2004-2024 to the built-in rules.
TEST_F(HolidayCalendarWithListTest, YearsOutsideAShortListKeepTheBuiltInRules) {
  UseList(ToCp932(kHeader + u"\r\n2025/1/1,元日\r\n2027/3/22,休日\r\n"_s));
  EXPECT_TRUE(Closed(QDate(2007, 12, 24)));  // built-in substitute for 23 December
  EXPECT_TRUE(Closed(QDate(2024, 12, 23)));  // built-in emperor's birthday
  EXPECT_FALSE(Closed(QDate(2024, 8, 12)));  // no mountain day in the built-in rules
  EXPECT_FALSE(Closed(QDate(2025, 2, 24)));  // 2025 is listed, and this day is not
  EXPECT_FALSE(Closed(QDate(2026, 5, 6)));   // 2026 is not listed: weekends and year end
  EXPECT_TRUE(Closed(QDate(2026, 1, 2)));
}

struct BusinessCase {
  const char16_t* start;
  int32_t count;
  const char16_t *withList, *withoutList;
};

TEST_F(HolidayCalendarWithListTest, BusinessDaysFollowTheList) {
  const BusinessCase cases[] = {
      {u"26/12/30", 2, u"27/01/04", u"26/12/31"},  // into the listed 2027
      {u"26/12/25", 2, u"26/12/28", u"26/12/26"},  // over a weekend
      {u"27/12/30", 2, u"28/01/04", u"27/12/31"},  // into 2028, past the list
      {u"19/04/26", 2, u"19/05/07", u"19/04/30"},  // Golden Week 2019
      {u"26/09/18", 2, u"26/09/24", u"26/09/19"},  // September 2026
      {u"30/01/03", 1, u"30/01/04", u"30/01/03"},  // Friday 4 January 2030
      {u"24/12/20", 2, u"24/12/23", u"24/12/24"},  // 2024: the list's calendar, not the built-in one
  };
  for (const BusinessCase& c : cases)
    EXPECT_EQ(clb.営業日変換(QString::fromUtf16(c.start), c.count), QString::fromUtf16(c.withoutList))
        << "without a list from " << QString::fromUtf16(c.start).toStdString();
  UseList(ShippedList());
  for (const BusinessCase& c : cases)
    EXPECT_EQ(clb.営業日変換(QString::fromUtf16(c.start), c.count), QString::fromUtf16(c.withList))
        << "with the list from " << QString::fromUtf16(c.start).toStdString();
  clb.SetHolidayList(nullptr);  // back to the built-in rules
  EXPECT_EQ(clb.営業日変換(u"26/12/30"_s, 2), u"26/12/31");
}

TEST_F(HolidayCalendarWithListTest, AnEmptyListClosesWeekendsAndTheYearEnd) {
  UseList({});
  EXPECT_EQ(clb.休日暦作成(), 2024);
  EXPECT_TRUE(Closed(QDate(2026, 12, 5)));
  EXPECT_TRUE(Closed(QDate(2027, 1, 1)));
  EXPECT_FALSE(Closed(QDate(2026, 5, 6)));
  EXPECT_TRUE(Closed(QDate(2007, 12, 24)));
}

// Without a list the table is the one built in, day for day: its closed days hashed over
// every cell the table answers for.
TEST_F(HolidayCalendarWithListTest, WithoutAListTheBuiltInTableIsUnchanged) {
  for (const QDateTime& clock : {QDateTime(QDate(2007, 3, 15), QTime(9, 5)), host.clock}) {
    host.clock = clock;
    CLB_C1 fresh(host);
    EXPECT_EQ(fresh.休日暦作成(), 2024);
    uint64_t hash = 1469598103934665603ull;
    int closed = 0;
    for (int yy = 0; yy <= 100; ++yy) {
      for (int day = 0; day <= 366; ++day) {
        const bool b = fresh.IsClosed(yy, day);
        closed += b;
        hash = (hash ^ (b ? 1u : 0u)) * 1099511628211ull;
      }
    }
    EXPECT_EQ(closed, 2508);
    EXPECT_EQ(hash, 0xebc05aadab0d9599ull);
  }
}

}  // namespace
}  // namespace rdx508::testing
