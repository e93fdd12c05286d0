#include "core/datetime.h"

#include <cmath>

namespace aerotrace {
namespace {

constexpr std::int64_t kMsDay = 86'400'000;
// Days from 1899-12-30 to 1970-01-01.
constexpr std::int64_t kEpochOffsetDays = 25'569;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

}  // namespace

std::int64_t toMilliseconds(DateTime t) {
  const double ms = std::nearbyint(t * kMsPerDay);
  // Keep far-off or broken values inside the integer range.
  constexpr double kLimit = 9.0e15;
  if (!(ms > -kLimit)) return static_cast<std::int64_t>(-kLimit);
  if (!(ms < kLimit)) return static_cast<std::int64_t>(kLimit);
  return static_cast<std::int64_t>(ms);
}

DateTime fromMilliseconds(std::int64_t ms) { return static_cast<double>(ms) / kMsPerDay; }

DateTimeParts decode(DateTime t) {
  const std::int64_t ms = toMilliseconds(t);
  const std::int64_t days = floorDiv(ms, kMsDay);
  std::int64_t rest = ms - days * kMsDay;
  const std::chrono::sys_days sd{std::chrono::days{days - kEpochOffsetDays}};
  const std::chrono::year_month_day ymd{sd};
  DateTimeParts p;
  p.year = static_cast<int>(ymd.year());
  p.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  p.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  p.hour = static_cast<int>(rest / 3'600'000);
  rest %= 3'600'000;
  p.minute = static_cast<int>(rest / 60'000);
  rest %= 60'000;
  p.second = static_cast<int>(rest / 1000);
  p.millisecond = static_cast<int>(rest % 1000);
  return p;
}

DateTime encode(const DateTimeParts& p) {
  using namespace std::chrono;
  const year_month_day ymd{year{p.year}, month{static_cast<unsigned>(p.month)},
                           day{static_cast<unsigned>(p.day)}};
  const std::int64_t days = sys_days{ymd}.time_since_epoch().count() + kEpochOffsetDays;
  const std::int64_t ms = days * kMsDay + std::int64_t{p.hour} * 3'600'000 +
                          std::int64_t{p.minute} * 60'000 + std::int64_t{p.second} * 1000 +
                          p.millisecond;
  return fromMilliseconds(ms);
}

DateTime fromSysTime(std::chrono::system_clock::time_point tp) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(tp.time_since_epoch());
  return fromMilliseconds(ms.count() + kEpochOffsetDays * kMsDay);
}

std::int64_t wholeSecondsBetween(DateTime from, DateTime to) {
  return (toMilliseconds(to) - toMilliseconds(from)) / 1000;
}

}  // namespace aerotrace
