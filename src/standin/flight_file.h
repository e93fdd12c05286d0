#pragma once

// A scripted or recorded flight: CSV rows of values over time, sample and
// hold. The stand-in simulator serves it; the replay also runs its pilot
// actions.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace aerotrace {

// The columns with a number, in this order; then the title and the actions.
enum class FlightColumn : std::size_t {
  lat,
  lon,
  alt,
  ias,
  gs,
  hdg,
  ground,
  fuel,
  g,
  qnh,
  jet,
  slew,
  rate,
  sim,
  title,
  action,
};
inline constexpr std::size_t kNumberColumns = 14;
inline constexpr std::size_t kHeldColumns = kNumberColumns + 1;  // with the title

// The values that stand at some time.
struct FlightSample {
  std::array<double, kNumberColumns> numbers{};
  std::string title;
  // For each number column and the title: the row that last gave it a
  // value, -1 while none has.
  std::array<int, kHeldColumns> setBy{};

  double operator[](FlightColumn c) const { return numbers[static_cast<std::size_t>(c)]; }
  int lastSetBy(FlightColumn c) const { return setBy[static_cast<std::size_t>(c)]; }
};

struct FlightRow {
  double t = 0;
  int line = 0;                      // in the file, from 1
  FlightSample held;                 // this row's values with the ones it keeps
  std::vector<std::string> actions;  // this row's only
};

// Bad input: the message names the file, the line and the column.
class FlightFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FlightFile {
 public:
  static FlightFile parse(std::string_view text, const std::string& fileName);
  static FlightFile load(const std::string& path);

  const std::vector<FlightRow>& rows() const { return rows_; }
  // The row that stands at `t`, -1 before the first.
  int rowAt(double t) const;
  const FlightSample& sampleAt(double t) const;
  // Before the first row: every value 0 or empty, but rate 256 and sim 1.
  static const FlightSample& defaults();

  static const char* columnName(FlightColumn c);
  // Where the action column stands in the header, from 1; 0 without one.
  std::size_t actionColumn() const { return actionColumn_; }

 private:
  std::vector<FlightRow> rows_;
  std::size_t actionColumn_ = 0;
};

}  // namespace aerotrace
