// The national holiday list: its file in every form it comes in, and the closed days and
// business days with it.

#include <gtest/gtest.h>

#include <memory>

#include "calendar/holiday_list.h"
#include "calendar/holiday_list_file.h"
#include "calendar_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

const QString kHeader = u"国民の祝日・休日月日,国民の祝日・休日名称"_s;

QByteArray ShippedList() {
  return ReadBytes(QStringLiteral(RDX508_DATA_DIR "/syukujitsu.csv"));
}

struct ReadCase {
  QByteArray bytes;
  size_t days;
  bool headerOk;
  int32_t badLines, firstBadLine;
  const char16_t* firstBadText;
};

TEST(HolidayListFile, KeepsTheValidLinesAndNamesTheFirstBadOne) {
  const ReadCase cases[] = {
      {ShippedList(), 419, true, 0, 0, u""},
      {"\xef\xbb\xbf" + (kHeader + u"\n2025/02/24,休日\n\n\"2025/5/6\"\n"_s).toUtf8(), 2, true, 0, 0, u""},
      {ToCp932(kHeader + u"\r2025/1/1,元日\r2025/1/13,成人の日"_s), 2, true, 0, 0, u""},
      {"", 0, false, 1, 1, u""},
      {ToCp932(u"2025/1/1,元日\r\n2025/1/13,成人の日\r\n"_s), 2, false, 1, 1, u"2025/1/1,元日"},
      {ToCp932(kHeader + u"\r\n2025/1/1\r\n2025/2/30,休日\r\n25/1/13\r\nabc\r\n"_s), 1, true, 3, 3,
       u"2025/2/30,休日"},
      {QByteArray("\x00\x01\xff\xfe\x1a\r\n2025/1/1\x00,x\r\n2025/1/2,x", 30), 1, false, 2, 1, u"?????"},
  };
  for (const ReadCase& c : cases) {
    const HolidayListReading r = ReadHolidayList(c.bytes);
    EXPECT_EQ(r.days.size(), c.days) << c.bytes.left(40).toStdString();
    EXPECT_EQ(r.headerOk, c.headerOk) << c.bytes.left(40).toStdString();
    EXPECT_EQ(std::pair(r.badLines, r.firstBadLine), std::pair(c.badLines, c.firstBadLine));
    EXPECT_EQ(r.firstBadText, QString::fromUtf16(c.firstBadText));
  }
}

// The clock in December 2026: two-digit years 1947-2046.
class HolidayCalendarWithList : public CalendarTest {
 protected:
  void SetUp() override { host.clock = QDateTime(QDate(2026, 12, 7), QTime(9, 0)); }
  void UseList(const QByteArray& bytes) {
    clb.SetHolidayList(std::make_shared<const HolidayList>(ReadHolidayList(bytes).days));
  }
  void ExpectClosed(const QString& days, bool closed) {
    clb.休日暦作成();
    for (const QString& text : days.split(u' ')) {
      const QDate d = QDate::fromString(text, u"yyyyMMdd"_s);
      EXPECT_EQ(clb.IsClosed(d.year() % 100, d.dayOfYear()), closed) << text.toStdString();
    }
  }
};

// 2019's ten-day Golden Week, the Olympic moves of 2020 and 2021, the substitutes of 2025-
// 2027, the day between two holidays in September 2026, the year end into 2027, years the
// list does not reach (weekends and the year end only), and 2024 by the list, not the
// built-in rules.
TEST_F(HolidayCalendarWithList, TheShippedListDecidesItsYears) {
  UseList(ShippedList());
  EXPECT_EQ(clb.休日暦作成(), 2027);
  ExpectClosed(
      u"20190429 20190430 20190501 20190502 20190506 20191022 20200723 20200724 20200810 20210722 "
      u"20210723 20210809 20250224 20250506 20251124 20260506 20260921 20260922 20260923 20270322 "
      u"20261231 20270101 20270103 20280103 20280108 20300105 20030104 20240812"_s,
      true);
  ExpectClosed(
      u"20190426 20190507 20200720 20201012 20210719 20211011 20260924 20261230 20270104 20280104 "
      u"20280110 20300104 20241223"_s,
      false);
  // A list of 2025-2027 only leaves 2004-2024 to the built-in rules.
  UseList(ToCp932(kHeader + u"\r\n2025/1/1,元日\r\n2027/3/22,休日\r\n"_s));
  ExpectClosed(u"20071224 20241223 20260102"_s, true);
  ExpectClosed(u"20240812 20250224 20260506"_s, false);
}

TEST_F(HolidayCalendarWithList, BusinessDaysFollowTheList) {
  const struct {
    const char16_t *start, *withList, *without;
  } cases[] = {{u"26/12/30", u"27/01/04", u"26/12/31"}, {u"26/12/25", u"26/12/28", u"26/12/26"},
               {u"27/12/30", u"28/01/04", u"27/12/31"}, {u"19/04/26", u"19/05/07", u"19/04/30"},
               {u"26/09/18", u"26/09/24", u"26/09/19"}, {u"30/01/03", u"30/01/07", u"30/01/04"},
               {u"24/12/20", u"24/12/23", u"24/12/24"}};
  for (bool listed : {false, true, false}) {
    clb.SetHolidayList(nullptr);
    if (listed) UseList(ShippedList());
    for (const auto& c : cases)
      EXPECT_EQ(clb.営業日変換(QString::fromUtf16(c.start), 2),
                QString::fromUtf16(listed ? c.withList : c.without))
          << QString::fromUtf16(c.start).toStdString() << (listed ? " with the list" : "");
  }
}

// Without a list the table is the built-in one, day for day: its answers hashed over every cell.
TEST_F(HolidayCalendarWithList, WithoutAListTheBuiltInTableIsUnchanged) {
  EXPECT_EQ(clb.休日暦作成(), 2024);
  uint64_t hash = 1469598103934665603ull;
  int closed = 0;
  for (int cell = 0; cell < 101 * 367; ++cell) {
    const bool b = clb.IsClosed(cell / 367, cell % 367);
    closed += b;
    hash = (hash ^ (b ? 1u : 0u)) * 1099511628211ull;
  }
  EXPECT_EQ(closed, 2508);
  EXPECT_EQ(hash, 0xebc05aadab0d9599ull);
}

}  // namespace
}  // namespace rdx508::testing
