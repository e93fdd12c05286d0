#pragma once

// A view that shows nothing; test views override what they watch.

#include <string>
#include <vector>

#include "monitor/view.h"

namespace aerotrace::testing {

class QuietView : public View {
 public:
  std::string title() const override { return "Aerotrace"; }
  void setTitle(const std::string&) override {}
  void showMessage(const std::string&) override {}
  void showError(const std::string&) override {}
  void showLegDisplay(const LegDisplay&) override {}
  void setFuelUnitLabels(const std::string&) override {}
  void setLinkLamp(bool) override {}
  void setFuelFigure(const std::string&) override {}
  void setAircraftLabel(const std::string&) override {}
  void setAirportLabels(const std::string&, const std::string&) override {}
  void focusRoute() override {}
  PanelGeometry panelGeometry() const override { return {}; }
  void extendPanel() override {}
  void retractPanel() override {}
  void setWindowSize(WindowSize) override {}
  void showReport(const LegReport&) override {}
  bool confirmWarning(const std::string&) override { return false; }
  void setReportBlockShown(bool) override {}
  bool reportBlockShown() const override { return false; }
  void uploadEnded(const UploadOutcome&) override {}
  void hideReport() override {}
  void showHistory(const std::vector<HistoryRow>&) override {}
};

}  // namespace aerotrace::testing
