// Every line reader keeps the first 32,768 lines of a file; only the keyed table reader
// passes over comment lines without counting them.

#include <gtest/gtest.h>

#include <functional>

#include "toolkit_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

struct LimitCase {
  const char* name;
  std::function<QString(CLB_C1&, const QString& path)> read;  // what the reader reports
  QString expected;
};

class LineLimitTest : public ToolkitTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(LineLimitTest, KeepsTheFirst32768Lines) {
  // A header, then 50,000 lines of which every fifth is a comment.
  QByteArray bytes = "1,1,T\r\n";
  for (int i = 1; i <= 50000; ++i)
    bytes += i % 5 == 0 ? "/* note\r\n" : "1,7," + QByteArray::number(i) + "\r\n";
  WriteBytes(path(u"long.txt"_s), bytes);
  EXPECT_EQ(GetParam().read(clb, path(u"long.txt"_s)), GetParam().expected);
  EXPECT_TRUE(host.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Readers, LineLimitTest,
    ::testing::Values(LimitCase{"L_Read",
                                [](CLB_C1& clb, const QString& path) {
                                  List lines;
                                  const int32_t n = clb.L_Read(path, lines);
                                  return QString::number(n) + u' ' + lines(32768).toText();
                                },
                                u"32768 1,7,32767"_s},
                      LimitCase{"Tbl_Read",
                                [](CLB_C1& clb, const QString& path) {
                                  Table2 table;
                                  const int32_t n = clb.Tbl_Read(path, table);
                                  return QString::number(n) + u' ' + table(32768, 2).toText();
                                },
                                u"32768 7"_s},
                      LimitCase{"B_Read",
                                [](CLB_C1& clb, const QString& path) {
                                  Table5 names, data;
                                  return clb.B_Read(path, names, data);
                                },
                                u"0,0,0,0,32768"_s},
                      // 32,767 data lines after the header: the last is line 40,958 of the file.
                      LimitCase{"T_Read",
                                [](CLB_C1& clb, const QString& path) {
                                  Table3 table;
                                  const int32_t n = clb.T_Read(path, table);
                                  return QString::number(n) + u' ' + table(1, 1, 1).toText();
                                },
                                u"32768 40958"_s}),
    [](const ::testing::TestParamInfo<LimitCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace rdx508::testing
