#include <gtest/gtest.h>
#include <QFile>

#include "toolkit_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

QStringList Texts(const List& list) {
  QStringList texts;
  for (int32_t i = 0; i <= list.upperBound(0); ++i)
    texts << (list(i).isEmpty() ? u"<empty>"_s : list(i).toText());
  return texts;
}

TEST_F(ToolkitTest, LineReadKeepsLinesFromIndexOne) {
  List lines;
  ASSERT_EQ(clb.L_Read(writeText(u"a.txt"_s, u"x\r\ny\r\n\r\nz"_s), lines), 4);
  EXPECT_EQ(Texts(lines), (QStringList{u"<empty>"_s, u"x"_s, u"y"_s, u""_s, u"z"_s}));

  ASSERT_EQ(clb.L_Read(writeText(u"e.txt"_s, u""_s), lines), 0);
  EXPECT_EQ(lines.upperBound(0), 0);
}

TEST_F(ToolkitTest, LineAndTableReadOfMissingFileOrFolderLeaveVariable) {
  List lines({1});
  lines(1) = u"kept"_s;
  EXPECT_EQ(clb.L_Read(path(u"missing.txt"_s), lines), 0);
  EXPECT_EQ(clb.L_Read(dir.path(), lines), 0);
  EXPECT_EQ(lines(1).toText(), u"kept"_s);
  Table2 tbl({1, 1});
  tbl(1, 1) = u"kept"_s;
  EXPECT_EQ(clb.Tbl_Read(path(u"missing.txt"_s), tbl), -1);
  EXPECT_EQ(tbl(1, 1).toText(), u"kept"_s);
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(ToolkitTest, TableReadCutsCommaTerminatedFields) {
  Table2 tbl;
  int32_t fields = 0;
  ASSERT_EQ(clb.Tbl_Read(writeText(u"t.txt"_s, u"a,b,\r\na,b,c\r\nx,,z,\r\n"_s), tbl, fields), 3);
  EXPECT_EQ(fields, 3);
  EXPECT_EQ(tbl.upperBound(0), 3);
  EXPECT_EQ(tbl.upperBound(1), 3);
  EXPECT_EQ(tbl(1, 1).toText(), u"a"_s);
  EXPECT_EQ(tbl(1, 2).toText(), u"b"_s);
  EXPECT_EQ(tbl(1, 3).toText(), u""_s);
  EXPECT_TRUE(tbl(2, 3).isEmpty());  // no comma after c
  EXPECT_EQ(tbl(3, 2).toText(), u""_s);
  EXPECT_EQ(tbl(3, 3).toText(), u"z"_s);  // an empty field moves on to the next one

  fields = 1;
  ASSERT_EQ(clb.Tbl_Read(path(u"t.txt"_s), tbl, fields), 3);
  EXPECT_EQ(tbl.upperBound(1), 1);

  ASSERT_EQ(clb.Tbl_Read(writeText(u"e.txt"_s, u""_s), tbl), 0);
  EXPECT_EQ(tbl.upperBound(1), 1);
}

struct ByteCase {
  const char* name;
  QByteArray bytes;
  int32_t result;
  QStringList lines;
};

class ByteReadTest : public ToolkitTest, public ::testing::WithParamInterface<ByteCase> {};

TEST_P(ByteReadTest, DecodesLines) {
  const ByteCase& c = GetParam();
  List lines({0});
  lines(0) = u"untouched"_s;
  EXPECT_EQ(clb.F_Read(writeRaw(u"f.bin"_s, c.bytes), lines), c.result);
  EXPECT_EQ(Texts(lines), c.lines);
  EXPECT_TRUE(host.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, ByteReadTest,
    ::testing::Values(
        ByteCase{"Plain", "AB\r\nCD\r\n", 2, {u"<empty>"_s, u"AB"_s, u"CD"_s}},
        ByteCase{"BlankLinesDropped", "AB\r\n\r\n\n\rCD\r\n", 2, {u"<empty>"_s, u"AB"_s, u"CD"_s}},
        ByteCase{"LastLineWithoutBreak", "AB\r\nCD", 2, {u"<empty>"_s, u"AB"_s, u"CD"_s}},
        ByteCase{"LeadingBreaks", "\r\n\r\nAB\r\n", 1, {u"<empty>"_s, u"AB"_s}},
        ByteCase{"Empty", "", 0, {u"untouched"_s}},
        ByteCase{"DoubleByte",
                 "\x93\xfa\x8c\x6f\x95\xbd\x8b\xcf\r\n\xb1\xb2",
                 2,
                 {u"<empty>"_s, u"日経平均"_s, u"ｱｲ"_s}},
        ByteCase{"ZeroByteEndsLine", QByteArray("AB\0CD\r\n", 7), 1, {u"<empty>"_s, u"AB"_s}},
        ByteCase{"Exactly1000Bytes", QByteArray(1000, 'x'), 1, {u"<empty>"_s, QString(1000, u'x')}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(ToolkitTest, ByteReadSurvivesTruncatedDoubleByteAndGarbage) {
  List lines;
  ASSERT_EQ(clb.F_Read(writeRaw(u"t.bin"_s, "AB\x93"), lines), 1);
  EXPECT_TRUE(lines(1).toText().startsWith(u"AB"_s));
  EXPECT_EQ(lines(1).toText().size(), 3);

  QByteArray garbage;
  for (int i = 0; i < 20000; ++i)
    garbage.append(static_cast<char>(((i * 7919) % 251) | 0x20));  // no line breaks
  for (int i = 0; i < garbage.size(); i += 500)
    garbage[i] = '\n';
  EXPECT_GT(clb.F_Read(writeRaw(u"g.bin"_s, garbage), lines), 0);
  EXPECT_TRUE(host.errors.empty());
}

struct ByteFailure {
  const char* name;
  QByteArray bytes;
};

class ByteReadFailureTest : public ToolkitTest, public ::testing::WithParamInterface<ByteFailure> {};

TEST_P(ByteReadFailureTest, ShowsBoxAndLeavesVariable) {
  List lines({0});
  lines(0) = u"untouched"_s;
  EXPECT_EQ(clb.F_Read(writeRaw(u"f.bin"_s, GetParam().bytes), lines), -1);
  EXPECT_EQ(lines(0).toText(), u"untouched"_s);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0].title, u"CLB_C1(関数 F_Read)"_s);
  EXPECT_TRUE(host.errors[0].text.startsWith(u"Error(9)"_s));
}

QByteArray ManyLines(int count) {
  QByteArray bytes;
  for (int i = 0; i < count; ++i)
    bytes += "x\r\n";
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(Limits, ByteReadFailureTest,
                         ::testing::Values(ByteFailure{"LineOf1001Bytes", QByteArray(1001, 'x')},
                                           ByteFailure{"LineOf1MB", QByteArray(1 << 20, 'x')},
                                           ByteFailure{"LeadByteAt1000", QByteArray(999, 'x') + "\x93\xfa"},
                                           ByteFailure{"Over10000Lines", ManyLines(10001)}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(ToolkitTest, ByteReadOfMissingFileOrFolderShowsBox) {
  List lines;
  EXPECT_EQ(clb.F_Read(path(u"missing.txt"_s), lines), -1);
  EXPECT_FALSE(QFile::exists(path(u"missing.txt"_s)));
  EXPECT_EQ(clb.F_Read(dir.path(), lines), -1);
  ASSERT_EQ(host.errors.size(), 2u);
  EXPECT_EQ(host.errors[0].text.left(9), u"Error(2)N"_s);
  EXPECT_EQ(host.errors[1].title, u"CLB_C1(関数 F_Read)"_s);
  ASSERT_EQ(clb.F_Read(writeRaw(u"ok.txt"_s, ManyLines(10000)), lines), 10000);
}

}  // namespace
}  // namespace rdx508::testing
