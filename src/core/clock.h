#pragma once

#include <cstdint>
#include <memory>

#include "core/datetime.h"

namespace aerotrace {

// Where the program reads the time: the system clock in the program, a
// simulated clock in the replay and the tests.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime localNow() const = 0;
  virtual DateTime utcNow() const = 0;
  // Milliseconds since some fixed start, wrapping at 2^32 like the system's
  // tick count.
  virtual std::uint32_t tickCount() const = 0;
};

// The machine's clock and time zone (one implementation per platform).
std::unique_ptr<Clock> makeSystemClock();

// A clock that moves only when told to.
class SimulatedClock final : public Clock {
 public:
  SimulatedClock(DateTime utcStart, int utcOffsetMinutes);

  DateTime localNow() const override;
  DateTime utcNow() const override;
  std::uint32_t tickCount() const override;

  void advanceMilliseconds(std::int64_t ms);
  void advanceSeconds(double seconds);
  // Milliseconds since the clock was made.
  std::int64_t elapsedMilliseconds() const { return elapsedMs_; }

 private:
  std::int64_t startMs_;
  std::int64_t offsetMs_;
  std::int64_t elapsedMs_ = 0;
};

}  // namespace aerotrace
