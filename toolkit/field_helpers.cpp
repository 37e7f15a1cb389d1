// Field scanning helpers: FC2_Pos, FC2_Cnt, FC2_FindPos, FgetQ, FQcut, Ftbl_F1.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "toolkit/clb_c1.h"
#include "toolkit/clb_error.h"
#include "toolkit/clb_report.h"
#include "toolkit/field_split.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {

QString CLB_C1::FC2_Pos(const QString& Arg1, int32_t arg2, const QString& Opt1, const QString& Opt2) {
  return FieldAt(Arg1, arg2, Opt1, Opt2);
}

int32_t CLB_C1::FC2_Cnt(const QString& Arg1, const QString& Opt1, const QString&) {
  if (Opt1.size() != 1) return 1;
  return static_cast<int32_t>(std::min<qsizetype>(1 + Arg1.count(Opt1[0]), INT32_MAX));
}

int32_t CLB_C1::FC2_FindPos(const QString& Arg1, const QString& arg2, const QString& Opt1,
                            const QString& Opt2) {
  const int32_t count = FC2_Cnt(Arg1, u","_s);
  // All fields in one pass, so a long line costs one scan rather than one per field.
  const std::vector<QString> fields = AllFields(Arg1, Opt1, Opt2);
  int32_t found = 0;
  for (int32_t i = 1; i <= count; ++i) {
    const QString field = static_cast<size_t>(i) < fields.size() ? fields[static_cast<size_t>(i)] : QString();
    if (field == arg2) found = i;
  }
  return found;
}

QString CLB_C1::FgetQ(QString Arg1, int16_t arg2, QString arg3) {
  return RunReported(host_, kFgetQReport, [&] {
    if (Arg1.size() > INT16_MAX) ThrowOverflow();
    QString piece;
    if (arg2 < 1) return piece;
    const bool canSplit = arg3.size() == 1;
    int32_t counter = 1;
    for (QChar c : Arg1) {
      if (canSplit && c == arg3[0]) {
        ++counter;
      } else if (counter == arg2) {
        piece += c;
      } else if (counter > arg2) {
        break;
      }
    }
    return piece;
  });
}

QString CLB_C1::FQcut(const QString& Arg1, const QString& Opt1, const QString& Opt2, int32_t& Opt3) {
  if (Opt3 == 0) Opt3 = static_cast<int32_t>(std::min<qsizetype>(Arg1.size(), INT32_MAX));
  if (Opt1.size() != 1) return Arg1;
  const QChar target = Opt1[0];
  QString result;
  result.reserve(Arg1.size());
  for (QChar c : Arg1) {
    if (c == target && Opt3 >= 1) {
      result += Opt2;
      --Opt3;
    } else {
      result += c;
    }
  }
  return result;
}

QString CLB_C1::FQcut(const QString& Arg1, const QString& Opt1, const QString& Opt2) {
  int32_t count = 0;
  return FQcut(Arg1, Opt1, Opt2, count);
}

QString CLB_C1::Ftbl_F1(const Table3& Tbl, QString& F1_NAME, int32_t TBL_No, int32_t Opt1, int32_t Opt2) {
  // A declared field count far beyond any real row would make the collected line huge;
  // fields past this many are left out of it.
  constexpr int32_t kMaxCollectedFields = 1'000'000;
  const int32_t lastField = std::min(Tbl.upperBound(0), kMaxCollectedFields);
  const int32_t lastRow = Tbl.upperBound(1);
  const int32_t lastSection = Tbl.upperBound(2);
  int32_t firstSection = 1, endSection = lastSection;
  if (TBL_No != 0 && TBL_No >= 0 && TBL_No <= lastSection) firstSection = endSection = TBL_No;

  const Value key(F1_NAME);
  QString line;
  int32_t matchedRow = 0;
  bool matched = false;
  for (int32_t s = firstSection; s <= endSection; ++s) {
    for (int32_t r = 1; r <= lastRow; ++r) {
      if (Tbl(1, r, s) == key) {
        matched = true;
        matchedRow = r;
        for (int32_t f = 1; f <= lastField; ++f)
          line += Tbl(f, r, s).toText() + u',';
        break;
      }
      if (matched) break;  // a later section only adds a match in its first row
    }
  }

  QString result;
  if (!line.isEmpty()) {
    if (Opt1 == 0) {
      result = line;
    } else {
      result = FC2_Pos(line, Opt1, u","_s, u"="_s);
      if (Opt2 != 0 && result.isEmpty()) result = host_.programFolder() + FC2_Pos(line, Opt2, u","_s, u"="_s);
    }
  }
  F1_NAME = QString::number(static_cast<int64_t>(matchedRow) + 1);
  return result;
}

}  // namespace rdx508
