#pragma once
// Internal to ui/. The explanations the window's tool tips give: what each heading's column
// shows, in which unit, and what its colours mean; the forecast row; the arrows.

#include <QString>

namespace rdx508 {

// The explanation of heading 見出(index) (RDX_F508::HeadingIndex); "" for none.
QString HeadingExplanation(int index);
// The explanation shown on every cell of the forecast row.
QString ForecastRowExplanation();
// Scroll arrow 移動(arrow) (RDX_F508::ScrollArrow), and forecast arrow 上下(direction).
QString ScrollArrowExplanation(int arrow);
QString ForecastArrowExplanation(int direction);

// `tip`, then `explanation` on a line of its own (either may be empty).
QString WithExplanation(const QString& tip, const QString& explanation);

}  // namespace rdx508
