#include <cmath>

#include "core/clock.h"

namespace aerotrace {

SimulatedClock::SimulatedClock(DateTime utcStart, int utcOffsetMinutes)
    : startMs_(toMilliseconds(utcStart)), offsetMs_(std::int64_t{utcOffsetMinutes} * 60'000) {}

DateTime SimulatedClock::utcNow() const { return fromMilliseconds(startMs_ + elapsedMs_); }

DateTime SimulatedClock::localNow() const {
  return fromMilliseconds(startMs_ + elapsedMs_ + offsetMs_);
}

std::uint32_t SimulatedClock::tickCount() const {
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(elapsedMs_) & 0xFFFF'FFFFu);
}

void SimulatedClock::advanceMilliseconds(std::int64_t ms) { elapsedMs_ += ms; }

void SimulatedClock::advanceSeconds(double seconds) {
  advanceMilliseconds(static_cast<std::int64_t>(std::llround(seconds * 1000.0)));
}

}  // namespace aerotrace
