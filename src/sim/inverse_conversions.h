#pragma once

// From a value in the program's units back to the raw integer the simulator
// would serve: the inverse of conversions.h, for the stand-in simulator and
// the tests. Each result, read back through its conversion, gives the value
// again to within the raw value's resolution.

#include <cstdint>
#include <string>
#include <vector>

namespace aerotrace {

std::uint32_t rawHeading(double degrees);  // 4 bytes, degrees taken modulo 360
std::uint32_t rawIas(double knots);        // 4 bytes
std::uint32_t rawAltitude(double feet);    // 4 bytes, signed feet
std::uint16_t rawQnh(double hectopascals);
std::uint32_t rawGroundSpeed(double knots);
std::int64_t rawLongitude(double degrees);  // east positive, taken into -180..180
std::int64_t rawLatitude(double degrees);
std::uint16_t rawOnGround(bool onGround);
std::uint8_t rawEngineIsJet(bool jet);

// The 4-byte load reading that the load rule turns into g: exact from -1 to
// 80 g and from just above -5 to -1 g (the two branches of the rule); below
// -5 g it gives the rule's -6 and above 80 g it gives 80.
std::uint32_t rawLoad(double g);

// Fuel in a single tank: a whole number of gallons of capacity that holds
// it, and the level in the simulator's fixed-point percent.
struct RawTank {
  std::uint32_t level = 0;
  std::uint32_t capacity = 0;
};
RawTank rawTankHolding(double litres);

// The 256-byte title buffer: the text, zero-padded, at most 255 characters.
std::vector<std::uint8_t> rawTitle(const std::string& title);

}  // namespace aerotrace
