// The day the window proposes after the newest one (the forecast row and the add panel
// agree, and nothing is proposed past the two-digit-year window), index values kept as the
// day file keeps them when typed.

#include "form_fixture.h"
#include "support/reference_year.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

using ProposalTest = FormTest;

TEST_F(ProposalTest, TheForecastRowAndTheAddPanelProposeOneDay) {
  const struct {
    QString top;
    int32_t year;      // the clock's year, which places two-digit years
    QString proposed;  // "" when none can be
  } cases[] = {
      {u"07/03/16"_s, 2007, u"07/03/19"_s},                                // Friday
      {u"07/03/17"_s, 2007, u"07/03/19"_s},                                // a Saturday entered anyway
      {u"24/01/08"_s, 2024, u"24/01/09"_s},                                // 成人の日 entered anyway
      {u"07/12/28"_s, 2007, u"08/01/04"_s}, {u"46/12/31"_s, 2026, u""_s},  // 47/01/01 would read as 1947
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.top.toStdString());
    ReferenceYearScope year(c.year);
    Load({{c.top, u"1000"_s, u"600"_s, u"400"_s, u"17000"_s}});
    host.errors.clear();
    EXPECT_EQ(Text(u"日付"_s, 26), c.proposed);
    form->click(u"見出"_s, 9);
    EXPECT_EQ(Text(u"日付修正入力"_s), c.proposed);
    EXPECT_EQ(host.errors.size(), c.proposed.isEmpty() ? 1u : 0u);
    if (c.proposed.isEmpty() && !host.errors.empty()) {
      EXPECT_TRUE(host.errors[0].text.contains(u"1947〜2046"_s)) << host.errors[0].text.toStdString();
    }
  }
}

// Typed index values are kept with the file's two decimals, in either index mode, so the
// grid reads the same before and after a save and a restart.
TEST_F(ProposalTest, TypedIndexValuesAreKeptAsTheFileKeepsThem) {
  const struct {
    bool nikkeiFirst;
    QString first, second;
    double topix, nikkei;
  } cases[] = {
      {false, u"2729.055"_s, u"39510.5"_s, 2729.06, 39510.5},
      {false, u"1100.004"_s, u"17100.996"_s, 1100.0, 17101.0},
      {true, u"38208.0349"_s, u"2680.7051"_s, 2680.71, 38208.03},
  };
  for (const auto& c : cases) {
    Load(UniformDays(3));
    if (c.nikkeiFirst) form->click(u"見出"_s, 1);
    form->click(u"見出"_s, 9);
    form->setText(u"日付修正入力"_s, -1, u"07/03/15"_s);
    form->setText(u"TOPIX修正入力"_s, -1, c.first);
    form->setText(u"日経修正入力"_s, -1, c.second);
    form->setText(u"上昇数修正入力"_s, -1, u"600"_s);
    form->setText(u"下落数修正入力"_s, -1, u"400"_s);
    form->click(u"する"_s);
    ASSERT_EQ(form->series().Days[1].Date, u"07/03/15"_s);
    EXPECT_EQ(form->series().Days[1].Topix, c.topix) << c.first.toStdString();
    EXPECT_EQ(form->series().Days[1].Nikkei, c.nikkei) << c.second.toStdString();
  }
}

}  // namespace
}  // namespace rdx508::testing
