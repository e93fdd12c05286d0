#include "monitor/leg_keeping.h"

#include <exception>

#include "core/distance.h"
#include "monitor/leg_result.h"
#include "monitor/monitor_context.h"

namespace aerotrace {
namespace {

const char* const kUnusable = "The local store cannot be used: ";

JournalRecord journalOf(const TfHState& s, const oLeg& leg, DateTime nowUtc) {
  JournalRecord j;
  j.leg = leg;
  j.activeLegId = s.activeLegId;
  j.checkpoints = s.checkpoints;
  j.lastCheckpoint = s.lastCheckpoint;
  j.waitTimer = s.waitTimer;
  j.depDate = s.depDate;
  j.depTime = s.depTime;
  j.fuelAtStart = s.fuelAtStart;
  j.gMax = s.flightData.gMax;
  j.gMin = s.flightData.gMin;
  j.gTouchdown = s.gTouchdown;
  j.touchdownCaptured = static_cast<bool>(s.touchdownCaptured);
  j.airportIcao = s.airportIcao;
  j.lastSampleLatitude = s.lastSampleLatitude;
  j.lastSampleLongitude = s.lastSampleLongitude;
  j.lastSampleTime = s.lastSampleTime;
  j.track = s.track;
  j.latitude = s.flightData.latitude;
  j.longitude = s.flightData.longitude;
  j.lastFuel = s.lastFuel;
  j.writtenAt = nowUtc;
  return j;
}

void writeJournal(MonitorContext& m, bool fresh) {
  TfHState& s = m.s;
  const oLeg* leg = s.selectedLeg();
  if (!leg || !s.keeping.store) return;
  const JournalRecord j = journalOf(s, *leg, m.clock.utcNow());
  keepWith(s, m.view, [&](LocalStore& store) { store.writeJournal(j, fresh); });
  s.keeping.lastJournalMs = m.clock.tickCount();
}

void restore(TfHState& s, const JournalRecord& j, DateTime localNow) {
  s.legs = {j.leg};
  s.legIndex = 0;
  s.activeLegId = j.activeLegId;
  s.checkpoints = j.checkpoints;
  s.lastCheckpoint = j.lastCheckpoint;
  s.waitTimer = j.waitTimer;
  // The pilot cannot have held over the fix while the program was away.
  if (s.waitTimer.Active) s.waitTimer.Start = localNow;
  s.depDate = j.depDate;
  s.depTime = j.depTime;
  s.fuelAtStart = j.fuelAtStart;
  s.flightData.gMax = j.gMax;
  s.flightData.gMin = j.gMin;
  s.gTouchdown = j.gTouchdown;
  s.touchdownCaptured = j.touchdownCaptured;
  s.airportIcao = j.airportIcao;
  s.lastSampleLatitude = j.lastSampleLatitude;
  s.lastSampleLongitude = j.lastSampleLongitude;
  s.lastSampleTime = j.lastSampleTime;
  s.track = j.track;
  s.lastFuel = j.lastFuel;
  s.legActive = true;
}

void discard(MonitorContext& m, const JournalRecord& j) {
  keepWith(m.s, m.view, [](LocalStore& store) { store.removeJournal(); });
  m.view.legDiscarded(j.activeLegId);
}

}  // namespace

std::string resumeQuestion(const JournalRecord& j) {
  return "Resume leg " + j.leg.TourName + " " + j.leg.Descr + "?";
}

std::string cannotResumeMessage(const JournalRecord& j) {
  return "Leg " + j.leg.TourName + " " + j.leg.Descr + " cannot be resumed here.";
}

void openLocalStore(TfHState& s, const std::filesystem::path& folder) {
  LegKeeping& k = s.keeping;
  try {
    k.store = LocalStore::open(folder);
    k.toResume = k.store->readJournal();
  } catch (const std::exception& e) {
    // StoreUnusable says why in the pilot's words; a journal that cannot be
    // read says what the database said.
    k.store.reset();
    k.unusable = e.what();
  }
}

void tellStoreUnusable(TfHState& s, View& view) {
  if (s.keeping.unusable.empty()) return;
  const std::string reason = std::move(s.keeping.unusable);
  s.keeping.unusable.clear();
  view.showMessage(kUnusable + reason);
}

void keepWith(TfHState& s, View& view, const std::function<void(LocalStore&)>& write) {
  if (!s.keeping.store) return;
  try {
    write(*s.keeping.store);
  } catch (const std::exception& e) {
    // A disk that fills or fails mid-flight: say so once and fly on as
    // before, keeping nothing more.
    s.keeping.store.reset();
    s.keeping.journalOpen = false;
    s.keeping.unusable = e.what();
    tellStoreUnusable(s, view);
  }
}

void journalLegStart(MonitorContext& m) {
  m.s.keeping.journalOpen = true;
  m.s.keeping.reportLeg.reset();
  writeJournal(m, true);
}

void journalDuringLeg(MonitorContext& m, bool changed) {
  LegKeeping& k = m.s.keeping;
  if (!k.journalOpen) return;
  if (!changed && m.clock.tickCount() - k.lastJournalMs < LegKeeping::kJournalIntervalMs) return;
  writeJournal(m, false);
}

void journalLegAbandoned(MonitorContext& m) {
  if (!m.s.keeping.journalOpen) return;
  m.s.keeping.journalOpen = false;
  keepWith(m.s, m.view, [](LocalStore& store) { store.endLegWithoutResult(); });
}

void keepFinishedLeg(MonitorContext& m, std::int32_t points, bool blocked) {
  TfHState& s = m.s;
  LegKeeping& k = s.keeping;
  k.journalOpen = false;
  const oLeg* leg = s.selectedLeg();
  if (blocked || !leg) {
    k.reportLeg.reset();
    keepWith(s, m.view, [](LocalStore& store) { store.endLegWithoutResult(); });
    return;
  }
  OutboxLeg out;
  out.result = legResultOf(s, *leg, points);
  out.track = s.track;
  out.tourName = leg->TourName;
  out.tourLink = leg->TourLink;
  // A second leg end with the report open supersedes the first result.
  const std::int64_t replacing = k.reportLeg ? k.reportLeg->id : 0;
  keepWith(s, m.view, [&](LocalStore& store) { out.id = store.finishLeg(out, replacing); });
  k.reportLeg = std::move(out);
}

void resumeWhenSimReady(MonitorContext& m) {
  TfHState& s = m.s;
  LegKeeping& k = s.keeping;
  const FlightData& fd = s.flightData;
  if (!k.toResume || !fd.simConnected || (fd.latitude == 0 && fd.longitude == 0)) return;
  const JournalRecord j = std::move(*k.toResume);
  k.toResume.reset();
  const bool near =
      distanceMiles(fd.latitude, fd.longitude, j.latitude, j.longitude) <= kResumeRadiusMiles;
  const bool notRefuelled = fd.fuelTotal <= j.lastFuel + kResumeFuelLitres;
  if (!near || !notRefuelled) {
    m.view.showMessage(cannotResumeMessage(j));
    discard(m, j);
    return;
  }
  if (!m.view.confirmWarning(resumeQuestion(j))) {
    discard(m, j);
    return;
  }
  restore(s, j, m.clock.localNow());
  k.journalOpen = true;
  k.reportLeg.reset();
  m.view.legResumed(j.activeLegId);
  m.view.retractPanel();
  m.view.setWindowSize(m.view.panelGeometry().bar);
  writeJournal(m, false);
}

}  // namespace aerotrace
