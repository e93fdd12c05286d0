#include "monitor/leg_report.h"

#include <gtest/gtest.h>

#include "core/datetime.h"
#include "monitor/tfh_state.h"

namespace aerotrace {
namespace {

TEST(LegReportTest, FiguresAsTheReportShowsThem) {
  TfHState s;
  s.fuelAtStart = 13.5;
  s.fuelAtEnd = 1;
  s.fuelUsed = 12.5;
  s.depDate = encode({2026, 3, 7, 23, 59, 40, 0});
  s.depTime = s.depDate;
  s.arrTime = encode({2026, 3, 8, 1, 5, 0, 0});
  s.gTouchdown = 0.1235;
  s.flightData.gMin = -0.5;
  s.flightData.gMax = 2;
  s.flightData.aircraftTitle = "Test Plane";
  oLegDet missed;
  missed.Descr = "Gap";
  missed.Result = "Missed.";
  missed.Points = 15;
  s.checkpoints = {missed};
  oLeg leg;
  leg.Dep = "ALFA";
  leg.Dest = "BRAV";
  leg.Points = 20;

  const LegReport below = makeLegReport(s, leg, 19);
  EXPECT_EQ(below.points, "19");
  EXPECT_TRUE(below.block);
  EXPECT_EQ(below.fuelStart, "14");  // halves to the even neighbour
  EXPECT_EQ(below.fuelUsed, "12");
  EXPECT_EQ(below.fuelEnd, "1");
  EXPECT_EQ(below.date, "07-03-2026");
  EXPECT_EQ(below.depTime, "23:59");
  EXPECT_EQ(below.arrTime, "01:05");
  EXPECT_EQ(below.plane, "Test Plane");
  EXPECT_EQ(below.dep, "ALFA");
  EXPECT_EQ(below.arr, "BRAV");
  EXPECT_EQ(below.gMin, "-0.500");
  EXPECT_EQ(below.gMax, "2.000");
  EXPECT_EQ(below.gTouch, "0.124");
  EXPECT_EQ(below.rows, (std::vector<LegReportRow>{{"Gap", "Missed.", "15"}}));

  EXPECT_FALSE(makeLegReport(s, leg, 20).block);  // the minimum itself counts
}

}  // namespace
}  // namespace aerotrace
