#pragma once

// A monitor with a simulated clock, a recording voice and a view that keeps
// the title label, as the checkpoint tests need it.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/clock.h"
#include "core/datetime.h"
#include "core/recording_voice.h"
#include "monitor/tfh_state.h"
#include "monitor/view.h"
#include "quiet_view.h"

namespace aerotrace::testing {

class TitleView final : public QuietView {
 public:
  std::string title() const override { return title_; }
  void setTitle(const std::string& text) override {
    title_ = text;
    changes.push_back(text);
  }
  void showMessage(const std::string& text) override { messages.push_back(text); }
  void showLegDisplay(const LegDisplay& display) override { displays.push_back(display); }
  void setFuelUnitLabels(const std::string& label) override { unitLabels.push_back(label); }
  void showError(const std::string& text) override { errors.push_back(text); }
  void showReport(const LegReport& report) override { reports.push_back(report); }
  // No report in these tests.
  bool reportBlockShown() const override { return true; }

  std::vector<std::string> changes;
  std::vector<std::string> messages;
  std::vector<LegDisplay> displays;
  std::vector<std::string> unitLabels;
  std::vector<std::string> errors;
  std::vector<LegReport> reports;

 private:
  std::string title_ = "Aerotrace";
};

// The text now in the simulator outbox, without its padding.
inline std::string outboxText(const FlightData& fd) {
  std::string text(fd.simText.data(), 127);
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

class MonitorTest : public ::testing::Test {
 protected:
  MonitorTest() : clock_(encode({2026, 1, 1, 12, 0, 0, 0}), 60) {
    auto voice = std::make_unique<RecordingVoice>();
    voice_ = voice.get();
    s_.voice = std::move(voice);
    s_.speechAvailable = true;
    s_.speechEnabled = true;
    s_.textEnabled = true;
    s_.lastCheckpoint = -1;
  }

  void placeAircraft(double lat, double lon, bool onGround, double alt = 0, double ias = 0,
                     double hdg = 0) {
    FlightData& fd = s_.flightData;
    fd.latitude = lat;
    fd.longitude = lon;
    fd.onGround = onGround;
    fd.altitude = alt;
    fd.ias = ias;
    fd.heading = hdg;
  }

  const std::vector<std::string>& spoken() const { return voice_->spoken(); }

  TfHState s_;
  SimulatedClock clock_;
  TitleView view_;
  RecordingVoice* voice_ = nullptr;
};

}  // namespace aerotrace::testing
