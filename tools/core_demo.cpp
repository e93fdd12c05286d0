// Flies a scripted leg from Innsbruck to Munich through the leg-judging core
// with a simulated clock and prints what the pilot would see and hear.
//   aerotrace-core-demo [airports.csv]
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/distance.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/recording_voice.h"
#include "monitor/announcements.h"
#include "monitor/checkpoint_evaluation.h"
#include "monitor/tfh_state.h"
#include "monitor/view.h"

namespace {

using namespace aerotrace;

SimulatedClock* gClock = nullptr;

std::string stamp() {
  const std::int64_t s = gClock->elapsedMilliseconds() / 1000;
  char buf[32];
  std::snprintf(buf, sizeof buf, "[%02lld:%02lld]", static_cast<long long>(s / 60),
                static_cast<long long>(s % 60));
  return buf;
}

class PrintingView final : public View {
 public:
  std::string title() const override { return title_; }
  void setTitle(const std::string& text) override {
    title_ = text;
    std::printf("%s bar title: %s\n", stamp().c_str(), text.c_str());
  }
  void showMessage(const std::string& text) override {
    std::printf("%s message: %s\n", stamp().c_str(), text.c_str());
  }
  // The script starts its leg itself; no leg panel is shown.
  void showLegDisplay(const LegDisplay&) override {}
  void setFuelUnitLabels(const std::string&) override {}
  // The scripted leg ends before any report; nothing is uploaded.
  bool confirmWarning(const std::string&) override { return false; }
  void setReportBlockShown(bool) override {}
  bool reportBlockShown() const override { return true; }
  void uploadEnded(const UploadOutcome&) override {}
  void hideReport() override {}
  void showHistory(const std::vector<HistoryRow>&) override {}

 private:
  std::string title_ = msg::kTitle;
};

oLegDet checkpoint(const char* descr, const char* speak, double lat, double lon, int points) {
  oLegDet cp;
  cp.Descr = descr;
  cp.Speak = speak;
  cp.Latitude = lat;
  cp.Longitude = lon;
  cp.cRange = 3;
  cp.Points = points;
  cp.MinHdg = 0, cp.MaxHdg = 360;
  return cp;
}

// One stretch of the scripted flight: straight to a point in `seconds`.
struct Stretch {
  double lat, lon, seconds, alt, ias;
  bool onGround;
};

double bearing(double lat1, double lon1, double lat2, double lon2) {
  constexpr double r = std::numbers::pi / 180;
  const double y = std::sin((lon2 - lon1) * r) * std::cos(lat2 * r);
  const double x = std::cos(lat1 * r) * std::sin(lat2 * r) -
                   std::sin(lat1 * r) * std::cos(lat2 * r) * std::cos((lon2 - lon1) * r);
  return std::fmod(std::atan2(y, x) / r + 360.0, 360.0);
}

}  // namespace

int main(int argc, char** argv) {
  const char* airportsPath = argc > 1 ? argv[1] : AEROTRACE_DEMO_AIRPORTS;
  SimulatedClock clock(encode({2026, 1, 1, 12, 0, 0, 0}), 60);
  gClock = &clock;
  PrintingView view;

  TfHState s;
  speechStartUp(s, [] {
    auto voice = std::make_unique<RecordingVoice>();
    voice->setListener(
        [](const std::string& t) { std::printf("%s spoken: %s\n", stamp().c_str(), t.c_str()); });
    return voice;
  });
  switchSetUp(s);
  s.airports = AirportDirectory::load(airportsPath);
  std::printf("Airport list: %zu entries from %s\n", s.airports.size(), airportsPath);

  oLeg leg;
  leg.Id = 1;
  leg.TourName = "Alpine Hops";
  leg.Descr = "Innsbruck - Munich";
  leg.Dep = "LOWI";
  leg.Dest = "EDDM";
  leg.Points = 20;
  leg.MaxPoints = 30;
  s.legs = {leg};

  FlightData& fd = s.flightData;
  fd.latitude = 47.260893;
  fd.longitude = 11.341861;
  fd.onGround = true;
  if (const auto at = s.airports.nearest(fd.latitude, fd.longitude)) {
    s.airportIcao = s.airports[*at].Icao;
    s.airportName = s.airports[*at].Name;
  }
  std::printf("Parked at %s (%s)\n", s.airportIcao.c_str(), s.airportName.c_str());

  oLegDet kufstein = checkpoint("Kufstein gap, below 250 kts", "Kufstein gap", 47.583, 12.167, 10);
  kufstein.MinAlt = 7000, kufstein.MaxAlt = 11000, kufstein.MinSpd = 160, kufstein.MaxSpd = 250;
  oLegDet rosenheim =
      checkpoint("Hold over Rosenheim", "Hold over Rosenheim for one minute", 47.856, 12.128, 10);
  rosenheim.WaitMin = 1;
  oLegDet munich = checkpoint("Welcome to Munich", "Welcome to Munich", 48.3538, 11.7861, 10);
  munich.MustLand = true;
  munich.MaxAlt = 3000, munich.MaxSpd = 200;
  s.checkpoints = {kufstein, rosenheim, munich};
  s.lastCheckpoint = -1;
  s.legActive = true;
  std::printf("%s leg started: %s, %s\n", stamp().c_str(), leg.TourName.c_str(), leg.Descr.c_str());

  const std::vector<Stretch> flight = {
      {47.30, 11.50, 120, 4000, 180, false},   {47.583, 12.167, 480, 9000, 270, false},
      {47.856, 12.128, 300, 6000, 200, false}, {47.870, 12.140, 40, 6000, 180, false},
      {47.856, 12.128, 40, 6000, 180, false},  {48.3538, 11.7861, 600, 1000, 140, false},
      {48.3538, 11.7861, 10, 0, 0, true},
  };
  double lat = fd.latitude, lon = fd.longitude;
  for (const Stretch& st : flight) {
    const double heading = bearing(lat, lon, st.lat, st.lon);
    const int steps = static_cast<int>(st.seconds);
    for (int i = 1; i <= steps; ++i) {
      const double f = static_cast<double>(i) / steps;
      fd.latitude = lat + (st.lat - lat) * f;
      fd.longitude = lon + (st.lon - lon) * f;
      fd.altitude = st.alt;
      fd.ias = st.ias;
      fd.heading = st.onGround ? fd.heading : heading;
      fd.onGround = st.onGround;
      fd.gLoad = st.onGround ? 0.35 : 0.0;
      takeTouchdownLoad(s);
      evaluateCheckpoints(s, clock, view);
      if (fd.simTextPending) {
        fd.simTextPending = false;
        std::string text(fd.simText.data(), 127);
        text.erase(text.find_last_not_of(' ') + 1);
        std::printf("%s simulator text (%d s): %s\n", stamp().c_str(), fd.simTextSeconds,
                    text.c_str());
      }
      clock.advanceSeconds(1);
    }
    lat = st.lat;
    lon = st.lon;
  }

  std::string arrived;
  if (const auto at = s.airports.nearest(fd.latitude, fd.longitude)) {
    arrived = s.airports[*at].Icao;
  }
  std::printf("%s stopped at %s\n", stamp().c_str(), arrived.c_str());
  if (arrived != leg.Dest) {
    std::printf("not at the destination %s: no result\n", leg.Dest.c_str());
    return 1;
  }
  const std::int32_t total = scoreCheckpoints(s.checkpoints, leg.MaxPoints);
  std::printf("\nCheckpoints:\n");
  for (const oLegDet& cp : s.checkpoints) {
    std::printf("  %-28s %-20s %3d\n", cp.Descr.c_str(), cp.Result.c_str(), cp.Ok ? cp.Points : 0);
  }
  std::printf("Touchdown load: %s g\n", formatFixed(s.gTouchdown, 3).c_str());
  std::printf("Points: %d of at most %d, %d needed: %s\n", total, leg.MaxPoints, leg.Points,
              total >= leg.Points ? "the leg counts" : "Not enough points. Try again.");
  return 0;
}
