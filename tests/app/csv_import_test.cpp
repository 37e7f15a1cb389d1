// Reading spreadsheet CSV files of days: columns by name, every line a day or a reason,
// and whole files refused with one message.

#include <gtest/gtest.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "app/csv_import.h"

namespace rdx508 {

using namespace Qt::Literals::StringLiterals;
namespace {

QByteArray Cp932(const QString& text) {
  QStringEncoder encoder("CP932");
  return encoder.encode(text);
}

TEST(CsvImport, ReadsAnExcelFileWithColumnsInAnyOrder) {
  const CsvImport r = ParseCsvImport(Cp932(u"メモ,値上がり 銘柄数,日　付,ＴＯＰＩＸ,値下がり銘柄数,N225\r\n"
                                           u"x,\"1,020\",2024/11/29,\"2,680.71\",560,\"38,208.03\"\r\n"
                                           u"\r\n"
                                           u",,,,,\r\n"
                                           u"y,９００,2024年11月28日,,\" 12 \",\r\n"_s),
                                     u"a.csv"_s);
  ASSERT_TRUE(r.failure.isEmpty()) << r.failure.toStdString();
  EXPECT_EQ(r.encoding, u"CP932"_s);
  EXPECT_EQ(r.columns, (QStringList{u"日付"_s, u"東証平均"_s, u"日経平均"_s, u"上昇数"_s, u"下落数"_s}));
  ASSERT_EQ(r.days.size(), 2u);
  EXPECT_EQ(r.days[0].line, 2);
  EXPECT_EQ(r.days[0].day.Date, u"24/11/29"_s);
  EXPECT_DOUBLE_EQ(r.days[0].day.Topix, 2680.71);
  EXPECT_DOUBLE_EQ(r.days[0].day.Nikkei, 38208.03);
  EXPECT_EQ(r.days[0].day.Up, 1020);
  EXPECT_EQ(r.days[0].day.Down, 560);
  EXPECT_EQ(r.days[1].line, 5);
  EXPECT_EQ(r.days[1].day.Date, u"24/11/28"_s);
  EXPECT_EQ(r.days[1].day.Topix, 0);  // empty value
  EXPECT_EQ(r.days[1].day.Up, 900);
  EXPECT_EQ(r.days[1].day.Down, 12);
  EXPECT_EQ(r.rejectedCount, 0);
}

struct HeaderCase {
  QString header;
  QChar delimiter;      // expected when read
  QStringList columns;  // expected when read
  QString failure;      // a part of the message when refused
};

TEST(CsvImport, FindsTheHeaderAndItsDelimiterOrSaysWhatIsMissing) {
  const HeaderCase cases[] = {
      {u"Date\tTOPIX\tNikkei\tAdvancing\tDeclining"_s,
       u'\t',
       {u"日付"_s, u"東証平均"_s, u"日経平均"_s, u"上昇数"_s, u"下落数"_s},
       {}},
      {u"DATE;up;down"_s, u';', {u"日付"_s, u"上昇数"_s, u"下落数"_s}, {}},
      {u"\"日付\",\"日経２２５\""_s, u',', {u"日付"_s, u"日経平均"_s}, {}},
      {u"Datum,TOPIX"_s, {}, {}, u"1行目: 日付の列がありません"_s},
      {u"\r\n\r\nday,topix"_s, {}, {}, u"3行目: 日付の列がありません"_s},
      {u"日付,メモ"_s, {}, {}, u"値の列"_s},
      {u"日付,上昇数,値上がり"_s, {}, {}, u"「上昇数」の列が2つあります（2列目と3列目）"_s},
      {u"\r\n ,\r\n"_s, {}, {}, u"空のファイルです"_s},
  };
  for (const HeaderCase& c : cases) {
    const CsvImport r = ParseCsvImport(c.header.toUtf8(), u"h.csv"_s);
    if (c.failure.isEmpty()) {
      EXPECT_TRUE(r.failure.isEmpty()) << r.failure.toStdString();
      EXPECT_EQ(r.delimiter, c.delimiter) << c.header.toStdString();
      EXPECT_EQ(r.columns, c.columns) << c.header.toStdString();
    } else {
      EXPECT_TRUE(r.failure.startsWith(u"h.csv: "_s)) << r.failure.toStdString();
      EXPECT_TRUE(r.failure.contains(c.failure)) << r.failure.toStdString();
    }
  }
}

TEST(CsvImport, RejectsEachBadLineWithItsNumberAndReason) {
  const CsvImport r = ParseCsvImport(
      u"日付,東証平均,上昇数,下落数\n"
      u"2024/1/4,100,1,2\n"
      u"abc,100,1,2\n"
      u"2023/2/29,100,1,2\n"
      u"2024/1/5,1oo,1,2\n"
      u"2024/1/9,100,-3,4294967296\n"
      u"1925/1/6,100,1,2\n"
      u"2024/1/4,100,1,2\n"
      u"2024-01-04,101,1,2\n"
      u"2024/1/10,100,\"1,2\n"_s.toUtf8(),
      u"b.csv"_s);
  ASSERT_TRUE(r.failure.isEmpty());
  ASSERT_EQ(r.days.size(), 1u);
  EXPECT_EQ(r.repeated, 1);  // line 8 repeats line 2 exactly
  const std::vector<std::pair<int32_t, QString>> expected = {
      {3, u"日付として読めません「abc」"_s},
      {4, u"ありえない日付です「2023/2/29」"_s},
      {5, u"東証平均: 数値として読めません「1oo」"_s},
      {6, u"上昇数: 負の数です「-3」、下落数: 32ビットの範囲を超える数です「4294967296」"_s},
      {7, u"年から"_s},
      {9, u"同じ日付の行が2行目にあり、値が違います"_s},
      {10, u"引用符"_s},
  };
  ASSERT_EQ(r.rejected.size(), expected.size());
  EXPECT_EQ(r.rejectedCount, 7);
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(r.rejected[i].line, expected[i].first);
    EXPECT_TRUE(r.rejected[i].why.contains(expected[i].second)) << r.rejected[i].why.toStdString();
  }
  EXPECT_EQ(r.Message(r.rejected[0].why, r.rejected[0].line), u"b.csv: 3行目: 日付として読めません「abc」"_s);
}

TEST(CsvImport, RefusesFilesThatAreNoCsvOfDays) {
  QTemporaryDir dir;
  auto write = [&](const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
  };
  const QString huge = dir.filePath(u"huge.csv"_s);
  {
    QFile f(huge);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("日付,東証平均\n");
    ASSERT_TRUE(f.resize(100 * 1024 * 1024));  // sparse: costs no disk
  }
  const std::pair<QString, QString> cases[] = {
      {dir.filePath(u"missing.csv"_s), u"ファイルがありません"_s},
      {dir.path(), u"フォルダー"_s},
      {write(u"empty.csv"_s, {}), u"空のファイルです"_s},
      {write(u"bom.csv"_s, "\xEF\xBB\xBF"), u"空のファイルです"_s},
      {write(u"zip.csv"_s, QByteArray("PK\x03\x04\x14\x00\x00\x00", 8)), u"バイナリ"_s},
      {huge, u"大きすぎます（16 MB まで）"_s},
  };
  for (const auto& [path, why] : cases) {
    const CsvImport r = ReadCsvImport(path);
    EXPECT_TRUE(r.failure.startsWith(path + u": "_s)) << r.failure.toStdString();
    EXPECT_TRUE(r.failure.contains(why)) << r.failure.toStdString();
    EXPECT_TRUE(r.days.empty());
  }
}

}  // namespace
}  // namespace rdx508
