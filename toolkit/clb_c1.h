#pragma once
// CLB_C1, the utility class of the program: text-table reading and writing, field
// helpers, sorting, number formatting (toolkit/) and dates, the market's closed days,
// business days and interest (calendar/). One instance serves the whole run.

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/host.h"
#include "toolkit/value.h"

namespace rdx508 {

class HolidayList;  // calendar/holiday_list.h

// One line per operation: what it does; what it gives on failure (a box is the library's
// error box, after which the operation returns normally); the file that implements it.
class CLB_C1 {
 public:
  explicit CLB_C1(Host& host);
  // Template of the reporting pattern: "実行成功"; "実行失敗" after a box. toolkit/clb_c1.cpp
  QString 関数_転用(int32_t& 引数1, Value& 引数2, double& 引数13);
  // Band of a value in a row of limits; -1 if no number, throws ClbError (bad row).
  // toolkit/number_format.cpp
  int32_t Frenge(const Value& Exp, const Table2& Tbl, const Value& Pos);
  // Number to text, colour, class; "" if no number, throws ClbError (overflow).
  // toolkit/number_format.cpp
  QString Fmat_C(const Value& Exp, int32_t& Ftype, int32_t& Keta);
  // Principal plus interest between the settlement days of two trades; throws ClbError. calendar/interest.cpp
  double 信用元利合計(int32_t 元金, const QString& 日付, double 利率 = 0, const QString& 返済日付 = {});
  // Simple interest between two dates; throws ClbError on overflow. calendar/interest.cpp
  double 利息計算(int32_t 元金, const QString& 日付, double 利率, const QString& 返済日付 = {});
  // Day of year to a short date; a day outside the year gives month and day 00. calendar/serial_dates.cpp
  QString 通算日付変換(int32_t 通算日数, int32_t& 年);
  QString 通算日付変換(int32_t 通算日数);
  // Inclusive day count (an unusable date reads as today); throws ClbError on overflow. calendar/interest.cpp
  int32_t 日付間隔(const QString& 開始日, const QString& 終了日);
  // The n-th business day from a date; "" when none lies within the next year. calendar/business_days.cpp
  QString 営業日変換(const QString& 日付, int32_t 日数 = 1);
  // Builds the closed-day table once; returns the last year built. calendar/holiday_calendar.cpp
  int32_t 休日暦作成();
  // Whether the closed-day table marks a day (0-100, 0-366); false outside it. calendar/holiday_calendar.cpp
  bool IsClosed(int32_t yy, int32_t dayOfYear) const;
  // Completes and checks a typed date; today's date for an unusable one. calendar/date_normalise.cpp
  QString 日付補正(const QString& 日付, int32_t 型 = 0);
  // Sorts a list by keys: the count; 0 if nothing sorted, the count read after a box. toolkit/table_sort.cpp
  int32_t TblSort(const QString& FuncExp, const List& SortKey, const List& SortData, List& RetData);
  // Number to display text and colour; "" for no number, "" after a box (overflow). toolkit/number_format.cpp
  QString Fmat(const Value& Exp, int32_t& Ftype, int32_t Keta = 0);
  // Nested block file into name and data tables; "" if no file or after a box. toolkit/block_reader.cpp
  QString B_Read(const QString& INFile_Name, Table5& Block_Name, Table5& Block_Data);
  // Replaces a file with a text, atomically: 1; -1 after a box (file kept as it was). toolkit/line_writer.cpp
  int32_t L_Write(const QString& File_Name, const QString& Out_rec);
  // A file's lines: their count; 0 for a missing file, -1 after a box. toolkit/plain_readers.cpp
  int32_t L_Read(const QString& INFile_Name, List& in_rec);
  // A file's lines read byte-wise: their count; 0 if empty, -1 after a box. toolkit/plain_readers.cpp
  int32_t F_Read(const QString& INFile_Name, List& in_rec);
  // A comma table: its line count; -1 for a missing file, -1 after a box. toolkit/plain_readers.cpp
  int32_t Tbl_Read(const QString& T_Name, Table2& T_tbl, int32_t& Fld_Cnt);
  int32_t Tbl_Read(const QString& T_Name, Table2& T_tbl);
  // Keyed table file into a table: the kept line count; -1 if unreadable, no box. toolkit/table_reader.cpp
  int32_t T_Read(const QString& T_Name, Table3& T_tbl);
  // The row of a keyed table whose field 1 is a key, or a field of it; "" if none. toolkit/field_helpers.cpp
  QString Ftbl_F1(const Table3& Tbl, QString& F1_NAME, int32_t TBL_No = 0, int32_t Opt1 = 0,
                  int32_t Opt2 = 0);
  // Number of fields of a line; never fails. toolkit/field_helpers.cpp
  int32_t FC2_Cnt(const QString& Arg1, const QString& Opt1 = QStringLiteral(","),
                  const QString& Opt2 = QStringLiteral("="));
  // Replaces a character a limited number of times; never fails. toolkit/field_helpers.cpp
  QString FQcut(const QString& Arg1, const QString& Opt1, const QString& Opt2, int32_t& Opt3);
  QString FQcut(const QString& Arg1, const QString& Opt1 = QStringLiteral(","), const QString& Opt2 = {});
  // Number of the last field holding a text; 0 when none. toolkit/field_helpers.cpp
  int32_t FC2_FindPos(const QString& Arg1, const QString& arg2, const QString& Opt1 = QStringLiteral(","),
                      const QString& Opt2 = QStringLiteral("="));
  // One field of a keyed or bracketed line, trimmed; "" when absent. toolkit/field_helpers.cpp
  QString FC2_Pos(const QString& Arg1, int32_t arg2, const QString& Opt1 = QStringLiteral(","),
                  const QString& Opt2 = QStringLiteral("="));
  // N-th piece of a text split at a character; "" after a box (over 32,767 chars).
  // toolkit/field_helpers.cpp
  QString FgetQ(QString Arg1, int16_t arg2 = 1, QString arg3 = QStringLiteral(","));

  // The platform this instance reports to (clock, program folder, error box).
  Host& host() const { return host_; }

  // The national holiday list the closed days follow from now on; nullptr (the start)
  // means the built-in rules alone. holidayList() is the list in use, nullptr for none.
  void SetHolidayList(std::shared_ptr<const HolidayList> list);
  const HolidayList* holidayList() const { return holidays_.get(); }

 private:
  // Whether the market is closed on day `dayOfYear` of the (four-digit) `year`.
  bool ClosedOn(int32_t year, int32_t dayOfYear) const;

  Host& host_;
  // The market's closed days: one row of 367 days of year (1 = closed) per two-digit
  // year, filled for the full year it stands for when a day of that year is first asked
  // for, and filled again when another year of the same two digits is asked for.
  mutable std::vector<uint8_t> closedDays_;
  mutable std::array<int32_t, 101> closedDaysYear_{};  // the year each row holds; 0 = none
  int32_t calendarBuilt_ = 0;                          // what 休日暦作成 returns; 0 = not yet
  std::shared_ptr<const HolidayList> holidays_;
};

}  // namespace rdx508
