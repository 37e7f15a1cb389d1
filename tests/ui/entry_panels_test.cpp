// Opening the entry panels: laid edge to edge over the row, above the grid, with the
// day's values and tool tips by index mode.

#include "form_fixture.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using PanelTest = FormTest;

// The panel controls shown, left to right, each drawn above the grid at `top`.
void ExpectChain(RDX_F508& form, const QStringList& chain, int32_t left, int32_t top) {
  QStringList shown;
  for (const Control& c : form.controls())
    if (c.visible && c.z > 1) shown << c.array;  // the layout itself uses z 0 and 1
  EXPECT_EQ(shown.size(), chain.size());
  for (const QString& name : chain) {
    const Control& c = form.control(name);
    EXPECT_TRUE(c.visible && c.z > 1) << name.toStdString();
    EXPECT_EQ(std::pair(c.left, c.top), std::pair(left, top)) << name.toStdString();
    left += c.width;
  }
}

TEST_F(PanelTest, AddPanelOverTheHeadingRow) {
  Load(UniformDays(30));  // newest Wednesday 07/03/14
  form->click(u"見出"_s, 9);
  form->setText(u"TOPIX修正入力"_s, -1, u"1234"_s);
  form->click(u"見出"_s, 9);  // again: one panel, empty boxes
  EXPECT_EQ(form->EditRow(), -1);
  EXPECT_EQ(Text(u"修正"_s), u"追加"_s);
  ExpectChain(*form,
              {u"修正"_s, u"する"_s, u"しない"_s, u"日付修正入力"_s, u"TOPIX修正入力"_s, u"日経修正入力"_s,
               u"上昇数修正入力"_s, u"下落数修正入力"_s},
              120, 60);
  EXPECT_EQ(C(u"下落数修正入力"_s).left + C(u"下落数修正入力"_s).width, 6840);
  EXPECT_EQ(Text(u"日付修正入力"_s) + Text(u"TOPIX修正入力"_s), u"07/03/15"_s);
  EXPECT_FALSE(C(u"データ保存"_s).enabled);
  EXPECT_EQ(form->focusControl(), &C(u"TOPIX修正入力"_s));
}

TEST_F(PanelTest, ModifyPanelShowsTheScrolledDayByMode) {
  std::vector<DayRow> rows = UniformDays(70);
  rows[13] = {rows[13].date, u"1634.5"_s, u"1203"_s, u"12"_s, u"17250.25"_s};
  Load(rows);
  form->click(u"移動"_s, 0);
  form->click(u"移動"_s, 0);
  form->click(u"連番"_s, 3);  // offset 10: position 14
  EXPECT_EQ(form->EditRow(), 3);
  ExpectChain(*form,
              {u"修正"_s, u"する"_s, u"しない"_s, u"日付修正"_s, u"TOPIX修正入力"_s, u"日経修正入力"_s,
               u"上昇数修正入力"_s, u"下落数修正入力"_s},
              120, 1440);
  EXPECT_EQ(QStringList({Text(u"日付修正"_s), Text(u"TOPIX修正入力"_s), Text(u"日経修正入力"_s),
                         Text(u"上昇数修正入力"_s), Text(u"下落数修正入力"_s)}),
            QStringList({rows[13].date, u"1634.5"_s, u"17250.25"_s, u"1203"_s, u"12"_s}));
  form->click(u"見出"_s, 1);  // closes the panel
  EXPECT_FALSE(PanelOpen());
  form->click(u"連番"_s, 3);
  EXPECT_EQ(Text(u"TOPIX修正入力"_s) + Text(u"日経修正入力"_s), u"17250.251634.5"_s);
  EXPECT_EQ(C(u"TOPIX修正入力"_s).toolTip + C(u"日経修正入力"_s).toolTip, u"日経平均入力東証平均入力"_s);
}

TEST_F(PanelTest, DeletePanelTakesNoFocusAndEmptyRowsOpenNothing) {
  Load(UniformDays(30));
  const quint64 serial = form->focusSerial();
  form->click(u"日付"_s, 25);
  ExpectChain(*form,
              {u"削除"_s, u"する"_s, u"しない"_s, u"日付修正"_s, u"TOPIX修正"_s, u"日経修正"_s,
               u"上昇数修正"_s, u"下落数修正"_s},
              1080, 7320);
  EXPECT_EQ(Text(u"TOPIX修正"_s) + u' ' + Text(u"日経修正"_s), u"1000 17000"_s);
  EXPECT_EQ(form->focusSerial(), serial);
  Load(UniformDays(5));
  form->click(u"連番"_s, 10);
  form->click(u"日付"_s, 10);
  EXPECT_FALSE(PanelOpen());
}

}  // namespace
}  // namespace rdx508::testing
