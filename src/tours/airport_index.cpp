#include "tours/airport_index.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <tuple>

#include "core/distance.h"
#include "tours/airport_scan.h"

namespace aerotrace {
namespace {

constexpr double kRad = std::numbers::pi / 180.0;

// Candidates are gathered out to a fifth beyond the real radius: the computed
// distance and the window below both carry rounding error, and this margin is
// many orders of magnitude above it.
constexpr double kSearchDegrees = kNearestAirportMiles * 1.2 / kMilesPerDegree;

constexpr double kBandDegrees = 0.1;
constexpr std::size_t kBands = 1800;  // 180 / kBandDegrees

// Longitudes this far out still give distances accurate to far below the
// margin; anything beyond (or not finite) is checked on every lookup.
constexpr double kGridLonLimit = 1e6;

bool onGrid(double lat, double lon) {
  return std::isfinite(lat) && std::isfinite(lon) && std::fabs(lat) <= 90.0 &&
         std::fabs(lon) <= kGridLonLimit;
}

std::size_t bandOf(double lat) {
  const double b = std::floor((lat + 90.0) / kBandDegrees);
  if (!(b > 0.0)) return 0;
  if (b >= static_cast<double>(kBands - 1)) return kBands - 1;
  return static_cast<std::size_t>(b);
}

// Into [-180, 180]; fmod is exact, only the final shift rounds.
double wrappedLon(double lon) {
  double l = std::fmod(lon, 360.0);
  if (l < -180.0) {
    l += 360.0;
  } else if (l > 180.0) {
    l -= 360.0;
  }
  return l;
}

// Keeps the strictly closest offer under the radius and, among equally close
// ones, the lowest file index: the outcome of the file-order scan, whatever
// order the offers come in.
struct Best {
  double miles = kNearestAirportMiles;
  std::optional<std::size_t> index;

  void offer(double d, std::size_t i) {
    if (d < miles || (index && d == miles && i < *index)) {
      miles = d;
      index = i;
    }
  }
};

}  // namespace

AirportIndex::AirportIndex(std::span<const oAirPort> airports) {
  std::vector<std::pair<std::size_t, Point>> banded;
  banded.reserve(airports.size());
  for (std::size_t i = 0; i < airports.size(); ++i) {
    const oAirPort& a = airports[i];
    if (isNullAirportCode(a.Icao)) continue;
    if (onGrid(a.Latitude, a.Longitude)) {
      banded.emplace_back(bandOf(a.Latitude),
                          Point{a.Latitude, a.Longitude, wrappedLon(a.Longitude), i});
    } else {
      loose_.push_back({a.Latitude, a.Longitude, 0.0, i});
    }
  }
  std::sort(banded.begin(), banded.end(), [](const auto& a, const auto& b) {
    return std::tie(a.first, a.second.bandLon, a.second.lat, a.second.lon, a.second.index) <
           std::tie(b.first, b.second.bandLon, b.second.lat, b.second.lon, b.second.index);
  });

  // Entries at bit-identical positions get identical distances, so only the
  // first of them in the file can ever win; the sort puts it ahead of its
  // copies.
  bandStart_.assign(kBands + 1, 0);
  points_.reserve(banded.size());
  std::size_t lastBand = 0;
  for (const auto& [band, p] : banded) {
    if (!points_.empty() && band == lastBand) {
      const Point& last = points_.back();
      if (std::bit_cast<std::uint64_t>(last.lat) == std::bit_cast<std::uint64_t>(p.lat) &&
          std::bit_cast<std::uint64_t>(last.lon) == std::bit_cast<std::uint64_t>(p.lon)) {
        continue;
      }
    }
    points_.push_back(p);
    ++bandStart_[band + 1];
    lastBand = band;
  }
  for (std::size_t b = 0; b < kBands; ++b) bandStart_[b + 1] += bandStart_[b];
}

std::optional<std::size_t> AirportIndex::nearest(double lat, double lon) const {
  Best best;
  for (const Point& p : loose_) best.offer(distanceMiles(lat, lon, p.lat, p.lon), p.index);
  if (points_.empty()) return best.index;

  if (!onGrid(lat, lon)) {
    for (const Point& p : points_) best.offer(distanceMiles(lat, lon, p.lat, p.lon), p.index);
    return best.index;
  }

  // Half-width of the longitude window: a cap of radius r around latitude
  // phi spans asin(sin r / cos phi) of longitude either way, and every
  // longitude once it reaches over a pole.
  double halfWidth = 360.0;
  if (std::fabs(lat) + kSearchDegrees < 90.0) {
    const double ratio = std::sin(kSearchDegrees * kRad) / std::cos(lat * kRad);
    if (ratio < 1.0) halfWidth = std::asin(ratio) / kRad;
  }

  const double centre = wrappedLon(lon);
  struct Range {
    double lo, hi;
  };
  Range ranges[3];  // a window narrower than the globe crosses one side at most
  std::size_t rangeCount = 0;
  constexpr double kInf = std::numeric_limits<double>::infinity();
  if (halfWidth >= 180.0) {
    ranges[rangeCount++] = {-kInf, kInf};
  } else {
    const double lo = centre - halfWidth;
    const double hi = centre + halfWidth;
    ranges[rangeCount++] = {lo, hi};
    // The part of the window beyond the antimeridian, seen from the other side.
    if (lo < -180.0) ranges[rangeCount++] = {lo + 360.0, kInf};
    if (hi > 180.0) ranges[rangeCount++] = {-kInf, hi - 360.0};
  }

  const std::size_t firstBand = bandOf(lat - kSearchDegrees);
  const std::size_t lastBand = bandOf(lat + kSearchDegrees);
  for (std::size_t band = firstBand; band <= lastBand; ++band) {
    const auto bandBegin = points_.begin() + static_cast<std::ptrdiff_t>(bandStart_[band]);
    const auto bandEnd = points_.begin() + static_cast<std::ptrdiff_t>(bandStart_[band + 1]);
    for (std::size_t r = 0; r < rangeCount; ++r) {
      const auto from = std::lower_bound(bandBegin, bandEnd, ranges[r].lo,
                                         [](const Point& p, double v) { return p.bandLon < v; });
      const auto to = std::upper_bound(from, bandEnd, ranges[r].hi,
                                       [](double v, const Point& p) { return v < p.bandLon; });
      for (auto it = from; it != to; ++it) {
        // Latitudes differ by no more than the arc between the points.
        if (std::fabs(it->lat - lat) > kSearchDegrees) continue;
        best.offer(distanceMiles(lat, lon, it->lat, it->lon), it->index);
      }
    }
  }
  return best.index;
}

}  // namespace aerotrace
