#pragma once

#include "monitor/view.h"
#include "replay/event_log.h"

namespace aerotrace {

// The program's windows with the event log beside them: everything shown
// goes to both, the log first so that it holds a message before a modal
// window waits on it. What the monitor asks (the title, the panel's place,
// the pilot's answer, the block) is answered by the windows alone.
class LoggedView final : public View {
 public:
  LoggedView(View& windows, EventLog& log) : windows_(windows), log_(log) {}

  std::string title() const override { return windows_.title(); }
  void setTitle(const std::string& text) override;
  void showMessage(const std::string& text) override;
  void showError(const std::string& text) override;
  void showLegDisplay(const LegDisplay& display) override;
  void setFuelUnitLabels(const std::string& label) override;
  void setLinkLamp(bool connected) override;
  void setFuelFigure(const std::string& text) override;
  void setAircraftLabel(const std::string& text) override;
  void setAirportLabels(const std::string& name, const std::string& icao) override;
  void focusRoute() override { windows_.focusRoute(); }
  PanelGeometry panelGeometry() const override { return windows_.panelGeometry(); }
  void extendPanel() override;
  void retractPanel() override;
  void setWindowSize(WindowSize size) override;
  void showReport(const LegReport& report) override;
  void legsLoaded(const std::vector<oLeg>& legs) override;
  void legStarted(std::int32_t legId) override;
  void checkpointDone(std::size_t index, const oLegDet& checkpoint) override;
  void touchdownTaken(double g) override;
  void legAbandoned() override;
  void legResumed(std::int32_t legId) override;
  void legDiscarded(std::int32_t legId) override;
  bool confirmWarning(const std::string& text) override { return windows_.confirmWarning(text); }
  void setReportBlockShown(bool shown) override;
  bool reportBlockShown() const override { return windows_.reportBlockShown(); }
  void uploadEnded(const UploadOutcome& outcome) override;
  void hideReport() override;
  void showHistory(const std::vector<HistoryRow>& rows) override;

 private:
  View& windows_;
  EventLog& log_;
};

}  // namespace aerotrace
