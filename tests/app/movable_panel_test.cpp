#include "app/movable_panel.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "core/clock.h"

namespace aerotrace {
namespace {

// The leg panel as the main window sets it up: 431 x 365, home 365 pixels
// above the window, sliding 385 pixels down in 300 ms.
class MovablePanelTest : public ::testing::Test {
 protected:
  MovablePanelTest() : clock_(0, 0), panel_(&window_, &clock_) {
    window_.resize(431, 385);
    panel_.setGeometry(0, -365, 431, 365);
    panel_.SetMoveNewStyle(true);
    panel_.SetMoveFullTime(300);
    panel_.SetMoveLength(385);
    panel_.Loaded();
  }

  // Advances the clock to `ms` after the start and runs one timer tick.
  void tickAt(std::int64_t ms) {
    clock_.advanceMilliseconds(ms - clock_.elapsedMilliseconds());
    if (panel_.MoveNewStyle()) {
      panel_.TimeTimer();
    } else {
      panel_.StepTimer();
    }
  }

  SimulatedClock clock_;
  QWidget window_;
  TantMovablePanel panel_;
};

TEST_F(MovablePanelTest, TimeStyleFollowsTheClockAndEndsAfterTheFullTime) {
  QSignalSpy started(&panel_, &TantMovablePanel::OnDoMove);
  QSignalSpy ended(&panel_, &TantMovablePanel::OnMoveEnd);
  panel_.DoMove();
  EXPECT_EQ(started.count(), 1);
  EXPECT_TRUE(panel_.isTimerRunning());
  tickAt(150);
  EXPECT_EQ(panel_.y(), -365 + 192);
  tickAt(300);
  EXPECT_EQ(panel_.y(), 20);
  EXPECT_EQ(ended.count(), 0) << "ends only on the first tick after the full time";
  tickAt(325);
  EXPECT_EQ(panel_.y(), 20);
  EXPECT_EQ(ended.count(), 1);
  EXPECT_FALSE(panel_.isTimerRunning());
  EXPECT_FALSE(panel_.isMoving());
  EXPECT_TRUE(panel_.isMovedOut());
}

TEST_F(MovablePanelTest, TurningBackMidwayStartsFromWhereThePanelIs) {
  QSignalSpy back(&panel_, &TantMovablePanel::OnUndoMove);
  panel_.DoMove();
  tickAt(100);
  const int turnedAt = panel_.y();
  EXPECT_EQ(turnedAt, -365 + 128);
  panel_.UndoMove();
  EXPECT_EQ(back.count(), 1);
  tickAt(101);
  EXPECT_NEAR(panel_.y(), turnedAt, 2);
  tickAt(200);
  EXPECT_EQ(panel_.y(), -365);
  tickAt(201);
  EXPECT_FALSE(panel_.isMoving());

  // The same call again during a motion changes nothing but its event.
  panel_.DoMove();
  tickAt(300);
  const int before = panel_.y();
  panel_.DoMove();
  tickAt(300);
  EXPECT_EQ(panel_.y(), before);
}

TEST_F(MovablePanelTest, DoMoveAtRestOutJumpsHomeAndSlidesAgain) {
  panel_.DoMove();
  tickAt(301);
  ASSERT_EQ(panel_.y(), 20);
  panel_.DoMove();
  tickAt(301);
  EXPECT_EQ(panel_.y(), -365);
  tickAt(451);
  EXPECT_EQ(panel_.y(), -173);
}

TEST_F(MovablePanelTest, StepStyleMovesByTicksAndClampsAtTheEnds) {
  panel_.SetMoveNewStyle(false);
  panel_.SetMovePerTick(100);
  QSignalSpy ended(&panel_, &TantMovablePanel::OnMoveEnd);
  panel_.DoMove();
  for (int y : {-265, -165, -65}) {
    panel_.StepTimer();
    EXPECT_EQ(panel_.y(), y);
  }
  panel_.StepTimer();  // -65 + 100 would pass the end at 20
  EXPECT_EQ(panel_.y(), 20);
  EXPECT_EQ(ended.count(), 1);
  panel_.UndoMove();
  for (int i = 0; i < 3; ++i) panel_.StepTimer();
  EXPECT_EQ(panel_.y(), -280);
  panel_.StepTimer();
  EXPECT_EQ(panel_.y(), -365);
  EXPECT_EQ(ended.count(), 2);
}

TEST_F(MovablePanelTest, StepStyleWithoutAStepNeverEnds) {
  panel_.SetMoveNewStyle(false);
  panel_.SetMovePerTick(0);
  panel_.DoMove();
  for (int i = 0; i < 50; ++i) panel_.StepTimer();
  EXPECT_EQ(panel_.y(), -365);
  EXPECT_TRUE(panel_.isMoving());
  EXPECT_TRUE(panel_.isTimerRunning());
}

TEST_F(MovablePanelTest, AutoRepeatAndAutoBack) {
  QSignalSpy out(&panel_, &TantMovablePanel::OnDoMove);
  QSignalSpy back(&panel_, &TantMovablePanel::OnUndoMove);
  panel_.SetAutoRepeat(true);
  panel_.DoMove();
  tickAt(301);  // out, then back at once
  tickAt(602);  // home, then out again
  EXPECT_EQ(out.count(), 2);
  EXPECT_EQ(back.count(), 1);
  EXPECT_TRUE(panel_.isMoving());

  TantMovablePanel other(&window_, &clock_);
  other.setGeometry(0, -365, 431, 365);
  other.SetMoveNewStyle(true);
  other.SetMoveFullTime(300);
  other.SetMoveLength(385);
  other.SetAutoBack(true);
  other.Loaded();
  QSignalSpy otherBack(&other, &TantMovablePanel::OnUndoMove);
  QSignalSpy otherEnd(&other, &TantMovablePanel::OnMoveEnd);
  other.DoMove();
  clock_.advanceMilliseconds(301);
  other.TimeTimer();
  EXPECT_EQ(otherBack.count(), 1) << "an outward motion is followed by one back";
  clock_.advanceMilliseconds(301);
  other.TimeTimer();
  EXPECT_EQ(otherEnd.count(), 2);
  EXPECT_FALSE(other.isMoving()) << "a motion back is followed by nothing";
}

TEST_F(MovablePanelTest, StoredValueRules) {
  panel_.SetMovePerTick(-5);
  EXPECT_EQ(panel_.MovePerTick(), 0);
  panel_.SetMoveLength(-1);
  EXPECT_EQ(panel_.MoveLength(), 0);
  panel_.SetTimerInterval(0);
  EXPECT_EQ(panel_.TimerInterval(), 25);
  panel_.SetTimerInterval(40);
  EXPECT_EQ(panel_.TimerInterval(), 40);
  TantMovablePanel fresh;
  EXPECT_FALSE(fresh.MoveNewStyle());
  EXPECT_EQ(fresh.MoveFullTime(), 1000u);
  EXPECT_EQ(fresh.TimerInterval(), 25);
  EXPECT_EQ(fresh.Direction(), TDirection::drDown);
}

TEST_F(MovablePanelTest, ZeroDurationFinishesAtOnce) {
  panel_.SetMoveFullTime(0);
  panel_.DoMove();
  tickAt(0);
  EXPECT_EQ(panel_.y(), 20);
  EXPECT_FALSE(panel_.isMoving());
}

TEST_F(MovablePanelTest, EveryDirectionTakesItsHomeAtLoad) {
  const struct {
    TDirection dir;
    int x, y;
  } cases[] = {{TDirection::drUp, 50, 50 - 385},
               {TDirection::drDown, 50, 50 + 385},
               {TDirection::drLeft, 50 - 385, 50},
               {TDirection::drRight, 50 + 385, 50}};
  for (const auto& c : cases) {
    TantMovablePanel p(&window_, &clock_);
    p.move(50, 50);
    p.SetMoveNewStyle(true);
    p.SetMoveFullTime(300);
    p.SetMoveLength(385);
    p.SetDirection(c.dir);
    p.Loaded();
    p.SetDirection(TDirection::drDown);  // later changes keep the loaded one
    p.DoMove();
    clock_.advanceMilliseconds(301);
    p.TimeTimer();
    EXPECT_EQ(p.pos(), QPoint(c.x, c.y)) << static_cast<int>(c.dir);
  }
}

TEST(MovablePanelRealTimerTest, TheOwnTimerDrivesAMotionToItsEnd) {
  QWidget window;
  TantMovablePanel panel(&window);
  panel.setGeometry(0, -365, 431, 365);
  panel.SetMoveNewStyle(true);
  panel.SetMoveFullTime(300);
  panel.SetMoveLength(385);
  panel.Loaded();
  QSignalSpy ended(&panel, &TantMovablePanel::OnMoveEnd);
  panel.DoMove();
  EXPECT_TRUE(ended.wait(5000));
  EXPECT_EQ(panel.y(), 20);
  EXPECT_FALSE(panel.isTimerRunning());
}

}  // namespace
}  // namespace aerotrace
