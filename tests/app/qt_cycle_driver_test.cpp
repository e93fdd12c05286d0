#include "app/qt_cycle_driver.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace aerotrace {
namespace {

TEST(QtCycleDriverTest, TicksAndWorkerPassesTakeTurns) {
  const auto window = std::this_thread::get_id();
  std::atomic<bool> inPass{false};
  std::atomic<int> overlaps{0};
  std::vector<std::string> events;
  std::vector<std::thread::id> speakers;
  std::vector<std::thread::id> inputReaders;
  int ticks = 0;
  QtCycleDriver driver(
      [&] {
        if (inPass) ++overlaps;
        events.push_back("tick");
        ++ticks;
      },
      // What the pass reads of the state is taken before it starts, on the
      // window thread, never while the state may change under it.
      [&] {
        EXPECT_FALSE(inPass);
        inputReaders.push_back(std::this_thread::get_id());
        return ReaderPassInputs{true, false};
      },
      [&](const ReaderPassInputs& inputs) {
        EXPECT_TRUE(inputs.legActive);
        inPass = true;
        EXPECT_NE(std::this_thread::get_id(), window);
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
        inPass = false;
        ReaderPassResult r;
        r.opened = true;
        r.spoken = {"Slew mode not allowed."};
        return r;
      },
      [&](const std::string& text) {
        speakers.push_back(std::this_thread::get_id());
        events.push_back(text);
      });
  driver.start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 10000));
  driver.disableTimer();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !driver.passRunning(); }, 5000));
  EXPECT_EQ(overlaps, 0);
  EXPECT_EQ(speakers, std::vector<std::thread::id>(speakers.size(), window));
  ASSERT_GE(inputReaders.size(), 3u);
  EXPECT_EQ(inputReaders, std::vector<std::thread::id>(inputReaders.size(), window));
  // Each pass speaks its warning before the next tick.
  ASSERT_GE(events.size(), 4u);
  EXPECT_EQ(events[0], "Slew mode not allowed.");
  EXPECT_EQ(events[1], "tick");
  EXPECT_EQ(events[2], "Slew mode not allowed.");
}

TEST(QtCycleDriverTest, HandlersDuringAPassWaitForItsEnd) {
  std::atomic<bool> inPass{false};
  std::vector<std::string> order;
  bool released = false;
  QtCycleDriver* self = nullptr;
  QtCycleDriver driver([&] { order.push_back("tick"); }, {},
                       [&](const ReaderPassInputs&) {
                         inPass = true;
                         std::this_thread::sleep_for(std::chrono::milliseconds(60));
                         inPass = false;
                         return ReaderPassResult{};
                       },
                       {});
  self = &driver;
  driver.start();
  // While the first pass runs, a pilot's handler asks to touch the outbox.
  QTimer::singleShot(10, [&] {
    EXPECT_TRUE(self->passRunning());
    self->whenNoPass([&] {
      EXPECT_FALSE(inPass);
      order.push_back("handler");
      released = true;
    });
    EXPECT_FALSE(released);
  });
  ASSERT_TRUE(QTest::qWaitFor([&] { return order.size() >= 2; }, 10000));
  driver.disableTimer();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !driver.passRunning(); }, 5000));
  EXPECT_EQ(order[0], "handler");
  EXPECT_EQ(order[1], "tick");

  // With no pass running the handler runs at once.
  bool now = false;
  driver.whenNoPass([&] { now = true; });
  EXPECT_TRUE(now);
}

TEST(QtCycleDriverTest, ATimerArmedOnTheCycleItselfIsFollowed) {
  int ticks = 0;
  QtCycleDriver driver([&] { ++ticks; }, {},
                       [](const ReaderPassInputs&) { return ReaderPassResult{}; }, {});
  // Nothing runs: no pass was started and Timer1 is off.
  QTest::qWait(250);
  ASSERT_EQ(ticks, 0);
  // The report's close handling arms the cycle's timer directly.
  driver.cycle().enableTimer(driver.now());
  driver.followCycle();
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 5000));
}

}  // namespace
}  // namespace aerotrace
