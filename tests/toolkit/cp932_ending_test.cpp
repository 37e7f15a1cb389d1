// A file may end inside a double-byte character: only then is the last byte shown as
// undecodable, however many lead-range bytes come before it.

#include <gtest/gtest.h>

#include "toolkit_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

struct EndingCase {
  const char* name;
  QByteArray bytes;
  QString text;
};

class Cp932EndingTest : public ToolkitTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(Cp932EndingTest, ReadsTheLastCharacterRight) {
  List lines;
  ASSERT_EQ(clb.L_Read(writeRaw(u"end.txt"_s, GetParam().bytes), lines), 1);
  EXPECT_EQ(lines(1).toText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, Cp932EndingTest,
    ::testing::Values(EndingCase{"CompleteCharacter", "a\x93\xfa", u"a日"_s},
                      EndingCase{"LoneLeadByte", "a\x93\xfa\x96", u"a日\x1a"_s},
                      EndingCase{"OnlyALeadByte", "\x96", u"\x1a"_s},
                      // 0x81 0x81 is one character; a third 0x81 opens another.
                      EndingCase{"EvenRunOfLeadRangeBytes", "x\x81\x81", u"x＝"_s},
                      EndingCase{"OddRunOfLeadRangeBytes", "x\x81\x81\x81", u"x＝\x1a"_s},
                      EndingCase{"TrailByteOutsideTheLeadRange", "\x81\x81\x81\x40", u"＝　"_s}),
    [](const ::testing::TestParamInfo<EndingCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace rdx508::testing
