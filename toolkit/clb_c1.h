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

using namespace Qt::Literals::StringLiterals;

class HolidayList;  // calendar/holiday_list.h

class CLB_C1 {
 public:
  explicit CLB_C1(Host& host);
  QString 関数_転用(int32_t& 引数1, Value& 引数2, double& 引数13);
  int32_t Frenge(const Value& Exp, const Table2& Tbl, const Value& Pos);
  QString Fmat_C(const Value& Exp, int32_t& Ftype, int32_t& Keta);
  double 信用元利合計(int32_t 元金, const QString& 日付, double 利率 = 0, const QString& 返済日付 = {});
  double 利息計算(int32_t 元金, const QString& 日付, double 利率, const QString& 返済日付 = {});
  QString 通算日付変換(int32_t 通算日数, int32_t& 年);
  QString 通算日付変換(int32_t 通算日数);
  int32_t 日付間隔(const QString& 開始日, const QString& 終了日);
  QString 営業日変換(const QString& 日付, int32_t 日数 = 1);
  int32_t 休日暦作成();
  bool IsClosed(int32_t yy, int32_t dayOfYear) const;  // reads the closed-day table (0-100, 0-366)
  QString 日付補正(const QString& 日付, int32_t 型 = 0);
  int32_t TblSort(const QString& FuncExp, const List& SortKey, const List& SortData, List& RetData);
  QString Fmat(const Value& Exp, int32_t& Ftype, int32_t Keta = 0);
  QString B_Read(const QString& INFile_Name, Table5& Block_Name, Table5& Block_Data);
  int32_t L_Write(const QString& File_Name, const QString& Out_rec);
  int32_t L_Read(const QString& INFile_Name, List& in_rec);
  int32_t F_Read(const QString& INFile_Name, List& in_rec);
  int32_t Tbl_Read(const QString& T_Name, Table2& T_tbl, int32_t& Fld_Cnt);
  int32_t Tbl_Read(const QString& T_Name, Table2& T_tbl);
  int32_t T_Read(const QString& T_Name, Table3& T_tbl);
  QString Ftbl_F1(const Table3& Tbl, QString& F1_NAME, int32_t TBL_No = 0, int32_t Opt1 = 0,
                  int32_t Opt2 = 0);
  int32_t FC2_Cnt(const QString& Arg1, const QString& Opt1 = u","_s, const QString& Opt2 = u"="_s);
  QString FQcut(const QString& Arg1, const QString& Opt1, const QString& Opt2, int32_t& Opt3);
  QString FQcut(const QString& Arg1, const QString& Opt1 = u","_s, const QString& Opt2 = {});
  int32_t FC2_FindPos(const QString& Arg1, const QString& arg2, const QString& Opt1 = u","_s,
                      const QString& Opt2 = u"="_s);
  QString FC2_Pos(const QString& Arg1, int32_t arg2, const QString& Opt1 = u","_s,
                  const QString& Opt2 = u"="_s);
  QString FgetQ(QString Arg1, int16_t arg2 = 1, QString arg3 = u","_s);

  // The platform this instance reports to (clock, program folder, error box).
  Host& host() const { return host_; }

  // The national holiday list the closed days follow from now on; nullptr (the start)
  // means the built-in rules alone. holidayList() is the list in use, nullptr for none.
  void SetHolidayList(std::shared_ptr<const HolidayList> list);
  const HolidayList* holidayList() const { return holidays_.get(); }

 private:
  // Shows the library's error box: title "CLB_C1" + label, text "Error(n)" + description.
  void showError(const QString& label, int32_t number, const QString& description);

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
