#include <gtest/gtest.h>

#include "toolkit_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

struct PosCase {
  QString line;
  int32_t field;
  QString separator, mode, expected;
};

class FieldPosTest : public ToolkitTest, public ::testing::WithParamInterface<PosCase> {};

TEST_P(FieldPosTest, ExtractsField) {
  const PosCase& c = GetParam();
  EXPECT_EQ(clb.FC2_Pos(c.line, c.field, c.separator, c.mode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    KeyedAndBracket, FieldPosTest,
    ::testing::Values(
        PosCase{u"KEY=a,b"_s, 0, u","_s, u"="_s, u"KEY"_s}, PosCase{u"KEY=a,b"_s, 2, u","_s, u"="_s, u"b"_s},
        PosCase{u"KEY=a,b"_s, 3, u","_s, u"="_s, u""_s}, PosCase{u"KEY=a,b"_s, -1, u","_s, u"="_s, u""_s},
        PosCase{u"abc"_s, 0, u","_s, u"="_s, u""_s}, PosCase{u"abc"_s, 1, u","_s, u"="_s, u"abc"_s},
        PosCase{u"KEY = a , b"_s, 1, u","_s, u"="_s, u"a"_s},
        PosCase{u"K=x=y,z"_s, 1, u","_s, u"="_s, u"x=y"_s},  // only the first "=" splits
        PosCase{u"a,b"_s, 2, u",,"_s, u"="_s, u""_s},        // long separator never matches
        PosCase{u"[A][B]x"_s, 2, u"["_s, u"B"_s, u"B"_s}, PosCase{u"[A][B]x"_s, 0, u"["_s, u"B"_s, u""_s},
        PosCase{u"a,b,c"_s, 1, u","_s, u"x"_s, u"b"_s}));

TEST_F(ToolkitTest, CountAndFindPos) {
  EXPECT_EQ(clb.FC2_Cnt(u"a,b,c"_s), 3);
  EXPECT_EQ(clb.FC2_Cnt(u""_s), 1);
  EXPECT_EQ(clb.FC2_Cnt(u"07/03/05"_s, u"/"_s), 3);
  EXPECT_EQ(clb.FC2_FindPos(u"K=x,y,x"_s, u"x"_s), 3);  // the last match
  EXPECT_EQ(clb.FC2_FindPos(u"K=x, y ,x"_s, u"y"_s), 2);
  EXPECT_EQ(clb.FC2_FindPos(u"K=x,y,x"_s, u"z"_s), 0);
  EXPECT_EQ(clb.FC2_FindPos(u"K=x,y,x"_s, u"K"_s), 0);  // the key is never compared

  QString line = u"K="_s;  // a long member list costs one scan, not one per field
  for (int i = 0; i < 200000; ++i)
    line += u"m"_s + QString::number(i) + u',';
  EXPECT_EQ(clb.FC2_FindPos(line + u"wanted"_s, u"wanted"_s), 200001);
}

TEST_F(ToolkitTest, PieceBySeparator) {
  const QString text = u"a//b"_s;
  const QString expected[] = {u""_s, u"a"_s, u""_s, u"b"_s, u""_s};
  for (int16_t piece = 0; piece <= 4; ++piece)
    EXPECT_EQ(clb.FgetQ(text, piece, u"/"_s), expected[piece]) << piece;
  EXPECT_EQ(clb.FgetQ(u" x , y"_s, 2), u" y"_s);  // not trimmed
  EXPECT_TRUE(host.errors.empty());

  EXPECT_EQ(clb.FgetQ(QString(32767, u'a')).size(), 32767);
  EXPECT_EQ(clb.FgetQ(QString(32768, u'a')), u""_s);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0].title, u"CLB_C1FgetQ"_s);
  EXPECT_TRUE(host.errors[0].text.startsWith(u"Error(6)"_s));
}

TEST_F(ToolkitTest, ReplaceLimitedCountsDownCallersVariable) {
  int32_t count = 0;
  EXPECT_EQ(clb.FQcut(u"a-b-c"_s, u"-"_s, u""_s, count), u"abc"_s);
  EXPECT_EQ(count, 3);
  count = 1;
  EXPECT_EQ(clb.FQcut(u"a-b-c"_s, u"-"_s, u""_s, count), u"ab-c"_s);
  EXPECT_EQ(count, 0);
  count = 1;
  EXPECT_EQ(clb.FQcut(u"07/03/05"_s, u"/"_s, u"年"_s, count), u"07年03/05"_s);
  EXPECT_EQ(clb.FQcut(u"1,234,567"_s), u"1234567"_s);
}

TEST_F(ToolkitTest, KeyLookupInKeyedTable) {
  host.folder = u"/prog"_s;
  Table3 tbl({3, 3, 2});
  tbl(1, 1, 1) = u"DAYS"_s;
  tbl(2, 1, 1) = u"/data/days.txt"_s;
  tbl(3, 1, 1) = u"\\DAYS.TXT"_s;
  tbl(1, 2, 1) = u"COLOR"_s;
  tbl(3, 2, 1) = u"\\COLOR.TXT"_s;
  tbl(1, 1, 2) = u"OTHER"_s;
  tbl(2, 1, 2) = u"x"_s;

  QString key = u"DAYS"_s;
  EXPECT_EQ(clb.Ftbl_F1(tbl, key, 0, 2, 3), u"/data/days.txt"_s);
  EXPECT_EQ(key, u"2"_s);
  key = u"COLOR"_s;
  EXPECT_EQ(clb.Ftbl_F1(tbl, key, 0, 2, 3), u"/prog\\COLOR.TXT"_s);  // folder + fallback field
  EXPECT_EQ(key, u"3"_s);
  key = u"OTHER"_s;
  EXPECT_EQ(clb.Ftbl_F1(tbl, key, 1, 2), u""_s);  // only section 1 searched
  EXPECT_EQ(key, u"1"_s);
  key = u"OTHER"_s;
  EXPECT_EQ(clb.Ftbl_F1(tbl, key, 7, 2), u"x"_s);  // out of bounds: every section

  tbl(1, 1, 2) = u"DAYS"_s;  // a later section adds its first row when that matches too
  key = u"DAYS"_s;
  EXPECT_EQ(clb.Ftbl_F1(tbl, key), u"DAYS,/data/days.txt,\\DAYS.TXT,DAYS,x,,"_s);
}

}  // namespace
}  // namespace rdx508::testing
