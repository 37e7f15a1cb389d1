#pragma once
// What a screen reader hears of the main window: the grid as a table (its columns, their
// headings, the words of a coloured cell's band), the name of every box, button and arrow,
// and the warning colours said in words. Display-free, so that the words are tested here.

#include <QString>
#include <vector>

#include "ui/control.h"
#include "ui/rdx_f508.h"

namespace rdx508 {

// The grid's cells by place: columns left to right, each with its heading and its 27 cells
// (the 26 day rows, then the forecast row), as positions in RDX_F508::controls().
struct GridShape {
  struct Column {
    int heading = -1;
    std::vector<int> cells;  // index = the control's index in its array (26 = forecast row)
  };
  std::vector<Column> columns;
  // Whether controls()[position] is a cell or heading of the grid.
  std::vector<bool> inGrid;
};
GridShape GridShapeOf(const RDX_F508& form);

// A heading's caption as words: the layout's spacing (曜　日) left out.
QString HeadingWords(const QString& caption);

// The band of a cell coloured by a colour range, in words ("60 以下", "超過"); "" for any
// other cell. `column` is the cell's column in GridShape.
QString BandWords(const RDX_F508& form, const GridShape& shape, int column, const Control& cell);

// The accessible name of a control outside the grid: what the box, button, arrow or label
// is ("追加: 東証平均", "上昇率の区切り 1", "1日新しい日へ").
QString AccessibleName(const RDX_F508& form, const Control& c);

// The accessible description: a warning colour in words, then the tool tip.
QString AccessibleDescription(const Control& c);

// A grid row read out as the grid shows it: each non-empty cell after its heading.
QString RowWords(const RDX_F508& form, const GridShape& shape, int index);

}  // namespace rdx508
