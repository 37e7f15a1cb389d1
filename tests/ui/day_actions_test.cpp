// Reaching a day without hunting for it: the chart's day marked in the grid, the day's
// modify and delete panels in the right-click menu, what the panel boxes and the date
// box tell before Enter, and typed full-width digits shown half-width.

#include "form_fixture.h"
#include "ui/colours.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using DayActions = FormTest;

int MarkedCells(RDX_F508& form) {
  int marked = 0;
  for (const Control& c : form.controls())
    marked += c.marked ? 1 : 0;
  return marked;
}

// Wherever the chosen day lands (top row, or lower when the grid cannot scroll that far),
// its date cell and nothing else is marked, until the next scroll or click.
TEST_F(DayActions, ChartDayIsMarkedWhereItLandsUntilTheNextScrollOrClick) {
  Load(UniformDays(84));  // the grid scrolls to offset 33 at most
  const struct { int32_t position, row; } cases[] = {{10, 0}, {34, 0}, {40, 6}, {59, 25}, {60, -1}};
  for (const auto& c : cases) {
    form->ShowChartDay(c.position);
    EXPECT_EQ(form->MarkedRow(), c.row) << c.position;
    EXPECT_EQ(MarkedCells(*form), c.row < 0 ? 0 : 1) << c.position;
    if (c.row >= 0) {
      EXPECT_TRUE(C(u"日付"_s, c.row).marked);
      EXPECT_EQ(Text(u"日付"_s, c.row), form->series().Days[size_t(c.position)].Date);
    }
  }
  form->ShowChartDay(40);
  form->keyPress({}, RDX_F508::Key::Up);
  EXPECT_EQ(MarkedCells(*form), 0);
  form->ShowChartDay(40);
  form->click(u"上下"_s, 0);
  EXPECT_EQ(MarkedCells(*form), 0);
}

TEST_F(DayActions, MenuOpensTheDaysModifyAndDeletePanels) {
  Load(UniformDays(30));
  const QString day = Text(u"日付"_s, 2);
  auto entry = [&](int row, const QString& command) {
    for (const RDX_F508::MenuEntry& e : form->ContextMenu(row))
      if (e.command == command) return e;
    return RDX_F508::MenuEntry{};
  };
  EXPECT_EQ(entry(2, u"modify"_s).caption, day + u" を修正…"_s);
  EXPECT_EQ(entry(2, u"modify"_s).shortcuts, QStringList{u"F2"_s});
  EXPECT_EQ(entry(2, u"delete"_s).caption, day + u" を削除…"_s);
  EXPECT_EQ(entry(2, u"delete"_s).shortcuts, QStringList{u"Delete"_s});

  form->Command(u"modify"_s, 2);
  EXPECT_EQ(Text(u"修正"_s), u"修正"_s);
  EXPECT_TRUE(C(u"修正"_s).visible);
  EXPECT_EQ(Text(u"日付修正"_s), day);
  EXPECT_FALSE(entry(2, u"delete"_s).enabled);  // not while a panel is open
  form->click(u"しない"_s);
  form->Command(u"delete"_s, 2);
  EXPECT_TRUE(C(u"削除"_s).visible);
  EXPECT_EQ(form->EditRow(), 2);
  form->click(u"しない"_s);

  // By the key (no row): the day the chart marked, else the top day.
  form->Command(u"delete"_s);
  EXPECT_EQ(form->EditRow(), 0);
  form->click(u"しない"_s);
  form->ShowChartDay(5);  // 30 days do not scroll: the day lands on row 4
  ASSERT_EQ(form->MarkedRow(), 4);
  form->Command(u"modify"_s);
  EXPECT_EQ(form->EditRow(), 4);
  EXPECT_EQ(form->NoteDate(), Text(u"日付"_s, 4));
}

TEST_F(DayActions, EmptyPanelBoxesNameTheirValueInTheCurrentOrder) {
  Load(UniformDays(30));
  const QStringList boxes = {u"日付修正入力"_s, u"TOPIX修正入力"_s, u"日経修正入力"_s, u"上昇数修正入力"_s,
                             u"下落数修正入力"_s};
  auto placeholders = [&] {
    QStringList texts;
    for (const QString& b : boxes)
      texts << C(b).placeholder;
    return texts;
  };
  form->click(u"見出"_s, 9);
  EXPECT_EQ(placeholders(), QStringList({u"日付"_s, u"東証平均"_s, u"日経平均"_s, u"上昇数"_s, u"下落数"_s}));
  form->click(u"見出"_s, 1);  // 日経平均 mode
  form->click(u"見出"_s, 9);
  EXPECT_EQ(placeholders(), QStringList({u"日付"_s, u"日経平均"_s, u"東証平均"_s, u"上昇数"_s, u"下落数"_s}));
}

// The clock stands at 07/03/15; the newest day kept is 07/03/14.
TEST_F(DayActions, DateBoxWarnsBeforeEnterAndNamesADuplicate) {
  Load(UniformDays(30));
  form->click(u"見出"_s, 9);
  const QString warning = u"日付として読めません。今日（07/03/15）として追加します"_s;
  const struct {
    const char16_t* typed;
    bool warned;
  } cases[] = {{u"07/1/32", true}, {u"07/2/29", true},   {u"abc", true},           {u"3/15", false},
               {u"15", false},     {u"07/03/15", false}, {u"０７／３／１", false}, {u"", false}};
  for (const auto& c : cases) {
    form->setText(u"日付修正入力"_s, -1, QString::fromUtf16(c.typed));
    const Control& box = C(u"日付修正入力"_s);
    EXPECT_EQ(box.toolTip == warning, c.warned) << QString::fromUtf16(c.typed).toStdString();
    EXPECT_EQ(box.backColor == kCheckBack, c.warned) << QString::fromUtf16(c.typed).toStdString();
  }
  form->setText(u"日付修正入力"_s, -1, u"07/03/14"_s);
  form->setText(u"TOPIX修正入力"_s, -1, u"1000"_s);
  form->keyPress(u"TOPIX修正入力"_s, RDX_F508::Key::Enter);
  EXPECT_TRUE(PanelOpen());
  EXPECT_EQ(C(u"日付修正入力"_s).foreColor, kDarkRed);
  EXPECT_EQ(C(u"日付修正入力"_s).toolTip, u"07/03/14 はすでにあります"_s);
}

TEST_F(DayActions, FullWidthDigitsShowHalfWidthOnceTyped) {
  Load(UniformDays(5));
  form->click(u"見出"_s, 9);
  const struct {
    const char16_t *box, *typed, *shown;
  } cases[] = {{u"TOPIX修正入力", u"３９５１０．５０", u"39510.50"},
               {u"日経修正入力", u"－１，２３４", u"-1,234"},
               {u"上昇数修正入力", u"＋６００", u"+600"},
               {u"日付修正入力", u"０７／３／１５", u"07/3/15"},
               {u"下落数修正入力", u"６００本", u"600本"}};
  for (const auto& c : cases) {
    form->setText(QString::fromUtf16(c.box), -1, QString::fromUtf16(c.typed));
    EXPECT_EQ(Text(QString::fromUtf16(c.box)), QString::fromUtf16(c.shown));
  }
  form->setText(u"範囲指定"_s, 0, u"５５"_s);
  EXPECT_EQ(Text(u"範囲指定"_s, 0), u"55"_s);
}

}  // namespace
}  // namespace rdx508::testing
