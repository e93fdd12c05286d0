#include "monitor/leg_start.h"

#include <exception>

#include "core/messages.h"
#include "monitor/leg_keeping.h"
#include "monitor/output.h"
#include "tours/tour_reads.h"

namespace aerotrace {

std::string legAnnouncement(const oLeg& leg) {
  return msg::kTourPrefix + leg.TourName + msg::kLegInfix + leg.Descr;
}

void imgStartFlMouseDown(MonitorContext& m) {
  TfHState& s = m.s;
  // A second press (a double click, or one queued behind a reader pass)
  // finds the leg already flying: starting it again would take a new
  // departure time and announce it twice.
  if (s.legActive) return;
  View& view = m.view;
  view.focusRoute();
  const oLeg* leg = s.selectedLeg();
  if (leg == nullptr) return;
  s.activeLegId = leg->Id;
  const std::string announcement = legAnnouncement(*leg);
  if (s.activeLegId <= 0) return;

  s.checkpoints.clear();
  try {
    s.checkpoints = readCheckpoints(m.d, s.activeLegId);
  } catch (const std::exception& e) {
    view.showError(e.what());
    return;
  }

  s.lastCheckpoint = -1;
  s.track.clear();
  s.lastSampleLatitude = 0;
  s.lastSampleLongitude = 0;
  // The departure instant comes after the checkpoints are in.
  s.depDate = m.clock.utcNow();
  s.depTime = m.clock.utcNow();
  s.fuelAtStart = s.flightData.fuelTotal;
  s.legActive = true;
  s.touchdownCaptured = false;
  view.legStarted(s.activeLegId);

  view.retractPanel();
  view.setWindowSize(view.panelGeometry().bar);
  if (s.speechEnabled) speakText(s, announcement);

  s.flightData.gMax = 0;
  s.flightData.gMin = 0;
  s.flightData.gLoad = 0;
  s.gTouchdown = 0;
  journalLegStart(m);
}

}  // namespace aerotrace
