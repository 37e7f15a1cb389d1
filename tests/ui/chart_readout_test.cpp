// The chart's read-out of a day shows what the grid's row of that day shows: the same
// texts and the same colours, in both index modes; days without a full window show no
// average.

#include "form_fixture.h"
#include "ui/chart_input.h"
#include "ui/chart_model.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

class ChartReadoutTest : public FormTest {
 protected:
  // The main window on the sample data.
  void LoadSample() {
    host.folder = QString::fromUtf8(RDX508_DATA_DIR);
    ASSERT_EQ(ReadStartupFiles(clb, tables), QString());
    form = std::make_unique<RDX_F508>(clb, host, tables);
    form->Form_Load();
  }
};

TEST_F(ChartReadoutTest, EveryGridRowReadsTheSameInTheChart) {
  LoadSample();
  const QString columns[kReadFieldCount] = {
      u"TOPIX"_s,  u"騰落幅"_s, u"TP_5日平均"_s, u"TP_25日平均"_s,   u"乖離率"_s,
      u"上昇数"_s, u"下落数"_s, u"上昇率"_s,     u"上昇率5日平均"_s, u"騰落率"_s};
  int compared = 0;
  for (bool nikkei : {false, true}) {
    if (nikkei) form->click(u"見出"_s, 1);
    for (int32_t top : {1, 30}) {  // the newest rows, and the oldest the grid scrolls to
      form->ScrollToPosition(top);
      ChartModel model(clb);
      model.sync(ChartInputOf(*form));
      for (int r = 0; r < RDX_F508::kGridRows; ++r) {
        const int32_t position = form->GridOffset() + 1 + r;
        const int day = model.dayCount() - position;
        const ChartReadout readout = model.readout(day);
        SCOPED_TRACE(::testing::Message() << "row " << r << (nikkei ? " nikkei" : " topix"));
        EXPECT_EQ(model.gridPosition(day), position);
        EXPECT_EQ(readout.date, Text(u"日付"_s, r));
        EXPECT_EQ(readout.weekday.text, Text(u"連番"_s, r));
        EXPECT_EQ(readout.weekday.color, C(u"連番"_s, r).foreColor);
        for (int f = 0; f < kReadFieldCount; ++f) {
          const Control& cell = C(columns[f], r);
          const ReadoutItem& item = readout.items[size_t(f)];
          EXPECT_EQ(item.text, cell.text) << columns[f].toStdString();
          // The bottom row shows the index columns uncoloured, for want of a day below.
          if (r < RDX_F508::kGridRows - 1 || f >= kReadUp) {
            EXPECT_EQ(item.fore, cell.foreColor) << f;
          }
          if (f >= kReadUpRatio) {
            EXPECT_EQ(item.back, cell.backColor) << f;
          }
          ++compared;
        }
      }
    }
  }
  EXPECT_EQ(compared, 2 * 2 * 26 * kReadFieldCount);
}

TEST_F(ChartReadoutTest, DaysWithoutAFullWindowShowNoAverage) {
  // 25 days at 100, then one at 5000: its divergence is beyond what the grid shows.
  std::vector<DayRow> rows = UniformDays(26, 100, 600, 400, 17000);
  rows[0].topix = u"5000"_s;
  Load(rows);
  ChartModel model(clb);
  model.sync(ChartInputOf(*form));
  struct Case {
    int day;
    bool change, average5, average25;
  };
  for (const Case& c : std::vector<Case>{{0, false, false, false},
                                         {3, true, false, false},
                                         {4, true, true, false},
                                         {24, true, true, true},
                                         {25, true, true, true}}) {
    const ChartReadout r = model.readout(c.day);
    SCOPED_TRACE(c.day);
    EXPECT_EQ(!r.items[kReadChange].text.isEmpty(), c.change);
    EXPECT_EQ(!r.items[kReadAverage5].text.isEmpty(), c.average5);
    EXPECT_EQ(!r.items[kReadUpRatio5].text.isEmpty(), c.average5);
    EXPECT_EQ(!r.items[kReadAverage25].text.isEmpty(), c.average25);
    EXPECT_EQ(!r.items[kReadAdRatio].text.isEmpty(), c.average25);
    EXPECT_EQ(r.items[kReadAdRatio].back.has_value(), c.average25);
    EXPECT_EQ(r.items[kReadUpRatio].text, u"60.0"_s);  // a day's own ratio is always there
    if (!c.average25) {
      EXPECT_EQ(r.items[kReadIndex].fore, kSysWindowText);
    }
  }
  EXPECT_EQ(model.readout(24).items[kReadDivergence].text, u"0.0"_s);
  EXPECT_EQ(model.readout(25).items[kReadDivergence].text, QString());  // |D| >= 999
  EXPECT_EQ(model.readout(25).items[kReadChange].text, u"+4,900.00"_s);
}

}  // namespace
}  // namespace rdx508::testing
