// The chart window on the sample data, opened from the main window and driven with real
// mouse and key events: it follows every change of the main window, a hover repaints only
// the crosshair and the read-out, clicks scroll the grid, and its picture, colours, size
// and position are kept as the user expects, at 100 % and at 200 %.

#include <gtest/gtest.h>
#include <QAccessible>
#include <QClipboard>
#include <QDate>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolTip>

#include <cmath>
#include "open_window.h"
#include "support/chart_days.h"
#include "ui/qt/cell_label.h"
#include "ui/qt/chart_window.h"
#include "ui/qt/colors.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

void Mouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button = Qt::NoButton) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
  QApplication::processEvents();
}

// The main window with its chart opened by a click of チャート, the chart's settings in
// `settings` (a temporary file unless given).
struct OpenChart {
  QTemporaryDir dir;
  OpenWindow w;
  ChartWindow* chart = nullptr;
  ChartModel* model = nullptr;
  ChartWidget* widget = nullptr;

  explicit OpenChart(const QString& settings = {}) {
    w.window->setChartSettingsFile(settings.isEmpty() ? dir.filePath(u"chart.ini"_s) : settings);
    w.click(u"チャート"_s);
    chart = w.window->chartWindow();
    if (!chart || !ShowActive(chart)) throw std::runtime_error("chart window not opened");
    model = &chart->model();
    widget = chart->chart();
  }
  QPointF At(int day, ChartPane pane = ChartPane::Index) const {
    return QPointF(model->xOfDay(day), model->paneRect(pane).center().y());
  }
  int Newest() const { return model->dayCount() - 1; }
};

TEST(ChartWindow, OpensFromItsButtonAndCtrlGOnTheLastSixMonths) {
  OpenChart c;
  EXPECT_EQ(c.chart->windowTitle(), u"市況ノート — チャート"_s);
  EXPECT_EQ(c.model->dayCount(), 80);
  EXPECT_EQ(c.model->shownRange(), ChartRange::SixMonths);
  EXPECT_TRUE(c.chart->rangeButton(ChartRange::SixMonths)->isChecked());
  EXPECT_FALSE(c.chart->rangeButton(ChartRange::All)->isChecked());
  c.chart->close();
  ASSERT_TRUE(ShowActive(c.w.window.get()));
  KeyClick(c.w.window.get(), Qt::Key_G, Qt::ControlModifier);
  EXPECT_TRUE(c.chart->isVisible());
  EXPECT_EQ(c.w.window->chartWindow(), c.chart);  // the same window again
}

TEST(ChartWindow, FollowsEveryChangeOfTheMainWindowAtOnce) {
  OpenChart c;
  OpenWindow& w = c.w;
  w.click(u"見出"_s, 9);  // add the next business day
  w.type(u"TOPIX修正入力"_s, u"2800"_s);
  w.type(u"日経修正入力"_s, u"39000"_s);
  w.type(u"上昇数修正入力"_s, u"1200"_s);
  w.type(u"下落数修正入力"_s, u"300"_s);
  w.key(u"下落数修正入力"_s, Qt::Key_Return);
  EXPECT_EQ(c.model->dayCount(), 81);
  EXPECT_EQ(c.model->valueOf(ChartLine::Index, c.Newest()), 2800);
  EXPECT_EQ(c.model->first() + c.model->count(), 81);  // the view still ends on the newest day

  w.click(u"連番"_s, 0);  // modify it
  w.type(u"TOPIX修正入力"_s, u"2700"_s);
  w.key(u"TOPIX修正入力"_s, Qt::Key_Return);
  EXPECT_EQ(c.model->valueOf(ChartLine::Index, c.Newest()), 2700);

  w.click(u"日付"_s, 0);  // delete it
  w.click(u"する"_s);
  EXPECT_EQ(c.model->dayCount(), 80);
  w.window->runCommand(u"undo"_s);  // and take the delete back
  EXPECT_EQ(c.model->dayCount(), 81);
  EXPECT_EQ(c.model->valueOf(ChartLine::Index, c.Newest()), 2700);

  w.click(u"見出"_s, 1);  // the Nikkei average
  EXPECT_TRUE(c.model->nikkei());
  EXPECT_EQ(c.model->readout(c.Newest()).items[kReadIndex].label, u"日経平均"_s);

  w.click(u"見出"_s, 8);  // 騰落レシオ's limits: 75 for the lowest band
  w.type(u"範囲指定"_s, u"75"_s, 0);
  w.click(u"色見本題名"_s, 0);
  EXPECT_EQ(c.model->zones(ChartPane::AdRatio).front().high, 75);
}

TEST(ChartWindow, NoteMarksFollowTheWindowAndShowTheirNoteOverTheMark) {
  OpenChart c;
  const int day = c.Newest() - 3;
  const QString date = c.model->days()[size_t(day)].day.Date;
  c.w.window->runDeferred([&] { c.w.model->SetNote(date, u"日銀会合、利上げ見送り"_s); });
  ASSERT_EQ(c.model->noteMarks().size(), 1u);
  EXPECT_EQ(c.model->noteMarks()[0].first, day);
  // The mark is drawn in the note colour under its day, and hovering it shows the note.
  const QImage picture = c.widget->picture();
  const qreal ratio = picture.devicePixelRatio();
  const QPointF mark(c.model->xOfDay(day), c.model->noteStripRect().bottom() - 2);
  EXPECT_EQ(picture.pixelColor((mark * ratio).toPoint()), QColor(0xD0, 0x20, 0x20));
  QHelpEvent help(QEvent::ToolTip, mark.toPoint(), c.widget->mapToGlobal(mark.toPoint()));
  QApplication::sendEvent(c.widget, &help);
  EXPECT_EQ(QToolTip::text(), date + u"\n日銀会合、利上げ見送り"_s);
  Mouse(c.widget, QEvent::MouseMove, c.At(day));
  EXPECT_EQ(c.model->readout(*c.model->cursor()).note, u"日銀会合、利上げ見送り"_s);

  c.w.window->runCommand(u"undo"_s);
  EXPECT_TRUE(c.model->noteMarks().empty());
  QHelpEvent again(QEvent::ToolTip, mark.toPoint(), c.widget->mapToGlobal(mark.toPoint()));
  QApplication::sendEvent(c.widget, &again);
  EXPECT_FALSE(again.isAccepted());  // no tip where no mark is
  c.w.window->runCommand(u"redo"_s);
  EXPECT_EQ(c.model->noteMarks().size(), 1u);
  Mouse(c.widget, QEvent::Leave, QPointF());
}

// The read-out as words for a screen reader: the hovered day with each value, and every
// button named by its caption.
TEST(ChartWindow, TheReadOutIsAlsoTextAndEveryButtonIsNamed) {
  OpenChart c;
  const int day = c.Newest() - 3;
  Mouse(c.widget, QEvent::MouseMove, c.At(day));
  const QString words = c.widget->readoutText();
  EXPECT_TRUE(words.startsWith(c.model->days()[size_t(day)].day.Date)) << words.toStdString();
  EXPECT_TRUE(words.contains(u"騰落幅 "_s)) << words.toStdString();
  QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(c.widget);
  EXPECT_EQ(chart->text(QAccessible::Name), u"チャート"_s);
  for (QPushButton* button : c.chart->findChildren<QPushButton*>())
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).isEmpty());
}

TEST(ChartWindow, AHoverRepaintsOnlyTheCrosshairAndTheReadout) {
  OpenChart c;
  c.widget->repaint();
  const int renders = c.widget->baseRenders();
  const QSize size = c.widget->size();
  for (int day : {c.Newest(), c.Newest() - 10, c.Newest() - 40}) {
    Mouse(c.widget, QEvent::MouseMove, c.At(day, ChartPane::AdRatio));
    EXPECT_EQ(c.model->cursor(), day);
    // A strip at the day, a line at the pointer's height and the read-out: a small part.
    qint64 area = 0;
    for (const QRect& r : c.widget->overlayRegion())
      area += qint64(r.width()) * r.height();
    EXPECT_LT(area * 4, qint64(size.width()) * size.height());
    c.widget->repaint(c.widget->overlayRegion());
  }
  EXPECT_EQ(c.widget->baseRenders(), renders);
  // The read-out shows the hovered day.
  EXPECT_EQ(c.model->readout(*c.model->cursor()).date, c.model->days()[size_t(c.Newest() - 40)].day.Date);
  Mouse(c.widget, QEvent::Leave, QPointF());
}

TEST(ChartWindow, WheelZoomsAroundThePointerDragPansAndAClickScrollsTheGrid) {
  OpenChart c;
  const QPointF at = c.At(c.Newest() - 20);
  const int count = c.model->count();
  QWheelEvent wheel(at, c.widget->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(c.widget, &wheel);
  EXPECT_LT(c.model->count(), count);
  EXPECT_NEAR(*c.model->dayAt(at.x()), c.Newest() - 20, 1);
  EXPECT_FALSE(c.chart->rangeButton(ChartRange::SixMonths)->isChecked());

  const int first = c.model->first();
  Mouse(c.widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
  Mouse(c.widget, QEvent::MouseMove, at + QPointF(150, 0), Qt::LeftButton);
  Mouse(c.widget, QEvent::MouseButtonRelease, at + QPointF(150, 0), Qt::LeftButton);
  EXPECT_LT(c.model->first(), first);     // older days came in
  EXPECT_EQ(c.w.model->GridOffset(), 0);  // a drag is no click

  // 80 days: the grid's top row reaches position 30 at most; the day's date cell is
  // marked wherever it lands, and not when it lies beyond the grid's reach.
  const struct { int position, offset, row; } clicks[] = {{10, 9, 0}, {1, 0, 0}, {40, 29, 10}, {70, 29, -1}};
  for (const auto& k : clicks) {
    c.chart->rangeButton(ChartRange::All)->click();
    MouseClick(c.widget, c.At(c.model->dayCount() - k.position).toPoint());
    EXPECT_EQ(c.w.model->GridOffset(), k.offset) << k.position;
    EXPECT_EQ(c.w.model->MarkedRow(), k.row) << k.position;
    if (k.row >= 0) {
      EXPECT_TRUE(c.w.cell(u"日付"_s, k.row).marked);
    }
  }
  c.w.click(u"移動"_s, RDX_F508::kScrollNewer1);  // the next scroll ends the mark
  EXPECT_EQ(c.w.model->MarkedRow(), -1);
  EXPECT_FALSE(c.w.cell(u"日付"_s, 10).marked);

  Mouse(c.widget, QEvent::Leave, QPointF());  // the mouse leaves; the keys take over
  KeyClick(c.widget, Qt::Key_3);
  EXPECT_EQ(c.model->shownRange(), ChartRange::ThreeMonths);
  KeyClick(c.widget, Qt::Key_Left);  // the cursor starts on the newest day shown ...
  KeyClick(c.widget, Qt::Key_Left);  // ... and moves a day at a time
  EXPECT_EQ(c.model->cursor(), c.Newest() - 1);
  KeyClick(c.widget, Qt::Key_Return);
  EXPECT_EQ(c.w.model->GridOffset(), 1);
  KeyClick(c.widget, Qt::Key_A);
  EXPECT_EQ(c.model->shownRange(), ChartRange::All);
}

TEST(ChartWindow, SavesAndCopiesThePictureAtTheScreensPixelRatio) {
  OpenChart c;
  const QSize pixels = c.widget->size() * c.widget->devicePixelRatioF();
  const QString path = c.dir.filePath(u"チャート.png"_s);
  ASSERT_TRUE(c.chart->saveImage(path));
  EXPECT_EQ(QImage(path).size(), pixels);
  EXPECT_TRUE(c.w.host.errors.empty());
  EXPECT_FALSE(c.chart->saveImage(c.dir.path()));  // a folder: an error box, no crash
  ASSERT_EQ(c.w.host.errors.size(), 1u);
  EXPECT_TRUE(c.w.host.errors[0].text.contains(c.dir.path()));
  KeyClick(c.widget, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), pixels);
}

TEST(ChartWindow, KeepsItsSizeAndPositionBetweenRuns) {
  QTemporaryDir dir;
  const QString settings = dir.filePath(u"chart.ini"_s);
  {
    OpenChart c(settings);
    c.chart->resize(1000, 560);
    c.chart->close();
  }
  OpenChart again(settings);
  EXPECT_EQ(again.chart->size(), QSize(1000, 560));
}

// The screenshot of the README (chart.png, or chart_200.png at 200 %), with the mouse on a
// day a month before the newest; the pane frames are crisp and the band zones take the
// grid's colours.
TEST(ChartHere, ScreenshotLinesAndColours) {
  OpenChart c;
  c.chart->resize(1100, 640);
  QApplication::processEvents();
  for (const auto& noted : std::vector<std::pair<int, QString>>{
           {22, u"日銀会合、利上げ見送り"_s}, {40, u"米雇用統計"_s}, {53, u"SQ"_s}})
    c.w.window->runDeferred([&] {
      c.w.model->SetNote(c.model->days()[size_t(c.Newest() - noted.first)].day.Date, noted.second);
    });
  Mouse(c.widget, QEvent::MouseMove, c.At(c.Newest() - 22));
  const QImage shot = c.chart->grab().toImage();
  const QString name = ScalePercent() == 100 ? u"chart.png"_s : u"chart_%1.png"_s.arg(ScalePercent());
  ASSERT_TRUE(SaveScreenshot(shot, name));

  const QImage picture = c.widget->picture();
  const qreal ratio = picture.devicePixelRatio();
  ASSERT_EQ(picture.size(), c.widget->size() * ratio);
  // The top frame of the index pane: exactly one pixel of the scale, no blurred rows.
  const QRectF pane = c.model->paneRect(ChartPane::Index);
  const int x = qRound(pane.center().x() * ratio);
  int frameRows = 0, blurred = 0;
  for (int y = qRound((pane.top() - 4) * ratio); y < qRound((pane.top() + 4) * ratio); ++y) {
    const QColor colour = picture.pixelColor(x, y);
    if (colour == QColor(0x9a, 0x9a, 0x9a))
      ++frameRows;
    else if (colour != Qt::white && colour.red() > 0x9a && colour.red() < 0xe0)
      ++blurred;
  }
  EXPECT_EQ(frameRows, qRound(ratio));
  EXPECT_EQ(blurred, 0);
  // The strip at the left of the 騰落レシオ pane shows each band in the grid's colour.
  const QRectF ratios = c.model->paneRect(ChartPane::AdRatio);
  for (const BandZone& zone : c.model->zones(ChartPane::AdRatio)) {
    const double value = std::isfinite(zone.low)
                             ? (std::isfinite(zone.high) ? (zone.low + zone.high) / 2 : zone.low + 5)
                             : zone.high - 5;
    const double y = c.model->yOf(ChartPane::AdRatio, value);
    if (y <= ratios.top() + 2 || y >= ratios.bottom() - 2) continue;
    EXPECT_EQ(picture.pixelColor(qRound((ratios.left() + 3) * ratio), qRound(y * ratio)),
              ModelColor(c.model->colours()[size_t(zone.band)].back, c.widget->palette()))
        << zone.band;
  }
}

// Forty years of days, most of them in the archive, all in one view: drawn as spans a
// pixel column (the picture goes to chart_10000.png in the build folder).
TEST(ChartHere, TenThousandDaysInOneView) {
  QTemporaryDir dir;
  FakeHost host;
  CLB_C1 clb(host);
  const DaySeries series = WavingDays(10000, QDate(2024, 11, 29), u"yyyy/MM/dd"_s);
  ChartWindow window(clb, host, dir.filePath(u"chart.ini"_s));
  const ChartInput input = SampleChartInput(&series);
  window.sync(input);
  window.open();
  window.resize(1600, 900);
  ASSERT_TRUE(ShowActive(&window));
  KeyClick(window.chart(), Qt::Key_A);
  ChartModel& m = window.model();
  ASSERT_EQ(std::pair(m.first(), m.count()), std::pair(0, 10000));
  EXPECT_TRUE(m.dense());
  EXPECT_EQ(m.timeTicks().front().label, u"1988"_s);  // every other year: 1986/08 opens the view
  EXPECT_EQ(m.gridPosition(0), DaySeries::kMaxDays);  // the archive's days scroll the grid to its end
  EXPECT_EQ(m.readout(0).date, series.Archive.back().Date);
  const QImage picture = window.chart()->picture();
  EXPECT_TRUE(SaveScreenshot(picture, QStringLiteral("chart_10000.png")));
}

// The chart's checks once more, at 200 %.
TEST(ChartScale, At200Percent) {
  if (ScalePercent() != 100) GTEST_SKIP() << "already a scaled run";
  ExpectPassesAt200Percent(u"ChartHere.*:ChartWindow.*"_s, 10);
}

}  // namespace
}  // namespace rdx508::testing
