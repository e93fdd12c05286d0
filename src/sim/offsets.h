#pragma once

#include <array>
#include <cstdint>

#include "sim/flight_data.h"

namespace aerotrace::offsets {

// A value of the simulator interface: where it lives and how many bytes.
struct Offset {
  std::uint16_t address;
  std::uint16_t size;
};

inline constexpr Offset kAircraftTitle{0x3D00, 256};
inline constexpr Offset kSimRate{0x0C1A, 2};
inline constexpr Offset kOnGround{0x0366, 2};
inline constexpr Offset kHeading{0x0580, 4};
inline constexpr Offset kIas{0x02BC, 4};
inline constexpr Offset kAltitude{0x3324, 4};
inline constexpr Offset kLoad{0x11BA, 4};
inline constexpr Offset kQnh{0x0330, 2};
inline constexpr Offset kGroundSpeed{0x02B4, 4};
inline constexpr Offset kLongitude{0x0568, 8};
inline constexpr Offset kLatitude{0x0560, 8};
inline constexpr Offset kEngineType{0x0609, 1};

struct TankOffsets {
  Offset level;
  Offset capacity;
};

// In the tank order of FlightData::tanks.
inline constexpr std::array<TankOffsets, kTankCount> kTanks{{
    {{0x0B74, 4}, {0x0B78, 4}},  // centre
    {{0x1244, 4}, {0x1248, 4}},  // centre 2
    {{0x124C, 4}, {0x1250, 4}},  // centre 3
    {{0x0B7C, 4}, {0x0B80, 4}},  // left main
    {{0x0B84, 4}, {0x0B88, 4}},  // left auxiliary
    {{0x0B8C, 4}, {0x0B90, 4}},  // left tip
    {{0x0B94, 4}, {0x0B98, 4}},  // right main
    {{0x0B9C, 4}, {0x0BA0, 4}},  // right auxiliary
    {{0x0BA4, 4}, {0x0BA8, 4}},  // right tip
}};

}  // namespace aerotrace::offsets
