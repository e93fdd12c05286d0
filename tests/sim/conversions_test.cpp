#include "sim/conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "sim/offsets.h"

namespace aerotrace {
namespace {

std::vector<std::uint8_t> le(std::uint64_t v, std::size_t n) {
  std::vector<std::uint8_t> b(n);
  for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>(v >> (8 * i));
  return b;
}

TEST(RawIntegerTest, ShortReadsAreUnsignedEightByteReadsSigned) {
  EXPECT_EQ(rawInteger(le(0xFF, 1)), 255);
  EXPECT_EQ(rawInteger(le(0xFFFF, 2)), 65535);
  EXPECT_EQ(rawInteger(le(0xFFFFFFFF, 4)), 4294967295);
  EXPECT_EQ(rawInteger(le(0xFFFFFFFFFFFFFFFF, 8)), -1);
  EXPECT_EQ(rawInteger(le(0x0102030405060708, 8)), 0x0102030405060708);
  EXPECT_EQ(rawInteger({}), 0);
}

TEST(LoadRuleTest, RawValuesThroughAllThreeSteps) {
  struct Case {
    std::uint32_t raw;
    double g;
  };
  const Case cases[] = {
      {624, 0.0},
      {0, -1.0},
      {1248, 1.0},
      {65224, (65224.0 - 624.0) / 624.0 - 105.0},  // about -1.47
      {63024, -5.0},                               // exactly 100, then -105
      {63023, -6.0},  // just under 100: left by step 2, caught by step 3
      {56000, -6.0},
      {50544, 80.0},                               // exactly 80 stays
      {66160, (66160.0 - 624.0) / 624.0 - 105.0},  // about 0.03
  };
  for (const Case& c : cases) {
    FlightData fd;
    applyLoadReading(fd, c.raw);
    EXPECT_DOUBLE_EQ(fd.gLoad, c.g) << c.raw;
  }
  FlightData fd;
  applyLoadReading(fd, 65224);
  EXPECT_NEAR(fd.gLoad, -1.47, 0.01);
  applyLoadReading(fd, 66160);
  EXPECT_NEAR(fd.gLoad, 0.0256, 1e-3);
}

TEST(LoadRuleTest, ExtremesRunAndAFailedReadReappliesTheCorrections) {
  FlightData fd;
  applyLoadReading(fd, 1248);  // +1 g
  applyLoadReading(fd, 0);     // -1 g
  applyLoadReading(fd, 624);
  EXPECT_DOUBLE_EQ(fd.gMax, 1.0);
  EXPECT_DOUBLE_EQ(fd.gMin, -1.0);
  EXPECT_DOUBLE_EQ(fd.gLoad, 0.0);

  // Without a reading the standing load goes through steps 2 and 3 again.
  fd.gLoad = 90.0;
  applyLoadReading(fd, std::nullopt);
  EXPECT_DOUBLE_EQ(fd.gLoad, -6.0);
  EXPECT_DOUBLE_EQ(fd.gMin, -6.0);
  fd.gLoad = 2.5;
  applyLoadReading(fd, std::nullopt);
  EXPECT_DOUBLE_EQ(fd.gLoad, 2.5);
  EXPECT_DOUBLE_EQ(fd.gMax, 2.5);
}

TEST(TitleRuleTest, NonZeroBytesKeptAndLowerCaseAcfRemoved) {
  auto buffer = [](const std::string& parts) {
    std::vector<std::uint8_t> b(256, 0);
    for (std::size_t i = 0; i < parts.size(); ++i) b[i] = static_cast<std::uint8_t>(parts[i]);
    return b;
  };
  EXPECT_EQ(aircraftTitleFromBytes(buffer("Cessna 172.acf")), "Cessna 172");
  EXPECT_EQ(aircraftTitleFromBytes(buffer("Cessna 172.ACF")), "Cessna 172.ACF");
  // Bytes after the first zero are appended too.
  EXPECT_EQ(aircraftTitleFromBytes(buffer(std::string("Baron\0 58", 9))), "Baron 58");
  EXPECT_EQ(aircraftTitleFromBytes(buffer("a.acf.acfb.ac.acf")), "ab.ac");
  EXPECT_EQ(aircraftTitleFromBytes(buffer("")), "");
  // A full buffer without any zero byte is taken whole.
  EXPECT_EQ(aircraftTitleFromBytes(std::vector<std::uint8_t>(256, 'x')), std::string(256, 'x'));
}

TEST(FuelRuleTest, SumsPositiveTanksInLitres) {
  std::array<FuelTank, kTankCount> tanks{};
  tanks[0] = {50.0, 100.0};  // centre: half of 100 gallons
  EXPECT_DOUBLE_EQ(fuelTotalFromTanks(tanks), 50 * 3.78541178);
  tanks[3] = {100.0, 20.0};   // left main full
  tanks[6] = {-5.0, 1000.0};  // a negative level adds nothing
  EXPECT_DOUBLE_EQ(fuelTotalFromTanks(tanks), (50.0 + 20.0) * 3.78541178);
  EXPECT_DOUBLE_EQ(tankLevelFromRaw(8388608), 100.0);
  EXPECT_DOUBLE_EQ(tankLevelFromRaw(4194304), 50.0);
}

TEST(ConversionTest, ScalarValues) {
  EXPECT_DOUBLE_EQ(groundSpeedFromRaw(655360), 10 * 1.94384449);
  EXPECT_DOUBLE_EQ(headingFromRaw(0x40000000), 90.0);
  EXPECT_DOUBLE_EQ(iasFromRaw(128 * 250), 250.0);
  EXPECT_DOUBLE_EQ(qnhFromRaw(1013 * 16 + 4), 1013.25);
  EXPECT_DOUBLE_EQ(simRateFromRaw(512), 512.0);
  EXPECT_DOUBLE_EQ(latitudeFromRaw(10001750LL * 65536 * 65536), 90.0);
  EXPECT_DOUBLE_EQ(latitudeFromRaw(-10001750LL * 65536 * 65536 / 2), -45.0);
  EXPECT_DOUBLE_EQ(longitudeFromRaw(rawInteger(le(0xC000000000000000, 8))), -90.0);
  EXPECT_TRUE(static_cast<bool>(onGroundFromRaw(1)));
  EXPECT_FALSE(static_cast<bool>(onGroundFromRaw(2)));
  EXPECT_EQ(onGroundFromRaw(1).raw(), -1);
  EXPECT_TRUE(static_cast<bool>(engineIsJetFromRaw(1)));
  EXPECT_FALSE(static_cast<bool>(engineIsJetFromRaw(0)));
}

TEST(ConversionTest, AltitudeBelowZeroStaysNegative) {
  EXPECT_DOUBLE_EQ(altitudeFromRaw(rawInteger(le(static_cast<std::uint32_t>(-120), 4))), -120.0);
  EXPECT_DOUBLE_EQ(altitudeFromRaw(rawInteger(le(35000, 4))), 35000.0);
  EXPECT_DOUBLE_EQ(altitudeFromRaw(rawInteger(le(0x7FFFFFFF, 4))), 2147483647.0);
}

TEST(OffsetsTest, TankOffsetsPairLevelAndCapacity) {
  for (const auto& t : offsets::kTanks) {
    EXPECT_EQ(t.capacity.address, t.level.address + 4);
    EXPECT_EQ(t.level.size, 4);
  }
  EXPECT_EQ(offsets::kTanks[0].level.address, 0x0B74);
  EXPECT_EQ(offsets::kTanks[8].capacity.address, 0x0BA8);
}

}  // namespace
}  // namespace aerotrace
