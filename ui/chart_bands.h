#pragma once
// Internal to ui/. The colour bands of the three painted grid columns, as the chart draws them: the band a
// value falls into, and the horizontal zones of a pane that each band covers.

#include <QtGlobal>
#include <array>
#include <vector>

namespace rdx508 {

using BandLimits = std::array<double, 6>;  // upper limits of bands 0 ... 5 of one subject

struct BandColour {
  quint32 fore = 0, back = 0;  // 0x00BBGGRR
  friend bool operator==(const BandColour&, const BandColour&) = default;
};
using BandColours = std::array<BandColour, 7>;  // bands 0 ... 6 (6 = 超過)

// The grid's rule: the first band whose limit is at or above the value; 6 above them all.
int BandOf(const BandLimits& limits, double value);

struct BandZone {
  double low, high;  // the zone holds the values above low up to high; ±infinity at the ends
  int band;
};

// The zones of bands 0 ... 6 from the lowest value to the highest, each band once at most.
// Limits out of order follow the rule above: a band whose limit lies at or below an
// earlier one gets no values, hence no zone.
std::vector<BandZone> BandZones(const BandLimits& limits);

}  // namespace rdx508
