#pragma once
// Internal to ui/. Writing numbers into cells and reading them back: the grid shows numbers through Fmat
// and several rules compute with what a cell shows.

#include <QString>
#include <QStringView>
#include <cstdint>

#include "toolkit/clb_c1.h"
#include "toolkit/value.h"
#include "ui/control.h"

namespace rdx508 {

// Fmat's text for a value with `decimals` decimals, ignoring the colour Fmat reports.
// A value that is not finite (an overflow in a projection) shows as an empty cell.
QString CellText(CLB_C1& clb, const Value& value, int32_t decimals);

// Writes a change of the index into its cell: "+" before a change of 0 or more, shown in
// the rise colour; a fall in the fall colour.
void WriteChange(CLB_C1& clb, Control& cell, double change);

// Writes a divergence in per mille into its cell with one decimal, in the rise colour at
// 0 or more and the fall colour below; beyond ±999 (or not a number) the cell is emptied
// and keeps its colour.
void WriteDivergence(CLB_C1& clb, Control& cell, double divergence);

// The number a cell shows: its text read with the program's one numeric rule, 0 when
// the text is empty or not numeric.
double ShownNumber(QStringView text);

}  // namespace rdx508
