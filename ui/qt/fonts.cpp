#include "ui/qt/fonts.h"

namespace rdx508 {

namespace {
const QString kGothic = QStringLiteral("ＭＳ ゴシック");
const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");

QFont Make(const QString& family, double points, bool bold = false) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}
}  // namespace

void RegisterFontSubstitutions() {
  QFont::insertSubstitution(kGothic, QStringLiteral("IPAGothic"));
  QFont::insertSubstitution(kPGothic, QStringLiteral("IPAPGothic"));
}

QFont LayoutFont(FontKey key) {
  switch (key) {
    case FontKey::G:
      return Make(kGothic, 9.75);
    case FontKey::PG:
      return Make(kPGothic, 9.75);
    case FontKey::A:
      return Make(kPGothic, 27.75);
    case FontKey::B:
      return Make(kGothic, 12, true);
    case FontKey::Default:
      break;
  }
  return Make(kPGothic, 9);
}

}  // namespace rdx508
