#pragma once
// The layout's four fonts and the stand-ins for the two Japanese Gothic faces it names.

#include <QFont>

#include "ui/control.h"

namespace rdx508 {

// Maps "ＭＳ ゴシック" and "ＭＳ Ｐゴシック" to the installed IPA faces. Call once, before
// any widget is created.
void RegisterFontSubstitutions();

// The font of a layout key. Default is the window's own font (ＭＳ Ｐゴシック 9 pt).
QFont LayoutFont(FontKey key);

}  // namespace rdx508
