#include "core/distance.h"

#include <gtest/gtest.h>

namespace aerotrace {
namespace {

TEST(DistanceTest, CoincidingPositionsAreExactlyZero) {
  // Positions where the cosine rounds past 1 without the clamp.
  const double cases[][2] = {{45.123456, 7.654321},
                             {0, 0},
                             {-33.9461, 151.1772},
                             {89.9999, -179.9999},
                             {51.4775, -0.461389}};
  for (const auto& p : cases) {
    EXPECT_EQ(distanceMiles(p[0], p[1], p[0], p[1]), 0.0) << p[0] << "," << p[1];
  }
}

TEST(DistanceTest, ArcsInMilesAt6909PerDegree) {
  struct Case {
    double lat1, lon1, lat2, lon2, miles;
  };
  const Case cases[] = {
      {0, 0, 1, 0, 69.09},                 // one degree along a meridian
      {0, 0, 0, 1, 69.09},                 // one degree along the equator
      {0, 179.9, 0, -179.9, 0.2 * 69.09},  // across the antimeridian, no special case
      {0, 10, 0, 370, 0},                  // longitudes wrap through the cosine
      {90, 0, 90, 120, 0},                 // the pole is one point
      {0, 0, 0, 180, 180 * 69.09},         // antipodes
      {60, 0, 60, 1, 34.5447},             // shorter than the parallel's 34.545 arc
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(distanceMiles(c.lat1, c.lon1, c.lat2, c.lon2), c.miles, 1e-3)
        << c.lat1 << "," << c.lon1 << " -> " << c.lat2 << "," << c.lon2;
  }
}

TEST(DistanceTest, SymmetricInItsTwoPositions) {
  EXPECT_EQ(distanceMiles(48.3538, 11.7861, 50.0379, 8.5622),
            distanceMiles(50.0379, 8.5622, 48.3538, 11.7861));
}

}  // namespace
}  // namespace aerotrace
