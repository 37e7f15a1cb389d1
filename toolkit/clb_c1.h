#pragma once
// CLB_C1, the utility class of the program: text-table reading and writing, field
// helpers, sorting, number formatting (toolkit/) and dates, the market's closed days,
// business days and interest (calendar/). One instance serves the whole run.

#include <QString>
#include <cstdint>
#include <vector>

#include "toolkit/host.h"
#include "toolkit/value.h"

namespace rdx508 {

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
  int32_t FC2_Cnt(const QString& Arg1, const QString& Opt1 = QStringLiteral(","),
                  const QString& Opt2 = QStringLiteral("="));
  QString FQcut(const QString& Arg1, const QString& Opt1, const QString& Opt2, int32_t& Opt3);
  QString FQcut(const QString& Arg1, const QString& Opt1 = QStringLiteral(","), const QString& Opt2 = {});
  int32_t FC2_FindPos(const QString& Arg1, const QString& arg2, const QString& Opt1 = QStringLiteral(","),
                      const QString& Opt2 = QStringLiteral("="));
  QString FC2_Pos(const QString& Arg1, int32_t arg2, const QString& Opt1 = QStringLiteral(","),
                  const QString& Opt2 = QStringLiteral("="));
  QString FgetQ(QString Arg1, int16_t arg2 = 1, QString arg3 = QStringLiteral(","));

  // The platform this instance reports to (clock, program folder, error box).
  Host& host() const { return host_; }

 private:
  Host& host_;
  // The market's closed days: 101 two-digit years x 367 days of year, 1 = closed.
  // Cell (0, 0) holds the last year built; 0 means not built yet.
  std::vector<int32_t> closedDays_;
};

}  // namespace rdx508
