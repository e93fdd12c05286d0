#pragma once

// What the pilot's local store keeps: the journal of the leg being flown and
// the finished legs that the server does not hold yet.

#include <cstdint>
#include <string>
#include <vector>

#include "core/datetime.h"
#include "core/leg_result_row.h"
#include "core/records.h"

namespace aerotrace {

// Everything a leg needs to go on after the program was closed or crashed.
struct JournalRecord {
  oLeg leg;  // the started leg as the panel offered it
  std::int32_t activeLegId = 0;
  std::vector<oLegDet> checkpoints;  // with their outcomes so far
  std::int32_t lastCheckpoint = -1;
  oTmr waitTimer;
  DateTime depDate = 0;  // UTC
  DateTime depTime = 0;  // UTC
  double fuelAtStart = 0;
  double gMax = 0;
  double gMin = 0;
  double gTouchdown = 0;
  bool touchdownCaptured = false;
  std::string airportIcao;  // set while arrival is not yet armed
  double lastSampleLatitude = 0;
  double lastSampleLongitude = 0;
  DateTime lastSampleTime = 0;  // local
  std::vector<oRoute> track;
  // Where the aircraft was, and with how much fuel, when this was written.
  double latitude = 0;
  double longitude = 0;
  double lastFuel = 0;   // litres
  DateTime writtenAt = 0;  // UTC
};

// A finished leg waiting for the server, with its result row and track
// exactly as the upload writes them.
struct OutboxLeg {
  std::int64_t id = 0;  // the store's key; 0 until stored
  LegResult result;
  std::vector<oRoute> track;
  std::string tourName;
  std::string tourLink;
  bool asked = false;         // the pilot asked for the upload
  std::int32_t attempts = 0;  // tries begun; one may have been committed
};

}  // namespace aerotrace
