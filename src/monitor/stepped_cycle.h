#pragma once

// Runs the monitor cycle on one thread against a simulated clock: each pass
// runs inline when the handler starts it, and the clock moves only from one
// due time to the next (and by whatever the pass itself lets pass). The
// replay and the tests drive the cycle this way.

#include <cstdint>
#include <functional>

#include "core/clock.h"
#include "monitor/monitor_cycle.h"

namespace aerotrace {

class SteppedCycle {
 public:
  using Pass = std::function<ReaderPassResult()>;

  SteppedCycle(SimulatedClock& clock, std::function<void()> tick, Pass pass,
               std::function<void(const std::string&)> speak);

  MonitorCycle& cycle() { return cycle_; }
  std::int64_t now() const { return clock_.elapsedMilliseconds(); }

  // The creation handler's last step: the first pass.
  void start() { cycle_.startReaderPass(); }
  // Fires the handler at every due time up to `untilMs`, then sets the clock
  // there (or leaves it later, if a pass ran past it).
  void runUntil(std::int64_t untilMs);

 private:
  SimulatedClock& clock_;
  Pass pass_;
  MonitorCycle cycle_;
};

}  // namespace aerotrace
