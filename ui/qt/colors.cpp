#include "ui/qt/colors.h"

#include "ui/control.h"

namespace rdx508 {

QColor ModelColor(quint32 value, const QPalette& palette) {
  if (value == kSysWindowBack) return palette.color(QPalette::Base);
  if (value == kSysWindowText) return palette.color(QPalette::WindowText);
  // Any other system colour (top bit set) has no meaning here: show window text.
  if (value & 0x80000000u) return palette.color(QPalette::WindowText);
  return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

}  // namespace rdx508
