#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "monitor/monitor_cycle.h"

namespace aerotrace {

// Runs the monitor cycle in the program: `Timer1` is a one-shot Qt timer on
// the window thread, and each reader pass runs on a worker thread of its own
// whose end is handed back to the window thread. Handlers that touch what a
// pass writes (the simulator outbox, the load extremes) go through
// whenNoPass(), so window thread and pass keep strict turns. What the pass
// reads of the window's state is taken on the window thread as it starts,
// and its result is read only after its thread has been joined.
class QtCycleDriver : public QObject {
  Q_OBJECT

 public:
  // Runs on the window thread as a pass starts.
  using Inputs = std::function<ReaderPassInputs()>;
  // Runs on the worker; it may touch only the flight-data block.
  using Pass = std::function<ReaderPassResult(const ReaderPassInputs&)>;

  QtCycleDriver(std::function<void()> tick, Inputs inputs, Pass pass,
                std::function<void(const std::string&)> speak, QObject* parent = nullptr);
  ~QtCycleDriver() override;

  MonitorCycle& cycle() { return cycle_; }

  // The creation handler's first pass.
  void start();
  // `Timer1` on or off, from the window thread.
  void enableTimer();
  void disableTimer();

  // Runs `action` now when no pass runs, else on the window thread right
  // after the running pass has ended, before the next tick. A press named
  // `once` that is already waiting there is not queued a second time: a
  // double click during a pass is one press.
  void whenNoPass(std::function<void()> action, std::string_view once = {});

  bool passRunning() const { return cycle_.passRunning(); }

  // The time the cycle counts in, for handlers that arm it themselves.
  std::int64_t now() const { return elapsed_.elapsed(); }
  // After a handler armed or disarmed the cycle's timer directly, `Timer1`
  // follows it.
  void followCycle() { schedule(); }

 signals:
  // From the worker, as its pass ends; queued to ended() on the window
  // thread. A signal, so that what crosses the threads is Qt's own event.
  void passFinished();

 private:
  void launch();
  void ended();
  void schedule();
  void fire();

  Inputs inputs_;
  Pass pass_;
  MonitorCycle cycle_;
  QTimer timer_;  // Timer1
  QElapsedTimer elapsed_;
  std::thread worker_;
  ReaderPassResult result_;  // the worker's until it is joined
  struct Deferred {
    std::string once;
    std::function<void()> action;
  };
  std::vector<Deferred> deferred_;
};

}  // namespace aerotrace
