#include "replay/event_log.h"

#include <utility>

#include "core/messages.h"

namespace aerotrace {

EventLog::EventLog(Sink sink, FlightTime time)
    : sink_(std::move(sink)), time_(std::move(time)), title_(msg::kTitle) {}

void EventLog::write(const EventJson& event) { sink_(eventLine(event)); }

void EventLog::textEvent(std::string_view name, const std::string& text) {
  EventJson e = event(name);
  e["text"] = jsonText(text);
  write(e);
}

void EventLog::spoken(const std::string& text) { textEvent("speak", text); }

void EventLog::simTextQueued(const std::string& text, int seconds) {
  EventJson e = event("simtext");
  e["text"] = jsonText(text);
  e["seconds"] = seconds;
  write(e);
}

void EventLog::simWrite(const SimWrite& w) { sink_(simWriteEventLine(w)); }

void EventLog::setTitle(const std::string& text) {
  if (text == title_) return;
  title_ = text;
  textEvent("title", text);
}

void EventLog::showMessage(const std::string& text) { textEvent("message", text); }

void EventLog::showError(const std::string& text) { textEvent("error", text); }

void EventLog::showLegDisplay(const LegDisplay& d) {
  if (d.tourName) labels_.tour = *d.tourName;
  if (d.legName) labels_.leg = *d.legName;
  if (d.fuel) labels_.fuel = *d.fuel;
  labels_.dest = d.destination;
  labels_.maxFuel = d.maxFuel;
  labels_.minPoints = d.minimumPoints;
  labels_.totalPoints = d.totalPoints;
  labels_.route = d.route;
  labels_.start = d.startVisible;
  labels_.overload = d.overloadVisible;

  EventJson e = event("display");
  e["tour"] = jsonText(labels_.tour);
  e["leg"] = jsonText(labels_.leg);
  e["dest"] = jsonText(labels_.dest);
  e["maxFuel"] = labels_.maxFuel;
  e["minPoints"] = labels_.minPoints;
  e["totalPoints"] = labels_.totalPoints;
  e["fuel"] = labels_.fuel;
  e["unit"] = labels_.unit;
  e["route"] = jsonText(labels_.route);
  e["start"] = labels_.start;
  e["overload"] = labels_.overload;
  write(e);
}

void EventLog::setLinkLamp(bool connected) {
  if (lamp_ == connected) return;
  lamp_ = connected;
  EventJson e = event("lamp");
  e["connected"] = connected;
  write(e);
}

void EventLog::setAirportLabels(const std::string& name, const std::string& icao) {
  EventJson e = event("airport");
  e["icao"] = jsonText(icao);
  e["name"] = jsonText(name);
  write(e);
}

PanelGeometry EventLog::panelGeometry() const {
  return {panelOut_ ? kBar.height : -kPanel.height, kPanel, kBar, window_};
}

void EventLog::extendPanel() {
  panelOut_ = true;
  EventJson e = event("panel");
  e["state"] = "out";
  write(e);
}

void EventLog::retractPanel() {
  panelOut_ = false;
  EventJson e = event("panel");
  e["state"] = "in";
  write(e);
}

void EventLog::showReport(const LegReport& r) {
  report_ = r;
  blockShown_ = r.block;
  EventJson e = event("report");
  e["points"] = r.points;
  e["block"] = r.block;
  e["fuelStart"] = r.fuelStart;
  e["fuelUsed"] = r.fuelUsed;
  e["fuelEnd"] = r.fuelEnd;
  e["date"] = r.date;
  e["plane"] = jsonText(r.plane);
  e["dep"] = jsonText(r.dep);
  e["arr"] = jsonText(r.arr);
  e["depTime"] = r.depTime;
  e["arrTime"] = r.arrTime;
  e["gMin"] = r.gMin;
  e["gMax"] = r.gMax;
  e["gTouch"] = r.gTouch;
  EventJson rows = EventJson::array();
  for (const LegReportRow& row : r.rows) {
    EventJson item = EventJson::object();
    item["descr"] = jsonText(row.descr);
    item["result"] = jsonText(row.result);
    item["points"] = row.points;
    rows.push_back(std::move(item));
  }
  e["rows"] = std::move(rows);
  write(e);
}

void EventLog::legsLoaded(const std::vector<oLeg>& legs) {
  EventJson ids = EventJson::array();
  for (const oLeg& leg : legs) ids.push_back(leg.Id);
  EventJson e = event("legs");
  e["ids"] = std::move(ids);
  write(e);
}

void EventLog::legStarted(std::int32_t legId) {
  EventJson e = event("start");
  e["leg"] = legId;
  write(e);
}

void EventLog::checkpointDone(std::size_t index, const oLegDet& cp) {
  EventJson e = event("checkpoint");
  e["index"] = index;
  e["descr"] = jsonText(cp.Descr);
  e["ok"] = static_cast<bool>(cp.Ok);
  e["result"] = jsonText(cp.Result);
  write(e);
}

void EventLog::touchdownTaken(double g) {
  EventJson e = event("touchdown");
  e["g"] = g;
  write(e);
}

void EventLog::legAbandoned() { write(event("abandon")); }

void EventLog::legResumed(std::int32_t legId) {
  EventJson e = event("resume");
  e["leg"] = legId;
  write(e);
}

void EventLog::legDiscarded(std::int32_t legId) {
  EventJson e = event("discard");
  e["leg"] = legId;
  write(e);
}

bool EventLog::confirmWarning(const std::string&) {
  // The question is a standard dialog, not a message of the program's own;
  // only its answer matters to the log.
  return std::exchange(warningAnswer_, true);
}

void EventLog::uploadEnded(const UploadOutcome& outcome) {
  EventJson e = event("upload");
  e["ok"] = outcome.ok;
  if (outcome.ok) {
    e["legRdyId"] = outcome.legRdyId;
    e["try"] = outcome.tryCount;
    e["trackRows"] = outcome.trackRows;
  }
  e["queued"] = outcome.queued;
  write(e);
}

void EventLog::hideReport() {
  report_.reset();
  write(event("report-closed"));
}

void EventLog::showHistory(const std::vector<HistoryRow>& rows) {
  EventJson list = EventJson::array();
  for (const HistoryRow& row : rows) {
    EventJson item = EventJson::object();
    item["legId"] = row.leg.LegId;
    item["descr"] = jsonText(row.leg.Descr);
    item["points"] = row.leg.Points;
    item["dep"] = jsonText(row.leg.Dep);
    item["dest"] = jsonText(row.leg.Dest);
    item["date"] = row.date;
    item["depTime"] = row.depTime;
    item["arrTime"] = row.arrTime;
    item["airplane"] = jsonText(row.leg.AirPlane);
    item["fuel"] = row.fuel;
    item["status"] = row.leg.Status;
    if (row.pending) item["pending"] = true;
    list.push_back(std::move(item));
  }
  EventJson e = event("history");
  e["rows"] = std::move(list);
  write(e);
}

void EventLog::open(const std::string& url) {
  EventJson e = event("open");
  e["url"] = jsonText(url);
  write(e);
}

}  // namespace aerotrace
