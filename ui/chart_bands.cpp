// Band lookup and band zones.

#include "ui/chart_bands.h"

#include <limits>

namespace rdx508 {

int BandOf(const BandLimits& limits, double value) {
  for (int k = 0; k < 6; ++k)
    if (limits[size_t(k)] >= value) return k;
  return 6;
}

std::vector<BandZone> BandZones(const BandLimits& limits) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  std::vector<BandZone> zones;
  // Band k takes the values above the highest earlier limit up to its own limit.
  double below = -kInf;
  for (int k = 0; k < 6; ++k) {
    const double limit = limits[size_t(k)];
    if (limit > below) {
      zones.push_back({below, limit, k});
      below = limit;
    }
  }
  zones.push_back({below, kInf, 6});
  return zones;
}

}  // namespace rdx508
