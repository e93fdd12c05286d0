// Load and lookup figures for the airport directory at 100,000+ entries, and
// a check that the index answers as the scan does.
//
//   airport_lookup [airports.csv]
//
// The list is blown up to ten shifted copies plus exact duplicates and a belt
// of fields at the poles and the antimeridian. Every position is checked
// against ScreenedScan (the scan's answers, with a cheap screen in front of
// the distance); the plain scan, far too slow for all of them at about half
// a microsecond per distance, is timed and checked on a sample. Exits 1 at
// the first difference, 2 when the list cannot be read.

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/distance.h"
#include "tours/airport_directory.h"
#include "tours/airport_scan.h"

namespace {

using aerotrace::AirportDirectory;
using aerotrace::oAirPort;
using Clock = std::chrono::steady_clock;
using Position = std::pair<double, double>;

constexpr double kRad = std::numbers::pi / 180.0;
constexpr int kCopies = 10;
constexpr std::size_t kPositions = 120000;
constexpr std::size_t kPlainScanSample = 200;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void appendNumber(std::string& out, double v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

void appendLine(std::string& out, std::size_t id, const oAirPort& a, double lat, double lon) {
  out += std::to_string(id);
  out += ';';
  out += a.Name;
  out += ';';
  out += a.Icao;
  out += ";;";
  appendNumber(out, lat);
  out += ';';
  appendNumber(out, lon);
  out += ";0;airport\r\n";
}

constexpr std::size_t kBelt = 3000;

// Ten copies, each shifted by a few hundredths of a degree, every 97th entry
// of the copies marked "NULL", then exact duplicates of every 20th entry of
// the first copy so that ties occur. Real lists have next to nothing at the
// poles and along the antimeridian, so a belt of made-up fields there comes
// last, longitudes written either side of +-180.
std::string scaledList(const AirportDirectory& world) {
  std::string out = "id;name;icao;country;latitude;longitude;elevation;type\r\n";
  std::size_t id = 0;
  for (int copy = 0; copy < kCopies; ++copy) {
    for (std::size_t i = 0; i < world.size(); ++i) {
      oAirPort a = world[i];
      if (copy > 0 && i % 97 == 0) a.Icao = "NULL";
      appendLine(out, ++id, a, a.Latitude + 0.021 * copy, a.Longitude - 0.033 * copy);
    }
  }
  for (std::size_t i = 0; i < world.size(); i += 20) {
    appendLine(out, ++id, world[i], world[i].Latitude, world[i].Longitude);
  }
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> unit(0, 1);
  for (std::size_t i = 0; i < kBelt; ++i) {
    const oAirPort a{"Belt field", "BELT", 0, 0};
    if (i % 3 == 0) {
      appendLine(out, ++id, a, (unit(rng) < 0.5 ? -1 : 1) * (89.7 + 0.3 * unit(rng)),
                 360 * unit(rng) - 180);
    } else {
      const double lon = 179.8 + 0.4 * unit(rng);
      appendLine(out, ++id, a, 120 * unit(rng) - 60, i % 3 == 1 ? lon : lon - 360);
    }
  }
  return out;
}

Position destination(double lat, double lon, double bearing, double miles) {
  const double p = lat * kRad;
  const double b = bearing * kRad;
  const double r = miles / aerotrace::kMilesPerDegree * kRad;
  const double p2 = std::asin(std::sin(p) * std::cos(r) + std::cos(p) * std::sin(r) * std::cos(b));
  const double dl =
      std::atan2(std::sin(b) * std::sin(r) * std::cos(p), std::cos(r) - std::sin(p) * std::sin(p2));
  return {p2 / kRad, lon + dl / kRad};
}

// Mostly within 8 miles of an airport so that real answers occur (some of
// them at the belt), then uniform over the sphere, near the poles and along
// the antimeridian.
std::vector<Position> positions(const AirportDirectory& dir) {
  std::mt19937_64 rng(20240611);
  std::uniform_real_distribution<double> unit(0, 1);
  std::uniform_int_distribution<std::size_t> anyEntry(0, dir.size() - 1);
  std::uniform_int_distribution<std::size_t> beltEntry(dir.size() - kBelt, dir.size() - 1);
  std::vector<Position> out;
  out.reserve(kPositions);
  for (std::size_t i = 0; i < kPositions; ++i) {
    const double kind = unit(rng);
    if (kind < 0.75) {
      const oAirPort& a = dir[kind < 0.65 ? anyEntry(rng) : beltEntry(rng)];
      out.push_back(destination(a.Latitude, a.Longitude, 360 * unit(rng), 8 * unit(rng)));
    } else if (kind < 0.9) {
      out.emplace_back(std::asin(2 * unit(rng) - 1) / kRad, 360 * unit(rng) - 180);
    } else if (kind < 0.95) {
      out.emplace_back((unit(rng) < 0.5 ? -1 : 1) * (88 + 2 * unit(rng)), 360 * unit(rng) - 180);
    } else {
      out.emplace_back(180 * unit(rng) - 90, (unit(rng) < 0.5 ? 179.8 : -180.2) + 0.4 * unit(rng));
    }
  }
  return out;
}

std::string show(std::optional<std::size_t> r) { return r ? std::to_string(*r) : "none"; }

}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : AEROTRACE_WORLD_AIRPORTS;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path);
    return 2;
  }
  const std::string worldBytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
  const AirportDirectory world = AirportDirectory::parse(worldBytes);
  if (world.empty()) {
    std::fprintf(stderr, "no airports in %s\n", path);
    return 2;
  }
  const std::string bytes = scaledList(world);

  // Parse and index build together, best of three.
  double loadSeconds = 1e30;
  AirportDirectory dir;
  for (int round = 0; round < 3; ++round) {
    const auto start = Clock::now();
    dir = AirportDirectory::parse(bytes);
    loadSeconds = std::min(loadSeconds, secondsSince(start));
  }
  std::printf("airports: %zu (from %zu in %s), %.1f MB of text\n", dir.size(), world.size(), path,
              static_cast<double>(bytes.size()) / 1e6);
  std::printf("load (parse + index): %.1f ms\n", loadSeconds * 1e3);

  const std::vector<Position> where = positions(dir);

  std::vector<std::optional<std::size_t>> indexed(where.size());
  auto start = Clock::now();
  for (std::size_t i = 0; i < where.size(); ++i) {
    indexed[i] = dir.nearest(where[i].first, where[i].second);
  }
  const double indexSeconds = secondsSince(start);
  const auto found = static_cast<std::size_t>(
      std::count_if(indexed.begin(), indexed.end(), [](const auto& r) { return r.has_value(); }));

  start = Clock::now();
  std::size_t plainChecked = 0;
  for (std::size_t i = 0; i < where.size(); i += where.size() / kPlainScanSample) {
    const auto expected = aerotrace::nearestByScan(dir.entries(), where[i].first, where[i].second);
    ++plainChecked;
    if (expected != indexed[i]) {
      std::printf("DIFFERENT at %.17g, %.17g: index %s, scan %s\n", where[i].first, where[i].second,
                  show(indexed[i]).c_str(), show(expected).c_str());
      return 1;
    }
  }
  const double plainSeconds = secondsSince(start);

  const aerotrace::ScreenedScan screened(dir.entries());
  start = Clock::now();
  for (std::size_t i = 0; i < where.size(); ++i) {
    const auto expected = screened.nearest(where[i].first, where[i].second);
    if (expected != indexed[i]) {
      std::printf("DIFFERENT at %.17g, %.17g: index %s, screened scan %s\n", where[i].first,
                  where[i].second, show(indexed[i]).c_str(), show(expected).c_str());
      return 1;
    }
  }
  const double screenedSeconds = secondsSince(start);

  const double perIndex = indexSeconds / static_cast<double>(where.size());
  const double perPlain = plainSeconds / static_cast<double>(plainChecked);
  const double perScreened = screenedSeconds / static_cast<double>(where.size());
  std::printf("positions: %zu, an airport found at %zu\n", where.size(), found);
  std::printf("index lookup:         %10.2f us per call\n", perIndex * 1e6);
  std::printf("plain scan:           %10.2f us per call (%zu calls)\n", perPlain * 1e6,
              plainChecked);
  std::printf("screened scan:        %10.2f us per call\n", perScreened * 1e6);
  std::printf("plain scan / index:   %10.0f x\n", perPlain / perIndex);
  std::printf("same answers: index = screened scan on all %zu, = plain scan on %zu\n", where.size(),
              plainChecked);
  return 0;
}
