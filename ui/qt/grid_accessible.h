#pragma once
// Internal to ui/qt/. The grid view as assistive technology sees it: a table whose rows are
// the forecast row and the 26 day rows, whose columns have the headings as header cells,
// each cell reading its text as the grid shows it and a coloured cell's band in words.

#include <QAccessibleWidget>

namespace rdx508 {

class GridView;

// The accessibility factory for GridView (installed once by the window).
QAccessibleInterface* GridAccessibleFactory(const QString& className, QObject* object);

}  // namespace rdx508
