#pragma once
// Internal to ui/. The colours the window's rules paint with, one name each (0x00BBGGRR). The layout's own
// design colours (heading and band backgrounds) stay in its tables.

#include <QtGlobal>

#include "ui/control.h"

namespace rdx508 {

inline constexpr quint32 kDarkRed = 0x000000C0;    // rises, values above a reference, refusals
inline constexpr quint32 kDarkBlue = 0x00C00000;   // falls, values below a reference
inline constexpr quint32 kPurple = 0x00C000C0;     // a rising average; Monday
inline constexpr quint32 kGreen = 0x00008000;      // above the 5-day average only
inline constexpr quint32 kOlive = 0x00008080;      // above the 25-day average only
inline constexpr quint32 kBlue = 0x00FF0000;       // the active down arrow of the forecast
inline constexpr quint32 kPaleRed = 0x00C0C0FF;    // the idle up arrow of the forecast
inline constexpr quint32 kPaleBlue = 0x00FFC0C0;   // the idle down arrow of the forecast
inline constexpr quint32 kWhite = 0x00FFFFFF;      // the window's own background
inline constexpr quint32 kCheckBack = 0x0080E0FF;  // amber: a typed value worth a second look

// The text colour of an index cell by where the index stands against its averages.
constexpr quint32 IndexTrendColour(bool over5, bool over25) {
  return over5 ? (over25 ? kDarkRed : kGreen) : (over25 ? kOlive : kDarkBlue);
}

}  // namespace rdx508
