#include "sim/inverse_conversions.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "sim/conversions.h"
#include "sim/flight_data.h"

namespace aerotrace {
namespace {

template <typename T>
std::int64_t asRead(T raw) {
  std::array<std::uint8_t, sizeof(T)> b;
  std::memcpy(b.data(), &raw, sizeof(T));
  return rawInteger(b);
}

TEST(InverseConversionsTest, ValuesComeBackThroughTheProgramsConversions) {
  struct Case {
    const char* what;
    double value;
    double back;
    double tolerance;
  };
  const Case cases[] = {
      {"heading", 0, headingFromRaw(asRead(rawHeading(0))), 1e-6},
      {"heading", 359.99, headingFromRaw(asRead(rawHeading(359.99))), 1e-6},
      {"heading -10", 350, headingFromRaw(asRead(rawHeading(-10))), 1e-6},
      {"ias", 123.4, iasFromRaw(asRead(rawIas(123.4))), 1.0 / 256},
      {"altitude", 35000, altitudeFromRaw(asRead(rawAltitude(35000))), 0.5},
      {"altitude below zero", -120, altitudeFromRaw(asRead(rawAltitude(-120))), 0.5},
      {"qnh", 1013.25, qnhFromRaw(asRead(rawQnh(1013.25))), 1.0 / 32},
      {"ground speed", 10 * 1.94384449, groundSpeedFromRaw(asRead(rawGroundSpeed(10 * 1.94384449))),
       1e-4},
      {"longitude east", 11.3439, longitudeFromRaw(asRead(rawLongitude(11.3439))), 1e-9},
      {"longitude west", -179.9999, longitudeFromRaw(asRead(rawLongitude(-179.9999))), 1e-9},
      {"longitude 180", -180, longitudeFromRaw(asRead(rawLongitude(180))), 1e-9},
      {"latitude south", -33.9461, latitudeFromRaw(asRead(rawLatitude(-33.9461))), 1e-9},
      {"latitude pole", 90, latitudeFromRaw(asRead(rawLatitude(90))), 1e-9},
  };
  for (const Case& c : cases) EXPECT_NEAR(c.back, c.value, c.tolerance) << c.what;
  EXPECT_TRUE(static_cast<bool>(onGroundFromRaw(asRead(rawOnGround(true)))));
  EXPECT_FALSE(static_cast<bool>(onGroundFromRaw(asRead(rawOnGround(false)))));
  EXPECT_TRUE(static_cast<bool>(engineIsJetFromRaw(asRead(rawEngineIsJet(true)))));
}

TEST(InverseConversionsTest, LoadComesBackThroughBothBranchesOfTheLoadRule) {
  struct Case {
    double g;
    double expected;
  };
  const Case cases[] = {{0, 0},         {-1, -1},     {1.5, 1.5}, {80, 80}, {95, 80},
                        {-1.47, -1.47}, {-4.9, -4.9}, {-2, -2},   {-7, -6}};
  for (const Case& c : cases) {
    FlightData fd;
    applyLoadReading(fd, rawLoad(c.g));
    EXPECT_NEAR(fd.gLoad, c.expected, 1.0 / 624) << c.g;
  }
}

TEST(InverseConversionsTest, FuelFitsOneTankAndSumsBack) {
  for (const double litres : {0.0, 0.5, 25.0, 1234.5, 180000.0}) {
    const RawTank raw = rawTankHolding(litres);
    std::array<FuelTank, kTankCount> tanks{};
    tanks[0] = {tankLevelFromRaw(raw.level), tankCapacityFromRaw(raw.capacity)};
    EXPECT_LE(tanks[0].level, 100.0);
    // One step of the level's fixed point, in litres of that tank.
    const double step = raw.capacity * 3.78541178 / 8388608;
    EXPECT_NEAR(fuelTotalFromTanks(tanks), litres, step) << litres;
    EXPECT_LT(step, 0.05);
  }
}

TEST(InverseConversionsTest, TitleIsZeroPaddedAndCutTo255) {
  const auto raw = rawTitle("Cessna 172.acf");
  ASSERT_EQ(raw.size(), 256u);
  EXPECT_EQ(aircraftTitleFromBytes(raw), "Cessna 172");
  const auto longRaw = rawTitle(std::string(300, 'x'));
  EXPECT_EQ(longRaw[255], 0);
  EXPECT_EQ(aircraftTitleFromBytes(longRaw), std::string(255, 'x'));
}

}  // namespace
}  // namespace aerotrace
