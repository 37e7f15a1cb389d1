// The forecast row: the factor table on binary doubles, the word scale and the projected
// values of the worked examples.

#include <cmath>

#include "form_fixture.h"
#include "toolkit/numeric.h"
#include "ui/forecast_scale.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using ForecastTest = FormTest;

// The factor each word's ratio receives when the shown advancing ratio is that ratio:
// d is a binary double, so several multiples of 5 land just below their bound.
TEST(ForecastScale, FactorOfEachRatioAsShown) {
  const std::vector<std::pair<int, double>> expected = {
      {1, 0.09},   {2, 0.085},  {3, 0.075},  {5, 0.06},   {10, 0.06},  {15, 0.055}, {20, 0.05},  {25, 0.046},
      {30, 0.042}, {35, 0.042}, {40, 0.033}, {45, 0.023}, {50, 0.005}, {55, 0.023}, {60, 0.035}, {65, 0.04},
      {70, 0.042}, {75, 0.046}, {80, 0.05},  {85, 0.055}, {90, 0.055}, {95, 0.06},  {98, 0.085}};
  for (const auto& [ratio, factor] : expected) {
    const double d = (*ParseNumber(QString::number(ratio) + u".0"_s) / 100 + 0.5) - 1;
    EXPECT_EQ(ForecastFactor(std::fabs(d)), factor) << ratio;
  }
  EXPECT_EQ(NextWord(u"暴落"_s, 0).ratio, 3);
  EXPECT_EQ(NextWord(u"落"_s, 1).ratio, 2);
  EXPECT_EQ(NextWord(u"x"_s, 1).caption, u"予測"_s);
}

TEST_F(ForecastTest, NeutralWordProjectsNoChange) {
  Load(UniformDays(30, 1634.5, 600, 400));
  EXPECT_EQ(Text(u"連番"_s, 26), u"予測"_s);
  EXPECT_EQ(Text(u"上昇数"_s, 26) + u' ' + Text(u"上昇率"_s, 26), u"500 50.0"_s);
  EXPECT_EQ(Text(u"TOPIX"_s, 26), u"1,634.50"_s);
  EXPECT_EQ(Text(u"騰落幅"_s, 26), u"+0.00"_s);
  EXPECT_EQ(C(u"騰落幅"_s, 26).foreColor, 0x000000C0u);
  EXPECT_EQ(Text(u"上昇率5日平均"_s, 26), u"58.0"_s);  // (3000 − 600 + 500) / 5000
  EXPECT_EQ(Text(u"騰落率"_s, 26), u"147.5"_s);        // 14900 / 10100
  EXPECT_EQ(Text(u"日付"_s, 26), u"07/03/15"_s);       // the business day after Wednesday 14th
}

TEST_F(ForecastTest, FewerThanTwentyFiveDaysGivesNoIssueSplit) {
  Load(UniformDays(10, 1000, 600, 500));
  EXPECT_EQ(Text(u"上昇数"_s, 26) + Text(u"下落数"_s, 26) + Text(u"上昇率"_s, 26), u"000"_s);
  EXPECT_EQ(Text(u"騰落率"_s, 26), u"120.0"_s);
  EXPECT_EQ(Text(u"TOPIX"_s, 26), u"946.00"_s);  // 1000 × (1 − 0.045 × 1.2)
  EXPECT_EQ(C(u"騰落幅"_s, 26).foreColor, 0x00C00000u);
}

TEST_F(ForecastTest, NinetyFiveAgainstOneHundredTwenty) {
  // Rows 0-23 hold 310 advancing and 1000 declining issues, row 24 a total of 1000, so at
  // 95 % the 25-day ratio is (310 + 950) / (1000 + 50) = 120.0.
  std::vector<DayRow> rows = UniformDays(30, 1000, 13, 42);
  rows[0].up = u"11"_s;
  rows[0].down = u"34"_s;
  rows[24].up = rows[24].down = u"500"_s;
  Load(rows);
  for (int i = 0; i < 9; ++i)
    form->click(u"上下"_s, 0);
  EXPECT_EQ(Text(u"連番"_s, 26) + Text(u"上昇率"_s, 26) + u' ' + Text(u"騰落率"_s, 26), u"騰H95.0 120.0"_s);
  EXPECT_EQ(Text(u"TOPIX"_s, 26), u"1,032.40"_s);
  EXPECT_EQ(Text(u"TP_5日平均"_s, 26), u"1,006.48"_s);
  EXPECT_EQ(C(u"TP_5日平均"_s, 26).foreColor, 0x00C000C0u);
  EXPECT_EQ(C(u"TOPIX"_s, 26).foreColor, 0x000000C0u);
}

TEST_F(ForecastTest, ElevenUpStepsRunThroughTheScaleAndBack) {
  Load(UniformDays(30));
  form->click(u"連番"_s, 26);  // no arrow clicked yet: nothing happens
  const QStringList words = {u"並H"_s, u"強"_s, u"強H"_s, u"高L"_s,  u"高"_s,  u"高H"_s,
                             u"騰L"_s, u"騰"_s, u"騰H"_s, u"暴騰"_s, u"予測"_s};
  for (int i = 0; i < words.size(); ++i) {
    form->click(u"上下"_s, 0);
    EXPECT_EQ(Text(u"連番"_s, 26), words[i]) << i;
    if (i == 9) {
      EXPECT_EQ(C(u"連番"_s, 26).backColor, 0x00C0E0FFu);
    }
  }
  EXPECT_EQ(C(u"連番"_s, 26).backColor, 0x00C0FFFFu);
  EXPECT_EQ(C(u"連番"_s, 26).foreColor, kSysWindowText);
  form->click(u"上下"_s, 1);
  form->click(u"連番"_s, 26);  // repeats the last arrow
  EXPECT_EQ(Text(u"連番"_s, 26), u"弱H"_s);
  EXPECT_EQ(std::pair(C(u"上下"_s, 0).foreColor, C(u"上下"_s, 1).foreColor),
            std::pair(0x00C0C0FFu, 0x00FF0000u));
  form->click(u"移動"_s, 1);  // no scroll with 30 days; a redraw would keep the word anyway
  form->RedrawGrid();
  EXPECT_EQ(Text(u"上昇数"_s, 26), u"400"_s);
}

TEST_F(ForecastTest, NoDaysClearsTheRowAndLeavesTheWord) {
  Load({});
  form->click(u"上下"_s, 0);
  EXPECT_EQ(Text(u"連番"_s, 26), u"予"_s);
  for (const QString& col : {u"日付"_s, u"TOPIX"_s, u"乖離率"_s, u"騰落率"_s})
    EXPECT_EQ(Text(col, 26), QString());
}

}  // namespace
}  // namespace rdx508::testing
