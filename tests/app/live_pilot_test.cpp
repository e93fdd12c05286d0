// The pilot who flies a flight file's actions in the running program: START
// waits until the panel is out, and closing the report answers "Upload now?"
// as the action says, the messages that follow dismissed as they show.
#include "app/live_pilot.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "window_rig.h"

namespace aerotrace {
namespace {

struct CloseCase {
  const char* action;
  bool uploads;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.action; }

class LivePilotTest : public ::testing::TestWithParam<CloseCase> {
 protected:
  int count(const std::string& event) const {
    const std::string key = "\"event\":\"" + event + "\"";
    return static_cast<int>(std::count_if(lines_.begin(), lines_.end(), [&](const std::string& l) {
      return l.find(key) != std::string::npos;
    }));
  }

  testing::WindowRig rig_{"live-pilot"};
  std::vector<std::string> lines_;
  double flightTime_ = 0;
};

TEST_P(LivePilotTest, StartsOnceThePanelIsOutAndClosesTheReportAsTold) {
  EventLog log([this](const std::string& line) { lines_.push_back(line); },
               [this] { return flightTime_; });
  TfHParts parts = rig_.parts("123456");
  parts.log = &log;
  TfH window(std::move(parts));
  window.show();
  ASSERT_TRUE(window.FormShow());

  const FlightFile flight =
      FlightFile::parse(std::string("t,action\n0,start\n10,") + GetParam().action + "\n", "p.csv");
  LivePilot pilot(window, flight, [this] { return flightTime_; }, QString());
  bool finished = false;
  QObject::connect(&pilot, &LivePilot::finished, [&finished] { finished = true; });
  pilot.begin();

  // Due at once, START is pressed only when the panel has come out with it.
  ASSERT_TRUE(QTest::qWaitFor([&] { return static_cast<bool>(window.state().legActive); }, 10000));
  EXPECT_EQ(window.tmLeg()->y(), 20) << "pressed before the panel stood still";
  EXPECT_EQ(count("start"), 1);

  // The leg ends with a report that allows the upload; the pilot closes it.
  LegReport report;
  report.total = 20;
  report.points = "20";
  report.rows = {{"Kufstein gap", "Passed.", "10"}};
  window.showReport(report);
  flightTime_ = 10;
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 15000));

  EXPECT_FALSE(window.report()->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a modal window was left open";
  EXPECT_EQ(count("upload"), GetParam().uploads ? 1 : 0);
  if (GetParam().uploads) {
    EXPECT_NE(std::find(lines_.begin(), lines_.end(),
                        R"({"t":10.0,"event":"message","text":"Tour Alpine Hops Leg 1 uploaded..."})"),
              lines_.end());
  }
  EXPECT_FALSE(window.state().legActive) << "the leg ends either way";
}

INSTANTIATE_TEST_SUITE_P(Answers, LivePilotTest,
                         ::testing::Values(CloseCase{"close", false}, CloseCase{"close-upload", true}),
                         [](const auto& c) { return c.param.uploads ? "Ok" : "Cancel"; });

}  // namespace
}  // namespace aerotrace
