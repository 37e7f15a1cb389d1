// The chart model over a day series with an archive: the ranges of the four buttons, the
// day under a point, zooming and panning, the cursor, following the main window's data,
// lines broken where a window is not full, and scales around the data and the bands.

#include <gtest/gtest.h>

#include <QDate>
#include <cmath>

#include "support/chart_days.h"
#include "support/fake_host.h"
#include "ui/chart_model.h"
#include "ui/note_text.h"

namespace rdx508 {
namespace {

using namespace Qt::Literals::StringLiterals;

class ChartModelTest : public ::testing::Test {
 protected:
  testing::FakeHost host;
  CLB_C1 clb{host};
  ChartModel model{clb};
  DaySeries series;

  void Sync(int count, bool nikkei = false) {
    series = testing::WavingDays(count);
    model.sync(Input(nikkei));
    model.setSize(1000, 600);
  }
  ChartInput Input(bool nikkei = false, BandLimits adLimits = {70, 80, 90, 100, 110, 120}) {
    return testing::SampleChartInput(&series, nikkei, adLimits);
  }
  int last() const { return model.first() + model.count() - 1; }
};

TEST_F(ChartModelTest, OpensOnSixMonthsAndEachButtonShowsItsRangeEndingOnTheNewestDay) {
  Sync(1200);
  ASSERT_EQ(model.dayCount(), 1200);
  EXPECT_EQ(model.shownRange(), ChartRange::SixMonths);
  const QDate newest(2024, 12, 27);
  for (const auto& [range, months] : std::vector<std::pair<ChartRange, int>>{
           {ChartRange::ThreeMonths, 3}, {ChartRange::OneYear, 12}, {ChartRange::SixMonths, 6}}) {
    model.showRange(range);
    EXPECT_EQ(last(), 1199);
    EXPECT_EQ(model.shownRange(), range);
    // The first day shown is the first after the same date `months` months earlier.
    EXPECT_GT(model.dateOf(model.first()), newest.addMonths(-months)) << months;
    EXPECT_LE(model.dateOf(model.first() - 1), newest.addMonths(-months)) << months;
  }
  model.showRange(ChartRange::All);
  EXPECT_EQ(std::pair(model.first(), model.count()), std::pair(0, 1200));

  Sync(5);  // fewer days than any range: all of them
  for (ChartRange r : {ChartRange::ThreeMonths, ChartRange::All}) {
    model.showRange(r);
    EXPECT_EQ(std::pair(model.first(), model.count()), std::pair(0, 5));
  }
}

TEST_F(ChartModelTest, ZoomKeepsTheDayUnderThePointerAndStopsAtItsLimits) {
  Sync(1200);
  model.setView(600, 200);
  const QRectF plot = model.paneRect(ChartPane::Index);
  for (int d = model.first(); d <= last(); ++d)
    ASSERT_EQ(model.dayAt(model.xOfDay(d)), d);
  EXPECT_EQ(model.dayAt(plot.left()), model.first());
  EXPECT_EQ(model.dayAt(plot.right() - 0.01), last());
  EXPECT_FALSE(model.dayAt(plot.left() - 1));
  EXPECT_FALSE(model.dayAt(plot.right()));

  for (double along : {0.02, 0.5, 0.97}) {
    for (double factor : {0.5, 0.8, 1.25, 3.0}) {
      model.setView(600, 200);
      const double x = plot.left() + along * plot.width();
      const int before = *model.dayAt(x);
      model.zoomAt(x, factor);
      EXPECT_NEAR(*model.dayAt(x), before, 1) << along << " " << factor;
      EXPECT_EQ(model.count(), int(std::lround(200 * factor)));
    }
  }
  for (int k = 0; k < 40; ++k)
    model.zoomAt(plot.center().x(), 0.8);
  EXPECT_EQ(model.count(), ChartModel::kMinVisible);
  for (int k = 0; k < 40; ++k)
    model.zoomAt(plot.center().x(), 1.25);
  EXPECT_EQ(std::pair(model.first(), model.count()), std::pair(0, 1200));
}

TEST_F(ChartModelTest, PanAndCursorStayWithinTheDays) {
  Sync(1200);
  model.setView(100, 50);
  model.panBy(-1000);
  EXPECT_EQ(model.first(), 0);
  model.panBy(5000);
  EXPECT_EQ(last(), 1199);

  model.setView(100, 50);
  EXPECT_FALSE(model.moveCursor(-1));  // no cursor yet: the newest day shown
  EXPECT_EQ(model.cursor(), 149);
  EXPECT_FALSE(model.showCursorAt(100));
  EXPECT_TRUE(model.moveCursor(-1));  // leaving the view takes the view along
  EXPECT_EQ(std::pair(model.first(), *model.cursor()), std::pair(99, 99));
  EXPECT_TRUE(model.showCursorAt(5000));
  EXPECT_EQ(std::pair(last(), *model.cursor()), std::pair(1199, 1199));
  model.setCursor(1200);
  EXPECT_FALSE(model.cursor());
}

TEST_F(ChartModelTest, FollowsTheMainWindowAndRebuildsOnlyWhatChanged) {
  Sync(1200);
  const quint64 revision = model.revision();
  EXPECT_FALSE(model.sync(Input()));
  EXPECT_EQ(model.revision(), revision);

  // A newer day: the view still ends on the newest day, as wide as before.
  const int count = model.count();
  series.Insert(1, {u"24/12/30"_s, 2100, 900, 700, 31000});
  series.ComputeIndicators();
  EXPECT_TRUE(model.sync(Input()));
  EXPECT_EQ(model.dayCount(), 1201);
  EXPECT_EQ(std::pair(last(), model.count()), std::pair(1200, count));
  EXPECT_GT(model.revision(), revision);

  // A modified value, elsewhere in the view: the view stays.
  model.setView(10, 50);
  series.Days[400].Topix += 1;
  series.ComputeIndicators();
  EXPECT_TRUE(model.sync(Input()));
  EXPECT_EQ(model.first(), 10);

  EXPECT_TRUE(model.sync(Input(true)));  // the index switch
  EXPECT_EQ(model.valueOf(ChartLine::Index, 1200), 31000);
  EXPECT_TRUE(model.sync(Input(true, {60, 80, 90, 100, 110, 130})));  // a colour-range apply
  EXPECT_EQ(model.zones(ChartPane::AdRatio).front().high, 60);
  EXPECT_FALSE(model.sync(Input(true, {60, 80, 90, 100, 110, 130})));

  // The grid scrolls to a day's own position; a day of the archive is not in the grid.
  EXPECT_EQ(model.gridPosition(1200), 1);
  EXPECT_EQ(model.gridPosition(1199 - 9), 11);
  EXPECT_EQ(model.gridPosition(0), DaySeries::kMaxDays);
}

TEST_F(ChartModelTest, LinesStartWhereTheirWindowIsFullAndDenseOnesKeepTheirExtremes) {
  Sync(1200);
  model.showRange(ChartRange::All);  // under two pixels a day: a span a pixel column
  ASSERT_TRUE(model.dense());
  const QRectF plot = model.paneRect(ChartPane::Index);
  for (ChartLine line : {ChartLine::Index, ChartLine::Average5, ChartLine::Average25, ChartLine::AdRatio}) {
    const std::vector<ChartModel::ColumnSpan> spans = model.spans(line);
    const int firstDay = line == ChartLine::Index ? 0 : (line == ChartLine::Average5 ? 4 : 24);
    ASSERT_FALSE(spans.empty());
    EXPECT_DOUBLE_EQ(spans.front().x, std::floor(model.xOfDay(firstDay)));
    EXPECT_LE(spans.size(), size_t(plot.width()) + 1);
    double lowest = 1e300, highest = -1e300, top = 1e300, bottom = -1e300;
    for (int d = firstDay; d < 1200; ++d) {
      lowest = std::min(lowest, model.valueOf(line, d));
      highest = std::max(highest, model.valueOf(line, d));
    }
    for (size_t k = 0; k < spans.size(); ++k) {
      top = std::min(top, spans[k].top);
      bottom = std::max(bottom, spans[k].bottom);
      // Each column reaches the one before it: the line has no breaks.
      if (k > 0) {
        EXPECT_TRUE(spans[k].top <= spans[k - 1].bottom && spans[k].bottom >= spans[k - 1].top) << k;
      }
    }
    const ChartPane pane = line == ChartLine::AdRatio ? ChartPane::AdRatio : ChartPane::Index;
    EXPECT_DOUBLE_EQ(top, model.yOf(pane, highest));
    EXPECT_DOUBLE_EQ(bottom, model.yOf(pane, lowest));
    // The scale holds every value shown.
    EXPECT_LE(model.scale(pane).low, lowest);
    EXPECT_GE(model.scale(pane).high, highest);
  }
  model.setView(20, 100);  // wide days: a point each, and one day beyond either edge
  EXPECT_FALSE(model.dense());
  EXPECT_EQ(model.path(ChartLine::Index)[0].size(), 102u);
  const auto split = model.path(ChartLine::Average25);
  ASSERT_EQ(split.size(), 1u);
  EXPECT_DOUBLE_EQ(split[0].front().x(), model.xOfDay(24));
}

TEST_F(ChartModelTest, TheRatioScaleShowsTheLineAt100AndTheBandLimitsNearTheData) {
  Sync(300);
  model.showRange(ChartRange::All);
  const ValueScale& near = model.scale(ChartPane::AdRatio);
  EXPECT_LE(near.low, 70);
  EXPECT_GE(near.high, 120);
  model.sync(Input(false, {70, 80, 90, 100, 110, 999}));
  EXPECT_LT(model.scale(ChartPane::AdRatio).high, 300);  // a far limit does not squash the data
  EXPECT_DOUBLE_EQ(model.scale(ChartPane::UpRatio).low, 0);
  EXPECT_DOUBLE_EQ(model.scale(ChartPane::UpRatio).high, 100);
}

TEST_F(ChartModelTest, DaysWithANoteCarryAMarkOnTheDateAxisThatShowsTheNote) {
  Sync(1200);
  const quint64 revision = model.revision();
  auto dateOf = [&](int day) { return model.days()[size_t(day)].day.Date; };
  const QString longNote = QString(300, u'株');
  for (const auto& [day, note] : std::vector<std::pair<int, QString>>{
           {1150, u"日銀会合、利上げ見送り"_s}, {1151, u"SQ"_s}, {1190, longNote}, {20, u"大発会"_s}})
    series.DayNotes.insert(dateOf(day), note);
  EXPECT_TRUE(model.sync(Input()));  // a note alone redraws
  EXPECT_GT(model.revision(), revision);
  EXPECT_FALSE(model.sync(Input()));
  EXPECT_EQ(model.notedDays(), (std::vector<int>{20, 1150, 1151, 1190}));
  EXPECT_EQ(model.noteStripRect().top(), model.paneRect(ChartPane::UpRatio).bottom());
  EXPECT_EQ(model.axisRect().top(), model.noteStripRect().bottom());

  const double y = model.noteStripRect().center().y();
  const double half = model.noteMarkHalfWidth();
  struct Case {
    int first, count;
    std::vector<std::pair<int, int>> marks;  // first and last noted day of each mark
  };
  for (const Case& c : std::vector<Case>{{1140, 60, {{1150, 1150}, {1151, 1151}, {1190, 1190}}},
                                         {0, 1200, {{20, 20}, {1150, 1151}, {1190, 1190}}},
                                         {1170, 30, {{1190, 1190}}}}) {
    model.setView(c.first, c.count);
    SCOPED_TRACE(c.count);
    std::vector<std::pair<int, int>> marks;
    for (const ChartModel::NoteMark& m : model.noteMarks()) {
      marks.emplace_back(m.first, m.last);
      EXPECT_DOUBLE_EQ(m.left, model.xOfDay(m.first) - half);  // pointing at its days
      EXPECT_DOUBLE_EQ(m.right, model.xOfDay(m.last) + half);
    }
    EXPECT_EQ(marks, c.marks);
    for (size_t k = 1; k < model.noteMarks().size(); ++k)  // marks never overlap
      EXPECT_GE(model.noteMarks()[k].left, model.noteMarks()[k - 1].right);
  }

  // Hovering: the note of the mark under the pointer, shortened; two close marks list both.
  model.setView(1140, 60);
  const std::vector<std::pair<QPointF, QString>> tips = {
      {{model.xOfDay(1150) - half / 2, y}, dateOf(1150) + u"\n日銀会合、利上げ見送り"_s},
      {{model.xOfDay(1190), y}, dateOf(1190) + u'\n' + ShortenedNote(longNote)},
      {{model.xOfDay(1170), y}, QString()},                                // between marks
      {{model.xOfDay(1151), model.noteStripRect().top() - 3}, QString()},  // over the pane
  };
  for (const auto& [at, tip] : tips)
    EXPECT_EQ(model.noteTipAt(at), tip) << at.x();
  EXPECT_TRUE(ShortenedNote(longNote).endsWith(u"…"_s));
  model.showRange(ChartRange::All);
  EXPECT_EQ(model.noteTipAt({(model.xOfDay(1150) + model.xOfDay(1151)) / 2, y}),
            dateOf(1150) + u"　日銀会合、利上げ見送り\n"_s + dateOf(1151) + u"　SQ"_s);

  // The read-out carries the note; changes and an undo's restored notes follow at once.
  EXPECT_EQ(model.readout(1151).note, u"SQ"_s);
  EXPECT_EQ(model.readout(1152).note, QString());
  const Notes before = series.DayNotes;
  series.DayNotes.remove(dateOf(20));
  EXPECT_TRUE(model.sync(Input()));
  EXPECT_EQ(model.noteMarks().front().first, 1150);
  series.DayNotes = before;
  EXPECT_TRUE(model.sync(Input()));
  EXPECT_EQ(model.noteMarks().front().first, 20);
  // A newer day moves every day's index; the marks stay on their dates.
  series.Insert(1, {u"24/12/30"_s, 2100, 900, 700, 31000});
  series.ComputeIndicators();
  EXPECT_TRUE(model.sync(Input()));
  EXPECT_EQ(model.notedDays(), (std::vector<int>{20, 1150, 1151, 1190}));
  EXPECT_EQ(model.dayCount(), 1201);
}

}  // namespace
}  // namespace rdx508
