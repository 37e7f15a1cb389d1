#pragma once
// A main window opened on a temporary copy of the sample data, driven through real
// mouse and key events, plus checks that the view shows what its model holds.

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/files/startup.h"
#include "input.h"
#include "support/fake_host.h"
#include "toolkit/clb_c1.h"
#include "ui/qt/main_window.h"
#include "ui/rdx_f508.h"

namespace rdx508::testing {

// Copies every sample data file into `folder`.
void CopySampleData(const QString& folder);

class OpenWindow {
 public:
  OpenWindow();  // copies the sample data, starts up, loads and shows the window

  QString folder() const { return dir_.path(); }
  // The day and colour-range files that saving writes (settings rows 2 and 4).
  QString dayFileOut() const;
  QString colorFileOut() const;

  QWidget* widget(const QString& array, int index = -1) const;
  // Where a control is drawn in the window (a grid cell's place inside the grid view).
  QRect place(const QString& array, int index = -1) const;
  // The grid view's cell of a control of the grid.
  const GridView::Cell& cell(const QString& array, int index = -1) const;
  // Clicks the middle of a control where the user would: the widget found at that
  // point of the window must be the control's own (nothing drawn over it).
  void click(const QString& array, int index = -1);
  // Types into a text box after selecting what it holds.
  void type(const QString& array, const QString& text, int index = -1);
  void key(const QString& array, Qt::Key key, int index = -1);
  QImage grab();

  FakeHost host;
  CLB_C1 clb{host};
  StartupTables tables;
  std::unique_ptr<RDX_F508> model;
  std::unique_ptr<MainWindow> window;

 private:
  QTemporaryDir dir_;
};

// Writes a screenshot into the build folder under `name`; false when it cannot.
bool SaveScreenshot(const QImage& image, const QString& name);

// Every widget matches its control: text, visibility, enabled state and geometry;
// label cells also their colours and opacity.
void ExpectMirrored(const OpenWindow& w);

// The screen's scale in percent: 100, or 200 in a run at QT_SCALE_FACTOR=2.
int ScalePercent();

// Runs this test program again, offscreen at QT_SCALE_FACTOR=2, on the tests `filter`
// names, and expects it to end normally with `passed` tests passed.
void ExpectPassesAt200Percent(const QString& filter, int passed);

// The colour at a point of a control's cell in the screenshot, relative to its top left.
QColor PixelOf(const QImage& shot, const QWidget* cell, int dx, int dy);
QColor PixelOf(const QImage& shot, const QRect& place, int dx, int dy);

// Right-clicks the middle of grid cell TOPIX(`row`), where the user would, and returns the
// menu's captions with their shortcuts; `choose` runs on the menu before it closes.
QStringList MenuOn(OpenWindow& w, int row, const std::function<void(QMenu*)>& choose = {});

}  // namespace rdx508::testing
