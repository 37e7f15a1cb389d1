// The main window on the sample data: real clicks on a scroll arrow and a heading, the
// screenshot, and pixels of banded cells checked against the model's band colours.

#include <gtest/gtest.h>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>

#include "open_window.h"
#include "toolkit/numeric.h"
#include "ui/qt/cell_label.h"
#include "ui/qt/colors.h"
#include "ui/qt/line_widget.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

// The background a banded cell must show, from the model's range table and the band
// colours held by the legend controls.
QColor ExpectedBand(OpenWindow& w, int subject, const QString& text) {
  const std::optional<double> value = ParseNumber(text);
  if (!value) return {};
  int band = 6;
  for (int k = 0; k <= 6; ++k) {
    if (w.model->Range(subject, k).toNumber() >= *value) {
      band = k;
      break;
    }
  }
  const Control& source = band == 6 ? w.model->control(QStringLiteral("色見本"), 7)
                                    : w.model->control(QStringLiteral("範囲指定"), band);
  return ModelColor(source.backColor, w.window->palette());
}

// Checks the painted background of every filled banded cell; returns how many cells.
int ExpectBandPixels(OpenWindow& w, const QImage& shot) {
  const QString columns[] = {QStringLiteral("上昇率"), QStringLiteral("上昇率5日平均"),
                             QStringLiteral("騰落率")};
  int checked = 0;
  for (int subject = 0; subject < 3; ++subject) {
    for (int r = 0; r < 26; ++r) {
      const Control& cell = w.model->control(columns[subject], r);
      if (cell.text.isEmpty()) continue;
      const QColor expected = ExpectedBand(w, subject, cell.text);
      EXPECT_EQ(PixelOf(shot, w.place(columns[subject], r), 2, 3), expected)
          << columns[subject].toStdString() << "(" << r << ") " << cell.text.toStdString();
      ++checked;
    }
  }
  return checked;
}

TEST(MainWindow, OpensOnTheSampleDataWithTheLayoutsFrame) {
  OpenWindow w;
  EXPECT_EQ(w.window->windowTitle(), QStringLiteral("市況ノート"));
  EXPECT_EQ(w.window->size(), QSize(888, 549));
  EXPECT_EQ(w.window->minimumSize(), w.window->maximumSize());
  ExpectMirrored(w);
  const QImage shot = w.grab();
  // An empty spot of the window shows the window background 0x00FFFFFF.
  EXPECT_EQ(shot.pixelColor(qRound(880 * shot.devicePixelRatio()), qRound(2 * shot.devicePixelRatio())),
            QColor(Qt::white));
}

TEST(MainWindow, ScrollAndHeadingClicksRedrawAndTheBandsMatchTheModel) {
  OpenWindow w;
  ASSERT_GT(w.model->series().DayCnt, 51) << "the sample data must allow scrolling";
  const QString topDate = w.model->control(QStringLiteral("日付"), 0).text;

  w.click(QStringLiteral("移動"), 1);  // one day towards the oldest
  EXPECT_EQ(w.model->GridOffset(), 1);
  EXPECT_EQ(w.model->control(QStringLiteral("日付"), 0).text, w.model->series().Days[2].Date);
  EXPECT_NE(w.model->control(QStringLiteral("日付"), 0).text, topDate);
  EXPECT_TRUE(w.widget(QStringLiteral("移動"), 2)->isVisible());  // now one can scroll back

  w.click(QStringLiteral("見出"), 1);  // switch to the Nikkei average
  EXPECT_EQ(w.model->IndexMode(), 225);
  EXPECT_EQ(w.cell(QStringLiteral("見出"), 1).text, QStringLiteral("日経平均"));
  ExpectMirrored(w);

  const QImage shot = w.grab();
  ASSERT_TRUE(SaveScreenshot(shot, QStringLiteral("rdx508_window.png")));
  EXPECT_EQ(ExpectBandPixels(w, shot), 78);

  w.click(QStringLiteral("移動"), 2);  // and back
  EXPECT_EQ(w.model->GridOffset(), 0);
  EXPECT_EQ(w.model->control(QStringLiteral("日付"), 0).text, topDate);
  EXPECT_FALSE(w.widget(QStringLiteral("移動"), 2)->isVisible());
  ExpectMirrored(w);
  EXPECT_EQ(ExpectBandPixels(w, w.grab()), 78);
}

// Text and background of opaque cells reach the screen: the weekday column's yellow
// and a heading's green, read back from the screenshot.
TEST(MainWindow, OpaqueCellsPaintTheirBackground) {
  OpenWindow w;
  const QImage shot = w.grab();
  const struct {
    const char16_t* array;
    int index;
  } cells[] = {{u"見出", 9}, {u"見出", 1}, {u"見出", 4}, {u"色見本", 6}, {u"色見本", 7}, {u"範囲指定", 0}};
  for (const auto& cell : cells) {
    const QString array = QString::fromUtf16(cell.array);
    const Control& c = w.model->control(array, cell.index);
    // Away from the text: the lower right corner of a label, the left inside a box's frame.
    const QRect place = w.place(array, cell.index);
    const QPoint at = c.kind == ControlKind::TextBox ? QPoint(4, place.height() / 2)
                                                     : QPoint(place.width() - 2, place.height() - 2);
    EXPECT_EQ(PixelOf(shot, place, at.x(), at.y()), ModelColor(c.backColor, w.window->palette()))
        << array.toStdString() << "(" << cell.index << ")";
  }
}

// Overlapping controls stack by z, then by creation order: the two lower scroll arrows
// overlap, and whichever the model puts higher takes the click.
TEST(MainWindow, StackingFollowsTheModelsZ) {
  OpenWindow w;
  QWidget* first = w.widget(u"移動"_s, 0);
  QWidget* second = w.widget(u"移動"_s, 1);
  const QRect overlap = first->geometry().intersected(second->geometry());
  ASSERT_FALSE(overlap.isEmpty());
  const int32_t z0 = w.model->control(u"移動"_s, 0).z, z1 = w.model->control(u"移動"_s, 1).z;
  const struct {
    int32_t first, second;
    QWidget* above;
  } cases[] = {{z1 + 1000, z1, first},   // brought to the front
               {z1 - 1000, z1, second},  // sent below everything
               {z1, z1, second},         // a tie: the later created one
               {z0, z1, z0 > z1 ? first : second}};
  for (const auto& c : cases) {
    w.model->control(u"移動"_s, 0).z = c.first;
    w.model->control(u"移動"_s, 1).z = c.second;
    w.window->mirror();
    EXPECT_EQ(w.window->childAt(overlap.center()), c.above) << c.first << " / " << c.second;
  }
}

// A dotted line is drawn once and copied after: the pixels of the line drawn straight, on
// the first paint and the next (across, down and both diagonals).
TEST(MainWindow, DottedLinesCopyThePixelsOfTheLineDrawnStraight) {
  const struct {
    QSize size;
    bool rising;
    QLine drawn;
  } cases[] = {{{843, 1}, false, {0, 0, 842, 0}},
               {{1, 377}, false, {0, 0, 0, 376}},
               {{40, 25}, false, {0, 0, 39, 24}},
               {{40, 25}, true, {0, 24, 39, 0}}};
  const QColor color(0x80, 0x80, 0x80);
  for (const auto& c : cases) {
    QImage expected(c.size * qApp->devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    expected.setDevicePixelRatio(qApp->devicePixelRatio());
    expected.fill(Qt::white);
    QPainter painter(&expected);
    QPen pen(color, 0);
    pen.setDashPattern({1, 1});
    painter.setPen(pen);
    painter.drawLine(c.drawn);
    painter.end();
    QWidget parent;
    parent.setStyleSheet(u"background: white"_s);
    LineWidget line(&parent);
    line.setColor(color);
    line.setDotted(true);
    line.setRising(c.rising);
    line.resize(c.size);
    for (int paint = 0; paint < 2; ++paint)
      EXPECT_EQ(line.grab().toImage().convertToFormat(expected.format()), expected)
          << c.size.width() << paint;
  }
}

}  // namespace
}  // namespace rdx508::testing
