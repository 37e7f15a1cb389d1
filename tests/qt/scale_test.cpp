// The window at 100 % and 200 % scale with the IPA fonts: every caption and cell text
// inside its widget, every tool tip shown, and the screenshots of the sample data.
// The checks run at the scale of this process; the 200 % run is this same program
// started again with QT_SCALE_FACTOR=2.

#include <gtest/gtest.h>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QToolTip>

#include "open_window.h"
#include "ui/qt/cell_label.h"
#include "ui/qt/grid_view.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

std::string Name(const Control& c) {
  return c.array.toStdString() + "(" + std::to_string(c.index) + ") \"" + c.text.toStdString() + "\" at " +
         std::to_string(ScalePercent()) + " %";
}

// Paints a cell's text the way the cell does, but without clipping, onto an image three
// times the cell's size at the screen's pixel ratio, and returns the box of the ink that
// falls outside the cell (empty when all of it is inside), in the cell's pixels.
QRect InkOutside(const QFont& font, int flags, const QSize& size, const QString& text, qreal ratio) {
  QImage image(size * 3 * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.translate(size.width(), size.height());
    painter.drawText(QRect(QPoint(0, 0), size), flags | Qt::TextDontClip, text);
  }
  const QRect inside(QPoint(size.width(), size.height()) * ratio, size * ratio);
  QRect outside;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      // Faint anti-aliasing fringes do not count as clipped text.
      if (qAlpha(image.pixel(x, y)) >= 96 && !inside.contains(x, y)) outside |= QRect(x, y, 1, 1);
    }
  }
  return outside.isEmpty() ? QRect() : outside.translated(-inside.topLeft());
}

QRect InkOutside(const CellLabel& cell) {
  return InkOutside(cell.textFont(), cell.textFlags(), cell.size(), cell.text(), cell.devicePixelRatioF());
}

QRect InkOutside(const GridView::Cell& cell, qreal ratio) {
  return InkOutside(*cell.font, int(cell.align | Qt::AlignTop | Qt::TextSingleLine), cell.rect.size(),
                    cell.text, ratio);
}

void ExpectInside(const Control& c, const QRect& outside, const QSize& size) {
  EXPECT_TRUE(outside.isEmpty()) << Name(c) << ": ink outside the " << size.width() << "x" << size.height()
                                 << " cell at " << outside.x() << "," << outside.y() << " size "
                                 << outside.width() << "x" << outside.height() << " (device pixels)";
}

// A control of the entry panel, which is laid over the row or heading it edits.
bool IsPanel(const QString& array) {
  return array.endsWith(u"修正"_s) || array.endsWith(u"修正入力"_s) || array == u"削除"_s ||
         array == u"する"_s || array == u"しない"_s;
}

// The room QLineEdit gives its text: its contents rectangle less the text margins.
QRect TextRoom(const QLineEdit& box) {
  QStyleOptionFrame option;
  option.initFrom(&box);
  option.rect = box.rect();
  option.lineWidth =
      box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  return box.style()
      ->subElementRect(QStyle::SE_LineEditContents, &option, &box)
      .marginsRemoved(box.textMargins());
}

QRect TextRoom(const QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.rect = button.rect();
  option.text = button.text();
  return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
}

// Every visible text of the window lies inside its widget.
void ExpectNothingClipped(const OpenWindow& w) {
  for (const Control& c : w.model->controls()) {
    QWidget* widget = w.window->widgetFor(c.array, c.index);
    ASSERT_NE(widget, nullptr);
    if (!widget->isVisibleTo(w.window.get())) continue;
    if (const GridView::Cell* gridCell = w.window->gridCell(c.array, c.index)) {
      if (gridCell->visible && !gridCell->text.isEmpty())
        ExpectInside(c, InkOutside(*gridCell, widget->devicePixelRatioF()), gridCell->rect.size());
    } else if (auto* cell = qobject_cast<CellLabel*>(widget)) {
      if (cell->text().isEmpty()) continue;
      ExpectInside(c, InkOutside(*cell), cell->size());
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
      const QRect room = TextRoom(*box);
      const QFontMetrics metrics = box->fontMetrics();
      EXPECT_LE(metrics.height(), room.height()) << Name(c) << ": line height in a box of " << box->height();
      // The widest text the box is meant for: its own, or a full value of its kind.
      const QString full = c.array == u"範囲指定"_s       ? u"100"_s
                           : c.array == u"日付修正入力"_s ? u"99/99/99"_s
                           : c.array.startsWith(u"上昇数"_s) || c.array.startsWith(u"下落数"_s)
                               ? u"9,999"_s
                               : u"99,999.99"_s;
      const QString widest =
          metrics.horizontalAdvance(box->text()) > metrics.horizontalAdvance(full) ? box->text() : full;
      // QLineEdit keeps 2 pixels free on either side of its text.
      EXPECT_LE(metrics.horizontalAdvance(widest) + 4, room.width()) << Name(c);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
      const QRect room = TextRoom(*button);
      const QRect text = button->fontMetrics().boundingRect(room, Qt::AlignCenter, button->text());
      EXPECT_TRUE(room.contains(text)) << Name(c) << ": text " << text.width() << "x" << text.height()
                                       << " in room " << room.width() << "x" << room.height();
    }
  }
}

// Every visible control with a tool tip shows it when the mouse rests on its middle,
// unless an open entry panel lies over it.
int ExpectToolTipsShown(const OpenWindow& w) {
  int shown = 0;
  for (const Control& c : w.model->controls()) {
    if (c.toolTip.isEmpty()) continue;
    QWidget* widget = w.window->widgetFor(c.array, c.index);
    if (!widget) {
      ADD_FAILURE() << Name(c) << ": no widget";
      continue;
    }
    const GridView::Cell* cell = w.window->gridCell(c.array, c.index);
    EXPECT_EQ(cell ? cell->toolTip : widget->toolTip(), c.toolTip) << Name(c);
    if (!widget->isVisibleTo(w.window.get()) || (cell && !cell->visible)) continue;
    const QPoint middle = widget->mapFrom(w.window.get(), w.place(c.array, c.index).center());
    QWidget* hit = w.window->childAt(widget->mapTo(w.window.get(), middle));
    if (hit != widget) {
      const Control* over = nullptr;
      for (const Control& o : w.model->controls()) {
        if (w.window->widgetFor(o.array, o.index) == hit) over = &o;
      }
      const bool panel = over && IsPanel(over->array);
      EXPECT_TRUE(panel) << Name(c) << ": covered by " << (over ? Name(*over) : std::string("nothing"));
      continue;
    }
    QHelpEvent event(QEvent::ToolTip, middle, widget->mapToGlobal(middle));
    QApplication::sendEvent(widget, &event);
    EXPECT_TRUE(QToolTip::isVisible()) << Name(c);
    EXPECT_EQ(QToolTip::text(), c.toolTip) << Name(c);
    QToolTip::hideText();
    ++shown;
  }
  return shown;
}

// Returns how many tool tips were shown.
int ExpectWellShown(const OpenWindow& w, const char* state) {
  SCOPED_TRACE(state);
  ExpectNothingClipped(w);
  return ExpectToolTipsShown(w);
}

TEST(ScaleHere, EveryTextFitsAndEveryToolTipShowsInEveryState) {
  OpenWindow w;
  // Five headings, the two forecast arrows, the colour subject's name, and the weekday
  // and date cells of 26 filled rows.
  EXPECT_GE(ExpectWellShown(w, "as opened"), 5 + 2 + 1 + 26 + 26);

  // Every word of the forecast scale: up past 暴騰 (back to 予測), then down to 暴落.
  for (int arrow : {0, 1}) {
    for (int step = 0; step < 12; ++step) {
      w.click(u"上下"_s, arrow);
      ExpectWellShown(w, "forecast word");
    }
  }
  for (int heading : {6, 7, 8}) {
    w.click(u"見出"_s, heading);  // the colour subjects' captions
    ExpectWellShown(w, "colour subject");
  }
  for (int mode = 0; mode < 2; ++mode) {
    w.click(u"見出"_s, 9);  // add panel on the heading row
    ExpectWellShown(w, "add panel");
    w.click(u"しない"_s);
    w.click(u"連番"_s, 0);  // modify panel on the top row
    ExpectWellShown(w, "modify panel");
    w.click(u"しない"_s);
    w.click(u"日付"_s, 25);  // delete panel on the last row
    ExpectWellShown(w, "delete panel");
    w.click(u"しない"_s);
    w.click(u"見出"_s, 1);  // the Nikkei average, whose values are the widest
  }
  w.click(u"データ保存"_s);
  ExpectWellShown(w, "saved");
}

// The ink check itself: a value too wide for its cell is seen, a fitting one is not.
TEST(ScaleHere, TheInkCheckSeesClippedText) {
  CellLabel cell;
  cell.setTextFont(QFont(u"ＭＳ ゴシック"_s, 10));
  cell.resize(60, 15);
  cell.setAlignment(Qt::AlignRight);
  cell.setText(u"9,999"_s);
  EXPECT_TRUE(InkOutside(cell).isEmpty());
  cell.setText(u"99,999,999.99"_s);
  EXPECT_FALSE(InkOutside(cell).isEmpty());
  EXPECT_LT(InkOutside(cell).right(), 0);  // right-aligned: the left end is cut off
  cell.resize(60, 6);
  cell.setText(u"9"_s);
  EXPECT_FALSE(InkOutside(cell).isEmpty());  // too low a cell
}

// The screenshots of the README: the window on the sample data as it opens, written to
// the build folder as main_window.png (100 %) or main_window_200.png (200 %).
TEST(ScaleHere, ScreenshotOfTheSampleData) {
  OpenWindow w;
  const QImage shot = w.grab();
  const qreal ratio = qApp->devicePixelRatio();
  EXPECT_EQ(shot.size(), w.window->size() * ratio);
  const QString name =
      ScalePercent() == 100 ? u"main_window.png"_s : u"main_window_%1.png"_s.arg(ScalePercent());
  ASSERT_TRUE(SaveScreenshot(shot, name));
}

// The checks above once more, at 200 %.
TEST(Scale, At200Percent) {
  if (ScalePercent() != 100) GTEST_SKIP() << "already a scaled run";
  ExpectPassesAt200Percent(u"ScaleHere.*"_s, 3);
}

}  // namespace
}  // namespace rdx508::testing
