#include "app/qt_cycle_driver.h"

#include <algorithm>
#include <utility>

namespace aerotrace {

QtCycleDriver::QtCycleDriver(std::function<void()> tick, Inputs inputs, Pass pass,
                             std::function<void(const std::string&)> speak, QObject* parent)
    : QObject(parent),
      inputs_(std::move(inputs)),
      pass_(std::move(pass)),
      cycle_({std::move(tick), [this] { launch(); }, std::move(speak)}) {
  elapsed_.start();
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &QtCycleDriver::fire);
  connect(this, &QtCycleDriver::passFinished, this, &QtCycleDriver::ended, Qt::QueuedConnection);
}

QtCycleDriver::~QtCycleDriver() {
  // A pass still running writes into state that is about to go: let it end.
  if (worker_.joinable()) worker_.join();
}

void QtCycleDriver::start() { cycle_.startReaderPass(); }

void QtCycleDriver::enableTimer() {
  cycle_.enableTimer(now());
  schedule();
}

void QtCycleDriver::disableTimer() {
  cycle_.disableTimer();
  timer_.stop();
}

void QtCycleDriver::whenNoPass(std::function<void()> action, std::string_view once) {
  if (!cycle_.passRunning()) {
    action();
    return;
  }
  const bool queued = !once.empty() && std::any_of(deferred_.begin(), deferred_.end(),
                                                   [&](const Deferred& d) { return d.once == once; });
  if (!queued) deferred_.push_back({std::string(once), std::move(action)});
}

void QtCycleDriver::launch() {
  if (worker_.joinable()) worker_.join();
  // Taken here, between turns: the window thread may change the state while
  // the pass runs (the show handling's switches, for one).
  const ReaderPassInputs inputs = inputs_ ? inputs_() : ReaderPassInputs{};
  worker_ = std::thread([this, inputs] {
    result_ = pass_(inputs);
    emit passFinished();
  });
}

void QtCycleDriver::ended() {
  // The join orders the worker's writes (the result, the flight-data block)
  // before everything the window thread does next.
  if (worker_.joinable()) worker_.join();
  const ReaderPassResult result = std::exchange(result_, {});
  cycle_.passEnded(now(), result);
  // Handlers held back during the pass run before the next tick can.
  auto deferred = std::exchange(deferred_, {});
  for (auto& d : deferred) d.action();
  schedule();
}

void QtCycleDriver::schedule() {
  const auto due = cycle_.handlerDueAt();
  if (!due) {
    timer_.stop();
    return;
  }
  timer_.start(static_cast<int>(std::max<std::int64_t>(0, *due - now())));
}

void QtCycleDriver::fire() {
  cycle_.timerFired(now());
  schedule();
}

}  // namespace aerotrace
