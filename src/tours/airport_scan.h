#pragma once

// The plain nearest-airport rule, and a faster pass that gives the same
// answers, used to check the grid index on lists too big for the plain rule.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/records.h"

namespace aerotrace {

// An airport is the aircraft's position only when it lies strictly closer
// than this.
inline constexpr double kNearestAirportMiles = 5.0;

// The placeholder code "NULL" (any case, blanks and control characters
// around it) marks an entry that is never a lookup result.
bool isNullAirportCode(std::string_view icao);

// The reference lookup: every entry in file order; an entry is taken when it
// is strictly closer than the best so far (which starts at the radius), so
// the first of equally close entries wins. No result when none is in range.
std::optional<std::size_t> nearestByScan(std::span<const oAirPort> airports, double lat,
                                         double lon);

// Same answers as nearestByScan, still one pass over every entry in file
// order, but an entry whose unit vector is clearly too far from the query's
// is dismissed before the costly distance is worked out. The test is
// independent of the grid index, which is why it serves as the check of that
// index on large lists.
class ScreenedScan {
 public:
  explicit ScreenedScan(std::span<const oAirPort> airports);

  std::optional<std::size_t> nearest(double lat, double lon) const;

 private:
  // Entries without a "NULL" code, in file order, one array per quantity so
  // the screening pass runs through memory in one sweep. The unit vector is
  // NaN where the screen cannot be trusted, which lets the entry through.
  std::vector<double> x_, y_, z_;
  std::vector<double> lat_, lon_;
  std::vector<std::size_t> index_;
};

}  // namespace aerotrace
