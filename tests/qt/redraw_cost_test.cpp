// The cost of a full grid redraw (312 cell texts changed, as after a scroll click):
// mirroring the model must cost no more than about twice QLabel::setText on 312
// labels, with and without the painting that follows.

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QLabel>
#include <algorithm>
#include <limits>

#include "open_window.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

template <typename F>
qint64 BestOf(int runs, F&& run) {
  qint64 best = std::numeric_limits<qint64>::max();
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer timer;
    timer.start();
    run(i);
    best = std::min(best, timer.nsecsElapsed());
  }
  return best;
}

TEST(RedrawCost, MirroringAFullGridCostsNoMoreThanQLabels) {
  OpenWindow w;
  const QString columns[] = {u"日付"_s,        u"TOPIX"_s,         u"騰落幅"_s, u"TP_5日平均"_s,
                             u"TP_25日平均"_s, u"乖離率"_s,        u"上昇数"_s, u"下落数"_s,
                             u"上昇率"_s,      u"上昇率5日平均"_s, u"騰落率"_s, u"連番"_s};
  std::vector<Control*> cells;
  for (const QString& column : columns)
    for (int r = 0; r < 26; ++r)
      cells.push_back(&w.model->control(column, r));
  ASSERT_EQ(cells.size(), 312u);

  // The same cells as QLabels in a window of the same size.
  QWidget labelsWindow;
  labelsWindow.resize(w.window->size());
  std::vector<QLabel*> labels;
  for (Control* c : cells) {
    auto* label = new QLabel(&labelsWindow);
    label->setGeometry(w.window->widgetFor(c->array, c->index)->geometry());
    labels.push_back(label);
  }
  ShowActive(&labelsWindow);

  int serial = 0;  // every run writes new texts
  auto changeModel = [&] {
    ++serial;
    for (size_t k = 0; k < cells.size(); ++k)
      cells[k]->text = QString::number(serial * 1000 + int(k));
  };
  auto changeLabels = [&] {
    ++serial;
    for (size_t k = 0; k < labels.size(); ++k)
      labels[k]->setText(QString::number(serial * 1000 + int(k)));
  };
  const qint64 mirror = BestOf(15, [&](int) {
    changeModel();
    w.window->mirror();
  });
  const qint64 setText = BestOf(15, [&](int) { changeLabels(); });
  QApplication::processEvents();
  const qint64 mirrorPainted = BestOf(15, [&](int) {
    changeModel();
    w.window->mirror();
    QApplication::processEvents();
  });
  const qint64 setTextPainted = BestOf(15, [&](int) {
    changeLabels();
    QApplication::processEvents();
  });
  std::printf("mirror %lld us (QLabel::setText %lld us); painted: %lld us (%lld us)\n", mirror / 1000,
              setText / 1000, mirrorPainted / 1000, setTextPainted / 1000);
  EXPECT_LE(mirror, 2 * setText);
  EXPECT_LE(mirrorPainted, 2 * setTextPainted);
}

}  // namespace
}  // namespace rdx508::testing
