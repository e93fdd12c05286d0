#pragma once

#include <chrono>
#include <cstdint>

namespace aerotrace {

// Date-times count days since 1899-12-30, the time of day being the fraction.
using DateTime = double;

inline constexpr double kMsPerDay = 86'400'000.0;
// 1970-01-01 as a DateTime.
inline constexpr double kUnixEpochDays = 25'569.0;

struct DateTimeParts {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Whole milliseconds since 1899-12-30, rounded to the nearest: the grain at
// which date-times are compared and decoded, so float noise in the fraction
// never moves a second or a minute.
std::int64_t toMilliseconds(DateTime t);
DateTime fromMilliseconds(std::int64_t ms);

DateTimeParts decode(DateTime t);
DateTime encode(const DateTimeParts& parts);

DateTime fromSysTime(std::chrono::system_clock::time_point tp);

// Whole seconds (truncated) from `from` to `to`; negative when `to` is earlier.
std::int64_t wholeSecondsBetween(DateTime from, DateTime to);

}  // namespace aerotrace
