#pragma once

// From the raw bytes of a simulator value to the unit the program works in.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "sim/flight_data.h"

namespace aerotrace {

// The bytes (at most 8) placed at the start of a zeroed 8-byte buffer, read
// as a signed 64-bit little-endian integer: 1, 2 and 4-byte values come out
// unsigned, 8-byte values signed.
std::int64_t rawInteger(std::span<const std::uint8_t> bytes);

// Every non-zero byte of the title buffer in order (also those after a zero
// byte), then every ".acf" (exact case) removed.
std::string aircraftTitleFromBytes(std::span<const std::uint8_t> bytes);

double simRateFromRaw(std::int64_t r);
Flag onGroundFromRaw(std::int64_t r);
double headingFromRaw(std::int64_t r);
double iasFromRaw(std::int64_t r);
// The altimeter's 4 bytes are a signed count of feet: readings below zero
// stay below zero.
double altitudeFromRaw(std::int64_t r);
double qnhFromRaw(std::int64_t r);
double groundSpeedFromRaw(std::int64_t r);
double longitudeFromRaw(std::int64_t r);
double latitudeFromRaw(std::int64_t r);
Flag engineIsJetFromRaw(std::int64_t r);
double tankLevelFromRaw(std::int64_t r);
double tankCapacityFromRaw(std::int64_t r);

// The load rule on the 4-byte value at the load offset. With a reading the
// load is (r - 624) / 624 first; with none (the read failed) the standing
// load goes through the same corrections. Then the extremes follow.
void applyLoadReading(FlightData& fd, std::optional<std::uint32_t> raw);

// Litres on board: capacity / 100 x level for every tank with a positive
// level, US gallons to litres.
double fuelTotalFromTanks(const std::array<FuelTank, kTankCount>& tanks);

}  // namespace aerotrace
