#pragma once
// The program's name as its windows and message boxes show it.

#include <QString>

namespace rdx508 {

// 市況ノート: the main window's title and the title of the program's own boxes.
inline QString ProgramTitle() {
  return QStringLiteral("市況ノート");
}

}  // namespace rdx508
