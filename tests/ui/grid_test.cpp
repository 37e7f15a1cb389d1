// The grid refresh: placement of days, weekday and trend colours, divergence limits,
// index mode, scrolling bounds and speed.

#include "form_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using GridTest = FormTest;

TEST_F(GridTest, RowsNewestFirstWithWeekdaysAndClearedRowsBelow) {
  // File order is not date order; 07/02/30 is no date.
  Load({{u"07/03/12"_s, u"1000"_s, u"600"_s, u"400"_s, u"1"_s},
        {u"07/03/18"_s, u"1010.5"_s, u"700"_s, u"300"_s, u"1"_s},
        {u"07/03/17"_s, u"990"_s, u"1203"_s, u"12"_s, u"1"_s},
        {u"07/03/16"_s, u"990"_s, u"1"_s, u"1"_s, u"1"_s},
        {u"07/02/30"_s, u"990"_s, u"1"_s, u"1"_s, u"1"_s}});
  const std::vector<std::tuple<QString, QString, quint32>> rows = {{u"07/03/18"_s, u"？"_s, 0x000000C0},
                                                                   {u"07/03/17"_s, u"？"_s, 0x00008000},
                                                                   {u"07/03/16"_s, u"金"_s, 0x00C00000},
                                                                   {u"07/03/12"_s, u"月"_s, 0x00C000C0},
                                                                   {u"07/02/30"_s, u""_s, 0x00C00000}};
  for (int r = 0; r < int(rows.size()); ++r) {
    EXPECT_EQ(Text(u"日付"_s, r), std::get<0>(rows[r]));
    EXPECT_EQ(Text(u"連番"_s, r), std::get<1>(rows[r]));
    EXPECT_EQ(C(u"連番"_s, r).foreColor, std::get<2>(rows[r]));  // no date: colour left as it was
  }
  EXPECT_EQ(Text(u"騰落幅"_s, 0), u"+20.50"_s);
  EXPECT_EQ(C(u"騰落幅"_s, 0).foreColor, 0x000000C0u);
  EXPECT_EQ(Text(u"騰落幅"_s, 1), u"+0.00"_s);
  EXPECT_EQ(Text(u"騰落幅"_s, 2), u"-10.00"_s);
  EXPECT_EQ(C(u"騰落幅"_s, 2).foreColor, 0x00C00000u);
  EXPECT_EQ(Text(u"騰落幅"_s, 4), QString());  // the oldest day has no previous day
  EXPECT_EQ(Text(u"上昇数"_s, 1), u"1,203"_s);
  for (int r = 5; r < 26; ++r) {
    EXPECT_EQ(Text(u"日付"_s, r) + Text(u"連番"_s, r) + Text(u"騰落率"_s, r), QString());
    EXPECT_FALSE(C(u"上昇率5日平均"_s, r).opaque);
    EXPECT_EQ(C(u"上昇率5日平均"_s, r).backColor, kSysWindowBack);
  }
}

TEST_F(GridTest, DivergenceOfZeroAverageAndBeyondLimit) {
  Load({{u"07/03/14"_s, u"100"_s, u"1"_s, u"1"_s, u"0"_s}});
  EXPECT_EQ(Text(u"乖離率"_s, 0), QString());  // 100 against an average of 4: 24,000 per mille
  form->click(u"見出"_s, 1);                   // the Nikkei average is 0, and so is its average
  EXPECT_EQ(Text(u"乖離率"_s, 0), u"0.0"_s);
  EXPECT_EQ(C(u"乖離率"_s, 0).foreColor, 0x000000C0u);
}

TEST_F(GridTest, TrendColoursCompareShownNumbers) {
  std::vector<DayRow> rows = UniformDays(30);
  rows[0].topix = u"997.5"_s;  // row 0 average 0,999.50 against row 1's 1,001.20
  rows[5].topix = u"1006"_s;
  rows[10].topix = u"1100"_s;  // row 10 above both of its averages
  Load(rows);
  EXPECT_EQ(Text(u"TP_5日平均"_s, 0), u"0,999.50"_s);
  EXPECT_EQ(Text(u"TP_5日平均"_s, 1), u"1,001.20"_s);
  EXPECT_EQ(C(u"TP_5日平均"_s, 0).foreColor, 0x00C00000u);
  EXPECT_EQ(C(u"TP_5日平均"_s, 1).foreColor, kSysWindowText);
  EXPECT_EQ(C(u"TP_5日平均"_s, 10).foreColor, 0x00C000C0u);
  EXPECT_EQ(C(u"TOPIX"_s, 0).foreColor, 0x00C00000u);
  EXPECT_EQ(C(u"TOPIX"_s, 10).foreColor, 0x000000C0u);
  EXPECT_EQ(C(u"TOPIX"_s, 6).foreColor, 0x00008080u);  // below its 5-day, above its 25-day average
  EXPECT_EQ(C(u"TOPIX"_s, 25).foreColor, kSysWindowText);
}

TEST_F(GridTest, NikkeiModeSwitchesIndexColumnsOnly) {
  std::vector<DayRow> rows = UniformDays(30);
  rows[0].nikkei = u"17500"_s;
  Load(rows);
  const QString upRatio = Text(u"上昇率"_s, 0);
  form->click(u"見出"_s, 1);
  EXPECT_EQ(form->IndexMode(), 225);
  EXPECT_EQ(Text(u"見出"_s, 1), u"日経平均"_s);
  EXPECT_EQ(Text(u"TOPIX"_s, 0) + Text(u"騰落幅"_s, 0) + Text(u"TP_25日平均"_s, 0),
            u"17,500.00+500.0017,020.00"_s);
  EXPECT_EQ(C(u"連番"_s, 0).toolTip, u"日経・東証・騰落数　修正"_s);
  EXPECT_EQ(Text(u"上昇率"_s, 0), upRatio);
  form->click(u"見出"_s, 1);
  EXPECT_EQ(Text(u"見出"_s, 1), u"東証平均"_s);
  EXPECT_EQ(Text(u"TOPIX"_s, 0), u"1,000.00"_s);
}

class ScrollTest : public FormTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(ScrollTest, OffsetStaysWithinBounds) {
  const auto [days, maxOffset] = GetParam();
  Load(UniformDays(days));
  EXPECT_EQ(C(u"移動"_s, 1).visible, maxOffset >= 1);
  for (int i = 0; i < 60; ++i)
    form->click(u"移動"_s, 1);
  EXPECT_EQ(form->GridOffset(), maxOffset);
  EXPECT_FALSE(C(u"移動"_s, 1).visible);
  EXPECT_EQ(C(u"移動"_s, 2).visible, maxOffset >= 1);
  EXPECT_EQ(Text(u"日付"_s, 0), WeekdayDates(days)[maxOffset]);
  for (int i = 0; i < 60; ++i)
    form->click(u"移動"_s, 3);
  for (int i = 0; i < 5; ++i)
    form->click(u"移動"_s, 2);
  EXPECT_EQ(form->GridOffset(), 0);
}

INSTANTIATE_TEST_SUITE_P(Days, ScrollTest,
                         ::testing::Values(std::pair{30, 0}, std::pair{51, 0}, std::pair{52, 1},
                                           std::pair{100, 49}));

TEST_F(GridTest, FiveStepRefusedNearTheEndAndRefusalKeepsPanelOpen) {
  Load(UniformDays(100));
  for (int i = 0; i < 9; ++i)
    form->click(u"移動"_s, 0);
  EXPECT_EQ(form->GridOffset(), 45);
  form->click(u"日付"_s, 2);
  form->click(u"移動"_s, 0);  // 45 + 5 is not below 50
  EXPECT_EQ(form->GridOffset(), 45);
  EXPECT_TRUE(C(u"削除"_s).visible);
  for (int i = 0; i < 4; ++i)
    form->click(u"移動"_s, 1);
  EXPECT_EQ(form->GridOffset(), 49);
  EXPECT_FALSE(C(u"削除"_s).visible);
  EXPECT_EQ(Text(u"日付"_s, 25), WeekdayDates(100)[74]);  // position 75
}

}  // namespace
}  // namespace rdx508::testing
