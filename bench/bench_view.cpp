// The view's cost after a scroll click, offscreen: the model's RedrawGrid plus the
// window's update of its widgets, beside the floor of one QLabel::setText on each of
// 312 labels laid out like the grid. Painting is included in both: every iteration ends
// by syncing the window's backing store, which paints exactly the widgets marked dirty.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "app/files/startup.h"
#include "bench/bench_data.h"
#include "support/fake_host.h"
#include "toolkit/clb_c1.h"
#include "ui/qt/fonts.h"
#include "ui/qt/main_window.h"
#include "ui/rdx_f508.h"

using namespace rdx508;

namespace {

// Paints the dirty part of a top-level window now, as the event loop would next.
void PaintNow(QWidget* window) {
  QEvent request(QEvent::UpdateRequest);
  QCoreApplication::sendEvent(window, &request);
}

// Counts paint events, to show that both cases paint what they changed.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// The main window on a 998-day program folder, and the 312 grid cells as QLabels in a
// window of the same size, holding the texts of the grid at offsets 0 and 1.
struct Views {
  QTemporaryDir dir;
  testing::FakeHost host = testing::QuietHost();
  CLB_C1 clb{host};
  StartupTables tables;
  std::unique_ptr<RDX_F508> model;
  std::unique_ptr<MainWindow> window;
  QWidget labelsWindow;
  std::vector<QLabel*> labels;
  std::vector<QString> texts[2];
  bool ok = false;

  Views() {
    host.folder = dir.path();
    if (!bench::WriteProgramFolder(dir.path(), DaySeries::kMaxDays)) return;
    if (!ReadStartupFiles(clb, tables).isEmpty()) return;
    model = std::make_unique<RDX_F508>(clb, host, tables);
    window = std::make_unique<MainWindow>(*model, host);
    model->Form_Load();
    window->mirror();

    static const char16_t* const kColumns[] = {u"日付",        u"TOPIX",         u"騰落幅", u"TP_5日平均",
                                               u"TP_25日平均", u"乖離率",        u"上昇数", u"下落数",
                                               u"上昇率",      u"上昇率5日平均", u"騰落率", u"連番"};
    std::vector<const Control*> cells;
    for (const char16_t* column : kColumns)
      for (int r = 0; r < RDX_F508::kGridRows; ++r)
        cells.push_back(&model->control(QString::fromUtf16(column), r));
    for (int offset = 0; offset < 2; ++offset) {
      for (const Control* c : cells)
        texts[offset].push_back(c->text);
      model->click(QStringLiteral("移動"), 1);  // one day older
    }
    model->click(QStringLiteral("移動"), 2);
    model->click(QStringLiteral("移動"), 2);
    window->mirror();

    labelsWindow.setFixedSize(window->size());
    for (const Control* c : cells) {
      const QWidget* cell = window->widgetFor(c->array, c->index);
      auto* label = new QLabel(&labelsWindow);
      label->setGeometry(window->placeOf(c->array, c->index));
      label->setFont(cell->font());
      labels.push_back(label);
    }
    window->show();
    labelsWindow.show();
    QApplication::processEvents();
    PaintNow(window.get());
    PaintNow(&labelsWindow);
    ok = labels.size() == 312 && texts[0] != texts[1] && model->GridOffset() == 0;
  }
};

// Created in main() after the QApplication and destroyed before it.
Views* theViews = nullptr;

Views& TheViews() {
  return *theViews;
}

void BM_ScrollClickView998(benchmark::State& state) {
  Views& v = TheViews();
  if (!v.ok) {
    state.SkipWithError("main window not opened on 998 days");
    return;
  }
  PaintCounter counter;
  v.window->installEventFilter(&counter);
  for (QObject* child : v.window->children())
    child->installEventFilter(&counter);
  int step = 1;
  for (auto _ : state) {
    // As a click on 移動 does: the model scrolls and redraws, the view mirrors it.
    v.model->click(QStringLiteral("移動"), step);
    v.window->mirror();
    PaintNow(v.window.get());
    step = 3 - step;  // one day older, then one day newer again
  }
  for (QObject* child : v.window->children())
    child->removeEventFilter(&counter);
  v.window->removeEventFilter(&counter);
  state.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ScrollClickView998)->Unit(benchmark::kMicrosecond);

void BM_Floor_SetText312Labels(benchmark::State& state) {
  Views& v = TheViews();
  if (!v.ok) {
    state.SkipWithError("labels not laid out");
    return;
  }
  PaintCounter counter;
  for (QLabel* label : v.labels)
    label->installEventFilter(&counter);
  int offset = 1;
  for (auto _ : state) {
    const std::vector<QString>& texts = v.texts[offset];
    for (size_t k = 0; k < v.labels.size(); ++k)
      v.labels[k]->setText(texts[k]);
    PaintNow(&v.labelsWindow);
    offset = 1 - offset;
  }
  for (QLabel* label : v.labels)
    label->removeEventFilter(&counter);
  state.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_Floor_SetText312Labels)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  QApplication app(argc, argv);
  RegisterFontSubstitutions();
  auto views = std::make_unique<Views>();
  theViews = views.get();
  benchmark::RunSpecifiedBenchmarks();
  theViews = nullptr;
  views.reset();
  benchmark::Shutdown();
  return 0;
}
