#pragma once
// Internal to ui/qt/. Conversion of the layout's twips to device-independent pixels (15 twips per pixel).
// Qt scales device-independent pixels for high-DPI screens itself.

#include <QRect>
#include <QtMath>
#include <cstdint>

namespace rdx508 {

inline constexpr double kTwipsPerPixel = 15.0;

inline int TwipsToPixels(int32_t twips) {
  return qRound(twips / kTwipsPerPixel);
}

// The pixel rectangle of a box in twips. Both edges are rounded on their own, so that
// cells laid edge to edge in twips stay edge to edge on screen.
inline QRect TwipsRect(int32_t left, int32_t top, int32_t width, int32_t height) {
  const int x = TwipsToPixels(left), y = TwipsToPixels(top);
  return QRect(x, y, TwipsToPixels(left + width) - x, TwipsToPixels(top + height) - y);
}

}  // namespace rdx508
