#pragma once
// What the chart takes from the main window: the day series, the index mode, the band
// limits of the three painted columns and the grid's band colours.

#include <array>

#include "app/series/day_series.h"
#include "ui/chart_bands.h"

namespace rdx508 {

class RDX_F508;

struct ChartInput {
  const DaySeries* series = nullptr;
  bool nikkei = false;                 // the index columns show the Nikkei average
  std::array<BandLimits, 3> limits{};  // 上昇率, ５日平均, 騰落レシオ; a limit that is no number is 0
  BandColours colours{};               // the grid's colours of bands 0 ... 6
};

// The main window's current state, as the chart reads it.
ChartInput ChartInputOf(RDX_F508& form);

}  // namespace rdx508
