// The design-time layout: every array with its indexes, sample placements, tab order.

#include "form_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using LayoutTest = FormTest;

TEST_F(LayoutTest, ArraysPlacementsAndTabOrder) {
  form = std::make_unique<RDX_F508>(clb, host, tables);
  const std::vector<std::pair<QString, int>> arrays = {
      {u"見出"_s, 12},   {u"連番"_s, 27},       {u"日付"_s, 27},        {u"TOPIX"_s, 27},
      {u"騰落幅"_s, 27}, {u"TP_5日平均"_s, 27}, {u"TP_25日平均"_s, 27}, {u"乖離率"_s, 27},
      {u"上昇数"_s, 27}, {u"下落数"_s, 27},     {u"上昇率"_s, 27},      {u"上昇率5日平均"_s, 27},
      {u"騰落率"_s, 27}, {u"上下"_s, 2},        {u"移動"_s, 4},         {u"Line1"_s, 7},
      {u"Line2"_s, 20},  {u"色見本題名"_s, 1},  {u"範囲指定"_s, 6},     {u"色見本"_s, 8}};
  size_t total = 0;
  for (const auto& [name, count] : arrays) {
    for (int i = 0; i < count; ++i)
      EXPECT_EQ(C(name, i).index, i) << name.toStdString();
    EXPECT_THROW(C(name, count), std::out_of_range);
    total += count;
  }
  EXPECT_EQ(form->controls().size(), total + 17);  // plus 14 panel controls and 3 buttons
  EXPECT_THROW(C(u"無い"_s), std::out_of_range);

  struct Box {
    QString array;
    int index;
    int32_t left, top, width, height;
  };
  for (const Box& b : std::vector<Box>{{u"上昇率"_s, 4, 10080, 1680, 855, 225},
                                       {u"上昇率"_s, 5, 10080, 2040, 855, 225},
                                       {u"TOPIX"_s, 25, 2040, 7320, 1215, 225},
                                       {u"連番"_s, 26, 360, 345, 495, 240},
                                       {u"乖離率"_s, 26, 7200, 360, 855, 225},
                                       {u"見出"_s, 3, 5520, 60, 1455, 225},
                                       {u"Line1"_s, 6, 360, 600, 12840, 0},
                                       {u"Line2"_s, 19, 960, 6915, 12000, 0},
                                       {u"色見本"_s, 7, 7560, 7800, 495, 270},
                                       {u"下落数修正入力"_s, -1, 10800, 8520, 1095, 285}}) {
    const Control& c = C(b.array, b.index);
    EXPECT_EQ((std::array{c.left, c.top, c.width, c.height}), (std::array{b.left, b.top, b.width, b.height}))
        << b.array.toStdString() << b.index;
  }
  EXPECT_EQ(Text(u"連番"_s, 25), u"２６"_s);
  EXPECT_EQ(C(u"連番"_s, 20).toolTip, u"クリックで修正削除可"_s);
  EXPECT_EQ(Text(u"見出"_s, 9), u"曜　日"_s);
  EXPECT_EQ(Text(u"終了"_s), u"終　了"_s);
  EXPECT_EQ(C(u"Line2"_s, 0).lineStyle, LineStyle::Dotted);
  EXPECT_FALSE(C(u"上昇数"_s, 3).opaque);

  std::map<int32_t, QString> tabs;
  for (const Control& c : form->controls())
    if (c.tabIndex >= 0) tabs[c.tabIndex] = c.array + QString::number(c.index);
  const std::map<int32_t, QString> expected = {{0, u"終了-1"_s},
                                               {1, u"データ保存-1"_s},
                                               {2, u"チャート-1"_s},
                                               {10, u"日付修正入力-1"_s},
                                               {8, u"する-1"_s},
                                               {9, u"しない-1"_s},
                                               {11, u"TOPIX修正入力-1"_s},
                                               {12, u"日経修正入力-1"_s},
                                               {20, u"上昇数修正入力-1"_s},
                                               {30, u"下落数修正入力-1"_s},
                                               {321, u"範囲指定0"_s},
                                               {322, u"範囲指定1"_s},
                                               {323, u"範囲指定2"_s},
                                               {324, u"範囲指定3"_s},
                                               {325, u"範囲指定4"_s},
                                               {326, u"範囲指定5"_s}};
  EXPECT_EQ(tabs, expected);
}

// チャート stands in the free room of the bottom strip, as tall as the other buttons, and
// covers no other control; a click asks the view for the chart and changes nothing else.
TEST_F(LayoutTest, TheChartButtonTakesFreeRoomAndOnlyAsksForTheChart) {
  Load(UniformDays(60));
  const Control& chart = C(u"チャート"_s);
  EXPECT_EQ(chart.kind, ControlKind::Button);
  EXPECT_EQ(chart.top, C(u"データ保存"_s).top);
  EXPECT_EQ(chart.height, C(u"データ保存"_s).height);
  EXPECT_GE(chart.left, 8655);
  EXPECT_LE(chart.left + chart.width, C(u"データ保存"_s).left);
  EXPECT_TRUE(chart.toolTip.contains(u"Ctrl+G"_s));
  for (const Control& c : form->controls()) {
    if (&c == &chart || c.kind == ControlKind::Line || c.top >= 8235) continue;  // panel parked below
    const bool apart = c.left + c.width <= chart.left || chart.left + chart.width <= c.left ||
                       c.top + c.height <= chart.top || chart.top + chart.height <= c.top;
    EXPECT_TRUE(apart) << c.array.toStdString() << c.index;
  }

  form->click(u"連番"_s, 3);  // an open panel stays open
  const std::vector<Control> before = form->controls();
  form->click(u"チャート"_s);
  EXPECT_EQ(form->chartRequests(), 1u);
  ASSERT_EQ(form->controls().size(), before.size());
  for (size_t i = 0; i < before.size(); ++i)
    EXPECT_TRUE(before[i].text == form->controls()[i].text &&
                before[i].visible == form->controls()[i].visible);
}

}  // namespace
}  // namespace rdx508::testing

namespace rdx508::testing {
namespace {

// Every heading, every cell of the forecast row and every arrow says what it shows; the
// columns with a unit or colours name them.
TEST(ScreenTips, HeadingsForecastRowAndArrowsExplainThemselves) {
  FakeHost host;
  CLB_C1 clb{host};
  StartupTables tables;
  RDX_F508 form(clb, host, tables);
  for (const Control& c : form.controls()) {
    const bool explained = c.array == u"見出" || c.array == u"移動" || c.array == u"上下" ||
                           (c.index == RDX_F508::kForecastRow && form.GridRowOf(c.array, 0) == 0);
    if (explained) {
      EXPECT_GT(c.toolTip.size(), 10) << c.array.toStdString() << c.index;
    }
  }
  const struct {
    int heading;
    const char16_t* says;
  } cases[] = {{RDX_F508::kHeadIndex, u"円"},   {RDX_F508::kHeadIndex, u"緑"},
               {RDX_F508::kHeadDiverge, u"‰"},  {RDX_F508::kHeadAvg5, u"紫"},
               {RDX_F508::kHeadUpRatio5, u"%"}, {RDX_F508::kHeadChange, u"青"}};
  for (const auto& c : cases)
    EXPECT_TRUE(form.control(u"見出"_s, c.heading).toolTip.contains(QString::fromUtf16(c.says))) << c.heading;
  EXPECT_TRUE(
      form.control(u"見出"_s, RDX_F508::kHeadIndex).toolTip.startsWith(u"東証平均と日経平均切替\n"_s));
}

}  // namespace
}  // namespace rdx508::testing
