#include "monitor/checkpoint_evaluation.h"

#include <algorithm>
#include <limits>
#include <string>

#include "core/distance.h"
#include "core/messages.h"
#include "core/text.h"
#include "monitor/announcements.h"
#include "monitor/output.h"

namespace aerotrace {
namespace {

constexpr const char* kPassed = "Passed.";
constexpr const char* kWrongAltitude = " Wrong altitude. ";
constexpr const char* kWrongHeading = " Wrong heading. ";
constexpr const char* kWrongSpeed = " Wrong speed. ";
constexpr const char* kMissed = "Missed.";

bool outside(double value, std::int32_t min, std::int32_t max) {
  return value < static_cast<double>(min) || value > static_cast<double>(max);
}

bool captured(const TfHState& s, const oLegDet& cp, std::int32_t index) {
  const FlightData& fd = s.flightData;
  return distanceMiles(fd.latitude, fd.longitude, cp.Latitude, cp.Longitude) < cp.cRange &&
         cp.MustLand == fd.onGround && index != s.lastCheckpoint && !cp.Done;
}

void judgeWindows(TfHState& s, oLegDet& cp, std::int32_t index) {
  const FlightData& fd = s.flightData;
  std::string outcome = kPassed;
  bool passed = true;
  const auto fail = [&](const char* text) {
    passed = false;
    if (outcome == kPassed) outcome.clear();
    outcome += text;
  };
  cp.Done = true;
  if (outside(fd.altitude, cp.MinAlt, cp.MaxAlt)) fail(kWrongAltitude);
  if (outside(fd.heading, cp.MinHdg, cp.MaxHdg)) fail(kWrongHeading);
  if (outside(fd.ias, cp.MinSpd, cp.MaxSpd)) fail(kWrongSpeed);
  cp.Ok = passed;
  cp.Result = outcome;
  s.lastCheckpoint = index;
  announce(s, {cp.Descr, cp.Speak}, msg::kCheckpointSeconds);
}

void runWait(TfHState& s, oLegDet& cp, std::int32_t index, const Clock& clock, View& view) {
  oTmr& timer = s.waitTimer;
  if (!timer.Active) {
    timer.Active = true;
    timer.Start = clock.localNow();
    announce(s, {cp.Descr, cp.Speak}, msg::kCheckpointSeconds);
  }
  const std::int64_t elapsed = wholeSecondsBetween(timer.Start, clock.localNow());
  const std::int64_t wait = std::int64_t{cp.WaitMin} * 60;
  if (elapsed > wait) {
    timer.Active = false;
    cp.Done = true;
    cp.Ok = true;
    s.lastCheckpoint = index;
    cp.Result = kPassed;
    view.setTitle(msg::kTitle);
    announce(s, {msg::kReadyToGo, msg::kReadyToGo}, msg::kReadySeconds);
    return;
  }
  const std::int64_t remaining = wait - elapsed;
  timer.Text = std::to_string(remaining / 60 + 1) + msg::kMinutesSuffix;
  if (view.title() != timer.Text) {
    view.setTitle(timer.Text);
    // The first minute only counts on the bar; the message itself was just
    // announced.
    if (elapsed >= 60) announce(s, {timer.Text, timer.Text}, msg::kCheckpointSeconds);
  }
}

}  // namespace

void takeTouchdownLoad(TfHState& s) {
  const auto count = static_cast<std::int64_t>(s.checkpoints.size());
  if (count - 2 < s.lastCheckpoint && !s.touchdownCaptured) {
    s.touchdownCaptured = true;
    s.gTouchdown = s.flightData.gLoad;
  }
}

void evaluateCheckpoints(TfHState& s, const Clock& clock, View& view) {
  for (std::size_t i = 0; i < s.checkpoints.size(); ++i) {
    const auto index = static_cast<std::int32_t>(i);
    oLegDet& cp = s.checkpoints[i];
    if (!captured(s, cp, index)) continue;
    if (cp.WaitMin <= 0) {
      judgeWindows(s, cp, index);
    } else {
      runWait(s, cp, index, clock, view);
    }
  }
}

std::int32_t scoreCheckpoints(std::vector<oLegDet>& checkpoints, std::int32_t maxPoints) {
  std::int64_t total = 0;
  for (oLegDet& cp : checkpoints) {
    if (trimmed(cp.Result).empty()) cp.Result = kMissed;
    if (cp.Ok) total += cp.Points;
    if (total > maxPoints) total = maxPoints;
  }
  constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(std::max(total, kLow));
}

}  // namespace aerotrace
