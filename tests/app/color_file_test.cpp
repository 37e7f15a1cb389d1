#include <gtest/gtest.h>

#include "app/files/color_file.h"
#include "tests/app/app_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508 {
namespace {

using testing::AppFolderTest;

class ColorFile : public AppFolderTest {
 protected:
  void Load(const QStringList& lines) {
    WriteLines(u"COLOR.TXT"_s, lines);
    Table3 table;
    ASSERT_GE(clb.T_Read(PathOf(u"COLOR.TXT"_s), table), 1);
    LoadRanges(table, range);
  }
  QStringList Subject(int32_t j) const {
    QStringList values;
    for (int32_t k = 0; k <= 6; ++k)
      values << range(j, k).toText();
    return values;
  }
  Table2 range;
};

TEST(ColorFileText, WritesEverySubjectWithSevenTrailingCommas) {
  Table2 range({2, 6});
  const char16_t* limits[] = {u"20", u"45", u"50", u"55", u"60", u"80", u"100"};
  for (int k = 0; k <= 6; ++k)
    range(0, k) = Value(limits[k]);
  range(1, 0) = Value(2.5);
  range(1, 1) = Value(1000);
  range(1, 2) = Value(-0.25);
  range(2, 6) = Value(0);
  const QString text = ColorFileText(range, QDateTime(QDate(2007, 3, 15), QTime(9, 5)));
  const QString expected =
      u"1,7,RDX508_F5 200703150905\r\n"
      u"/* 色範囲指定データ（上昇率、５日平均、騰落レシオ）\r\n"
      u"01,000,20,45,50,55,60,80,100,\r\n"
      u"01,001,2.5,1000,-0.25,,,,,\r\n"
      u"01,002,,,,,,,0,\r\n"_s;
  EXPECT_EQ(text, expected);
  EXPECT_EQ(testing::ToCp932(text).left(41),
            QByteArray("1,7,RDX508_F5 200703150905\r\n/* \x90\x46\x94\xcd\x88\xcd\x8e\x77\x92\xe8"));
}

TEST_F(ColorFile, WrittenAndReadBackGivesTheSameRanges) {
  Table2 original({2, 6});
  for (int j = 0; j <= 2; ++j) {
    for (int k = 0; k <= 5; ++k)
      original(j, k) = Value(10.5 * (k + 1) + j);
  }
  ASSERT_EQ(clb.L_Write(PathOf(u"COLOR.TXT"_s), ColorFileText(original, host.clock)), 1);
  Table3 table;
  ASSERT_GE(clb.T_Read(PathOf(u"COLOR.TXT"_s), table), 1);
  LoadRanges(table, range);
  for (int j = 0; j <= 2; ++j) {
    for (int k = 0; k <= 6; ++k)
      EXPECT_EQ(range(j, k).toText(), original(j, k).toText()) << j << k;
  }
  EXPECT_TRUE(range(0, 6).isEmpty() || range(0, 6).toText().isEmpty());
}

TEST_F(ColorFile, FewerFieldsOrRowsLeaveTheRestEmpty) {
  Load({u"1,3,RDX508_F5 200703150905"_s, u"01,000,20,45,50,55,60,80,100,"_s});
  EXPECT_EQ(range.upperBound(0), 2);
  EXPECT_EQ(range.upperBound(1), 6);
  EXPECT_EQ(Subject(0), (QStringList{u"20"_s, u"45"_s, u"50"_s, u""_s, u""_s, u""_s, u""_s}));
  EXPECT_EQ(Subject(1), QStringList(7, QString()));
  EXPECT_EQ(Subject(2), QStringList(7, QString()));

  Load({u"1,7,x"_s, u"01,002,1,2"_s, u"01,000,a,b,c,d,e,f,g,h"_s, u"02,001,9,9,9,9,9,9,9"_s});
  EXPECT_EQ(Subject(0), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"g"_s}));
  EXPECT_EQ(Subject(1), (QStringList{u"1"_s, u"2"_s, u""_s, u""_s, u""_s, u""_s, u""_s}));
  EXPECT_EQ(Subject(2), QStringList(7, QString()));
}

TEST(LoadRanges, TableWithoutSectionsGivesAnEmptyRangeTable) {
  Table2 range({0, 0});
  range(0, 0) = Value(5);
  LoadRanges(Table3(), range);
  ASSERT_EQ(range.upperBound(0), 2);
  ASSERT_EQ(range.upperBound(1), 6);
  for (int j = 0; j <= 2; ++j) {
    for (int k = 0; k <= 6; ++k)
      EXPECT_TRUE(range(j, k).isEmpty());
  }
}

}  // namespace
}  // namespace rdx508
