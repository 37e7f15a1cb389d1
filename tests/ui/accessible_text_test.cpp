// The words a screen reader hears (the grid's table is tested through the view): a
// banded cell's band, the names of boxes, buttons and arrows (the index boxes by the index mode), warnings.

#include "ui/accessible_text.h"
#include "form_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

class AccessibleText : public FormTest {
 protected:
  void SetUp() override { Load(UniformDays(60)); }
  QString Name(const QString& array, int index = -1) { return AccessibleName(*form, C(array, index)); }
};

// A banded cell says its band in the words of the legend, with the limits of its own
// subject (the three banded columns have three subjects); other cells say nothing.
TEST_F(AccessibleText, ABandedCellSaysItsBand) {
  const GridShape shape = GridShapeOf(*form);
  const struct {
    int column, band;  // band 6: above the top limit
    const char16_t* words;
  } cases[] = {
      {9, 0, u"20 以下"},   {9, 4, u"60 以下"}, {9, 6, u"超過"}, {10, 1, u"40 以下"},
      {11, 5, u"150 以下"}, {11, 6, u"超過"},   {2, 0, u""},  // the index column has no bands
  };
  for (const auto& c : cases) {
    Control cell = form->controls()[size_t(shape.columns[size_t(c.column)].cells[3])];
    cell.text = u"1"_s;
    cell.opaque = true;
    cell.backColor = c.band == 6 ? C(u"色見本"_s, 7).backColor : C(u"範囲指定"_s, c.band).backColor;
    EXPECT_EQ(BandWords(*form, shape, c.column, cell), QString::fromUtf16(c.words))
        << c.column << " " << c.band;
    cell.opaque = false;  // a transparent cell shows no band
    EXPECT_EQ(BandWords(*form, shape, c.column, cell), u""_s);
  }
}

TEST_F(AccessibleText, EveryBoxButtonAndArrowIsNamed) {
  EXPECT_EQ(Name(u"範囲指定"_s, 0), u"上昇率の区切り 1"_s);
  EXPECT_EQ(Name(u"範囲指定"_s, 5), u"上昇率の区切り 6"_s);
  EXPECT_EQ(Name(u"移動"_s, 2), u"1日新しい日へ"_s);
  EXPECT_EQ(Name(u"移動"_s, 0), u"5日古い日へ"_s);
  EXPECT_EQ(Name(u"終了"_s), u"終了"_s);
  EXPECT_EQ(Name(u"色見本"_s, 0), u"20 以下"_s);
  form->click(u"見出"_s, 7);  // the 5-day average's ranges
  EXPECT_EQ(Name(u"範囲指定"_s, 0), u"５日平均の区切り 1"_s);

  form->click(u"見出"_s, 9);  // the add panel
  EXPECT_EQ(Name(u"TOPIX修正入力"_s), u"追加: 東証平均"_s);
  EXPECT_EQ(Name(u"日経修正入力"_s), u"追加: 日経平均"_s);
  EXPECT_EQ(Name(u"日付修正入力"_s), u"追加: 日付"_s);
  EXPECT_EQ(Name(u"する"_s), u"追加する"_s);
  form->click(u"しない"_s);
  form->click(u"見出"_s, 1);  // the Nikkei mode: the first box is the Nikkei average
  form->click(u"連番"_s, 0);  // the modify panel of the top day
  EXPECT_EQ(Name(u"TOPIX修正入力"_s), u"修正: 日経平均"_s);
  EXPECT_EQ(Name(u"日経修正入力"_s), u"修正: 東証平均"_s);
  EXPECT_EQ(Name(u"修正"_s), u"修正: "_s + Text(u"日付"_s, 0));

  // Every control outside the grid has a name.
  const GridShape shape = GridShapeOf(*form);
  for (size_t i = 0; i < form->controls().size(); ++i) {
    const Control& c = form->controls()[i];
    if (shape.inGrid[i] || c.kind == ControlKind::Line) continue;
    EXPECT_FALSE(AccessibleName(*form, c).isEmpty()) << c.array.toStdString() << "(" << c.index << ")";
  }
}

TEST_F(AccessibleText, WarningColoursAreSaidInWords) {
  form->click(u"見出"_s, 9);
  form->setText(u"TOPIX修正入力"_s, -1, u"5000"_s);  // far from the day before
  const Control& box = C(u"TOPIX修正入力"_s);
  EXPECT_TRUE(AccessibleDescription(box).startsWith(u"黄: "_s)) << AccessibleDescription(box).toStdString();
  EXPECT_TRUE(AccessibleDescription(box).contains(box.toolTip));
  Control& date = C(u"日付修正入力"_s);
  date.text = Text(u"日付"_s, 0);  // a date already stored
  form->keyPress(u"日付修正入力"_s, RDX_F508::Key::Enter);
  EXPECT_TRUE(AccessibleDescription(date).startsWith(u"赤: "_s)) << AccessibleDescription(date).toStdString();
  EXPECT_EQ(AccessibleDescription(C(u"上昇数修正入力"_s)), C(u"上昇数修正入力"_s).toolTip);  // no warning
}

}  // namespace
}  // namespace rdx508::testing
