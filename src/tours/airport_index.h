#pragma once

// Nearest-airport lookup through a grid built once per directory, giving
// exactly the answers of nearestByScan without a pass over every entry.

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "core/records.h"

namespace aerotrace {

class AirportIndex {
 public:
  AirportIndex() = default;  // indexes nothing: every lookup finds nothing
  explicit AirportIndex(std::span<const oAirPort> airports);

  // Index of the airport nearestByScan would return for the same list.
  std::optional<std::size_t> nearest(double lat, double lon) const;

 private:
  struct Point {
    double lat, lon;  // as stored in the entry: the distance uses these
    double bandLon;   // lon brought into [-180, 180] for the search
    std::size_t index;
  };

  std::vector<Point> points_;           // by latitude band, then bandLon
  std::vector<std::size_t> bandStart_;  // first point of each band, plus the end
  std::vector<Point> loose_;            // entries the grid cannot place
};

}  // namespace aerotrace
