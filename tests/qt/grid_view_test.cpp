// The grid drawn by one view: its pixels against one label widget per cell, clicks on
// every kind of cell, the marked day's outline, the table a screen reader reads, and the
// keyboard (focus at start, scroll keys with their announcement, Enter, Home and End).

#include <gtest/gtest.h>
#include <QAccessible>
#include <QLineEdit>
#include <functional>
#include <memory>
#include <vector>

#include "open_window.h"
#include "ui/qt/cell_label.h"
#include "ui/qt/colors.h"
#include "ui/qt/fonts.h"
#include "ui/qt/twips.h"

using namespace Qt::Literals::StringLiterals;

namespace rdx508::testing {
namespace {

Qt::Alignment Horizontal(TextAlign align) {
  return align == TextAlign::Center  ? Qt::AlignHCenter
         : align == TextAlign::Right ? Qt::AlignRight
                                     : Qt::AlignLeft;
}

// The grid as one label widget per cell drew it: every grid control of the model as a
// CellLabel on a sheet of the grid view's size and palette, in the model's order.
QImage LabelGrid(const OpenWindow& w) {
  GridView* grid = w.window->gridView();
  QWidget sheet;
  sheet.setPalette(w.window->palette());
  sheet.resize(grid->size());
  std::vector<QFont> fonts;
  for (const Control& c : w.model->controls()) {
    if (!w.window->gridCell(c.array, c.index)) continue;
    auto* label = new CellLabel(&sheet);
    label->setGeometry(TwipsRect(c.left, c.top, c.width, c.height).translated(-grid->pos()));
    label->setText(c.text);
    label->setColors(ModelColor(c.foreColor, w.window->palette()),
                     ModelColor(c.backColor, w.window->palette()));
    label->setOpaque(c.opaque);
    label->setAlignment(Horizontal(c.align));
    label->setTextFont(LayoutFont(c.font));
    label->setCornerMark(c.cornerMark);
    label->setVisible(c.visible);
  }
  return sheet.grab().toImage();
}

// Both pictures equal pixel for pixel; returns the number of differing pixels.
int Differences(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return a.width() * a.height();
  const QImage x = a.convertToFormat(QImage::Format_ARGB32), y = b.convertToFormat(QImage::Format_ARGB32);
  int differ = 0;
  for (int r = 0; r < x.height(); ++r)
    for (int col = 0; col < x.width(); ++col)
      differ += x.pixel(col, r) != y.pixel(col, r);
  return differ;
}

struct PixelCase {
  const char* name;
  std::function<void(OpenWindow&)> reach;
};

class GridPixels : public ::testing::TestWithParam<PixelCase> {};

TEST_P(GridPixels, TheViewPaintsWhatOneLabelPerCellPainted) {
  OpenWindow w;
  GetParam().reach(w);
  w.window->gridView()->clearFocus();  // the focus frame is the view's own
  const QImage view = w.window->gridView()->grab().toImage();
  const QImage labels = LabelGrid(w);
  EXPECT_EQ(view.size(), labels.size());
  EXPECT_EQ(Differences(view, labels), 0) << "at " << ScalePercent() << " %";
  if (ScalePercent() == 100) {
    view.save(QStringLiteral(RDX508_BUILD_DIR "/grid_view_") + QString::fromLatin1(GetParam().name) +
              u".png"_s);
    labels.save(QStringLiteral(RDX508_BUILD_DIR "/grid_labels_") + QString::fromLatin1(GetParam().name) +
                u".png"_s);
  }
}

const PixelCase kPixelCases[] = {
    {"opened", [](OpenWindow&) {}},
    {"scrolledNikkei",
     [](OpenWindow& w) {
       w.click(u"移動"_s, 1);
       w.click(u"見出"_s, 1);
     }},
    {"forecastAndSubject",
     [](OpenWindow& w) {
       w.click(u"上下"_s, 0);
       w.click(u"上下"_s, 0);
       w.click(u"見出"_s, 8);
     }},
    {"noteAndPanel",
     [](OpenWindow& w) {
       w.model->SetNote(w.model->control(u"日付"_s, 2).text, u"メモ"_s);
       w.window->mirror();
       w.click(u"連番"_s, 4);  // the modify panel lies over row 4, above the grid
     }},
};

INSTANTIATE_TEST_SUITE_P(States, GridPixels, ::testing::ValuesIn(kPixelCases),
                         [](const ::testing::TestParamInfo<PixelCase>& p) {
                           return std::string(p.param.name);
                         });

TEST(GridPixels200, TheSameAt200Percent) {
  if (ScalePercent() != 100) GTEST_SKIP() << "already a scaled run";
  ExpectPassesAt200Percent(u"States/GridPixels.*:GridMark.*"_s, 5);
}

// The marked day: a 2-pixel outline in the cell's text colour, inside the cell.
TEST(GridMark, AMarkedCellIsOutlinedInItsTextColour) {
  OpenWindow w;
  w.model->control(u"日付"_s, 3).marked = true;
  w.window->mirror();
  const QRect place = w.place(u"日付"_s, 3);
  const QColor fore = w.cell(u"日付"_s, 3).fore;
  const QImage shot = w.grab();
  for (int d : {0, 1}) {
    EXPECT_EQ(PixelOf(shot, place, place.width() / 2, d), fore);
    EXPECT_EQ(PixelOf(shot, place, place.width() / 2, place.height() - 1 - d), fore);
    EXPECT_EQ(PixelOf(shot, place, d, place.height() / 2), fore);
    EXPECT_EQ(PixelOf(shot, place, place.width() - 1 - d, place.height() / 2), fore);
  }
  EXPECT_NE(PixelOf(shot, place, 2, 2), fore);  // inside the outline the cell as it was
  w.model->control(u"日付"_s, 3).marked = false;
  w.window->mirror();
  EXPECT_NE(PixelOf(w.grab(), place, place.width() / 2, 0), fore);
}

// A click on each kind of cell reaches the model as that control's click.
struct ClickCase {
  const char16_t* array;
  int index;
  const char* what;
  std::function<bool(OpenWindow&)> done;
};

class GridClicks : public ::testing::TestWithParam<ClickCase> {};

TEST_P(GridClicks, ACellClickIsItsControlsClick) {
  OpenWindow w;
  const ClickCase& c = GetParam();
  w.click(QString::fromUtf16(c.array), c.index);
  EXPECT_TRUE(c.done(w)) << c.what;
}

const ClickCase kClicks[] = {
    {u"見出", 9, "the weekday heading opens the add panel",
     [](OpenWindow& w) {
       return w.model->control(u"修正"_s).visible && w.model->control(u"修正"_s).text == u"追加";
     }},
    {u"見出", 1, "the index heading switches to the Nikkei average",
     [](OpenWindow& w) { return w.model->IndexMode() == 225; }},
    {u"見出", 7, "a ratio heading chooses its colour subject",
     [](OpenWindow& w) { return w.model->control(u"色見本題名"_s, 0).text == u"５日平均"; }},
    {u"連番", 0, "a weekday cell opens the modify panel",
     [](OpenWindow& w) { return w.model->control(u"修正"_s).visible && w.model->EditRow() == 0; }},
    {u"日付", 5, "a date cell opens the delete panel",
     [](OpenWindow& w) { return w.model->control(u"削除"_s).visible && w.model->EditRow() == 5; }},
    {u"TOPIX", 3, "a value cell does nothing", [](OpenWindow& w) { return !w.model->PanelOpen(); }},
    {u"連番", 26, "the forecast row's word is no day", [](OpenWindow& w) { return !w.model->PanelOpen(); }},
};

INSTANTIATE_TEST_SUITE_P(Cells, GridClicks, ::testing::ValuesIn(kClicks));

// Assistive technology comes to an open window for a test and goes after it.
class Accessible : public ::testing::Test {
 protected:
  void TearDown() override { QAccessible::setActive(false); }
};

TEST_F(Accessible, TheGridIsATableWithItsHeadingsAndEveryCellsText) {
  OpenWindow w;
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(w.window->gridView());
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->role(), QAccessible::Table);
  QAccessibleTableInterface* table = grid->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), 27);
  EXPECT_EQ(table->columnCount(), 12);
  const QString arrays[] = {u"連番"_s,       u"日付"_s,        u"TOPIX"_s,         u"騰落幅"_s,
                            u"TP_5日平均"_s, u"TP_25日平均"_s, u"乖離率"_s,        u"上昇数"_s,
                            u"下落数"_s,     u"上昇率"_s,      u"上昇率5日平均"_s, u"騰落率"_s};
  int banded = 0;
  for (int row : {0, 1, 26}) {  // the forecast row, the top day, the last row
    const int index = row == 0 ? 26 : row - 1;
    for (int col = 0; col < 12; ++col) {
      QAccessibleInterface* cell = table->cellAt(row, col);
      ASSERT_NE(cell, nullptr) << row << "," << col;
      EXPECT_EQ(cell->role(), QAccessible::Cell);
      EXPECT_EQ(cell->text(QAccessible::Name), w.model->control(arrays[col], index).text)
          << row << "," << col;
      QAccessibleTableCellInterface* place = cell->tableCellInterface();
      ASSERT_NE(place, nullptr);
      EXPECT_EQ(place->rowIndex(), row);
      EXPECT_EQ(place->columnIndex(), col);
      const QList<QAccessibleInterface*> headers = place->columnHeaderCells();
      ASSERT_EQ(headers.size(), 1);
      EXPECT_EQ(headers.front()->role(), QAccessible::ColumnHeader);
      EXPECT_EQ(headers.front()->text(QAccessible::Name), table->columnDescription(col));
      const QString description = cell->text(QAccessible::Description);
      if (description.contains(u"以下"_s) || description.contains(u"超過"_s)) ++banded;
      EXPECT_EQ(grid->indexOfChild(cell),
                grid->indexOfChild(grid->childAt(cell->rect().center().x(), cell->rect().center().y())));
    }
  }
  for (int col = 9; col < 12; ++col)  // a heading in a band's colour is still no value
    EXPECT_FALSE(table->cellAt(1, col)
                     ->tableCellInterface()
                     ->columnHeaderCells()
                     .front()
                     ->text(QAccessible::Description)
                     .contains(u"以下"_s));
  EXPECT_EQ(table->columnDescription(1), u"日付"_s);
  EXPECT_EQ(table->columnDescription(0), u"曜日"_s);
  EXPECT_EQ(table->rowDescription(1), w.model->control(u"日付"_s, 0).text);
  EXPECT_GE(banded, 3);  // the three banded columns of the top rows
}

TEST_F(Accessible, EveryBoxAndButtonSaysWhatItIs) {
  OpenWindow w;
  QAccessible::setActive(true);
  w.click(u"見出"_s, 9);  // the add panel's boxes are shown
  for (const Control& c : w.model->controls()) {
    if (c.kind != ControlKind::TextBox && c.kind != ControlKind::Button) continue;
    EXPECT_FALSE(w.widget(c.array, c.index)->accessibleName().isEmpty()) << c.array.toStdString();
  }
  EXPECT_EQ(w.widget(u"TOPIX修正入力"_s)->accessibleName(), u"追加: 東証平均"_s);
  EXPECT_EQ(w.widget(u"範囲指定"_s, 0)->accessibleName(), u"上昇率の区切り 1"_s);
  EXPECT_EQ(w.widget(u"移動"_s, 2)->accessibleName(), u"1日新しい日へ"_s);
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(w.widget(u"日経修正入力"_s));
  EXPECT_EQ(box->text(QAccessible::Name), u"追加: 日経平均"_s);
}

TEST_F(Accessible, ScrollKeysOnTheGridScrollAndAnnounceTheNewTopDay) {
  OpenWindow w;
  QAccessible::setActive(true);
  GridView* grid = w.window->gridView();
  ASSERT_EQ(QApplication::focusWidget(), grid);
  // The accessibility event goes to the platform's bridge, which an offscreen run has not:
  // the view says what it announced.
  QStringList announced;
  QObject::connect(grid, &GridView::currentRowAnnounced, [&](const QString& words) { announced << words; });
  const struct {
    Qt::Key key;
    int offset;
  } steps[] = {{Qt::Key_Down, 1},
               {Qt::Key_PageDown, 6},
               {Qt::Key_Up, 5},
               {Qt::Key_PageUp, 0},
               {Qt::Key_End, w.model->series().DayCnt - 51},
               {Qt::Key_Home, 0}};
  for (const auto& step : steps) {
    announced.clear();
    KeyClick(grid, step.key);
    EXPECT_EQ(w.model->GridOffset(), step.offset) << step.key;
    ASSERT_EQ(announced.size(), 1) << "after key " << step.key;
    EXPECT_TRUE(announced.front().contains(u"日付 "_s + w.model->control(u"日付"_s, 0).text))
        << announced.front().toStdString();
  }
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
  EXPECT_TRUE(table->text(QAccessible::Description).contains(w.model->control(u"日付"_s, 0).text));
  EXPECT_EQ(table->focusChild(), table->tableInterface()->cellAt(GridView::kCurrentRow, 0));

  KeyClick(grid, Qt::Key_Return);  // Enter opens the top day's modify panel
  EXPECT_TRUE(w.model->control(u"修正"_s).visible);
  EXPECT_EQ(w.model->EditRow(), 0);
}

TEST(GridKeys, FocusStartsOnTheGridWhereTypingChangesNothing) {
  OpenWindow w;
  GridView* grid = w.window->gridView();
  EXPECT_EQ(QApplication::focusWidget(), grid);
  const QString limit = w.model->control(u"範囲指定"_s, 0).text;
  KeyClicks(grid, u"9"_s);
  EXPECT_EQ(w.model->control(u"範囲指定"_s, 0).text, limit);
  EXPECT_FALSE(w.model->IsModified());
  KeyClick(grid, Qt::Key_Tab);  // on to the buttons
  EXPECT_EQ(QApplication::focusWidget(), w.widget(u"終了"_s));
}

// Home and End move the grid from an empty box too, but stay with a box that has text.
TEST(GridKeys, HomeAndEndScrollUnlessABoxWithTextNeedsThem) {
  OpenWindow w;
  auto* box = qobject_cast<QLineEdit*>(w.widget(u"範囲指定"_s, 0));
  w.type(u"範囲指定"_s, u""_s, 0);
  ASSERT_TRUE(box->text().isEmpty());
  KeyClick(box, Qt::Key_End);
  EXPECT_EQ(w.model->GridOffset(), w.model->series().DayCnt - 51);
  KeyClick(box, Qt::Key_Home);
  EXPECT_EQ(w.model->GridOffset(), 0);
  KeyClicks(box, u"25"_s);
  KeyClick(box, Qt::Key_End);
  KeyClick(box, Qt::Key_Home);
  EXPECT_EQ(w.model->GridOffset(), 0);
  EXPECT_EQ(box->cursorPosition(), 0);
  KeyClick(box, Qt::Key_End);
  EXPECT_EQ(w.model->GridOffset(), 0);
  EXPECT_EQ(box->cursorPosition(), 2);
}

}  // namespace
}  // namespace rdx508::testing
