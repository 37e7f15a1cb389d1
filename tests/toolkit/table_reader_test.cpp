#include <gtest/gtest.h>
#include <QDir>

#include "toolkit_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

class TableReaderTest : public ToolkitTest {
 protected:
  int32_t read(const QString& text) { return clb.T_Read(writeText(u"t.txt"_s, text), tbl); }
  QString at(int f, int r, int s) const { return tbl(f, r, s).toText(); }
  Table3 tbl;
};

TEST_F(TableReaderTest, FilesRowsSortedByRowNumberWithDirectory) {
  ASSERT_EQ(read(u"/* comment before header\r\n"
                 "2,3,日足データ\r\n"
                 "1,5,e,f\r\n"
                 "1,2,b,c,d,extra\r\n"
                 "/* comment\r\n"
                 "\r\n"
                 "1,9,x\r\n"
                 "2,01,y,\r\n"_s),
            6);
  EXPECT_EQ(tbl.upperBound(0), 3);
  EXPECT_EQ(tbl.upperBound(1), 6);
  EXPECT_EQ(tbl.upperBound(2), 2);
  EXPECT_EQ(at(0, 0, 0), u"3"_s);
  EXPECT_EQ(at(1, 0, 0), u"日足データ"_s);
  EXPECT_EQ(at(0, 1, 0), u"3"_s);
  EXPECT_EQ(at(0, 2, 0), u"1"_s);
  // Rows 2, 5, 9 become 1, 2, 3; text after the F-th comma is dropped.
  EXPECT_EQ(at(1, 1, 1), u"b"_s);
  EXPECT_EQ(at(3, 1, 1), u"d"_s);
  EXPECT_EQ(at(1, 2, 1), u"e"_s);
  EXPECT_EQ(at(2, 2, 1), u"f"_s);
  EXPECT_TRUE(tbl(3, 2, 1).isEmpty());
  EXPECT_EQ(at(1, 3, 1), u"x"_s);
  EXPECT_EQ(at(1, 1, 2), u"y"_s);
  EXPECT_EQ(at(2, 1, 2), u""_s);  // a trailing comma gives an empty last field
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(TableReaderTest, HeaderOnlyAndKeyedHeader) {
  ASSERT_EQ(read(u"NAME=3, 2 ,  Title  \r\n"_s), 1);
  EXPECT_EQ(at(0, 0, 0), u"4"_s);
  EXPECT_EQ(at(1, 0, 0), u"Title"_s);
  for (int s = 1; s <= 3; ++s)
    EXPECT_TRUE(tbl(0, s, 0).isEmpty());
  EXPECT_EQ(tbl.upperBound(1), 3);  // max(N, S)
}

TEST_F(TableReaderTest, BlankHeaderAndZeroFields) {
  ASSERT_EQ(read(u"/* only comment\r\n\r\n1,1,x\r\n"_s), 2);
  EXPECT_EQ(at(0, 0, 0), u"1"_s);
  EXPECT_EQ(tbl.upperBound(0), 0);
  EXPECT_EQ(tbl.upperBound(2), 0);
}

TEST_F(TableReaderTest, IgnoresMalformedDataLines) {
  ASSERT_EQ(read(u"1,2,T\r\n"
                 "0,1,x\r\n"     // section 0
                 "1,1000,x\r\n"  // row out of range
                 "A,1,x\r\n"     // non-numeric key
                 "1,1\r\n"       // one comma
                 "2,1,x\r\n"     // section above S
                 "1,5,\r\n"      // empty row text
                 "1,3,a\r\n"
                 "1,3,b\r\n"    // replaces a
                 "1,2.5,h\r\n"  // half to even: row 2
                 " 1 ,0,z\r\n"_s),
            11);
  EXPECT_EQ(at(0, 1, 0), u"3"_s);
  EXPECT_EQ(at(1, 1, 1), u"z"_s);
  EXPECT_EQ(at(1, 2, 1), u"h"_s);
  EXPECT_EQ(at(1, 3, 1), u"b"_s);
}

TEST_F(TableReaderTest, AcceptsLoneLineFeedsAndCarriageReturns) {
  ASSERT_EQ(read(u"1,1,T\n1,1,a\r1,2,b"_s), 3);
  EXPECT_EQ(at(0, 1, 0), u"2"_s);
  EXPECT_EQ(at(1, 2, 1), u"b"_s);
}

TEST_F(TableReaderTest, EmptyFileGivesZeroAndMissingFileLeavesTable) {
  EXPECT_EQ(read(u""_s), 0);
  tbl.redim({1, 1, 1});
  tbl(1, 1, 1) = u"kept"_s;
  EXPECT_EQ(clb.T_Read(path(u"missing.txt"_s), tbl), -1);
  EXPECT_EQ(clb.T_Read(dir.path(), tbl), -1);  // a folder
  EXPECT_EQ(clb.T_Read(u""_s, tbl), -1);
  EXPECT_EQ(at(1, 1, 1), u"kept"_s);
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(TableReaderTest, BackslashSeparatesPathParts) {
  QDir(dir.path()).mkdir(u"sub"_s);
  WriteBytes(path(u"sub/DAYS.TXT"_s), "1,1,T\r\n1,1,a\r\n");
  EXPECT_EQ(clb.T_Read(dir.path() + u"\\sub\\DAYS.TXT"_s, tbl), 2);
}

TEST_F(TableReaderTest, HugeDeclaredCountsCostNothing) {
  ASSERT_EQ(read(u"99999,2000000000,T\r\n1,1,a,b\r\n999,1,z\r\n"_s), 3);
  EXPECT_EQ(tbl.upperBound(0), 2000000000);
  EXPECT_EQ(tbl.upperBound(2), 999);  // no section above 999 can hold rows
  EXPECT_EQ(at(0, 0, 0), u"1000"_s);
  EXPECT_EQ(at(2, 1, 1), u"b"_s);
  EXPECT_EQ(at(1, 1, 999), u"z"_s);
  EXPECT_LT(tbl.storedEntries(), 20u);

  ASSERT_EQ(read(u"-5,-3,T\r\n1,1,a\r\n"_s), 2);  // negative counts read as 0
  EXPECT_EQ(at(0, 0, 0), u"1"_s);
}

TEST_F(TableReaderTest, KeepsAtMost32768Lines) {
  QString text = u"1,1,T\r\n"_s;
  for (int i = 0; i < 40000; ++i)
    text += u"1,"_s + QString::number(i % 1000) + u","_s + QString::number(i) + u"\r\n"_s;
  ASSERT_EQ(read(text), 32768);
  // Line 32768 is data line 32767 (i = 32766), the last one kept for row 766.
  EXPECT_EQ(at(1, 767, 1), u"32766"_s);
  EXPECT_EQ(at(1, 768, 1), u"31767"_s);
}

TEST_F(TableReaderTest, SurvivesBadBytes) {
  QByteArray garbage;
  for (int i = 0; i < 100000; ++i)
    garbage.append(static_cast<char>((i * 7919) % 256));
  EXPECT_GE(clb.T_Read(writeRaw(u"g.bin"_s, garbage), tbl), 0);

  // A 1 MB line and a file ending inside a double-byte character.
  QByteArray bytes = "1,1,T\r\n1,1," + QByteArray(1 << 20, 'x') + "\r\n1,2,\x93\xfa\x96";
  ASSERT_EQ(clb.T_Read(writeRaw(u"b.txt"_s, bytes), tbl), 3);
  EXPECT_EQ(tbl(1, 1, 1).toText().size(), 1 << 20);
  EXPECT_EQ(tbl(1, 2, 1).toText(), u"日\x1a"_s);  // the cut character shows as undecodable
  EXPECT_TRUE(host.errors.empty());
}

// A file that an editor saved as UTF-8 with a byte order mark: without the mark the
// header would not read as a number, the file would load with no rows, and the next
// save would replace every day with nothing.
TEST_F(TableReaderTest, Utf8FileWithByteOrderMarkReadsAsUtf8) {
  const QByteArray bytes =
      "\xEF\xBB\xBF" +
      (u"1,5,日足\r\n/* 東証平均\r\n01,001,24/11/29,2680.71,1020,560,38208.03\r\n"_s).toUtf8();
  ASSERT_EQ(clb.T_Read(writeRaw(u"bom.txt"_s, bytes), tbl), 2);
  EXPECT_EQ(at(0, 0, 0), u"2"_s);
  EXPECT_EQ(at(1, 0, 0), u"日足"_s);
  EXPECT_EQ(at(0, 1, 0), u"1"_s);
  EXPECT_EQ(at(1, 1, 1), u"24/11/29"_s);
  EXPECT_EQ(at(5, 1, 1), u"38208.03"_s);

  // Broken UTF-8 after the mark reads as the substitute character, as in code page 932.
  ASSERT_EQ(clb.T_Read(writeRaw(u"bad.txt"_s,
                                "\xEF\xBB\xBF"
                                "1,1,T\r\n1,1,a\xFF\r\n"),
                       tbl),
            2);
  EXPECT_EQ(at(1, 1, 1), u"a\x1a"_s);
  EXPECT_TRUE(host.errors.empty());
}

// Header counts far beyond any file: the section count stops at the highest section a
// data line can name, and a huge field count costs nothing beyond the fields present.
TEST_F(TableReaderTest, HugeHeaderCountsStayCheap) {
  ASSERT_EQ(read(u"999999,2147483646,T\r\n999,1,a,b\r\n1,1,x\r\n"_s), 3);
  EXPECT_EQ(at(0, 0, 0), u"1000"_s);
  EXPECT_EQ(tbl.upperBound(2), 999);
  EXPECT_EQ(tbl.upperBound(0), 2147483646);
  EXPECT_EQ(at(2, 1, 999), u"b"_s);
  EXPECT_EQ(at(1, 1, 1), u"x"_s);
  EXPECT_TRUE(tbl(2147483646, 1, 1).isEmpty());
}

}  // namespace
}  // namespace rdx508::testing
