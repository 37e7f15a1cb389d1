#include "ui/half_width.h"

namespace rdx508 {

QString HalfWidthDigits(const QString& text) {
  QString shown = text;
  for (QChar& c : shown) {
    // U+FF0B ... U+FF19 are ＋ ， － ． ／ and ０ ... ９, each 0xFEE0 above its ASCII form.
    const char16_t u = c.unicode();
    if (u >= 0xFF0B && u <= 0xFF19) c = QChar(char16_t(u - 0xFEE0));
  }
  return shown;
}

}  // namespace rdx508
