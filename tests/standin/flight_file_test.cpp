#include "standin/flight_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace aerotrace {
namespace {

using C = FlightColumn;

TEST(FlightFileTest, SampleAndHoldWithDefaultsCommentsAndAnyColumnOrder) {
  const FlightFile f = FlightFile::parse(
      "\xEF\xBB\xBF# a comment before the header\r\n"
      "\r\n"
      "alt, t ,title,action,rate\r\n"
      "100,0,Plane One,start next,\r\n"
      "# between rows\n"
      ",10,,,512\n"
      "300,20,,unit,\n",
      "f.csv");
  ASSERT_EQ(f.rows().size(), 3u);
  EXPECT_EQ(f.rows()[0].line, 4);

  const FlightSample& before = f.sampleAt(-1);
  EXPECT_EQ(before[C::alt], 0);
  EXPECT_EQ(before[C::rate], 256);
  EXPECT_EQ(before[C::sim], 1);
  EXPECT_EQ(before.title, "");

  EXPECT_EQ(f.sampleAt(0)[C::alt], 100);
  EXPECT_EQ(f.sampleAt(0).title, "Plane One");
  EXPECT_EQ(f.sampleAt(0)[C::rate], 256);  // never given yet: the default
  EXPECT_EQ(f.sampleAt(15)[C::alt], 100);  // held
  EXPECT_EQ(f.sampleAt(15)[C::rate], 512);
  EXPECT_EQ(f.sampleAt(15).title, "Plane One");
  EXPECT_EQ(f.sampleAt(1e9)[C::alt], 300);
  EXPECT_EQ(f.sampleAt(15).lastSetBy(C::alt), 0);
  EXPECT_EQ(f.sampleAt(25).lastSetBy(C::alt), 2);
  EXPECT_EQ(f.sampleAt(15).lastSetBy(C::lat), -1);

  // Actions belong to their row only.
  EXPECT_EQ(f.rows()[0].actions, (std::vector<std::string>{"start", "next"}));
  EXPECT_TRUE(f.rows()[1].actions.empty());
  EXPECT_EQ(f.rows()[2].actions, std::vector<std::string>{"unit"});
}

TEST(FlightFileTest, RowsAtTheSameTimeAndTheLastRowStanding) {
  const FlightFile f = FlightFile::parse("t,ias\n0,1\n5,2\n5,3\n", "f.csv");
  EXPECT_EQ(f.rowAt(4.999), 0);
  EXPECT_EQ(f.rowAt(5), 2);
  EXPECT_EQ(f.sampleAt(5)[C::ias], 3);
}

TEST(FlightFileTest, BadInputNamesFileLineAndColumn) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"t,alt,speed\n0,1,2\n", "f.csv: line 1, column 3 (speed): unknown column \"speed\""},
      {"alt,ias\n0,1\n", "f.csv: line 1 (t): no \"t\" column"},
      {"t,alt\n0,100\n\n5,12x\n", "f.csv: line 4, column 2 (alt): \"12x\" is not a number"},
      {"t,alt\n0,100\n5,\n4,\n", "f.csv: line 4, column 1 (t): time goes backwards"},
      {"t,alt\n0,100\n,5\n", "f.csv: line 3, column 1 (t): no time"},
      {"t,alt\n0,1,2\n", "f.csv: line 2, column 3: more cells than the header names"},
      {"t,t\n0,0\n", "f.csv: line 1, column 2 (t): column named twice"},
      {"t,slew\n0,1.5\n", "f.csv: line 2, column 2 (slew): must be a whole number from 0 to 65535"},
      {"t,rate\n0,70000\n", "f.csv: line 2, column 2 (rate): must be a whole number"},
      {"t,ground\n0,2\n", "f.csv: line 2, column 2 (ground): must be 0 or 1"},
      {"t,lat\n0,nan\n", "f.csv: line 2, column 2 (lat): \"nan\" is not a number"},
      {"# nothing but a comment\n", "f.csv: line 1 (t): no header line"},
  };
  for (const Case& c : cases) {
    try {
      FlightFile::parse(c.text, "f.csv");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const FlightFileError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
    }
  }
}

TEST(FlightFileTest, AFileThatCannotBeReadIsBadInputToo) {
  EXPECT_THROW(FlightFile::load("/nonexistent/flight.csv"), FlightFileError);
}

}  // namespace
}  // namespace aerotrace
