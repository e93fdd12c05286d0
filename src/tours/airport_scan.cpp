#include "tours/airport_scan.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "core/distance.h"
#include "core/text.h"

namespace aerotrace {
namespace {

constexpr double kRad = std::numbers::pi / 180.0;

// Beyond this many degrees the double-precision angles of the screen drift
// too far from the extended-precision ones of distanceMiles to be trusted.
constexpr double kScreenableDegrees = 1e6;

// The distance is the arc whose cosine is the dot product of the two unit
// vectors (an identity for any angles), so entries whose dot product is below
// the cosine of a radius a fifth larger than the real one are out of range
// with a margin far above the rounding of either computation.
const double kScreenCosine = std::cos(kNearestAirportMiles * 1.2 / kMilesPerDegree * kRad);

struct Vec3 {
  double x, y, z;
};

Vec3 unitVector(double lat, double lon) {
  if (!std::isfinite(lat) || !std::isfinite(lon) || std::fabs(lat) > kScreenableDegrees ||
      std::fabs(lon) > kScreenableDegrees) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan, nan};
  }
  const double p = lat * kRad;
  const double l = lon * kRad;
  return {std::cos(p) * std::cos(l), std::cos(p) * std::sin(l), std::sin(p)};
}

}  // namespace

bool isNullAirportCode(std::string_view icao) { return upperAscii(trimmed(icao)) == "NULL"; }

std::optional<std::size_t> nearestByScan(std::span<const oAirPort> airports, double lat,
                                         double lon) {
  double best = kNearestAirportMiles;
  std::optional<std::size_t> result;
  for (std::size_t i = 0; i < airports.size(); ++i) {
    const oAirPort& a = airports[i];
    if (isNullAirportCode(a.Icao)) continue;
    const double d = distanceMiles(lat, lon, a.Latitude, a.Longitude);
    if (d < best) {
      best = d;
      result = i;
    }
  }
  return result;
}

ScreenedScan::ScreenedScan(std::span<const oAirPort> airports) {
  for (std::size_t i = 0; i < airports.size(); ++i) {
    const oAirPort& a = airports[i];
    if (isNullAirportCode(a.Icao)) continue;
    const Vec3 v = unitVector(a.Latitude, a.Longitude);
    x_.push_back(v.x);
    y_.push_back(v.y);
    z_.push_back(v.z);
    lat_.push_back(a.Latitude);
    lon_.push_back(a.Longitude);
    index_.push_back(i);
  }
}

std::optional<std::size_t> ScreenedScan::nearest(double lat, double lon) const {
  const Vec3 q = unitVector(lat, lon);
  double best = kNearestAirportMiles;
  std::optional<std::size_t> result;
  // A NaN on either side fails `dot < kScreenCosine`, so such entries (and
  // every entry, for an odd query) go on to the exact distance. Blocks with
  // no entry through the screen are passed over in one go.
  constexpr std::size_t kBlock = 64;
  const std::size_t n = index_.size();
  for (std::size_t begin = 0; begin < n; begin += kBlock) {
    const std::size_t end = std::min(n, begin + kBlock);
    bool any = false;
    for (std::size_t i = begin; i < end; ++i) {
      any |= !(q.x * x_[i] + q.y * y_[i] + q.z * z_[i] < kScreenCosine);
    }
    if (!any) continue;
    for (std::size_t i = begin; i < end; ++i) {
      if (q.x * x_[i] + q.y * y_[i] + q.z * z_[i] < kScreenCosine) continue;
      const double d = distanceMiles(lat, lon, lat_[i], lon_[i]);
      if (d < best) {
        best = d;
        result = index_[i];
      }
    }
  }
  return result;
}

}  // namespace aerotrace
