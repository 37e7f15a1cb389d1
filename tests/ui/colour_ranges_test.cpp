// Colour ranges: band colours at the limits, applying typed limits, the subject
// selection and the legend's mirror of the top limit.

#include "form_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using ColourTest = FormTest;

TEST_F(ColourTest, ShownValuesAtTheLimits) {
  // Advancing ratios 20.0, 20.1, 80.0, 80.1 and 19.996 (shown 20.0) against 20 ... 80.
  std::vector<DayRow> rows = UniformDays(5);
  const std::vector<std::tuple<QString, QString, QString, quint32, quint32>> cases = {
      {u"200"_s, u"800"_s, u"20.0"_s, 0x00FFFFFF, 0x00FF8080},
      {u"201"_s, u"799"_s, u"20.1"_s, 0x00400000, 0x00FFC0C0},
      {u"800"_s, u"200"_s, u"80.0"_s, 0x00000000, 0x008080FF},
      {u"801"_s, u"199"_s, u"80.1"_s, 0x00FFFFFF, 0x000000AF},
      {u"1999"_s, u"7996"_s, u"20.0"_s, 0x00FFFFFF, 0x00FF8080}};
  for (size_t i = 0; i < cases.size(); ++i)
    std::tie(rows[i].up, rows[i].down, std::ignore, std::ignore, std::ignore) = cases[i];
  Load(rows);
  for (int r = 0; r < int(cases.size()); ++r) {
    const Control& cell = C(u"上昇率"_s, r);
    EXPECT_EQ(cell.text, std::get<2>(cases[r])) << r;
    EXPECT_TRUE(cell.opaque);
    EXPECT_EQ(cell.foreColor, std::get<3>(cases[r])) << r;
    EXPECT_EQ(cell.backColor, std::get<4>(cases[r])) << r;
  }
}

TEST_F(ColourTest, LimitsOutOfOrderAndBrokenLimits) {
  Limits limits = DefaultLimits();
  limits[1] = {u"x"_s, u""_s, u"50"_s, u"55"_s, u"60"_s, u"80"_s, u"y"_s};  // a hand-edited file
  Load(UniformDays(1, 1000, 400, 600), limits);                             // 40.0
  EXPECT_EQ(C(u"上昇率5日平均"_s, 0).backColor, 0x00FFFFC0u);               // "x" and "" count as 0: band 2
  form->setText(u"範囲指定"_s, 0, u"60"_s);
  form->setText(u"範囲指定"_s, 1, u"30"_s);
  form->click(u"色見本題名"_s, 0);
  EXPECT_EQ(form->Range(0, 0).toNumber(), 60);
  EXPECT_EQ(C(u"上昇率"_s, 0).backColor, 0x00FF8080u);  // the first limit at or above 40
}

struct ApplyCase {
  QString typed;  // into box 2
  double stored;
  quint32 back;  // of a 50.0 cell
};

class ApplyTest : public FormTest, public ::testing::WithParamInterface<ApplyCase> {};

TEST_P(ApplyTest, TypedLimitIsStoredAsANumber) {
  Load(UniformDays(1, 1000, 500, 500));
  form->setText(u"範囲指定"_s, 2, GetParam().typed);
  form->click(u"色見本題名"_s, 0);
  EXPECT_TRUE(form->Range(0, 2).isNumber());
  EXPECT_EQ(form->Range(0, 2).toNumber(), GetParam().stored);
  EXPECT_EQ(Text(u"範囲指定"_s, 2), GetParam().typed);
  EXPECT_EQ(C(u"上昇率"_s, 0).backColor, GetParam().back);
  EXPECT_EQ(form->Range(0, 6).toText(), QString());  // entry 6 is never touched
}

INSTANTIATE_TEST_SUITE_P(Texts, ApplyTest,
                         ::testing::Values(ApplyCase{u""_s, 0, 0x00C0E0FF},
                                           ApplyCase{u"abc"_s, 0, 0x00C0E0FF},
                                           ApplyCase{u" 1,000 "_s, 1000, 0x00FFFFC0}));

TEST_F(ColourTest, SubjectSelectionAndLegend) {
  Load(UniformDays(30, 1000, 500, 500));
  EXPECT_EQ(Text(u"範囲指定"_s, 1) + Text(u"色見本"_s, 7), u"4580"_s);
  form->setText(u"範囲指定"_s, 5, u"75"_s);
  EXPECT_EQ(Text(u"色見本"_s, 7), u"75"_s);
  form->setText(u"範囲指定"_s, 4, u"70"_s);
  EXPECT_EQ(Text(u"色見本"_s, 7), u"75"_s);
  form->click(u"見出"_s, 8);  // discards what was typed
  EXPECT_EQ(Text(u"色見本題名"_s, 0), u"騰落レシオ"_s);
  EXPECT_EQ(Text(u"範囲指定"_s, 2) + Text(u"色見本"_s, 7), u"100150"_s);
  EXPECT_EQ(form->Range(0, 5).toText(), u"80"_s);
  form->setText(u"範囲指定"_s, 2, u"99.9"_s);
  form->click(u"色見本題名"_s, 0);
  EXPECT_EQ(form->Range(2, 2).toNumber(), 99.9);
  EXPECT_EQ(C(u"騰落率"_s, 0).backColor, 0x00C0E0FFu);  // 100.0 now above limit 2
  form->click(u"見出"_s, 7);
  EXPECT_EQ(Text(u"色見本題名"_s, 0) + Text(u"範囲指定"_s, 0), u"５日平均30"_s);
}

}  // namespace
}  // namespace rdx508::testing
