#pragma once
// Internal to ui/qt/. The model's colours (0x00BBGGRR, or the two system colours) as Qt colours.

#include <QColor>
#include <QPalette>
#include <QtGlobal>

namespace rdx508 {

// A colour of the model on screen: the system window background maps to the palette's
// Base, the system window text to its WindowText; other values are 0x00BBGGRR.
QColor ModelColor(quint32 value, const QPalette& palette);

}  // namespace rdx508
