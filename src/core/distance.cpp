#include "core/distance.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace aerotrace {

double distanceMiles(double lat1, double lon1, double lat2, double lon2) {
  using real = long double;
  constexpr real kRad = std::numbers::pi_v<real> / 180.0L;
  const real p1 = static_cast<real>(lat1) * kRad;
  const real p2 = static_cast<real>(lat2) * kRad;
  const real dl = (static_cast<real>(lon1) - static_cast<real>(lon2)) * kRad;
  real c = std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(dl);
  // Rounding can push the cosine just past 1 for (nearly) coinciding points,
  // where the square root below would fail.
  c = std::clamp(c, -1.0L, 1.0L);
  const real angle = std::atan2(std::sqrt(1.0L - c * c), c);
  return static_cast<double>(angle / kRad * static_cast<real>(kMilesPerDegree));
}

}  // namespace aerotrace
