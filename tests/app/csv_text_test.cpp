// Encodings and RFC 4180 records of CSV files.

#include <gtest/gtest.h>

#include <QStringEncoder>

#include "app/csv_text.h"

namespace rdx508 {

using namespace Qt::Literals::StringLiterals;
namespace {

QByteArray Encoded(QStringConverter::Encoding encoding, const QString& text) {
  QStringEncoder encoder(encoding);
  return encoder.encode(text);
}

TEST(CsvText, DetectsTheEncodingASpreadsheetWrote) {
  const QString text = u"日付,東証平均\r\n2024/1/5,２６８０\r\n"_s;
  QStringEncoder cp932("CP932");
  const QByteArray sjis = cp932.encode(text);
  const std::pair<QByteArray, QString> cases[] = {
      {"\xEF\xBB\xBF" + text.toUtf8(), u"UTF-8"_s},
      {text.toUtf8(), u"UTF-8"_s},
      {sjis, u"CP932"_s},
      {"\xFF\xFE" + Encoded(QStringConverter::Utf16LE, text), u"UTF-16"_s},
      {"\xFE\xFF" + Encoded(QStringConverter::Utf16BE, text), u"UTF-16"_s},
  };
  for (const auto& [bytes, encoding] : cases) {
    const std::optional<DecodedCsv> decoded = DecodeCsv(bytes);
    ASSERT_TRUE(decoded) << encoding.toStdString();
    EXPECT_EQ(decoded->encoding, encoding);
    EXPECT_EQ(decoded->text, text) << encoding.toStdString();
  }
  EXPECT_FALSE(DecodeCsv(QByteArray("PK\x03\x04\x00\x00", 6)));  // a binary file
  EXPECT_FALSE(DecodeCsv("\xFF\xFE" + Encoded(QStringConverter::Utf16LE, u"a\u0000b"_s)));
}

struct RecordCase {
  QString text;
  QChar delimiter;
  std::vector<std::pair<int32_t, QStringList>> records;  // line and fields
};

TEST(CsvText, SplitsRecordsWithQuotesAndLineNumbers) {
  const RecordCase cases[] = {
      {u"a,b\r\nc,d\r\n"_s, u',', {{1, {u"a"_s, u"b"_s}}, {2, {u"c"_s, u"d"_s}}}},
      {u"a,b\nc"_s, u',', {{1, {u"a"_s, u"b"_s}}, {2, {u"c"_s}}}},
      {u"a\rb\r\r"_s, u',', {{1, {u"a"_s}}, {2, {u"b"_s}}, {3, {u""_s}}}},
      {u"\"1,234\",\"say \"\"hi\"\"\",x,\r\n"_s, u',', {{1, {u"1,234"_s, u"say \"hi\""_s, u"x"_s, u""_s}}}},
      {u"\"two\r\nlines\",z\r\nnext"_s, u',', {{1, {u"two\r\nlines"_s, u"z"_s}}, {3, {u"next"_s}}}},
      {u"a;\"b;c\""_s, u';', {{1, {u"a"_s, u"b;c"_s}}}},
      {u"\"q\"tail,x"_s, u',', {{1, {u"qtail"_s, u"x"_s}}}},
  };
  for (const RecordCase& c : cases) {
    std::vector<std::pair<int32_t, QStringList>> got;
    ForEachCsvRecord(c.text, c.delimiter, [&](const CsvRecord& r) {
      EXPECT_FALSE(r.unclosedQuote);
      got.emplace_back(r.line, r.fields);
      return true;
    });
    EXPECT_EQ(got, c.records) << c.text.toStdString();
  }

  int records = 0;
  ForEachCsvRecord(u"a,\"open\r\nb,c\r\n"_s, u',', [&](const CsvRecord& r) {
    ++records;
    EXPECT_TRUE(r.unclosedQuote);
    return true;
  });
  EXPECT_EQ(records, 1);
}

}  // namespace
}  // namespace rdx508
