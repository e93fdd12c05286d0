#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/distance.h"
#include "tours/airport_directory.h"
#include "tours/airport_scan.h"

namespace aerotrace {
namespace {

constexpr double kRad = std::numbers::pi / 180.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

oAirPort airport(std::string icao, double lat, double lon) {
  return {"Field " + icao, std::move(icao), lat, lon};
}

double degreesFor(double miles) { return miles / kMilesPerDegree; }

// The indexed answer, checked against the plain scan on the way.
std::optional<std::size_t> lookup(const AirportDirectory& dir, double lat, double lon) {
  const auto indexed = dir.nearest(lat, lon);
  EXPECT_EQ(indexed, nearestByScan(dir.entries(), lat, lon)) << lat << ", " << lon;
  return indexed;
}

// The point `miles` from (lat, lon) along `bearing` (degrees from north).
std::pair<double, double> destination(double lat, double lon, double bearing, double miles) {
  const double p = lat * kRad;
  const double b = bearing * kRad;
  const double r = degreesFor(miles) * kRad;
  const double p2 = std::asin(std::sin(p) * std::cos(r) + std::cos(p) * std::sin(r) * std::cos(b));
  const double dl =
      std::atan2(std::sin(b) * std::sin(r) * std::cos(p), std::cos(r) - std::sin(p) * std::sin(p2));
  return {p2 / kRad, lon + dl / kRad};
}

TEST(NearestAirport, ClosestWithinRangeWins) {
  const AirportDirectory dir({airport("FAR", degreesFor(3), 0), airport("NEAR", degreesFor(1), 0),
                              airport("OUT", degreesFor(-6), 0)});
  EXPECT_EQ(lookup(dir, 0, 0), 1u);
  EXPECT_EQ(lookup(dir, degreesFor(3.5), 0), 0u);
  EXPECT_EQ(lookup(dir, degreesFor(-6), 0), 2u);
  EXPECT_EQ(lookup(dir, degreesFor(-12), 0), std::nullopt);
}

// Adjacent latitudes whose distances from the entry sit either side of 5
// miles. Near 5 miles the extended-precision cosine moves in steps worth about
// 1.7e-13 miles, so distanceMiles cannot return 5.0 itself; the closest values
// either side of it are the sharpest boundary there is.
std::pair<double, double> bracketFiveMiles(double entryLat, double entryLon, double lon) {
  const auto miles = [&](double lat) { return distanceMiles(lat, lon, entryLat, entryLon); };
  double over = entryLat + degreesFor(5);
  for (int i = 0; i < 100000 && miles(over) < 5.0; ++i) over = std::nextafter(over, 90.0);
  for (int i = 0; i < 100000 && miles(std::nextafter(over, entryLat)) >= 5.0; ++i) {
    over = std::nextafter(over, entryLat);
  }
  const double under = std::nextafter(over, entryLat);
  EXPECT_GE(miles(over), 5.0);
  EXPECT_LT(miles(over), 5.0 + 1e-12);
  EXPECT_LT(miles(under), 5.0);
  EXPECT_GT(miles(under), 5.0 - 1e-12);
  return {under, over};
}

TEST(NearestAirport, RadiusBoundary) {
  struct Case {
    const char* what;
    double entryLat, entryLon, lon;
  };
  // The same boundary, plainly, across the antimeridian and near the pole.
  for (const Case& c : {Case{"plain", -0.04, 0, 0}, Case{"wrapped", -0.04, 180, -180},
                        Case{"near the pole", 89.9, 10, 10}}) {
    SCOPED_TRACE(c.what);
    const auto [under, over] = bracketFiveMiles(c.entryLat, c.entryLon, c.lon);
    const AirportDirectory dir({airport("EDGE", c.entryLat, c.entryLon)});
    EXPECT_EQ(lookup(dir, over, c.lon), std::nullopt);
    EXPECT_EQ(lookup(dir, under, c.lon), 0u);
  }
}

TEST(NearestAirport, FirstInFileWinsTies) {
  // Same position, and mirrored positions at bit-identical distances: the
  // index meets the southern one first, the file lists the northern one first.
  const double d = degreesFor(2);
  const AirportDirectory dir({airport("MIRN", d, 30), airport("SAME", 0, 31),
                              airport("MIRS", -d, 30), airport("SAM2", 0, 31)});
  ASSERT_EQ(distanceMiles(0, 30, d, 30), distanceMiles(0, 30, -d, 30));
  EXPECT_EQ(lookup(dir, 0, 30), 0u);
  EXPECT_EQ(lookup(dir, 0, 31), 1u);

  const AirportDirectory swapped({airport("MIRS", -d, 30), airport("MIRN", d, 30)});
  EXPECT_EQ(lookup(swapped, 0, 30), 0u);
}

TEST(NearestAirport, NullCodesAreNeverFoundEmptyCodesAre) {
  const AirportDirectory dir({airport("NULL", 0, 0), airport("null", 0, 0), airport(" NuLl ", 0, 0),
                              airport("\tNULL \r", 0, 0), airport("REAL", degreesFor(2), 0),
                              airport("", 10, 10), airport("NULLX", 20, 20)});
  EXPECT_EQ(lookup(dir, 0, 0), 4u);
  EXPECT_EQ(lookup(dir, 10, 10), 5u);
  EXPECT_EQ(lookup(dir, 20, 20), 6u);

  const AirportDirectory onlyNull({airport("NULL", 0, 0), airport(" null", 0, 0)});
  EXPECT_EQ(lookup(onlyNull, 0, 0), std::nullopt);
}

TEST(NearestAirport, EmptyDirectoryFindsNothing) {
  const AirportDirectory none;
  EXPECT_EQ(none.nearest(0, 0), std::nullopt);
  EXPECT_EQ(lookup(AirportDirectory(std::vector<oAirPort>{}), 45, 45), std::nullopt);
  EXPECT_EQ(nearestByScan({}, kNaN, 0), std::nullopt);
}

TEST(NearestAirport, PolesAntimeridianAndOddCoordinates) {
  struct Case {
    const char* what;
    oAirPort entry;
    double lat, lon;
  };
  const Case cases[] = {
      {"across the pole", airport("P", 89.97, 0), 89.97, 170},
      {"at the pole, any longitude", airport("P", 90, 123), 89.95, -40},
      {"south pole", airport("S", -90, 0), -89.94, 77},
      {"across the antimeridian", airport("A", 10, 179.99), 10, -179.99},
      {"entry longitude 540", airport("A", -20, 540), -20, -179.98},
      {"entry longitude -900", airport("A", 0, -900), 0.01, 180},
      {"query longitude 720", airport("G", 51.47, -0.46), 51.47, 719.52},
      {"query longitude -180, entry +180", airport("A", 0, 180), 0.02, -180},
      {"latitude 180 is the far side of the equator", airport("L", 180, 0.01), 0, 180},
      {"latitude 90.02 folds over the pole", airport("L", 90.02, 0), 89.99, 180},
      {"longitude 1e7 is -80", airport("H", 0, 1e7), 0, -80},
      {"query latitude past the pole", airport("Q", 89.99, 180), 90.01, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_LT(distanceMiles(c.lat, c.lon, c.entry.Latitude, c.entry.Longitude), 5.0);
    const AirportDirectory dir({airport("FAR", 0, 90), c.entry});
    EXPECT_EQ(lookup(dir, c.lat, c.lon), 1u);
  }

  const AirportDirectory garbage({airport("N", kNaN, 0), airport("I", 0, kInf),
                                  airport("H", 1e300, -1e300), airport("Z", 0, 0)});
  EXPECT_EQ(lookup(garbage, 0, 0), 3u);
  for (const auto& [lat, lon] : std::vector<std::pair<double, double>>{
           {kNaN, 0}, {0, kNaN}, {kInf, 0}, {0, -kInf}, {1e300, 0}, {-91, 0}}) {
    EXPECT_EQ(lookup(garbage, lat, lon), std::nullopt);
  }
}

// Lists too long for the plain scan on every position are checked against
// ScreenedScan, itself tied to the plain scan on a share of them.
struct Comparison {
  std::size_t positions = 0;
  std::size_t found = 0;
};

Comparison compareWithScans(const AirportDirectory& dir,
                            const std::vector<std::pair<double, double>>& positions,
                            std::size_t plainEvery) {
  const ScreenedScan screened(dir.entries());
  Comparison c;
  for (std::size_t i = 0; i < positions.size(); ++i) {
    const auto [lat, lon] = positions[i];
    const auto indexed = dir.nearest(lat, lon);
    const auto expected = screened.nearest(lat, lon);
    EXPECT_EQ(indexed, expected) << "at " << lat << ", " << lon;
    if (i % plainEvery == 0) {
      EXPECT_EQ(expected, nearestByScan(dir.entries(), lat, lon)) << "at " << lat << ", " << lon;
    }
    if (indexed != expected) return c;  // one report is enough
    ++c.positions;
    c.found += indexed.has_value();
  }
  return c;
}

std::pair<double, double> uniformOnSphere(std::mt19937_64& rng) {
  std::uniform_real_distribution<double> z(-1, 1), lon(-180, 180);
  return {std::asin(z(rng)) / kRad, lon(rng)};
}

TEST(AirportIndex, MatchesTheScanOnTheWorldList) {
  const auto dir = AirportDirectory::load(AEROTRACE_WORLD_AIRPORTS);
  ASSERT_GT(dir.size(), 10000u) << AEROTRACE_WORLD_AIRPORTS;

  std::mt19937_64 rng(11);
  std::uniform_int_distribution<std::size_t> anyEntry(0, dir.size() - 1);
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<std::pair<double, double>> positions;
  for (int i = 0; i < 1600; ++i) {
    const oAirPort& a = dir[anyEntry(rng)];
    positions.push_back(destination(a.Latitude, a.Longitude, 360 * unit(rng), 8 * unit(rng)));
  }
  for (int i = 0; i < 600; ++i) positions.push_back(uniformOnSphere(rng));
  for (int i = 0; i < 400; ++i) {
    const double lat = (i % 2 ? 1 : -1) * (88 + 2 * unit(rng));
    positions.emplace_back(lat, 360 * unit(rng) - 180);
  }
  for (int i = 0; i < 400; ++i) {
    positions.emplace_back(180 * unit(rng) - 90, (i % 2 ? 179.5 : -180.5) + unit(rng));
  }

  const Comparison c = compareWithScans(dir, positions, 40);
  EXPECT_EQ(c.positions, positions.size());
  EXPECT_GT(c.found, 1000u);  // most positions near an airport do find one
}

// Rings of entries straddling the radius, clusters, exact copies, the poles,
// the antimeridian, longitudes written out of range, coordinates no map has,
// and "NULL" and empty codes, all in a shuffled file order.
std::vector<oAirPort> syntheticAirports(std::mt19937_64& rng,
                                        std::vector<std::pair<double, double>>& centres) {
  centres = {{0, 0},        {45, 7},      {89.95, 10},    {-89.99, -120}, {90, 0},
             {-90, 33},     {0, 179.995}, {10, -179.999}, {60, 180},      {-30, -180},
             {89.5, 179.9}, {70, 540},    {-45, -359.99}};
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<oAirPort> v;
  const auto add = [&](double lat, double lon) {
    const double r = unit(rng);
    const double shift = r < 0.1 ? 360 : r < 0.2 ? -360 : r < 0.22 ? 720 : 0;
    const double code = unit(rng);
    v.push_back(airport(code < 0.08   ? "NULL"
                        : code < 0.1  ? " null "
                        : code < 0.15 ? ""
                                      : "X",
                        lat, lon + shift));
  };
  for (const auto& [lat, lon] : centres) {
    for (int i = 0; i < 40; ++i) {
      const auto [la, lo] = destination(lat, lon, 360 * unit(rng), 4.9 + 0.2 * unit(rng));
      add(la, lo);
    }
    for (int i = 0; i < 25; ++i) {
      const auto [la, lo] = destination(lat, lon, 360 * unit(rng), 3 * unit(rng));
      add(la, lo);
    }
  }
  std::uniform_int_distribution<std::size_t> placed(0, v.size() - 1);
  for (int i = 0; i < 60; ++i) {
    const oAirPort copy = v[placed(rng)];
    v.push_back(copy);
  }
  for (const double lat : {95.0, -100.0, 180.0, 1e300, -1e300, kNaN, kInf, -kInf, 90.01}) {
    for (const double lon : {0.0, 180.0, 1e7, 1e300, kNaN}) v.push_back(airport("G", lat, lon));
  }
  for (const double lon : {1e7, 1e300, -kInf, 1e15}) v.push_back(airport("G", 0.001, lon));
  std::shuffle(v.begin(), v.end(), rng);
  return v;
}

TEST(AirportIndex, MatchesTheScanOnHardCases) {
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<std::pair<double, double>> centres;
  const AirportDirectory dir(syntheticAirports(rng, centres));

  std::vector<std::pair<double, double>> positions;
  for (const auto& [lat, lon] : centres) {
    positions.emplace_back(lat, lon);
    for (int i = 0; i < 40; ++i) {
      positions.push_back(destination(lat, lon, 360 * unit(rng), 8 * unit(rng)));
    }
  }
  std::uniform_int_distribution<std::size_t> anyEntry(0, dir.size() - 1);
  for (int i = 0; i < 300; ++i) {
    const oAirPort& a = dir[anyEntry(rng)];
    positions.emplace_back(a.Latitude, a.Longitude);
    // The same place written with a latitude past the pole, or a full turn on.
    if (i % 3 == 0) positions.emplace_back(180 - a.Latitude, a.Longitude + 180);
    if (i % 3 == 1) positions.emplace_back(a.Latitude - 360, a.Longitude);
  }
  for (int i = 0; i < 500; ++i) positions.push_back(uniformOnSphere(rng));
  for (const double lat : {90.0, -90.0, 89.999, 90.001, -90.5, 0.0, 180.0, kNaN, kInf}) {
    for (const double lon : {0.0, 180.0, -180.0, 540.0, -1e7, 1e300, kNaN}) {
      positions.emplace_back(lat, lon);
    }
  }

  const Comparison c = compareWithScans(dir, positions, 3);
  EXPECT_EQ(c.positions, positions.size());
  EXPECT_GT(c.found, 500u);
}

}  // namespace
}  // namespace aerotrace
