#include "monitor/monitor_cycle.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/clock.h"
#include "core/messages.h"
#include "core/recording_voice.h"
#include "monitor/output.h"
#include "monitor/reader_pass_inputs.h"
#include "monitor/stepped_cycle.h"
#include "monitor/tfh_state.h"
#include "sim/ipc_client.h"
#include "standin/in_process_transport.h"
#include "standin/standin_simulator.h"

namespace aerotrace {
namespace {

// A cycle on a simulated clock whose passes take a set time, with a log of
// what ran when.
class SteppedCycleTest : public ::testing::Test {
 protected:
  SteppedCycleTest()
      : clock_(0, 0),
        stepped_(
            clock_,
            [this] {
              EXPECT_FALSE(inPass_) << "tick during a pass";
              ticks_.push_back(stepped_.now());
              if (onTick_) onTick_();
            },
            [this] {
              EXPECT_FALSE(inPass_) << "two passes at once";
              inPass_ = true;
              if (onPass_) onPass_();
              clock_.advanceMilliseconds(passMs_);
              inPass_ = false;
              passEnds_.push_back(stepped_.now());
              return ReaderPassResult{};
            },
            [](const std::string&) {}) {}

  SimulatedClock clock_;
  SteppedCycle stepped_;
  std::int64_t passMs_ = 37;
  bool inPass_ = false;
  std::function<void()> onTick_, onPass_;
  std::vector<std::int64_t> ticks_, passEnds_;
};

TEST_F(SteppedCycleTest, EachTickComesOneHundredMillisecondsAfterThePassEnds) {
  stepped_.start();
  stepped_.runUntil(500);
  EXPECT_EQ(passEnds_, (std::vector<std::int64_t>{37, 174, 311, 448}));
  EXPECT_EQ(ticks_, (std::vector<std::int64_t>{137, 274, 411}));
  EXPECT_FALSE(stepped_.cycle().timerFired(stepped_.now()));  // not due until 548
  EXPECT_EQ(ticks_.size(), 3u);
}

TEST_F(SteppedCycleTest, ArmingTheTimerDuringAPassNeitherStartsAPassNorBringsTheTickForward) {
  passMs_ = 300;
  int passes = 0;
  onPass_ = [&] {
    ++passes;
    // The show handling and the report's close handling arm the timer; a
    // stray start must not run a second pass beside this one.
    stepped_.cycle().enableTimer(stepped_.now());
    stepped_.cycle().startReaderPass();
  };
  stepped_.start();
  stepped_.runUntil(1000);
  EXPECT_EQ(ticks_, (std::vector<std::int64_t>{400, 800}));
  EXPECT_EQ(passes, 3);
  EXPECT_EQ(stepped_.cycle().passes(), 3u);
}

TEST_F(SteppedCycleTest, ATickThatDisablesTheTimerDoesNotStopTheChain) {
  onTick_ = [&] { stepped_.cycle().disableTimer(); };
  stepped_.start();
  stepped_.runUntil(1000);
  EXPECT_EQ(ticks_.size(), 7u);
  // Nothing runs before the first pass has armed the timer.
  MonitorCycle idle({[] { ADD_FAILURE(); }, [] { ADD_FAILURE(); }, {}});
  EXPECT_FALSE(idle.timerFired(1000));
}

// The real reader pass on the in-process stand-in, driven by the cycle: the
// warnings reach the voice after the pass, before the next tick.
TEST(MonitorCycleWithReaderPassTest, WarningsReachTheVoiceBetweenPassAndTick) {
  StandInSimulator sim(FlightFile::parse("t,slew,alt\n0,1,1000\n0.5,1,2000\n", "f.csv"));
  InProcessTransport transport(sim);
  IpcClient client(transport);
  RWFSUIPC pass(client);
  SimulatedClock clock(0, 0);
  transport.setSleepHook([&](std::uint32_t ms) { clock.advanceMilliseconds(ms); });

  TfHState s;
  auto voice = std::make_unique<RecordingVoice>();
  RecordingVoice* spoken = voice.get();
  s.voice = std::move(voice);
  s.legActive = true;
  s.speechEnabled = true;
  std::vector<std::string> log;
  spoken->setListener([&](const std::string& text) { log.push_back("speak " + text); });

  SteppedCycle stepped(
      clock,
      [&] {
        log.push_back("tick " + std::to_string(static_cast<int>(s.flightData.altitude)));
        sim.setTime(static_cast<double>(clock.elapsedMilliseconds()) / 1000);
      },
      [&] {
        log.push_back("pass");
        return pass.Execute(s.flightData, readerPassInputs(s));
      },
      [&](const std::string& text) { speakText(s, text); });
  stepped.start();
  stepped.runUntil(600);

  // The handshake's wait makes each pass last 100 ms: ticks at 200, 400
  // and 600. The reset stands until the row at 0.5 s sets slew again.
  const std::string slew = std::string("speak ") + msg::kSlewNotAllowed;
  EXPECT_EQ(log, (std::vector<std::string>{"pass", slew, "tick 1000", "pass", "tick 1000", "pass",
                                           "tick 1000", "pass", slew}));
  EXPECT_EQ(spoken->spoken().size(), 2u);
  EXPECT_DOUBLE_EQ(s.flightData.altitude, 2000);
  EXPECT_TRUE(s.flightData.simConnected);
}

// A window thread with its own queue and timer, and a worker thread per
// pass, as the program runs the cycle.
class WindowThread {
 public:
  using Clock = std::chrono::steady_clock;

  std::int64_t now() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
  }

  void post(std::function<void()> task) {
    {
      std::lock_guard lock(mutex_);
      tasks_.push_back(std::move(task));
    }
    wake_.notify_one();
  }

  // Runs tasks and fires the cycle's timer until `done` says so.
  void run(MonitorCycle& cycle, const std::function<bool()>& done) {
    std::unique_lock lock(mutex_);
    while (!done()) {
      if (!tasks_.empty()) {
        auto task = std::move(tasks_.front());
        tasks_.pop_front();
        lock.unlock();
        task();
        lock.lock();
        continue;
      }
      const auto due = cycle.handlerDueAt();
      if (due && *due <= now()) {
        lock.unlock();
        cycle.timerFired(now());
        lock.lock();
        continue;
      }
      const auto wait =
          due ? std::chrono::milliseconds(*due - now()) : std::chrono::milliseconds(50);
      wake_.wait_for(lock, wait);
    }
  }

 private:
  Clock::time_point start_ = Clock::now();
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> tasks_;
};

TEST(MonitorCycleThreadedTest, PassesOnWorkersNeverOverlapTicksAndSpeakOnTheWindowThread) {
  WindowThread window;
  const auto windowId = std::this_thread::get_id();
  std::atomic<bool> inPass{false};
  std::atomic<int> overlaps{0};
  std::vector<std::thread> workers;
  std::vector<std::int64_t> passEnds, ticks;
  std::vector<std::thread::id> speakers;
  MonitorCycle* cyclePtr = nullptr;

  MonitorCycle cycle({[&] {
                        if (inPass) ++overlaps;
                        ticks.push_back(window.now());
                      },
                      [&] {
                        const bool first = workers.empty();
                        workers.emplace_back([&, first] {
                          if (inPass.exchange(true)) ++overlaps;
                          // The show handling arms the timer while the first pass runs.
                          if (first) window.post([&] { cyclePtr->enableTimer(window.now()); });
                          std::this_thread::sleep_for(std::chrono::milliseconds(30));
                          inPass = false;
                          ReaderPassResult r;
                          r.spoken.push_back("warning");
                          window.post([&, r] {
                            passEnds.push_back(window.now());
                            cyclePtr->passEnded(window.now(), r);
                          });
                        });
                      },
                      [&](const std::string&) { speakers.push_back(std::this_thread::get_id()); }});
  cyclePtr = &cycle;

  cycle.startReaderPass();
  window.run(cycle, [&] { return ticks.size() >= 5; });
  window.run(cycle, [&] { return passEnds.size() >= 5; });  // the last pass ends
  for (std::thread& w : workers) w.join();

  EXPECT_EQ(overlaps, 0);
  EXPECT_EQ(workers.size(), 6u);  // the first pass and one per tick
  EXPECT_EQ(speakers, std::vector<std::thread::id>(speakers.size(), windowId));
  EXPECT_GE(speakers.size(), 5u);
  for (std::size_t i = 0; i < ticks.size(); ++i) {
    EXPECT_GE(ticks[i] - passEnds[i], MonitorCycle::kTimerIntervalMs) << i;
  }
}

}  // namespace
}  // namespace aerotrace
