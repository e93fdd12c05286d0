#pragma once

// Everything the main window knows: catalogues, the active leg, its results,
// the message state and the flight-data block. A plain object; the window
// owns one, and so do the replay and the tests.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/datetime.h"
#include "core/flag.h"
#include "core/records.h"
#include "core/voice.h"
#include "monitor/leg_keeping.h"
#include "sim/flight_data.h"
#include "tours/airport_directory.h"

namespace aerotrace {

struct TfHState {
  // Catalogues and selection.
  std::vector<oTours> tours;
  AirportDirectory airports;
  std::vector<oLeg> legs;  // the legs departing from airportIcao
  std::int32_t legIndex = 0;
  std::string airportIcao;  // empty while no airport is known
  std::string airportName;
  std::string vid;

  // Active leg.
  Flag legActive;
  std::int32_t activeLegId = 0;
  std::vector<oLegDet> checkpoints;
  std::int32_t lastCheckpoint = 0;  // -1 once a leg has started and none is captured
  oTmr waitTimer;                   // shared by every waiting checkpoint
  std::vector<oRoute> track;
  double lastSampleLatitude = 0;
  double lastSampleLongitude = 0;
  DateTime lastSampleTime = 0;  // local

  // Results of the flight.
  DateTime depDate = 0;  // UTC
  DateTime depTime = 0;  // UTC, read right after depDate
  DateTime arrTime = 0;  // UTC
  double fuelAtStart = 0;
  double fuelAtEnd = 0;
  double fuelUsed = 0;
  double gTouchdown = 0;
  Flag touchdownCaptured;

  // Fuel display.
  double lastFuel = 0;  // litres
  std::int32_t fuelUnit = 0;

  // Messages.
  std::unique_ptr<Voice> voice;  // empty when no speech engine could be made
  Flag speechAvailable;
  Flag speechEnabled;
  Flag textEnabled;
  oLstMes lastMessage;

  FlightData flightData;

  // The pilot's local store and what it holds of this leg.
  LegKeeping keeping;

  // The leg selected on the panel, or nullptr when legIndex is outside legs.
  const oLeg* selectedLeg() const;
  // Litres to the unit the panel shows.
  double fuelFactor() const;
};

}  // namespace aerotrace
