#include "ui/qt/fonts.h"

#include <QFontDatabase>

namespace rdx508 {

namespace {
const QString kGothic = QStringLiteral("ＭＳ ゴシック");
const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");

// The face a layout family is drawn in: itself where it is installed, else its
// substitute. Asking for a missing family by name makes every font of it search the
// fallbacks anew (some 1.2 million instructions each, eleven times before the first frame).
// The installed families are looked up in the list: QFontDatabase::hasFamily would first
// run each name through fontconfig's rules, some 0.9 million instructions a name.
bool IsInstalled(const QString& family) {
  return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

const QString& Installed(const QString& family) {
  static const QString gothic = IsInstalled(kGothic) ? kGothic : QFont::substitute(kGothic);
  static const QString pGothic = IsInstalled(kPGothic) ? kPGothic : QFont::substitute(kPGothic);
  return family == kGothic ? gothic : pGothic;
}

QFont Make(const QString& family, double points, bool bold = false) {
  QFont font(Installed(family));
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
