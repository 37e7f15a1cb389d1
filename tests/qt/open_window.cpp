#include "open_window.h"

#include <gtest/gtest.h>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include "app/files/holiday_setup.h"
#include "ui/qt/cell_label.h"
#include "ui/qt/colors.h"
#include "ui/qt/twips.h"

namespace rdx508::testing {

void CopySampleData(const QString& folder) {
  const QDir data(QStringLiteral(RDX508_DATA_DIR));
  for (const QString& name : data.entryList(QDir::Files)) {
    if (!QFile::copy(data.filePath(name), QDir(folder).filePath(name)))
      throw std::runtime_error("cannot copy sample file " + name.toStdString());
  }
}

OpenWindow::OpenWindow() {
  if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
  CopySampleData(dir_.path());
  host.folder = dir_.path();
  const QString message = ReadStartupFiles(clb, tables);
  if (!message.isEmpty()) throw std::runtime_error("start-up failed: " + message.toStdString());
  const QString listProblem = LoadHolidayList(clb, tables.INI);
  if (!listProblem.isEmpty()) throw std::runtime_error("holiday list: " + listProblem.toStdString());
  model = std::make_unique<RDX_F508>(clb, host, tables);
  window = std::make_unique<MainWindow>(*model, host);
  model->Form_Load();
  window->mirror();
  if (!ShowActive(window.get())) throw std::runtime_error("window not active");
}

// Settings name paths with "\" as well as "/"; both separate folders.
QString OpenWindow::dayFileOut() const {
  return DataFilePath(tables.INI, 2, folder()).replace(u'\\', u'/');
}
QString OpenWindow::colorFileOut() const {
  return DataFilePath(tables.INI, 4, folder()).replace(u'\\', u'/');
}

QWidget* OpenWindow::widget(const QString& array, int index) const {
  QWidget* w = window->widgetFor(array, index);
  if (!w) throw std::runtime_error("no widget for " + array.toStdString());
  return w;
}

QRect OpenWindow::place(const QString& array, int index) const {
  return window->placeOf(array, index);
}

const GridView::Cell& OpenWindow::cell(const QString& array, int index) const {
  const GridView::Cell* c = window->gridCell(array, index);
  if (!c) throw std::runtime_error("no grid cell for " + array.toStdString());
  return *c;
}

void OpenWindow::click(const QString& array, int index) {
  QWidget* target = widget(array, index);
  const QPoint at = place(array, index).center();
  QWidget* hit = window->childAt(at);
  ASSERT_EQ(hit, target) << array.toStdString() << "(" << index << ") is covered or hidden";
  if (const GridView::Cell* c = window->gridCell(array, index)) {
    GridView* grid = window->gridView();
    const int seen = grid->cellAt(grid->mapFrom(window.get(), at));
    ASSERT_TRUE(seen >= 0 && &grid->cell(seen) == c)
        << array.toStdString() << "(" << index << ") is covered by another cell";
  }
  MouseClick(hit, hit->mapFrom(window.get(), at));
}

void OpenWindow::type(const QString& array, const QString& text, int index) {
  auto* box = qobject_cast<QLineEdit*>(widget(array, index));
  ASSERT_NE(box, nullptr);
  box->setFocus();
  box->selectAll();
  KeyClick(box, Qt::Key_Backspace);
  KeyClicks(box, text);
}

void OpenWindow::key(const QString& array, Qt::Key key, int index) {
  KeyClick(widget(array, index), key);
}

QImage OpenWindow::grab() {
  return window->grab().toImage();
}

int ScalePercent() {
  return qRound(qApp->devicePixelRatio() * 100);
}

void ExpectPassesAt200Percent(const QString& filter, int passed) {
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  child.setProcessEnvironment(env);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + filter});
  ASSERT_TRUE(child.waitForFinished(240000)) << "the 200 % run did not end";
  const QByteArray output = child.readAll();
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
  EXPECT_TRUE(output.contains("[  PASSED  ] " + QByteArray::number(passed) + " tests"))
      << output.toStdString();
}

bool SaveScreenshot(const QImage& image, const QString& name) {
  return image.save(QStringLiteral(RDX508_BUILD_DIR "/") + name);
}

void ExpectMirrored(const OpenWindow& w) {
  for (const Control& c : w.model->controls()) {
    const QWidget* widget = w.window->widgetFor(c.array, c.index);
    ASSERT_NE(widget, nullptr);
    const std::string name = c.array.toStdString() + "(" + std::to_string(c.index) + ")";
    if (const GridView::Cell* cell = w.window->gridCell(c.array, c.index)) {
      EXPECT_EQ(widget, w.window->gridView()) << name;
      EXPECT_EQ(cell->visible, c.visible) << name;
      EXPECT_EQ(cell->enabled, c.enabled) << name;
      EXPECT_EQ(cell->toolTip, c.toolTip) << name;
      EXPECT_EQ(w.place(c.array, c.index), TwipsRect(c.left, c.top, c.width, c.height)) << name;
      EXPECT_EQ(cell->text, c.text) << name;
      EXPECT_EQ(cell->fore, ModelColor(c.foreColor, w.window->palette())) << name;
      EXPECT_EQ(cell->back, ModelColor(c.backColor, w.window->palette())) << name;
      EXPECT_EQ(cell->opaque, c.opaque) << name;
      EXPECT_EQ(cell->marked, c.marked) << name;
      continue;
    }
    EXPECT_EQ(widget->isVisibleTo(w.window.get()), c.visible) << name;
    EXPECT_EQ(widget->isEnabled(), c.enabled) << name;
    EXPECT_EQ(widget->toolTip(), c.toolTip) << name;
    if (c.kind == ControlKind::Line) continue;
    EXPECT_EQ(widget->geometry(), TwipsRect(c.left, c.top, c.width, c.height)) << name;
    if (auto* label = qobject_cast<const CellLabel*>(widget)) {
      EXPECT_EQ(label->text(), c.text) << name;
      EXPECT_EQ(label->foreColor(), ModelColor(c.foreColor, w.window->palette())) << name;
      EXPECT_EQ(label->backColor(), ModelColor(c.backColor, w.window->palette())) << name;
      EXPECT_EQ(label->isOpaque(), c.opaque) << name;
    } else if (auto* box = qobject_cast<const QLineEdit*>(widget)) {
      EXPECT_EQ(box->text(), c.text) << name;
    } else if (auto* button = qobject_cast<const QPushButton*>(widget)) {
      EXPECT_EQ(button->text(), c.text) << name;
    }
  }
}

QColor PixelOf(const QImage& shot, const QRect& place, int dx, int dy) {
  const qreal ratio = shot.devicePixelRatio();
  const QPoint p = place.topLeft() + QPoint(dx, dy);
  return shot.pixelColor(qRound(p.x() * ratio), qRound(p.y() * ratio));
}

QColor PixelOf(const QImage& shot, const QWidget* cell, int dx, int dy) {
  const qreal ratio = shot.devicePixelRatio();
  const QPoint p = cell->mapTo(cell->window(), QPoint(dx, dy));
  return shot.pixelColor(qRound(p.x() * ratio), qRound(p.y() * ratio));
}

QStringList MenuOn(OpenWindow& w, int row, const std::function<void(QMenu*)>& choose) {
  QStringList captions;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* a : menu->actions())
      if (!a->isSeparator()) captions << a->text() + u'\t' + a->shortcut().toString();
    if (choose) choose(menu);
    menu->close();
  });
  QWidget* grid = w.widget(QStringLiteral("TOPIX"), row);
  const QPoint at = grid->mapFrom(w.window.get(), w.place(QStringLiteral("TOPIX"), row).center());
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid->mapToGlobal(at));
  QApplication::sendEvent(grid, &event);
  return captions;
}

}  // namespace rdx508::testing
