#include "replay/leg_summary.h"

#include <gtest/gtest.h>

namespace aerotrace {
namespace {

TEST(LegSummaryTest, TellsEachLegFromItsStartToItsReportOrItsEnd) {
  const std::vector<std::string> log = {
      R"({"t":0.2,"event":"lamp","connected":true})",
      R"({"t":5.0,"event":"start","leg":1})",
      R"({"t":9.0,"event":"abandon"})",
      R"({"t":20.0,"event":"start","leg":1})",
      "not an event",
      R"({"t":90.0,"event":"report","points":"10","block":true,"fuelUsed":"195","dep":"LOWI",)"
      R"("arr":"EDDM","depTime":"12:00","arrTime":"12:28","rows":[)"
      R"({"descr":"Kufstein","result":" Wrong speed. ","points":"10"},)"
      R"({"descr":"Munich","result":"Passed.","points":"10"}]})",
      R"({"t":92.0,"event":"upload","ok":false})",
      R"({"t":93.0,"event":"upload","ok":true,"legRdyId":7,"try":2,"trackRows":9})",
      R"({"t":95.0,"event":"start","leg":2})",
      R"({"t":4.0,"event":"resume","leg":3})",
  };
  EXPECT_EQ(legSummary(log),
            "Leg 1, started at 5.0 s\n"
            "  abandoned: fuel was added in flight\n"
            "Leg 1, started at 20.0 s\n"
            "  Kufstein  10 points  Wrong speed.\n"
            "  Munich    10 points  Passed.\n"
            "  LOWI 12:00 to EDDM 12:28 UTC, fuel used 195 l\n"
            "  Points: 10\n"
            "  Verdict: not enough points (\"Not enough points. Try again.\")\n"
            "  Uploaded: result 7, try 2, 9 track samples\n"
            "Leg 2, started at 95.0 s\n"
            "  not ended: the flight stopped before the destination\n"
            "Leg 3, resumed at 4.0 s\n"
            "  not ended: the flight stopped before the destination\n");
  EXPECT_EQ(legSummary({R"({"t":0.2,"event":"lamp","connected":true})"}), "No leg was started.\n");
}

}  // namespace
}  // namespace aerotrace
