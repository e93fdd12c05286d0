#pragma once

namespace aerotrace {

inline constexpr double kMilesPerDegree = 69.09;

// Great-circle distance in statute miles between two positions in degrees,
// by the spherical law of cosines at 69.09 miles per degree of arc. Worked in
// extended precision; coinciding positions give exactly 0.
double distanceMiles(double lat1, double lon1, double lat2, double lon2);

}  // namespace aerotrace
