#pragma once
// Internal to ui/. Where a second window opens beside the main window, so that it covers
// none of it: to the right where the screen has room, else to the left.

#include <QRect>
#include <optional>

namespace rdx508 {

// The smallest width a window beside the main window is given; with less room on both
// sides it opens where it would without this rule (nullopt).
inline constexpr int kMinBesideWidth = 480;

// The frame for a window of `wanted` size beside `main` (the main window's frame) on the
// screen area `available`: the same top as `main` (moved up as far as needed to fit),
// narrowed and lowered to the room there is. nullopt when neither side has the room.
std::optional<QRect> PlaceBeside(const QRect& main, const QSize& wanted, const QRect& available);

}  // namespace rdx508
