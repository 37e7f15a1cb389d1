#include <gtest/gtest.h>

#include "toolkit_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

List MakeList(std::initializer_list<Value> values) {
  List list({static_cast<int32_t>(values.size()) - 1});
  int32_t i = 0;
  for (const Value& v : values)
    list(i++) = v;
  return list;
}

QStringList Texts(const List& list) {
  QStringList texts;
  for (int32_t i = 0; i <= list.upperBound(0); ++i)
    texts << list(i).toText();
  return texts;
}

struct SortCase {
  QString option;
  std::vector<Value> keys;
  int32_t result;
  QStringList expected;
};

class SortTest : public ToolkitTest, public ::testing::WithParamInterface<SortCase> {};

TEST_P(SortTest, CountsPositions) {
  const SortCase& c = GetParam();
  List keys({static_cast<int32_t>(c.keys.size()) - 1});
  for (size_t i = 0; i < c.keys.size(); ++i)
    keys(static_cast<int32_t>(i)) = c.keys[i];
  const List data = MakeList({u"p"_s, u"q"_s, u"r"_s});
  List out = MakeList({u"-"_s, u"-"_s, u"-"_s});
  EXPECT_EQ(clb.TblSort(c.option, keys, data, out), c.result);
  EXPECT_EQ(Texts(out), c.expected);
  EXPECT_TRUE(host.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Options, SortTest,
    ::testing::Values(
        SortCase{u"DsN3"_s, {u"b"_s, u"a"_s, u"c"_s}, 3, {u"2"_s, u"0"_s, u"1"_s}},
        SortCase{u"AsN3"_s, {u"b"_s, u"a"_s, u"c"_s}, 3, {u"1"_s, u"0"_s, u"2"_s}},
        SortCase{u"DsN3"_s, {u"x"_s, u"x"_s, u"y"_s}, 3, {u"2"_s, u"0"_s, u"1"_s}},
        SortCase{u"AsN3"_s, {u"x"_s, u"x"_s, u"y"_s}, 3, {u"0"_s, u"1"_s, u"2"_s}},
        SortCase{u"DsY3"_s, {u"b"_s, u"a"_s, u"c"_s}, 3, {u"r"_s, u"p"_s, u"q"_s}},
        SortCase{u"dsN3"_s, {u"b"_s, u"a"_s, u"c"_s}, 3, {u"1"_s, u"0"_s, u"2"_s}},     // case-sensitive
        SortCase{u"AsN3"_s, {u"B"_s, u"a"_s, u"C"_s}, 3, {u"0"_s, u"2"_s, u"1"_s}},     // binary order
        SortCase{u"AsN3"_s, {10, 9, 100}, 3, {u"1"_s, u"0"_s, u"2"_s}},                 // numbers by value
        SortCase{u"AsN3"_s, {u"10"_s, u"9"_s, u"100"_s}, 3, {u"0"_s, u"2"_s, u"1"_s}},  // texts binary
        SortCase{u"DsN3"_s, {u"07/03/15"_s, u"07/03/16"_s, u"06/12/28"_s}, 3, {u"1"_s, u"0"_s, u"2"_s}},
        SortCase{u"AsN 2.6"_s, {u"b"_s, u"a"_s, u"c"_s}, 3, {u"1"_s, u"0"_s, u"2"_s}},  // rounded count
        SortCase{u"DsN"_s, {u"b"_s, u"a"_s, u"c"_s}, 0, {u"-"_s, u"-"_s, u"-"_s}},
        SortCase{u"DsNx"_s, {u"b"_s, u"a"_s, u"c"_s}, 0, {u"-"_s, u"-"_s, u"-"_s}},
        SortCase{u"DsN0"_s, {u"b"_s, u"a"_s, u"c"_s}, 0, {u"-"_s, u"-"_s, u"-"_s}},
        SortCase{u"DsN1"_s, {u"b"_s, u"a"_s, u"c"_s}, 0, {u"p"_s, u"-"_s, u"-"_s}},
        SortCase{u"DsN2"_s, {u"a"_s, u"b"_s, u"c"_s}, 2, {u"1"_s, u"0"_s, u"-"_s}}));

TEST_F(ToolkitTest, SortShorterListThanCountShowsBoxAndReturnsCount) {
  const List keys = MakeList({u"b"_s, u"a"_s});
  List out = MakeList({u"-"_s, u"-"_s, u"-"_s});
  EXPECT_EQ(clb.TblSort(u"DsN3"_s, keys, keys, out), 3);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0].title, u"CLB_C1(関数 TblSort)"_s);
  EXPECT_TRUE(host.errors[0].text.startsWith(u"Error(9)"_s));
  EXPECT_EQ(Texts(out), (QStringList{u"-"_s, u"-"_s, u"-"_s}));
}

TEST_F(ToolkitTest, SortOf998DescendingDatesIsAPermutation) {
  const int32_t n = 998;
  List keys({n - 1}), out({n - 1});
  for (int32_t i = 0; i < n; ++i)
    keys(i) = QString::number(100000 + (i * 389) % n);  // distinct, shuffled
  ASSERT_EQ(clb.TblSort(u"DsN998"_s, keys, keys, out), n);
  for (int32_t i = 0; i + 1 < n; ++i)
    ASSERT_GT(keys(static_cast<int32_t>(out(i).toNumber())).toNumber(),
              keys(static_cast<int32_t>(out(i + 1).toNumber())).toNumber());
}

}  // namespace
}  // namespace rdx508::testing
