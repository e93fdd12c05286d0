#include "core/scaled_clock.h"

#include <cmath>

namespace aerotrace {

ScaledClock::ScaledClock(std::unique_ptr<Clock> base, double factor,
                         std::optional<DateTime> utcOrigin)
    : base_(std::move(base)),
      factor_(factor),
      baseTick0_(base_->tickCount()),
      local0Ms_(toMilliseconds(base_->localNow())),
      utc0Ms_(toMilliseconds(base_->utcNow())) {
  if (!utcOrigin) return;
  const std::int64_t origin = toMilliseconds(*utcOrigin);
  const std::int64_t scaled = origin + std::llround(static_cast<double>(utc0Ms_ - origin) * factor_);
  local0Ms_ += scaled - utc0Ms_;
  utc0Ms_ = scaled;
}

double ScaledClock::baseElapsedMs() const {
  // Unsigned difference: right across the tick count's wrap.
  return static_cast<double>(static_cast<std::uint32_t>(base_->tickCount() - baseTick0_));
}

DateTime ScaledClock::localNow() const {
  return fromMilliseconds(local0Ms_ + std::llround(baseElapsedMs() * factor_));
}

DateTime ScaledClock::utcNow() const {
  return fromMilliseconds(utc0Ms_ + std::llround(baseElapsedMs() * factor_));
}

std::uint32_t ScaledClock::tickCount() const {
  const auto scaled = static_cast<std::uint64_t>(std::llround(baseElapsedMs() * factor_));
  return static_cast<std::uint32_t>(baseTick0_ + scaled);
}

}  // namespace aerotrace
