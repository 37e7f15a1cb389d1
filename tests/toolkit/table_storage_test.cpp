// Values holding short texts in place, and large tables holding only what was written:
// both must behave exactly like plain texts in a plain map.

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "toolkit/value.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

class ShortAndLongTexts : public ::testing::TestWithParam<QString> {};

TEST_P(ShortAndLongTexts, AreTheSameValueHoweverHeld) {
  const QString text = GetParam();
  const Value held = Value::ofText(text), plain(text);
  EXPECT_TRUE(held.isText());
  EXPECT_EQ(held.toText(), text);
  EXPECT_TRUE(held == plain);
  EXPECT_EQ(held.isNumeric(), plain.isNumeric());
  EXPECT_EQ(held.toNumber(), plain.toNumber());
  // numeric() reads once what isNumeric and toNumber read apart.
  EXPECT_EQ(held.numeric(), plain.isNumeric() ? std::optional(plain.toNumber()) : std::nullopt);
  EXPECT_EQ(held == Value(), text.isEmpty());
  EXPECT_EQ(held == Value(plain.toNumber()), plain.isNumeric());
  EXPECT_FALSE(held == Value::ofText(text + u'x'));
  const Value copy = held;
  EXPECT_TRUE(copy == held);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ShortAndLongTexts,
                         ::testing::Values(u""_s, u"0"_s, u"1,500"_s, u"24/11/29"_s, u"38208.03"_s,
                                           u"12345678901"_s, u"123456789012"_s, u"日経平均の二十五日"_s,
                                           u"RDX508_F4 202411291830"_s, QString(300, u'字')));

TEST(ValueNumeric, IsTheNumberOfANumberAndNothingOfEmpty) {
  EXPECT_EQ(Value(-2.5).numeric(), -2.5);
  EXPECT_EQ(Value().numeric(), std::nullopt);
}

TEST(SparseTable, AgreesWithAMapAndStoresOnlyWhatWasWritten) {
  std::mt19937 random(508);
  // Keys packed into few rows and fields, and spread over the whole declared range.
  for (int32_t spread : {8, 40, 2000000}) {
    Table3 table({2000000000, 40000, 999});
    std::map<std::array<int32_t, 3>, QString> expected;
    std::uniform_int_distribution<int32_t> field(0, spread), row(0, std::min(spread, 40000)),
        section(0, std::min(spread, 999));
    for (int i = 0; i < 30000; ++i) {
      const std::array<int32_t, 3> key{field(random), row(random), section(random)};
      const QString text = QString::number(i);
      table(key[0], key[1], key[2]) = Value::ofText(text);
      expected[key] = text;
    }
    EXPECT_EQ(table.storedEntries(), expected.size()) << spread;
    const Table3& read = table;
    for (const auto& [key, text] : expected)
      ASSERT_EQ(read(key[0], key[1], key[2]).toText(), text) << spread;
    for (int i = 0; i < 1000; ++i) {
      const std::array<int32_t, 3> key{field(random) + spread + 1, row(random), section(random)};
      EXPECT_TRUE(read(key[0], key[1], key[2]).isEmpty());
    }
    EXPECT_EQ(table.storedEntries(), expected.size()) << "reading wrote nothing";
  }
}

TEST(SparseTable, EntriesStayPutCopiesAreIndependentAndFreedStorageComesBackEmpty) {
  Table2 table({100000, 100000});
  Value& first = table(7, 7);
  first = u"first"_s;
  for (int32_t i = 0; i < 20000; ++i)
    table(i, i + 1) = i;
  EXPECT_EQ(first.toText(), u"first"_s);  // a reference survives the table's growth
  first = u"changed"_s;
  EXPECT_EQ(table(7, 7).toText(), u"changed"_s);

  Table2 copy = table;
  copy(7, 7) = u"copy"_s;
  EXPECT_EQ(table(7, 7).toText(), u"changed"_s);
  EXPECT_EQ(copy(19999, 20000).toNumber(), 19999);
  EXPECT_EQ(copy.storedEntries(), table.storedEntries());

  Table2 moved = std::move(copy);
  EXPECT_EQ(moved(7, 7).toText(), u"copy"_s);
  copy.redim({100000, 100000});  // a moved-from table is usable again
  EXPECT_EQ(copy.storedEntries(), 0u);
  copy(1, 1) = 1;
  EXPECT_EQ(copy(1, 1).toNumber(), 1);

  table.redim({100000, 100000});  // frees the old entries; new ones start empty
  moved.redim({100000, 100000});
  Table2 fresh({100000, 100000});
  for (int32_t i = 0; i < 20000; ++i) {
    ASSERT_TRUE(std::as_const(fresh)(i, i + 1).isEmpty());
    ASSERT_TRUE(fresh(i + 1, i).isEmpty());
  }
}

}  // namespace
}  // namespace rdx508
