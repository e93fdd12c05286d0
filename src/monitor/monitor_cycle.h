#pragma once

// The main window's cycle: the one-shot timer's handler runs a monitor tick
// and starts a reader pass; the pass, when it ends, speaks its warnings and
// re-arms the timer, so tick and pass take turns.
//
// The object lives on the window thread and knows no thread or timer of its
// own: a driver fires the timer when handlerDueAt() comes and reports the
// end of each pass back on the window thread. A threaded driver runs passes
// on a worker; a stepped driver runs them inline against a simulated clock.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "sim/reader_pass.h"

namespace aerotrace {

class MonitorCycle {
 public:
  static constexpr std::int64_t kTimerIntervalMs = 100;

  struct Hooks {
    // The handler's work between disabling the timer and starting the
    // pass: link lamp, number format, one monitor tick.
    std::function<void()> tick;
    // Starts one reader pass. Its end must come back through passEnded()
    // on the window thread, possibly before launchPass returns.
    std::function<void()> launchPass;
    // The voice, on the window thread.
    std::function<void(const std::string&)> speak;
  };

  explicit MonitorCycle(Hooks hooks) : hooks_(std::move(hooks)) {}

  // Starts a pass unless one is running: the link is one per process.
  void startReaderPass();

  // Arms the one-shot timer for 100 ms from now; arming it again while it
  // is armed keeps the first due time.
  void enableTimer(std::int64_t nowMs);
  void disableTimer() { timerEnabled_ = false; }
  bool timerEnabled() const { return timerEnabled_; }
  bool passRunning() const { return passRunning_; }

  // When the handler is due; nothing while the timer is off or a pass runs
  // (the pass re-arms the timer when it ends).
  std::optional<std::int64_t> handlerDueAt() const;

  // The timer's handler. Does nothing and returns false unless it is due.
  bool timerFired(std::int64_t nowMs);

  // The pass has ended: its warnings are spoken, then the timer is armed.
  void passEnded(std::int64_t nowMs, const ReaderPassResult& result);

  std::uint64_t ticks() const { return ticks_; }
  std::uint64_t passes() const { return passes_; }

 private:
  Hooks hooks_;
  bool timerEnabled_ = false;
  std::int64_t dueAt_ = 0;
  bool passRunning_ = false;
  std::uint64_t ticks_ = 0;
  std::uint64_t passes_ = 0;
};

}  // namespace aerotrace
