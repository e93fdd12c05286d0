#include "monitor/stepped_cycle.h"

namespace aerotrace {

SteppedCycle::SteppedCycle(SimulatedClock& clock, std::function<void()> tick, Pass pass,
                           std::function<void(const std::string&)> speak)
    : clock_(clock),
      pass_(std::move(pass)),
      cycle_({std::move(tick),
              [this] {
                const ReaderPassResult result = pass_();
                cycle_.passEnded(now(), result);
              },
              std::move(speak)}) {}

void SteppedCycle::runUntil(std::int64_t untilMs) {
  for (;;) {
    const auto due = cycle_.handlerDueAt();
    if (!due || *due > untilMs) break;
    if (*due > now()) clock_.advanceMilliseconds(*due - now());
    cycle_.timerFired(now());
  }
  if (untilMs > now()) clock_.advanceMilliseconds(untilMs - now());
}

}  // namespace aerotrace
