#include "app/files/color_file.h"

#include "app/files/table_entry.h"

namespace rdx508 {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int32_t kSubjects = 3;
constexpr int32_t kBands = 7;

}  // namespace

void LoadRanges(const Table3& ColorTbl, Table2& range) {
  range.redim({kSubjects - 1, kBands - 1});
  for (int32_t j = 0; j < kSubjects; ++j) {
    for (int32_t k = 0; k < kBands; ++k)
      range(j, k) = EntryOrEmpty(ColorTbl, k + 1, j + 1, 1);
  }
}

QString ColorFileText(const Table2& range, const QDateTime& now) {
  const QString crLf = u"\r\n"_s;
  QString text = u"1,7,RDX508_F5 "_s + now.toString(u"yyyyMMddHHmm"_s) + crLf;
  text += u"/* 色範囲指定データ（上昇率、５日平均、騰落レシオ）"_s + crLf;
  for (int32_t i = 0; i < kSubjects; ++i) {
    text += u"01,"_s + QString::number(i).rightJustified(3, u'0') + u',';
    for (int32_t k = 0; k < kBands; ++k) {
      if (i <= range.upperBound(0) && k <= range.upperBound(1)) text += range(i, k).toText();
      text += u',';
    }
    text += crLf;
  }
  return text;
}

}  // namespace rdx508
