// Dates and numbers as spreadsheets write them, and what each bad field is told.

#include <gtest/gtest.h>

#include "app/csv/csv_fields.h"

namespace rdx508 {

using namespace Qt::Literals::StringLiterals;
namespace {

TEST(CsvFields, DatesInEveryAcceptedFormAndTheirRefusals) {
  const std::tuple<QString, QString, QString> cases[] = {
      // field, short date or "", part of the reason
      {u"2024/1/5"_s, u"24/01/05"_s, {}},
      {u"2024-01-05"_s, u"24/01/05"_s, {}},
      {u"24/01/05"_s, u"24/01/05"_s, {}},
      {u"99/12/30"_s, u"99/12/30"_s, {}},
      {u"2024年1月5日"_s, u"24/01/05"_s, {}},
      {u"20240105"_s, u"24/01/05"_s, {}},
      {u"２０２４／０１／０５"_s, u"24/01/05"_s, {}},  // full width
      {u" 2024/02/29 "_s, u"24/02/29"_s, {}},
      {u""_s, {}, u"日付がありません"_s},
      {u"abc"_s, {}, u"読めません「abc」"_s},
      {u"24-01-05"_s, {}, u"読めません"_s},
      {u"2023/02/29"_s, {}, u"ありえない日付です「2023/02/29」"_s},
      {u"2024年2月30日"_s, {}, u"ありえない日付です"_s},
  };
  for (const auto& [field, shortText, why] : cases) {
    const FieldValue<QDate> date = CsvDate(field);
    EXPECT_EQ(date.value ? ShortDateText(*date.value).value_or(QString()) : QString(), shortText)
        << field.toStdString();
    EXPECT_TRUE(date.why.contains(why)) << date.why.toStdString();
  }
}

TEST(CsvFields, ShortTextsOnlyForYearsTheTwoDigitRuleReadsBack) {
  const int32_t first = FirstShortYear(), last = LastShortYear();
  EXPECT_EQ(last - first, 99);
  EXPECT_TRUE(ShortDateText(QDate(first, 1, 1)));
  EXPECT_TRUE(ShortDateText(QDate(last, 12, 31)));
  EXPECT_FALSE(ShortDateText(QDate(first - 1, 12, 31)));
  EXPECT_FALSE(ShortDateText(QDate(last + 1, 1, 1)));
  EXPECT_EQ(LongDateText(*ShortDateText(QDate(last, 3, 4))), QDate(last, 3, 4).toString(u"yyyy/MM/dd"_s));
  EXPECT_EQ(LongDateText(u"not a date"_s), u"not a date"_s);
}

TEST(CsvFields, NumbersWithGroupingFullWidthAndBlanks) {
  // field, index value, count, part of the count's reason
  const std::tuple<QString, std::optional<double>, std::optional<int32_t>, QString> cases[] = {
      {u""_s, 0.0, 0, {}},
      {u"1,234"_s, 1234.0, 1234, {}},
      {u"１，２３４．５"_s, 1234.5, 1234, {}},  // full width; half to even
      {u"\u3000 2,680.71 "_s, 2680.71, 2681, {}},
      {u"13.5"_s, 13.5, 14, {}},
      {u"－12"_s, -12.0, -12, {}},  // a negative count as the day file can hold it
      {u"\u221212"_s, -12.0, -12, {}},
      {u"-0.4"_s, -0.4, 0, {}},
      {u"2147483647"_s, 2147483647.0, 2147483647, {}},
      {u"2147483648"_s, 2147483648.0, std::nullopt, u"32ビット"_s},
      {u"abc"_s, std::nullopt, std::nullopt, u"数値として読めません「abc」"_s},
  };
  for (const auto& [field, index, count, why] : cases) {
    EXPECT_EQ(CsvIndex(field).value, index) << field.toStdString();
    EXPECT_EQ(CsvCount(field).value, count) << field.toStdString();
    EXPECT_TRUE(CsvCount(field).why.contains(why)) << field.toStdString();
  }
}

}  // namespace
}  // namespace rdx508
