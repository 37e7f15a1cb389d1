#pragma once
// One control of the main window as the model holds it: everything a view needs to
// draw it, and nothing that belongs to a widget toolkit.

#include <QString>
#include <QtGlobal>
#include <cstdint>

namespace rdx508 {

inline constexpr quint32 kSysWindowBack = 0x80000005;  // the system's window background
inline constexpr quint32 kSysWindowText = 0x80000008;  // the system's window text

enum class ControlKind { Label, TextBox, Line, Button };
enum class FontKey {
  Default,
  G,
  PG,
  A,
  B
};  // G/PG: ＭＳ ゴシック / ＭＳ Ｐゴシック 9.75 pt,
    // A: ＭＳ Ｐゴシック 27.75 pt, B: ＭＳ ゴシック 12 pt bold
enum class TextAlign { Left, Center, Right };
// What a text box takes, so that a view can ask the input method for direct number or date
// entry there.
enum class InputKind { Text, Number, Date };
enum class LineStyle { Solid, Dotted };

struct Control {
  QString array;   // the control array's name, e.g. "TOPIX"
  int index = -1;  // index within the array; -1 for a control outside any array
  ControlKind kind = ControlKind::Label;

  QString text;  // caption of a label or button, text of a text box
  quint32 foreColor = kSysWindowText, backColor = kSysWindowBack;  // 0x00BBGGRR or a system colour
  bool opaque = true, visible = true, enabled = true;
  int32_t left = 0, top = 0, width = 0, height = 0;  // twips; a line runs from (left, top) to
                                                     // (left + width, top + height)
  QString toolTip;

  FontKey font = FontKey::Default;
  TextAlign align = TextAlign::Left;
  LineStyle lineStyle = LineStyle::Solid;  // lines only
  int32_t z = 0;                           // stacking order: a higher z is drawn above a lower one
  int32_t tabIndex = -1;                   // position in the tab order; -1 takes no focus by tab
  InputKind input = InputKind::Text;       // text boxes only
  bool cornerMark = false;                 // labels: a small mark in the top right corner (a note)
  bool marked = false;  // grid cells: outlined inside in the text colour, the day the chart clicked
  QString placeholder;  // text boxes: shown grey while the box is empty
};

}  // namespace rdx508
