#include "ui/window_place.h"

#include <algorithm>

namespace rdx508 {

std::optional<QRect> PlaceBeside(const QRect& main, const QSize& wanted, const QRect& available) {
  const int gap = 8;
  const int right = available.right() - (main.right() + gap);  // room right of the main window
  const int left = main.left() - gap - available.left();       // room left of it
  const bool toRight = right >= wanted.width() || (left < wanted.width() && right >= left);
  const int room = toRight ? right : left;
  if (room < kMinBesideWidth || wanted.isEmpty()) return std::nullopt;
  const int width = std::min(wanted.width(), room);
  const int height = std::min(wanted.height(), available.height());
  const int top = std::clamp(main.top(), available.top(), available.bottom() + 1 - height);
  const int x = toRight ? main.right() + 1 + gap : main.left() - gap - width;
  return QRect(x, top, width, height);
}

}  // namespace rdx508
