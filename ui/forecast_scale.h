#pragma once
// Internal to ui/. The forecast row's scale of 22 market-mood words and the factor that turns the
// projected advancing ratio into a projected index move.

#include <QString>
#include <QtGlobal>
#include <cstdint>

namespace rdx508 {

// One step of the mood word: the new caption, its text colour, the advancing ratio in
// percent it stands for, and the heading (見出 index) whose background the word cell
// takes, or -1 to keep the background.
struct WordStep {
  QString caption;
  quint32 color;
  double ratio;
  int heading;
};

// The word one step up (direction 0, towards 暴騰) or down (any other direction, towards
// 暴落) from `current`. A caption that is not on the scale returns to 予測.
WordStep NextWord(const QString& current, int32_t direction);

// The factor f for the distance |d| of the advancing ratio from one half: the first
// bound, from the largest down, that |d| reaches.
double ForecastFactor(double absD);

}  // namespace rdx508
