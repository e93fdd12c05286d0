#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/flag.h"

namespace aerotrace {

// One fuel tank as the simulator reports it.
struct FuelTank {
  double level = 0;     // percent of the tank
  double capacity = 0;  // US gallons
};

// Tank order: centre, centre 2, centre 3, left main, left auxiliary, left tip,
// right main, right auxiliary, right tip.
inline constexpr std::size_t kTankCount = 9;

// The program's snapshot of the simulated aircraft. The reader pass writes it
// and the window thread reads it; the two take turns, so the block is never
// read while it is written. Nothing clears it when the simulator goes away:
// every field keeps what the last successful read gave it.
struct FlightData {
  bool simConnected = false;  // the latest reader pass opened the link
  Flag engineIsJet;
  double heading = 0;      // degrees true
  double altitude = 0;     // feet, as the altimeter reads
  double ias = 0;          // knots
  double qnh = 0;          // hPa
  double groundSpeed = 0;  // knots
  Flag onGround;
  double simRate = 0;  // 1/256 of real time, as read before any correction

  // Outbox for a text to show in the simulator: 127 characters padded with
  // blanks and a terminating zero; only the low 16 bits of the seconds are
  // sent. The pending flag is set last and cleared by the pass that sends it.
  std::array<char, 128> simText{};
  std::int32_t simTextSeconds = 0;
  bool simTextPending = false;

  double fuelTotal = 0;  // litres, all tanks
  std::array<FuelTank, kTankCount> tanks{};
  std::string aircraftTitle;
  double longitude = 0;
  double latitude = 0;
  double gMax = 0;   // g above 1 g, highest since the leg started
  double gMin = 0;   // lowest since the leg started
  double gLoad = 0;  // current vertical load, g above 1 g
};

}  // namespace aerotrace
