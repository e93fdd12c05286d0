#pragma once

// The records the program keeps about tours, legs, checkpoints, the flight
// track and uploaded results. Field names follow the database columns they
// come from; texts are bytes as the database and the simulator hand them over.

#include <cstdint>
#include <string>

#include "core/datetime.h"
#include "core/flag.h"

namespace aerotrace {

// One tour of the catalogue (table `tours`).
struct oTours {
  std::string TourName;
  std::int32_t TourId = 0;
  std::string Link;  // address of the tour's web page
};

// A message in its two forms.
struct oLstMes {
  std::string Text;    // shown in the simulator
  std::string Speech;  // spoken
};

// One airport of the directory (airports.csv).
struct oAirPort {
  std::string Name;
  std::string Icao;  // "NULL" (any case, blanks around) is never a lookup result
  double Latitude = 0;
  double Longitude = 0;
};

// The wait timer of a waiting checkpoint.
struct oTmr {
  bool Active = false;
  DateTime Start = 0;  // local time
  std::string Text;    // last countdown text, "<n> min."
};

// One leg departing from the airport where the aircraft stands (table `legs`).
struct oLeg {
  std::int32_t Id = 0;
  std::string Descr;
  std::string Dep;
  std::string Dest;
  std::string Route;           // without "<br>", "<b>", "</b>"
  std::int32_t MaxFuel = 0;    // litres allowed on board at start
  std::int32_t Points = 0;     // minimum total for the leg to count
  std::int32_t MaxPoints = 0;  // cap of the total
  std::int32_t TourId = 0;
  std::string TourName;  // from the catalogue; empty when the tour is unknown
  std::string TourLink;
};

// One checkpoint of the active leg (table `LegDet`); the last four fields are
// the monitor's working state.
struct oLegDet {
  std::int32_t Points = 0;
  std::string Descr;  // text form of the message, also the name in lists
  std::string Speak;  // spoken form of the message
  double Latitude = 0;
  double Longitude = 0;
  double cRange = 0;                    // capture radius, miles
  std::int32_t MinAlt = 0, MaxAlt = 0;  // feet
  std::int32_t MinSpd = 0, MaxSpd = 0;  // knots indicated
  std::int32_t MinHdg = 0, MaxHdg = 0;  // degrees true, no wrap-around
  Flag CheckPoint;
  Flag MustLand;  // captured on the ground only; otherwise in the air only
  Flag Ok;
  std::string Result;
  Flag Done;
  std::int32_t WaitMin = 0;  // minutes; 0 or less means no wait
};

// One sample of the flight track (uploaded into `LegRdyFR`).
struct oRoute {
  double Latitude = 0;
  double Longitude = 0;
  std::int32_t Alt = 0;
  std::int32_t GrndSp = 0;
  std::int32_t Hdg = 0;
  std::string Com1;  // always empty
  std::string Nav1;  // always empty
  std::string Nav2;  // always empty
  std::string QNH;   // hPa, rounded, decimal digits
};

// One uploaded leg as the history lists it (table `LegRdy`).
struct oLegRdy {
  std::int32_t LegId = 0;
  std::string Descr;
  std::int32_t Points = 0;
  std::int32_t MaxPoints = 0;
  std::string Dep;
  std::string Dest;
  std::string Route;
  DateTime DepDate = 0;
  DateTime DepTime = 0;
  DateTime ArrTime = 0;
  std::int32_t Status = 0;
  std::string AirPlane;
  double FuelUsed = 0;
};

}  // namespace aerotrace
