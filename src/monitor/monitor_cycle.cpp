#include "monitor/monitor_cycle.h"

namespace aerotrace {

void MonitorCycle::startReaderPass() {
  if (passRunning_) return;
  passRunning_ = true;
  ++passes_;
  hooks_.launchPass();
}

void MonitorCycle::enableTimer(std::int64_t nowMs) {
  if (timerEnabled_) return;
  timerEnabled_ = true;
  dueAt_ = nowMs + kTimerIntervalMs;
}

std::optional<std::int64_t> MonitorCycle::handlerDueAt() const {
  if (!timerEnabled_ || passRunning_) return std::nullopt;
  return dueAt_;
}

bool MonitorCycle::timerFired(std::int64_t nowMs) {
  const auto due = handlerDueAt();
  if (!due || nowMs < *due) return false;
  disableTimer();
  ++ticks_;
  if (hooks_.tick) hooks_.tick();
  startReaderPass();
  return true;
}

void MonitorCycle::passEnded(std::int64_t nowMs, const ReaderPassResult& result) {
  passRunning_ = false;
  if (hooks_.speak) {
    for (const std::string& text : result.spoken) hooks_.speak(text);
  }
  // The next tick comes 100 ms after this pass, also when something armed
  // the timer while the pass ran.
  timerEnabled_ = false;
  enableTimer(nowMs);
}

}  // namespace aerotrace
