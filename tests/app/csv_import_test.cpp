// Reading spreadsheet CSV files of days: columns by name, every line a day or a reason,
// and whole files refused with one message.

#include <gtest/gtest.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "app/csv/csv_import.h"
#include "app/csv/csv_text.h"

namespace rdx508 {

using namespace Qt::Literals::StringLiterals;
namespace {

TEST(CsvImport, ReadsAnExcelFileWithColumnsInAnyOrder) {
  QStringEncoder cp932("CP932");
  const QByteArray bytes = cp932.encode(
      u"メモ,値上がり "
      u"銘柄数,日　付,ＴＯＰＩＸ,値下がり銘柄数,N225\r\nx,\"1,020\",2024/11/29,\"2,680.71\",560,"
      u"\"38,208.03\"\r\n\r\n,,,,,\r\ny,９００,2024年11月28日,,\" 12 \",\r\n"_s);
  const CsvImport r = ParseCsvImport(bytes, u"a.csv"_s);
  ASSERT_TRUE(r.failure.isEmpty()) << r.failure.toStdString();
  EXPECT_EQ(r.encoding, u"CP932"_s);
  EXPECT_EQ(r.columns,
            (QStringList{u"日付"_s, u"東証平均"_s, u"日経平均"_s, u"上昇数"_s, u"下落数"_s, u"メモ"_s}));
  ASSERT_EQ(r.days.size(), 2u);
  const DayRec& first = r.days[0].day;
  EXPECT_EQ(r.days[0].line, 2);
  EXPECT_EQ(first.Date, u"24/11/29"_s);
  EXPECT_EQ(std::tuple(first.Topix, first.Nikkei, first.Up, first.Down),
            std::tuple(2680.71, 38208.03, 1020, 560));
  EXPECT_EQ(r.days[0].note, u"x"_s);
  const DayRec& second = r.days[1].day;
  EXPECT_EQ(r.days[1].line, 5);
  EXPECT_EQ(second.Date, u"24/11/28"_s);
  EXPECT_EQ(std::tuple(second.Topix, second.Nikkei, second.Up, second.Down), std::tuple(0.0, 0.0, 900, 12));
  EXPECT_EQ(r.days[1].note, u"y"_s);
  EXPECT_EQ(r.rejectedCount, 0);
}

TEST(CsvImport, ReadsEveryEncodingAndQuotingASpreadsheetWrites) {
  const QString text =
      u"備考;日付;上昇数\r\n\"two\r\nlines; \"\"q\"\"\";2024/1/5;\"1,203\"\r\nx;2024/1/6;\"1\"7\n"_s;
  auto encoded = [&text](QStringConverter::Encoding encoding) {
    QStringEncoder encoder(encoding);
    return QByteArray(encoder.encode(text));
  };
  QStringEncoder cp932("CP932");
  const std::pair<QByteArray, QString> cases[] = {
      {"\xEF\xBB\xBF" + text.toUtf8(), u"UTF-8"_s},
      {text.toUtf8(), u"UTF-8"_s},
      {cp932.encode(text), u"CP932"_s},
      {"\xFF\xFE" + encoded(QStringConverter::Utf16LE), u"UTF-16"_s},
      {"\xFE\xFF" + encoded(QStringConverter::Utf16BE), u"UTF-16"_s},
  };
  for (const auto& [bytes, encoding] : cases) {
    const CsvImport r = ParseCsvImport(bytes, u"e.csv"_s);
    EXPECT_EQ(r.encoding, encoding);
    EXPECT_EQ(r.delimiter, u';');
    ASSERT_EQ(r.days.size(), 2u) << encoding.toStdString();
    EXPECT_EQ(std::tuple(r.days[0].line, r.days[0].day.Date, r.days[0].day.Up),
              std::tuple(2, u"24/01/05"_s, 1203));
    EXPECT_EQ(std::tuple(r.days[1].line, r.days[1].day.Up),
              std::tuple(4, 17));  // text after a closing quote is kept
  }
}

TEST(CsvImport, KeepsAtMostASpreadsheetsColumnsOfALine) {
  const CsvImport r = ParseCsvImport("date,up" + QByteArray(4'000'000, ',') + "\n2024/1/5,7\n", u"w.csv"_s);
  ASSERT_EQ(r.days.size(), 1u);
  int32_t fields = 0;
  ForEachCsvRecord(QString(100'000, u';'), u';', [&](const CsvRecord& record) {
    fields = static_cast<int32_t>(record.fields.size());
    return true;
  });
  EXPECT_EQ(fields, kMaxCsvFields);
}

TEST(CsvImport, FindsTheHeaderAndItsDelimiterOrSaysWhatIsMissing) {
  const std::tuple<QString, QChar, QStringList, QString> cases[] = {
      // header line, the delimiter and columns found, or a part of the refusal
      {u"Date\tTOPIX\tNikkei\tAdvancing\tDeclining"_s,
       u'\t',
       {u"日付"_s, u"東証平均"_s, u"日経平均"_s, u"上昇数"_s, u"下落数"_s},
       {}},
      {u"DATE;up;down"_s, u';', {u"日付"_s, u"上昇数"_s, u"下落数"_s}, {}},
      {u"\"日付\",\"日経２２５\""_s, u',', {u"日付"_s, u"日経平均"_s}, {}},
      {u"Datum,TOPIX"_s, {}, {}, u"1行目: 日付の列がありません"_s},
      {u"\r\n\r\nday,topix"_s, {}, {}, u"3行目: 日付の列がありません"_s},
      {u"日付,メモ"_s, u',', {}, u"値の列"_s},
      {u"日付,上昇数,値上がり"_s, u',', {}, u"「上昇数」の列が2つあります（2列目と3列目）"_s},
      {u"\r\n ,\r\n"_s, {}, {}, u"空のファイルです"_s},
  };
  for (const auto& [header, delimiter, columns, failure] : cases) {
    const CsvImport r = ParseCsvImport(header.toUtf8(), u"h.csv"_s);
    EXPECT_EQ(r.delimiter, delimiter) << header.toStdString();
    EXPECT_EQ(r.columns, columns) << header.toStdString();
    EXPECT_EQ(r.failure.isEmpty(), failure.isEmpty()) << r.failure.toStdString();
    EXPECT_TRUE(r.failure.contains(failure)) << r.failure.toStdString();
  }
}

TEST(CsvImport, RejectsEachBadLineWithItsNumberAndReason) {
  const CsvImport r = ParseCsvImport(
      u"日付,東証平均,上昇数,下落数\n2024/1/4,100,1,2\nabc,100,1,2\n2023/2/29,100,1,2\n2024/1/5,1oo,1,2\n"
      u"2024/1/9,100,-3,4294967296\n1925/1/6,100,1,2\n2024/1/4,100,1,2\n2024-01-04,101,1,2\n2024/1/10,100,\"1,2\n"_s
          .toUtf8(),
      u"b.csv"_s);
  ASSERT_TRUE(r.failure.isEmpty());
  EXPECT_EQ(r.days.size(), 1u);
  EXPECT_EQ(r.repeated, 1);  // line 8 repeats line 2 exactly
  const std::vector<std::pair<int32_t, QString>> expected = {
      {3, u"日付として読めません「abc」"_s},
      {4, u"ありえない日付です「2023/2/29」"_s},
      {5, u"東証平均: 数値として読めません「1oo」"_s},
      {6, u"下落数: 32ビットの範囲を超える数です「4294967296」"_s},  // a negative count reads
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
  auto write = [&](const QString& name, const QByteArray& bytes, qint64 size = -1) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    EXPECT_TRUE(size < 0 || f.resize(size));  // sparse: costs no disk
    return f.fileName();
  };
  const std::pair<QString, QString> cases[] = {
      {dir.filePath(u"missing.csv"_s), u"ファイルがありません"_s},
      {dir.path(), u"フォルダー"_s},
      {write(u"empty.csv"_s, {}), u"空のファイルです"_s},
      {write(u"bom.csv"_s, "\xEF\xBB\xBF"), u"空のファイルです"_s},
      {write(u"zip.csv"_s, QByteArray("PK\x03\x04\x14\x00\x00\x00", 8)), u"バイナリ"_s},
      {write(u"huge.csv"_s, "日付,東証平均\n", 100 << 20), u"大きすぎます（16 MB まで）"_s},
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
