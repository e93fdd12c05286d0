#include "monitor/checkpoint_evaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "core/distance.h"
#include "fixture.h"

namespace aerotrace {
namespace {

using testing::outboxText;

// A checkpoint at 10N 20E with windows wide enough to be met unless a test
// narrows them.
oLegDet checkpoint(const std::string& name, int points = 10) {
  oLegDet cp;
  cp.Points = points;
  cp.Descr = name + " text";
  cp.Speak = name + " speech";
  cp.Latitude = 10;
  cp.Longitude = 20;
  cp.cRange = 2;
  cp.MinAlt = 3000, cp.MaxAlt = 5000;
  cp.MinSpd = 200, cp.MaxSpd = 240;
  cp.MinHdg = 80, cp.MaxHdg = 100;
  return cp;
}

class CheckpointTest : public testing::MonitorTest {
 protected:
  // In the air at the checkpoint, inside every window of checkpoint().
  void flyOver(double alt = 4000, double ias = 220, double hdg = 90) {
    placeAircraft(10, 20, false, alt, ias, hdg);
  }
  void evaluate() { evaluateCheckpoints(s_, clock_, view_); }
};

TEST_F(CheckpointTest, CaptureNeedsToBeStrictlyInsideTheRange) {
  s_.checkpoints = {checkpoint("a")};
  placeAircraft(10.02, 20, false, 4000, 220, 90);
  const double d = distanceMiles(10.02, 20, 10, 20);
  s_.checkpoints[0].cRange = d;
  evaluate();
  EXPECT_FALSE(s_.checkpoints[0].Done) << "distance equal to the range";
  s_.checkpoints[0].cRange = std::nextafter(d, 100.0);
  evaluate();
  EXPECT_TRUE(s_.checkpoints[0].Done);
  EXPECT_EQ(s_.checkpoints[0].Result, "Passed.");
  EXPECT_EQ(s_.lastCheckpoint, 0);

  // A zero range captures nothing, not even standing on the point.
  s_.checkpoints = {checkpoint("b")};
  s_.checkpoints[0].cRange = 0;
  s_.lastCheckpoint = -1;
  flyOver();
  evaluate();
  EXPECT_FALSE(s_.checkpoints[0].Done);
}

TEST_F(CheckpointTest, MustLandOnlyOnTheGroundOthersOnlyInTheAir) {
  const struct {
    bool mustLand, onGround, captured;
  } cases[] = {
      {true, true, true}, {true, false, false}, {false, true, false}, {false, false, true}};
  for (const auto& c : cases) {
    s_.checkpoints = {checkpoint("a")};
    s_.checkpoints[0].MustLand = c.mustLand;
    s_.lastCheckpoint = -1;
    placeAircraft(10, 20, c.onGround, 4000, 220, 90);
    evaluate();
    EXPECT_EQ(static_cast<bool>(s_.checkpoints[0].Done), c.captured)
        << "mustLand " << c.mustLand << " onGround " << c.onGround;
  }
}

TEST_F(CheckpointTest, WindowBoundsBelongToTheWindow) {
  const struct {
    double alt, ias, hdg;
    const char* result;
  } cases[] = {
      {3000, 220, 90, "Passed."},
      {5000, 220, 90, "Passed."},
      {4000, 200, 90, "Passed."},
      {4000, 240, 90, "Passed."},
      {4000, 220, 80, "Passed."},
      {4000, 220, 100, "Passed."},
      {2999.9, 220, 90, " Wrong altitude. "},
      {5000.1, 220, 90, " Wrong altitude. "},
      {4000, 199.99, 90, " Wrong speed. "},
      {4000, 240.01, 90, " Wrong speed. "},
      {4000, 220, 79.9, " Wrong heading. "},
      {4000, 220, 100.5, " Wrong heading. "},
      {2000, 250, 90, " Wrong altitude.  Wrong speed. "},
      {0, 0, 0, " Wrong altitude.  Wrong heading.  Wrong speed. "},
  };
  for (const auto& c : cases) {
    s_.checkpoints = {checkpoint("a")};
    s_.lastCheckpoint = -1;
    flyOver(c.alt, c.ias, c.hdg);
    evaluate();
    const oLegDet& cp = s_.checkpoints[0];
    EXPECT_EQ(cp.Result, c.result) << c.alt << " ft " << c.ias << " kt " << c.hdg << " deg";
    EXPECT_EQ(static_cast<bool>(cp.Ok), std::string(c.result) == "Passed.") << c.result;
    EXPECT_TRUE(cp.Done);
  }
}

TEST_F(CheckpointTest, HeadingWindowAcrossNorthCanNeverBeMet) {
  for (double hdg : {355.0, 0.0, 5.0, 350.0, 10.0, 180.0}) {
    s_.checkpoints = {checkpoint("a")};
    s_.checkpoints[0].MinHdg = 350;
    s_.checkpoints[0].MaxHdg = 10;
    s_.lastCheckpoint = -1;
    flyOver(4000, 220, hdg);
    evaluate();
    EXPECT_EQ(s_.checkpoints[0].Result, " Wrong heading. ") << hdg;
  }
}

TEST_F(CheckpointTest, MissedWindowsScoreNothing) {
  s_.checkpoints = {checkpoint("a", 10)};
  flyOver(2000, 250, 90);
  evaluate();
  EXPECT_FALSE(s_.checkpoints[0].Ok);
  EXPECT_EQ(scoreCheckpoints(s_.checkpoints, 100), 0);
}

TEST_F(CheckpointTest, ACapturedCheckpointIsNeverJudgedAgain) {
  s_.checkpoints = {checkpoint("a")};
  flyOver(2000);  // wrong altitude first
  evaluate();
  s_.lastCheckpoint = -1;  // even when no longer the last one captured
  flyOver(4000);
  evaluate();
  EXPECT_EQ(s_.checkpoints[0].Result, " Wrong altitude. ");
  EXPECT_EQ(spoken().size(), 1u);
}

TEST_F(CheckpointTest, TwoCapturesInOneTickShowTheSecondAndSpeakBoth) {
  s_.checkpoints = {checkpoint("first"), checkpoint("second")};
  flyOver();
  evaluate();
  EXPECT_EQ(outboxText(s_.flightData), "second text");
  EXPECT_EQ(spoken(), (std::vector<std::string>{"first speech", "second speech"}));
  EXPECT_EQ(s_.lastMessage.Text, "second text");
  EXPECT_EQ(s_.lastCheckpoint, 1);
}

// Every announcement of a wait, with the second after capture it came at.
struct Heard {
  std::int64_t second;
  std::string text;
  int seconds;
  friend bool operator==(const Heard&, const Heard&) = default;
};

class WaitTest : public CheckpointTest {
 protected:
  // Ticks every 0.2 s from now for `seconds`, evaluating at each tick and
  // collecting what reaches the simulator and the bar.
  void fly(double seconds) {
    const int ticks = static_cast<int>(std::lround(seconds / 0.2));
    for (int i = 0; i < ticks; ++i) {
      s_.flightData.simTextPending = false;
      const std::size_t titles = view_.changes.size();
      evaluate();
      const std::int64_t at = clock_.elapsedMilliseconds() / 1000;
      if (s_.flightData.simTextPending) {
        heard.push_back({at, outboxText(s_.flightData), s_.flightData.simTextSeconds});
      }
      for (std::size_t k = titles; k < view_.changes.size(); ++k) {
        titlesAt.emplace_back(at, view_.changes[k]);
      }
      clock_.advanceSeconds(0.2);
    }
  }

  std::vector<Heard> heard;
  std::vector<std::pair<std::int64_t, std::string>> titlesAt;
};

oLegDet waiting(const std::string& name, int minutes) {
  oLegDet cp = checkpoint(name);
  cp.WaitMin = minutes;
  cp.MustLand = true;
  return cp;
}

TEST_F(WaitTest, FiveMinuteCountdown) {
  s_.checkpoints = {waiting("hold", 5)};
  placeAircraft(10, 20, true);
  fly(302);
  const std::vector<std::pair<std::int64_t, std::string>> titles = {
      {0, "6 min."},   {1, "5 min."},   {61, "4 min."},    {121, "3 min."},
      {181, "2 min."}, {241, "1 min."}, {301, "Aerotrace"}};
  EXPECT_EQ(titlesAt, titles);
  const std::vector<Heard> expected = {{0, "hold text", 30}, {61, "4 min.", 30},
                                       {121, "3 min.", 30},  {181, "2 min.", 30},
                                       {241, "1 min.", 30},  {301, "Ready to go.", 10}};
  EXPECT_EQ(heard, expected);
  EXPECT_EQ(spoken(), (std::vector<std::string>{"hold speech", "4 min.", "3 min.", "2 min.",
                                                "1 min.", "Ready to go."}));
  const oLegDet& cp = s_.checkpoints[0];
  EXPECT_TRUE(cp.Done);
  EXPECT_TRUE(cp.Ok);
  EXPECT_EQ(cp.Result, "Passed.");
  EXPECT_FALSE(s_.waitTimer.Active);
  EXPECT_EQ(s_.lastMessage.Speech, "Ready to go.");
}

TEST_F(WaitTest, OneMinuteWaitCountsTwoThenOneUnannounced) {
  s_.checkpoints = {waiting("hold", 1)};
  placeAircraft(10, 20, true);
  fly(62);
  const std::vector<std::pair<std::int64_t, std::string>> titles = {
      {0, "2 min."}, {1, "1 min."}, {61, "Aerotrace"}};
  EXPECT_EQ(titlesAt, titles);
  const std::vector<Heard> expected = {{0, "hold text", 30}, {61, "Ready to go.", 10}};
  EXPECT_EQ(heard, expected);
}

TEST_F(WaitTest, LeavingTheRangeDoesNotStopTheTimer) {
  s_.checkpoints = {waiting("hold", 3)};
  placeAircraft(10, 20, true);
  fly(30);
  placeAircraft(11, 20, true);  // away
  fly(100);
  EXPECT_FALSE(s_.checkpoints[0].Done);
  placeAircraft(10, 20, true);
  fly(0.2);  // back at 130 s: count continues from the first capture
  EXPECT_EQ(view_.title(), "1 min.");
  placeAircraft(11, 20, true);
  fly(100);
  placeAircraft(10, 20, true);
  fly(0.2);  // back after the wait ran out: passed at once
  EXPECT_TRUE(s_.checkpoints[0].Ok);
  EXPECT_EQ(heard.back().text, "Ready to go.");
  EXPECT_EQ(heard.front().text, "hold text");
  EXPECT_EQ(heard.size(), 3u) << "capture, 1 min. on the way back, ready";
}

TEST_F(WaitTest, SecondWaitStartsAfreshOnlyWhenTheFirstCompleted) {
  // Completed first wait: the second one announces itself and waits its own time.
  s_.checkpoints = {waiting("first", 1), waiting("second", 1)};
  s_.checkpoints[1].Latitude = 10.5;
  placeAircraft(10, 20, true);
  fly(62);
  ASSERT_TRUE(s_.checkpoints[0].Ok);
  placeAircraft(10.5, 20, true);
  fly(0.2);
  EXPECT_EQ(heard.back().text, "second text");
  fly(61);
  EXPECT_TRUE(s_.checkpoints[1].Ok);

  // Left before completion: the second inherits the running timer.
  heard.clear();
  s_.checkpoints = {waiting("first", 1), waiting("second", 1)};
  s_.checkpoints[1].Latitude = 10.5;
  s_.lastCheckpoint = -1;
  placeAircraft(10, 20, true);
  fly(30);
  placeAircraft(10.5, 20, true);
  fly(0.2);
  EXPECT_EQ(heard.size(), 1u) << "no announcement of its own";
  fly(31);
  EXPECT_TRUE(s_.checkpoints[1].Ok) << "measured from the first capture";
  EXPECT_FALSE(s_.checkpoints[0].Done);
}

TEST_F(CheckpointTest, TouchdownLoadIsTakenOnceAfterTheLastCapture) {
  s_.checkpoints = {checkpoint("a"), checkpoint("b"), checkpoint("c")};
  for (int last : {-1, 0, 1}) {
    s_.lastCheckpoint = last;
    takeTouchdownLoad(s_);
    EXPECT_FALSE(s_.touchdownCaptured) << last;
  }
  s_.lastCheckpoint = 2;
  s_.flightData.gLoad = 1.3;
  takeTouchdownLoad(s_);
  s_.flightData.gLoad = 0.2;
  takeTouchdownLoad(s_);
  EXPECT_TRUE(s_.touchdownCaptured);
  EXPECT_DOUBLE_EQ(s_.gTouchdown, 1.3);

  // Without checkpoints it is the load of the first tick.
  TfHState empty;
  empty.lastCheckpoint = -1;
  empty.flightData.gLoad = 0.7;
  takeTouchdownLoad(empty);
  EXPECT_DOUBLE_EQ(empty.gTouchdown, 0.7);
}

TEST(ScoreTest, CapAfterEachCheckpointAndMissedMarks) {
  auto legOf = [](std::vector<int> points) {
    std::vector<oLegDet> cps;
    for (int p : points) {
      oLegDet cp;
      cp.Points = p;
      cp.Ok = true;
      cp.Result = "Passed.";
      cps.push_back(cp);
    }
    return cps;
  };
  auto three = legOf({10, 10, 10});
  EXPECT_EQ(scoreCheckpoints(three, 25), 25);
  EXPECT_LT(scoreCheckpoints(three, 25), 30) << "a minimum of 30 fails";
  // With negative points the order matters, the cap being applied as it goes.
  auto late = legOf({20, 20, -10});
  EXPECT_EQ(scoreCheckpoints(late, 30), 20);
  auto early = legOf({-10, 20, 20});
  EXPECT_EQ(scoreCheckpoints(early, 30), 30);
  std::vector<oLegDet> none;
  EXPECT_EQ(scoreCheckpoints(none, 100), 0);

  auto mixed = legOf({5, 7, 9});
  mixed[1].Ok = false;
  mixed[1].Result = " Wrong speed. ";
  mixed[2].Ok = false;
  mixed[2].Result = "  ";  // blanks only count as never captured
  EXPECT_EQ(scoreCheckpoints(mixed, 100), 5);
  EXPECT_EQ(mixed[1].Result, " Wrong speed. ");
  EXPECT_EQ(mixed[2].Result, "Missed.");
}

}  // namespace
}  // namespace aerotrace
