#pragma once

// The event log: a view, a voice's ear and a simulator-write observer that
// turn everything the program shows, speaks and writes into JSON lines. The
// replay prints it; the tests read it. The leg panel and the window are
// modelled without pixels: the panel is out or in at once.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/document_opener.h"
#include "eventlog/event_line.h"
#include "monitor/view.h"
#include "standin/sim_write.h"

namespace aerotrace {

class EventLog final : public View, public DocumentOpener {
 public:
  using Sink = std::function<void(const std::string& line)>;
  using FlightTime = std::function<double()>;  // seconds since the start of the flight

  // The headless panel and bar, in pixels.
  static constexpr WindowSize kBar{300, 46};
  static constexpr WindowSize kPanel{300, 330};

  EventLog(Sink sink, FlightTime time);

  // An event of its own kind, `t` and `event` already set by eventObject().
  void write(const EventJson& event);
  EventJson event(std::string_view name) const { return eventObject(time_(), name); }

  // The voice's and the simulator's side.
  void spoken(const std::string& text);
  void simTextQueued(const std::string& text, int seconds);
  void simWrite(const SimWrite& w);

  // What the pilot can reach now.
  bool panelOut() const { return panelOut_; }
  bool startOffered() const { return panelOut_ && labels_.start; }
  WindowSize windowSize() const { return window_; }
  bool reportOpen() const { return report_.has_value(); }
  // The report that stands, if one is open.
  const std::optional<LegReport>& report() const { return report_; }
  // How the pilot answers the next question (OK unless told).
  void answerNextWarning(bool ok) { warningAnswer_ = ok; }

  std::string title() const override { return title_; }
  void setTitle(const std::string& text) override;
  void showMessage(const std::string& text) override;
  void showError(const std::string& text) override;
  void showLegDisplay(const LegDisplay& display) override;
  void setFuelUnitLabels(const std::string& label) override { labels_.unit = label; }
  void setLinkLamp(bool connected) override;
  void setFuelFigure(const std::string& text) override { labels_.fuel = text; }
  void setAircraftLabel(const std::string& text) override { aircraft_ = text; }
  void setAirportLabels(const std::string& name, const std::string& icao) override;
  void focusRoute() override {}
  PanelGeometry panelGeometry() const override;
  void extendPanel() override;
  void retractPanel() override;
  void setWindowSize(WindowSize size) override { window_ = size; }
  void showReport(const LegReport& report) override;
  void legsLoaded(const std::vector<oLeg>& legs) override;
  void legStarted(std::int32_t legId) override;
  void checkpointDone(std::size_t index, const oLegDet& checkpoint) override;
  void touchdownTaken(double g) override;
  void legAbandoned() override;
  void legResumed(std::int32_t legId) override;
  void legDiscarded(std::int32_t legId) override;

  bool confirmWarning(const std::string& text) override;
  void setReportBlockShown(bool shown) override { blockShown_ = shown; }
  bool reportBlockShown() const override { return blockShown_; }
  void uploadEnded(const UploadOutcome& outcome) override;
  void hideReport() override;
  void showHistory(const std::vector<HistoryRow>& rows) override;

  void open(const std::string& url) override;

 private:
  // The leg panel's label texts as they stand.
  struct Labels {
    std::string tour, leg, dest, maxFuel, minPoints, totalPoints, fuel, route;
    std::string unit = "Ltr";
    bool start = false, overload = false;
  };

  void textEvent(std::string_view name, const std::string& text);

  Sink sink_;
  FlightTime time_;
  std::string title_;
  Labels labels_;
  std::string aircraft_;
  bool panelOut_ = false;
  WindowSize window_ = kBar;
  std::optional<bool> lamp_;
  std::optional<LegReport> report_;
  bool blockShown_ = false;
  // A question that no action answers is answered OK.
  bool warningAnswer_ = true;
};

}  // namespace aerotrace
