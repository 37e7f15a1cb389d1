// The library's own failures: every box's exact title and text, and the result returned
// after it, from one table.

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "toolkit_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

struct BoxCase {
  const char* name;
  std::function<QString(CLB_C1&, const QString& folder)> call;  // the result, as text
  QString title, text, result;
};

class ErrorBoxTest : public ToolkitTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(ErrorBoxTest, ShowsExactlyOneBoxAndReturnsTheFailureValue) {
  const BoxCase& c = GetParam();
  EXPECT_EQ(c.call(clb, dir.path()), c.result);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0].title, c.title);
  EXPECT_EQ(host.errors[0].text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, ErrorBoxTest,
    ::testing::Values(
        BoxCase{"FmatOfInfinity",
                [](CLB_C1& clb, const QString&) {
                  int32_t colour = 0;
                  return clb.Fmat(std::numeric_limits<double>::infinity(), colour, 2);
                },
                u"CLB_C1(関数 Fmat)"_s, u"Error(6)オーバーフローしました。"_s, u""_s},
        BoxCase{"FgetQOfAnOverlongText",
                [](CLB_C1& clb, const QString&) { return clb.FgetQ(QString(32768, u'x')); }, u"CLB_C1FgetQ"_s,
                u"Error(6)オーバーフローしました。"_s, u""_s},
        BoxCase{"TblSortOfTooShortLists",
                [](CLB_C1& clb, const QString&) {
                  List keys({1}), out({1});
                  return QString::number(clb.TblSort(u"AsN3"_s, keys, keys, out));
                },
                u"CLB_C1(関数 TblSort)"_s, u"Error(9)インデックスが有効範囲にありません。"_s, u"3"_s},
        BoxCase{"TblSortOfAnOverflowingCount",
                [](CLB_C1& clb, const QString&) {
                  List keys({1}), out({1});
                  return QString::number(clb.TblSort(u"AsN99999999999"_s, keys, keys, out));
                },
                u"CLB_C1(関数 TblSort)"_s, u"Error(6)オーバーフローしました。"_s, u"0"_s},
        BoxCase{"F_ReadOfAnOverlongLine",
                [](CLB_C1& clb, const QString& folder) {
                  WriteBytes(folder + u"/long.txt"_s, QByteArray(1001, 'x'));
                  List lines;
                  return QString::number(clb.F_Read(folder + u"/long.txt"_s, lines));
                },
                u"CLB_C1(関数 F_Read)"_s,
                u"Error(9)インデックスが有効範囲にありません。(1 行が 1000 バイトを超えています)"_s, u"-1"_s},
        BoxCase{"L_WriteOfAnUnencodableCharacter",
                [](CLB_C1& clb, const QString& folder) {
                  return QString::number(clb.L_Write(folder + u"/w.txt"_s, u"a☃"_s));
                },
                u"CLB_C1(関数 L_Write)"_s, u"Error(5)コードページ 932 で書けない文字があります: ☃ (位置 2)"_s,
                u"-1"_s}),
    [](const ::testing::TestParamInfo<BoxCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace rdx508::testing
