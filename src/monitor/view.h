#pragma once

#include <string>
#include <vector>

#include "monitor/history_row.h"
#include "monitor/upload_outcome.h"
#include "tours/leg_display.h"

namespace aerotrace {

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
  // The leg panel's fields for the selected leg.
  virtual void showLegDisplay(const LegDisplay& display) = 0;
  // Both unit labels of the leg panel, beside the fuel and the leg's limit.
  virtual void setFuelUnitLabels(const std::string& label) = 0;

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
