#pragma once

// The airport directory: every line of airports.csv as one entry, in file
// order, with the lookup of the airport the aircraft stands at.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "core/records.h"
#include "tours/airport_index.h"

namespace aerotrace {

class AirportDirectory {
 public:
  AirportDirectory() = default;
  explicit AirportDirectory(std::vector<oAirPort> entries);

  // A missing file gives an empty directory. A path that exists but cannot
  // be read (a folder, no permission) throws std::runtime_error.
  static AirportDirectory load(const std::filesystem::path& file);

  // The file's bytes: the first line is a header and is dropped, every other
  // line becomes one entry (an empty one when it does not hold enough fields).
  static AirportDirectory parse(std::string_view bytes);

  bool empty() const noexcept { return entries_.empty(); }
  std::size_t size() const noexcept { return entries_.size(); }
  const oAirPort& operator[](std::size_t i) const { return entries_[i]; }
  const std::vector<oAirPort>& entries() const noexcept { return entries_; }

  // The entry strictly within kNearestAirportMiles that nearestByScan picks
  // (the closest, the first in the file among equals, "NULL" codes never),
  // found through the index. An entry with an empty code can be the answer.
  std::optional<std::size_t> nearest(double lat, double lon) const {
    return index_.nearest(lat, lon);
  }

 private:
  std::vector<oAirPort> entries_;
  AirportIndex index_;
};

}  // namespace aerotrace
