#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/records.h"
#include "monitor/history_row.h"
#include "monitor/leg_report.h"
#include "monitor/upload_outcome.h"
#include "tours/leg_display.h"

namespace aerotrace {

struct WindowSize {
  int width = 0;
  int height = 0;
  bool operator==(const WindowSize&) const = default;
};

// The leg panel and the main window around it, as the tick needs to know
// them. The panel slides down from above the bar; while it moves its top
// lies between the two ends.
struct PanelGeometry {
  int panelTop = 0;  // in the main window
  WindowSize panel;
  WindowSize bar;
  WindowSize window;  // the main window now
};

// A panel whose top is -9 or more counts as out (or on its way out).
inline bool panelRetracted(const PanelGeometry& g) { return g.panelTop < -9; }

// What the monitor shows the pilot. The Qt windows implement it, and so does
// the event log that the replay prints.
class View {
 public:
  virtual ~View() = default;

  // The bar's title label, which doubles as the wait countdown.
  virtual std::string title() const = 0;
  virtual void setTitle(const std::string& text) = 0;

  // A modal message; returns once the pilot has dismissed it.
  virtual void showMessage(const std::string& text) = 0;
  // A failure that no handler catches (the default error box); the program
  // goes on afterwards.
  virtual void showError(const std::string& text) = 0;
  // The leg panel's fields for the selected leg.
  virtual void showLegDisplay(const LegDisplay& display) = 0;
  // Both unit labels of the leg panel, beside the fuel and the leg's limit.
  virtual void setFuelUnitLabels(const std::string& label) = 0;

  // The link lamp, set by every timer tick: green when the last pass
  // reached the simulator, maroon otherwise.
  virtual void setLinkLamp(bool connected) = 0;
  // Leg panel labels: the fuel on board in the unit shown (Label1), the
  // aircraft (Label7), the airport's name and code (Label2, Label9).
  virtual void setFuelFigure(const std::string& text) = 0;
  virtual void setAircraftLabel(const std::string& text) = 0;
  virtual void setAirportLabels(const std::string& name, const std::string& icao) = 0;
  // The route box takes the keyboard focus when START is pressed.
  virtual void focusRoute() = 0;

  // The leg panel's motion (it slides on its own) and the window's size.
  virtual PanelGeometry panelGeometry() const = 0;
  virtual void extendPanel() = 0;   // DoMove
  virtual void retractPanel() = 0;  // UndoMove
  virtual void setWindowSize(WindowSize size) = 0;

  // The report window, filled and shown at the end of a leg (not modal).
  virtual void showReport(const LegReport& report) = 0;

  // What the monitor did without showing it; the windows ignore these, the
  // event log records them.
  virtual void legsLoaded(const std::vector<oLeg>& /*legs*/) {}
  virtual void legStarted(std::int32_t /*legId*/) {}
  virtual void checkpointDone(std::size_t /*index*/, const oLegDet& /*checkpoint*/) {}
  virtual void touchdownTaken(double /*g*/) {}
  virtual void legAbandoned() {}
  // A journaled leg was resumed, or a journaled or stored leg discarded.
  virtual void legResumed(std::int32_t /*legId*/) {}
  virtual void legDiscarded(std::int32_t /*legId*/) {}

  // The report window's upload side.
  // A warning with OK and Cancel; true for OK. Returns once answered.
  virtual bool confirmWarning(const std::string& text) = 0;
  // The panel over the upload button: while shown, the button cannot be
  // pressed.
  virtual void setReportBlockShown(bool shown) = 0;
  virtual bool reportBlockShown() const = 0;
  // An upload attempt has ended, before its messages are shown.
  virtual void uploadEnded(const UploadOutcome& outcome) = 0;
  // The report's close handling has run; the window goes out of sight.
  virtual void hideReport() = 0;

  // The pilot's leg history, freshly loaded, in the server's order.
  virtual void showHistory(const std::vector<HistoryRow>& rows) = 0;
};

}  // namespace aerotrace
