#include <gtest/gtest.h>

#include "toolkit_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

class BlockReaderTest : public ToolkitTest {
 protected:
  QString read(const QString& text) { return clb.B_Read(writeText(u"b.txt"_s, text), names, data); }
  QString name(int a, int b, int c, int d, int e) const { return names(a, b, c, d, e).toText(); }
  QString value(int a, int b, int c, int d, int e) const { return data(a, b, c, d, e).toText(); }
  Table5 names, data;
};

TEST_F(BlockReaderTest, BuildsTreeThroughMemberLists) {
  ASSERT_EQ(read(u"[Main]=Screen\r\n{Screen}=Colors\r\n(Colors)=Fore\r\n<Fore>=R\r\nR=255\r\n"_s),
            u"1,1,1,1,1"_s);
  EXPECT_EQ(name(1, 0, 0, 0, 0), u"Main"_s);
  EXPECT_EQ(value(1, 0, 0, 0, 0), u"Screen"_s);
  EXPECT_EQ(name(1, 1, 0, 0, 0), u"Screen"_s);
  EXPECT_EQ(name(1, 1, 1, 0, 0), u"Colors"_s);
  EXPECT_EQ(name(1, 1, 1, 1, 0), u"Fore"_s);
  EXPECT_EQ(name(1, 1, 1, 1, 1), u"R"_s);
  EXPECT_EQ(value(1, 1, 1, 1, 1), u"255"_s);
}

TEST_F(BlockReaderTest, DropsUnlistedChildrenAndSkipsComments) {
  ASSERT_EQ(read(u"' comment\r\n"
                 "# comment\r\n"
                 "[A]=x\r\n"
                 "{S1}=P\r\n"
                 "{S2}=Q, P \r\n"
                 "(Q)=k\r\n"
                 "(Z)=k\r\n"  // nobody lists Z
                 "(P)=k\r\n"  // S1 lists P first
                 "\r\n"
                 "[B]\r\n"
                 "(P)=k\r\n"_s),  // block B has no level-2 entries
            u"2,2,4,0,1"_s);
  EXPECT_EQ(name(1, 2, 1, 0, 0), u"Q"_s);
  EXPECT_EQ(name(1, 1, 1, 0, 0), u"P"_s);
  EXPECT_EQ(value(1, 2, 0, 0, 0), u"Q, P "_s);  // data untrimmed
  EXPECT_TRUE(names(1, 2, 2, 0, 0).isEmpty());
  EXPECT_EQ(name(2, 0, 0, 0, 0), u""_s);  // a header without "=" has no name
  EXPECT_TRUE(data(2, 0, 0, 0, 0).isEmpty());
}

TEST_F(BlockReaderTest, KeyGoesToFirstListingParentInIndexOrder) {
  // Level-3 entry (1,2,1) is created before (1,1,1) but (1,1,1) comes first in search order.
  ASSERT_EQ(read(u"[A]=S1,S2\r\n{S1}=G1\r\n{S2}=G2\r\n(G2)=I\r\n(G1)=I\r\n<I>=k\r\nk=v\r\n"_s),
            u"1,2,2,1,1"_s);
  EXPECT_EQ(name(1, 1, 1, 1, 0), u"I"_s);
  EXPECT_EQ(value(1, 1, 1, 1, 1), u"v"_s);
}

TEST_F(BlockReaderTest, MissingFileLeavesTables) {
  names.redim({1, 0, 0, 0, 0});
  names(1, 0, 0, 0, 0) = u"kept"_s;
  EXPECT_EQ(clb.B_Read(path(u"missing.txt"_s), names, data), u""_s);
  EXPECT_EQ(clb.B_Read(dir.path(), names, data), u""_s);
  EXPECT_EQ(name(1, 0, 0, 0, 0), u"kept"_s);
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(BlockReaderTest, ThousandsOfHeadersAtEveryLevelStaySmall) {
  QString text;
  for (int i = 0; i < 3000; ++i)
    text += u"[B%1]=S\r\n{S}=G\r\n(G)=I\r\n<I>=k\r\nk=%1\r\n"_s.arg(i);
  ASSERT_EQ(read(text), u"3000,3000,3000,3000,3000"_s);
  EXPECT_EQ(value(3000, 1, 1, 1, 1), u"2999"_s);
  EXPECT_LT(names.storedEntries(), 20000u);
}

TEST_F(ToolkitTest, TemplateOperationReportsSuccess) {
  int32_t a = 1;
  Value b(u"x"_s);
  double c = 2.5;
  EXPECT_EQ(clb.関数_転用(a, b, c), u"実行成功"_s);
  EXPECT_TRUE(host.errors.empty());
}

}  // namespace
}  // namespace rdx508::testing
