// The chart window over 10,000 days (998 in the series, the rest in the archive),
// offscreen: a full repaint of a 1600x900 chart showing every day, opening the window up
// to its first painted frame, a hover (pointer moved, crosshair and read-out repainted),
// and the cost of keeping an open chart up to date after an event.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDate>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "bench/bench_data.h"
#include "support/fake_host.h"
#include "toolkit/clb_c1.h"
#include "ui/chart_input.h"
#include "ui/qt/chart_widget.h"
#include "ui/qt/chart_window.h"
#include "ui/qt/fonts.h"

using namespace rdx508;

namespace {

constexpr int kDays = 10000;

// Paints the dirty part of a top-level window now, as the event loop would next.
void PaintNow(QWidget* window) {
  QEvent request(QEvent::UpdateRequest);
  QCoreApplication::sendEvent(window, &request);
}

// 10,000 weekdays up to 2024/11/29 in the long date form, whose texts sort as their dates,
// one in ten with a note.
DaySeries TenThousandDays() {
  DaySeries s;
  QDate d(2024, 11, 29);
  for (int k = 0; k < kDays; d = d.addDays(-1)) {
    if (d.dayOfWeek() > 5) continue;
    const DayRec day{d.toString(QStringLiteral("yyyy/MM/dd")),
                     1500 + 800 * std::sin(k / 500.0) + (k * 37) % 41, 800 + (k * 53) % 300,
                     700 + (k * 31) % 250, 20000 + 9000 * std::sin(k / 700.0)};
    // One day in ten carries a note, so that the date axis holds a mark for each.
    if (k % 10 == 0) s.DayNotes.insert(day.Date, QStringLiteral("日銀会合、利上げ見送り %1").arg(k));
    if (k < DaySeries::kMaxDays) {
      s.Days[size_t(k) + 1] = day;
      s.DayCnt = k + 1;
    } else {
      s.Archive.push_back(day);
    }
    ++k;
  }
  s.ComputeIndicators();
  return s;
}

struct Fixture {
  QTemporaryDir dir;
  testing::FakeHost host = testing::QuietHost();
  CLB_C1 clb{host};
  DaySeries series = TenThousandDays();
  ChartInput input;
  ChartModel model{clb};
  std::unique_ptr<ChartWidget> chart;

  Fixture() {
    input.series = &series;
    input.limits = {BandLimits{20, 45, 50, 55, 60, 80}, BandLimits{35, 40, 45, 55, 60, 65},
                    BandLimits{70, 80, 90, 100, 110, 120}};
    input.colours = {{{0xFFFFFF, 0xFF8080},
                      {0x400000, 0xFFC0C0},
                      {0x404000, 0xFFFFC0},
                      {0x008000, 0xC0E0FF},
                      {0x000080, 0xC0C0FF},
                      {0x000000, 0x8080FF},
                      {0xFFFFFF, 0x0000AF}}};
    model.sync(input);
    chart = std::make_unique<ChartWidget>(model);
    chart->resize(1600, 900);
    chart->show();
    QApplication::processEvents();
    model.showRange(ChartRange::All);
    PaintNow(chart.get());
  }
  bool ok() const {
    return model.dayCount() == kDays && model.notedDays().size() == kDays / 10 && chart->width() == 1600;
  }
};

Fixture* theFixture = nullptr;

// Every day, or the most days still drawn as lines through each day (the widest view
// before a pixel column holds more than half a day).
void BM_ChartFullRepaint(benchmark::State& state) {
  Fixture& f = *theFixture;
  const double plotWidth = f.model.paneRect(ChartPane::Index).width();
  const int shown = state.range(0) > 0 ? int(state.range(0)) : int(plotWidth / ChartModel::kDenseDayWidth);
  f.model.setView(kDays - shown, shown);
  if (!f.ok() || f.model.count() != shown || f.model.dense() != (shown == kDays))
    return state.SkipWithError("chart of 10,000 days not set up");
  for (auto _ : state) {
    f.model.setMetrics(f.model.metrics());  // the whole picture is stale, as after a zoom
    f.chart->repaint();
  }
  f.model.showRange(ChartRange::All);
}
BENCHMARK(BM_ChartFullRepaint)->Arg(kDays)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_ChartOpen10000(benchmark::State& state) {
  Fixture& f = *theFixture;
  const QString settings = f.dir.filePath(QStringLiteral("chart.ini"));
  bool painted = true;
  for (auto _ : state) {
    // As a click of チャート does: the window, the history of every day, the first frame.
    auto window = std::make_unique<ChartWindow>(f.clb, f.host, settings);
    window->sync(f.input);
    window->open();
    // Events run until the window is exposed and its chart painted, as the event loop would.
    for (int k = 0; k < 1000 && window->chart()->baseRenders() == 0; ++k)
      QApplication::processEvents();
    state.PauseTiming();
    painted = painted && window->chart()->baseRenders() == 1;
    window.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  if (!painted) state.SkipWithError("the window did not paint its chart");
}
BENCHMARK(BM_ChartOpen10000)->Unit(benchmark::kMillisecond);

void BM_ChartHover10000(benchmark::State& state) {
  Fixture& f = *theFixture;
  if (!f.ok()) return state.SkipWithError("chart of 10,000 days not set up");
  const double y = f.model.paneRect(ChartPane::Index).center().y();
  f.chart->repaint();  // the panes' picture is up to date before the pointer moves
  const int renders = f.chart->baseRenders();
  int k = 0;
  for (auto _ : state) {
    const QPointF at(200 + (k++ % 50) * 23, y);
    QMouseEvent move(QEvent::MouseMove, at, f.chart->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(f.chart.get(), &move);
    PaintNow(f.chart.get());
  }
  if (f.chart->baseRenders() != renders) state.SkipWithError("a hover drew the whole chart");
}
BENCHMARK(BM_ChartHover10000)->Unit(benchmark::kMicrosecond);

// What an open chart costs after every event of the main window: nothing changed (typing
// into a box), and a changed day (an edit), which rebuilds the history.
void BM_ChartSyncUnchanged10000(benchmark::State& state) {
  Fixture& f = *theFixture;
  for (auto _ : state)
    benchmark::DoNotOptimize(f.model.sync(f.input));
}
BENCHMARK(BM_ChartSyncUnchanged10000)->Unit(benchmark::kMicrosecond);

void BM_ChartSyncChanged10000(benchmark::State& state) {
  Fixture& f = *theFixture;
  int k = 0;
  for (auto _ : state) {
    f.series.Days[1].Topix += (k++ % 2) ? 1 : -1;
    benchmark::DoNotOptimize(f.model.sync(f.input));
  }
}
BENCHMARK(BM_ChartSyncChanged10000)->Unit(benchmark::kMillisecond);

// A note set and cleared again: the marks are found anew over every day.
void BM_ChartSyncNoteChanged10000(benchmark::State& state) {
  Fixture& f = *theFixture;
  const QString date = f.series.Days[5].Date;
  int k = 0;
  for (auto _ : state) {
    if (k++ % 2)
      f.series.DayNotes.remove(date);
    else
      f.series.DayNotes.insert(date, QStringLiteral("SQ"));
    benchmark::DoNotOptimize(f.model.sync(f.input));
  }
  f.series.DayNotes.remove(date);
  f.model.sync(f.input);
}
BENCHMARK(BM_ChartSyncNoteChanged10000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);  // the window's settings stay out of the user's
  benchmark::Initialize(&argc, argv);
  QApplication app(argc, argv);
  RegisterFontSubstitutions();
  auto fixture = std::make_unique<Fixture>();
  theFixture = fixture.get();
  benchmark::RunSpecifiedBenchmarks();
  theFixture = nullptr;
  fixture.reset();
  benchmark::Shutdown();
  return 0;
}
