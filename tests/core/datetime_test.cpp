#include "core/datetime.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/clock.h"
#include "core/date_text.h"
#include "core/scaled_clock.h"

namespace aerotrace {
namespace {

// 2025-01-01 00:00 counts 45658 days from 1899-12-30.
constexpr DateTime kNewYear2025 = 45658.0;

TEST(DateTimeTest, EncodeDecodeKnownInstants) {
  EXPECT_DOUBLE_EQ(encode({1899, 12, 30}), 0.0);
  EXPECT_DOUBLE_EQ(encode({2025, 1, 1}), kNewYear2025);
  EXPECT_DOUBLE_EQ(encode({2025, 1, 1, 18, 0, 0, 0}), kNewYear2025 + 0.75);
  const DateTimeParts p = decode(encode({2024, 2, 29, 23, 59, 58, 250}));
  EXPECT_EQ(p.year, 2024);
  EXPECT_EQ(p.month, 2);
  EXPECT_EQ(p.day, 29);
  EXPECT_EQ(p.hour, 23);
  EXPECT_EQ(p.minute, 59);
  EXPECT_EQ(p.second, 58);
  EXPECT_EQ(p.millisecond, 250);
  // 1970-01-01 is the Unix epoch.
  EXPECT_DOUBLE_EQ(fromSysTime(std::chrono::system_clock::time_point{}), kUnixEpochDays);
}

TEST(DateTimeTest, TextsOfTheWindows) {
  const DateTime t = encode({2026, 3, 7, 9, 5, 30, 0});
  EXPECT_EQ(formatDayMonthYear(t), "07-03-2026");
  EXPECT_EQ(formatYearMonthDay(t), "2026/03/07");
  EXPECT_EQ(formatHourMinute(t), "09:05");
  // A hair before midnight decodes at the millisecond and rolls over.
  const DateTime nearlyMidnight = encode({2026, 12, 31}) + 1.0 - 1e-10;
  EXPECT_EQ(formatHourMinute(nearlyMidnight), "00:00");
  EXPECT_EQ(formatDayMonthYear(nearlyMidnight), "01-01-2027");
}

TEST(DateTimeTest, WholeSecondsSurviveFloatNoise) {
  // 61 s built from 305 ticks of 0.2 s must count 61, not 60.99999.
  DateTime t = kNewYear2025 + 0.5;
  const DateTime start = t;
  for (int i = 0; i < 305; ++i) t += 0.2 / 86400.0;
  EXPECT_EQ(wholeSecondsBetween(start, t), 61);
  EXPECT_EQ(wholeSecondsBetween(start, start + 59.999 / 86400.0), 59);
  EXPECT_EQ(wholeSecondsBetween(start + 10.0 / 86400.0, start), -10);
}

TEST(SimulatedClockTest, LocalIsUtcPlusOffsetAndMovesOnlyWhenTold) {
  SimulatedClock clock(kNewYear2025 + 0.5, 90);
  EXPECT_DOUBLE_EQ(clock.utcNow(), kNewYear2025 + 0.5);
  EXPECT_EQ(formatHourMinute(clock.localNow()), "13:30");
  EXPECT_EQ(clock.tickCount(), 0u);
  clock.advanceSeconds(0.2);
  clock.advanceSeconds(180.8);
  EXPECT_EQ(wholeSecondsBetween(kNewYear2025 + 0.5, clock.utcNow()), 181);
  EXPECT_EQ(clock.tickCount(), 181'000u);
}

// A base clock whose tick count is about to wrap.
class SteppingClock final : public Clock {
 public:
  DateTime localNow() const override { return fromMilliseconds(utcMs + 3'600'000); }
  DateTime utcNow() const override { return fromMilliseconds(utcMs); }
  std::uint32_t tickCount() const override { return tick; }
  void advance(std::uint32_t ms) {
    utcMs += ms;
    tick += ms;
  }
  std::int64_t utcMs = toMilliseconds(kNewYear2025 + 0.5);
  std::uint32_t tick = 0xFFFF'FF00u;
};

TEST(ScaledClockTest, RunsFactorTimesFasterFromWhereTheBaseStoodAcrossTheWrap) {
  auto base = std::make_unique<SteppingClock>();
  SteppingClock& b = *base;
  ScaledClock clock(std::move(base), 10);
  EXPECT_EQ(clock.tickCount(), 0xFFFF'FF00u);
  EXPECT_EQ(formatHourMinute(clock.localNow()), "13:00");
  b.advance(300);  // past the base's wrap
  EXPECT_EQ(clock.tickCount(), 0xFFFF'FF00u + 3000u);  // wraps the same way
  EXPECT_EQ(clock.tickCount() - 0xFFFF'FF00u, 3000u);
  b.advance(5'700);  // a minute of scaled time in all
  EXPECT_EQ(wholeSecondsBetween(kNewYear2025 + 0.5, clock.utcNow()), 60);
  EXPECT_EQ(formatHourMinute(clock.localNow()), "13:01");
}

TEST(SystemClockTest, LocalAndUtcAgreeWithinADay) {
  const auto clock = makeSystemClock();
  const DateTime utc = clock->utcNow();
  EXPECT_GT(utc, encode({2020, 1, 1}));
  EXPECT_LT(std::abs(clock->localNow() - utc), 1.0);
  const std::uint32_t a = clock->tickCount();
  EXPECT_LE(clock->tickCount() - a, 1000u);
}

}  // namespace
}  // namespace aerotrace
