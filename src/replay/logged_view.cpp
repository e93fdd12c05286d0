#include "replay/logged_view.h"

namespace aerotrace {

void LoggedView::setTitle(const std::string& text) {
  log_.setTitle(text);
  windows_.setTitle(text);
}

void LoggedView::showMessage(const std::string& text) {
  log_.showMessage(text);
  windows_.showMessage(text);
}

void LoggedView::showError(const std::string& text) {
  log_.showError(text);
  windows_.showError(text);
}

void LoggedView::showLegDisplay(const LegDisplay& display) {
  log_.showLegDisplay(display);
  windows_.showLegDisplay(display);
}

void LoggedView::setFuelUnitLabels(const std::string& label) {
  log_.setFuelUnitLabels(label);
  windows_.setFuelUnitLabels(label);
}

void LoggedView::setLinkLamp(bool connected) {
  log_.setLinkLamp(connected);
  windows_.setLinkLamp(connected);
}

void LoggedView::setFuelFigure(const std::string& text) {
  log_.setFuelFigure(text);
  windows_.setFuelFigure(text);
}

void LoggedView::setAircraftLabel(const std::string& text) {
  log_.setAircraftLabel(text);
  windows_.setAircraftLabel(text);
}

void LoggedView::setAirportLabels(const std::string& name, const std::string& icao) {
  log_.setAirportLabels(name, icao);
  windows_.setAirportLabels(name, icao);
}

void LoggedView::extendPanel() {
  log_.extendPanel();
  windows_.extendPanel();
}

void LoggedView::retractPanel() {
  log_.retractPanel();
  windows_.retractPanel();
}

void LoggedView::setWindowSize(WindowSize size) {
  log_.setWindowSize(size);
  windows_.setWindowSize(size);
}

void LoggedView::showReport(const LegReport& report) {
  log_.showReport(report);
  windows_.showReport(report);
}

void LoggedView::legsLoaded(const std::vector<oLeg>& legs) {
  log_.legsLoaded(legs);
  windows_.legsLoaded(legs);
}

void LoggedView::legStarted(std::int32_t legId) {
  log_.legStarted(legId);
  windows_.legStarted(legId);
}

void LoggedView::checkpointDone(std::size_t index, const oLegDet& checkpoint) {
  log_.checkpointDone(index, checkpoint);
  windows_.checkpointDone(index, checkpoint);
}

void LoggedView::touchdownTaken(double g) {
  log_.touchdownTaken(g);
  windows_.touchdownTaken(g);
}

void LoggedView::legAbandoned() {
  log_.legAbandoned();
  windows_.legAbandoned();
}

void LoggedView::legResumed(std::int32_t legId) {
  log_.legResumed(legId);
  windows_.legResumed(legId);
}

void LoggedView::legDiscarded(std::int32_t legId) {
  log_.legDiscarded(legId);
  windows_.legDiscarded(legId);
}

void LoggedView::setReportBlockShown(bool shown) {
  log_.setReportBlockShown(shown);
  windows_.setReportBlockShown(shown);
}

void LoggedView::uploadEnded(const UploadOutcome& outcome) {
  log_.uploadEnded(outcome);
  windows_.uploadEnded(outcome);
}

void LoggedView::hideReport() {
  log_.hideReport();
  windows_.hideReport();
}

void LoggedView::showHistory(const std::vector<HistoryRow>& rows) {
  log_.showHistory(rows);
  windows_.showHistory(rows);
}

}  // namespace aerotrace
