// Committing and cancelling entry panels: adds in date order, the duplicate refusal,
// the roles of the two index boxes, issue counts, modify and delete.

#include "form_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using EditTest = FormTest;

// Opens the add panel, types one day and confirms it.
void AddDay(RDX_F508& form, const QString& date, const QString& first = u"1100"_s,
            const QString& second = u"17100"_s, const QString& up = u"600"_s) {
  form.click(u"見出"_s, 9);
  const QStringList boxes = {u"日付修正入力"_s, u"TOPIX修正入力"_s, u"日経修正入力"_s, u"上昇数修正入力"_s,
                             u"下落数修正入力"_s};
  const QStringList texts = {date, first, second, up, u"400"_s};
  for (int i = 0; i < boxes.size(); ++i)
    form.setText(boxes[i], -1, texts[i]);
  form.click(u"する"_s);
}

TEST_F(EditTest, AddsAtTheTopAtTheEndAndBetween) {
  Load(UniformDays(5));  // 07/03/14 back to 07/03/08
  AddDay(*form, u"07/03/15"_s);
  EXPECT_EQ(Text(u"日付"_s, 0) + Text(u"TOPIX"_s, 0), u"07/03/151,100.00"_s);
  EXPECT_FALSE(PanelOpen());
  EXPECT_TRUE(C(u"データ保存"_s).enabled);
  EXPECT_EQ(form->focusControl(), &C(u"データ保存"_s));  // the next step after an add
  AddDay(*form, u"07/03/01"_s);
  AddDay(*form, u"3/10"_s);  // normalised to 07/03/10
  const QStringList order = {u"07/03/15"_s, u"07/03/14"_s, u"07/03/13"_s, u"07/03/12"_s,
                             u"07/03/10"_s, u"07/03/09"_s, u"07/03/08"_s, u"07/03/01"_s};
  EXPECT_EQ(form->series().DayCnt, 8);
  for (int p = 1; p <= 8; ++p)
    EXPECT_EQ(form->series().Days[p].Date, order[p - 1]);
}

TEST_F(EditTest, AddIntoAFullSeriesDropsTheOldest) {
  Load(UniformDays(998));
  const DaySeries& s = form->series();
  const QString secondOldest = s.Days[997].Date, thirdOldest = s.Days[996].Date;
  AddDay(*form, u"07/03/15"_s);
  EXPECT_EQ(s.DayCnt, 998);
  EXPECT_EQ(s.Days[1].Date + s.Days[998].Date, u"07/03/15"_s + secondOldest);
  AddDay(*form, u"03/01/06"_s);  // older than every day: replaces the oldest
  EXPECT_EQ(s.Days[997].Date + s.Days[998].Date, thirdOldest + u"03/01/06"_s);
}

TEST_F(EditTest, DuplicateDateIsRefusedInRedUntilThePanelCloses) {
  std::vector<DayRow> rows = UniformDays(5);
  rows.push_back({u"07/01/05"_s, u"1000"_s, u"1"_s, u"1"_s, u"1"_s});
  Load(rows);
  AddDay(*form, u"1/5"_s);
  EXPECT_EQ(Text(u"日付修正入力"_s), u"07/01/05"_s);
  EXPECT_EQ(C(u"日付修正入力"_s).foreColor, 0x000000C0u);
  EXPECT_EQ(form->focusControl(), &C(u"日付修正入力"_s));
  EXPECT_EQ(form->series().DayCnt, 6);
  EXPECT_TRUE(PanelOpen());
  form->click(u"しない"_s);
  EXPECT_EQ(C(u"日付修正入力"_s).foreColor, kSysWindowText);
  EXPECT_EQ(form->focusControl(), &C(u"終了"_s));
  form->click(u"する"_s);  // no panel open: nothing to confirm
  EXPECT_EQ(form->series().DayCnt, 6);
}

TEST_F(EditTest, FirstBoxHoldsTheSeriesShown) {
  for (const bool nikkei : {false, true}) {
    Load(UniformDays(5));
    if (nikkei) form->click(u"見出"_s, 1);
    AddDay(*form, u"07/03/15"_s, u"17000"_s, u"1700"_s);
    EXPECT_EQ(form->series().Days[1].Topix, nikkei ? 1700 : 17000);
    EXPECT_EQ(form->series().Days[1].Nikkei, nikkei ? 17000 : 1700);
  }
}

class CountTest : public FormTest,
                  public ::testing::WithParamInterface<std::pair<QString, std::optional<int32_t>>> {};

TEST_P(CountTest, IssueCountsRoundHalfToEvenWithinThirtyTwoBits) {
  const auto& [typed, stored] = GetParam();
  Load(UniformDays(5));
  AddDay(*form, u"07/03/15"_s, u"1"_s, u"2"_s, typed);
  EXPECT_EQ(form->series().DayCnt, stored ? 6 : 5);
  if (stored) {
    EXPECT_EQ(form->series().Days[1].Up, *stored);
  } else {  // refused like a duplicate date
    EXPECT_EQ(C(u"上昇数修正入力"_s).foreColor, 0x000000C0u);
    EXPECT_EQ(form->focusControl(), &C(u"上昇数修正入力"_s));
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, CountTest,
                         ::testing::Values(std::pair{u"1,203"_s, std::optional{1203}},
                                           std::pair{u"abc"_s, std::optional{0}},
                                           std::pair{u"12.5"_s, std::optional{12}},
                                           std::pair{u"13.5"_s, std::optional{14}},
                                           std::pair{u"-2147483648"_s, std::optional{INT32_MIN}},
                                           std::pair{u"2147483648"_s, std::optional<int32_t>()}));

TEST_F(EditTest, ModifyKeepsDateAndPosition) {
  Load(UniformDays(30));
  const QString date = form->series().Days[4].Date;
  form->click(u"連番"_s, 3);
  form->setText(u"日付修正入力"_s, -1, u"99/01/01"_s);
  form->setText(u"TOPIX修正入力"_s, -1, u"1,234.5"_s);
  form->click(u"する"_s);
  const DayRec& day = form->series().Days[4];
  EXPECT_EQ(day.Date, date);
  EXPECT_EQ(std::tuple(day.Topix, day.Nikkei, day.Up), std::tuple(1234.5, 17000.0, 600));
  EXPECT_EQ(Text(u"TOPIX"_s, 3), u"1,234.50"_s);
}

TEST_F(EditTest, DeletesCloseTheGap) {
  Load(UniformDays(30));
  const QString second = form->series().Days[2].Date;
  form->click(u"日付"_s, 0);
  form->click(u"する"_s);
  EXPECT_EQ(form->series().DayCnt, 29);
  EXPECT_EQ(Text(u"日付"_s, 0), second);
  EXPECT_TRUE(form->series().Days[30].Date.isEmpty());

  Load(UniformDays(998));
  form->click(u"移動"_s, 0);
  const QString after = form->series().Days[10].Date;
  form->click(u"日付"_s, 3);  // position 9
  form->click(u"する"_s);
  EXPECT_EQ(form->series().DayCnt, 997);
  EXPECT_EQ(form->series().Days[9].Date, after);
  EXPECT_TRUE(form->series().Days[998].Date.isEmpty());
}

}  // namespace
}  // namespace rdx508::testing
