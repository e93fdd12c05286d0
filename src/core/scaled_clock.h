#pragma once

#include <memory>
#include <optional>

#include "core/clock.h"

namespace aerotrace {

// A clock that runs `factor` times faster than the one it is made from,
// starting from that clock's time when it is made. Demonstrations fly a
// stand-in simulator faster than real time; the program's clock keeps pace
// so that waits and track samples count the flight's own seconds.
//
// With an origin (a UTC instant of the base clock), the clock reads as if it
// had run faster since then: programs started one after another over the
// same fast flight then agree on the time.
class ScaledClock final : public Clock {
 public:
  ScaledClock(std::unique_ptr<Clock> base, double factor,
              std::optional<DateTime> utcOrigin = std::nullopt);

  DateTime localNow() const override;
  DateTime utcNow() const override;
  std::uint32_t tickCount() const override;

 private:
  // Milliseconds the base clock has run since this clock was made.
  double baseElapsedMs() const;

  std::unique_ptr<Clock> base_;
  double factor_;
  std::uint32_t baseTick0_;
  std::int64_t local0Ms_;
  std::int64_t utc0Ms_;
};

}  // namespace aerotrace
