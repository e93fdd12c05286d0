#pragma once

// The tour catalogue and the legs offered at an airport: loading them, and
// the leg panel's arrows and fuel unit switch. Plain values in and out; the
// monitor applies them to the main window's state and its view.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/records.h"
#include "tours/tour_data.h"

namespace aerotrace {

inline constexpr const char* kNoConnectionWithServer = "No connection with server";

// Every "<br>", then every "<b>", then every "</b>" removed; capitals stay.
std::string removeRouteMarkup(std::string_view route);

// Each leg takes the name and link of the first tour with its TourId; both
// stay empty when there is none.
void joinTours(std::vector<oLeg>& legs, const std::vector<oTours>& tours);

struct CatalogueLoad {
  std::vector<oTours> tours;  // empty when the server could not be reached
  std::string error;          // the database's message when a read failed
};
CatalogueLoad loadTourCatalogue(TfD& d);

struct LegLoad {
  enum class Outcome { Loaded, NoConnection, Failed };
  Outcome outcome = Outcome::Loaded;
  std::vector<oLeg> legs;  // on Failed, the legs read before the failure
  std::string error;       // the database's message on Failed
};
// The legs departing from the airport, markup removed and tour names joined.
LegLoad loadLegs(TfD& d, const std::string& airportIcao, const std::vector<oTours>& tours);

// The arrows move one leg and stop at either end, never wrapping.
std::int32_t nextLegIndex(std::int32_t legIndex, std::size_t legCount);
std::int32_t previousLegIndex(std::int32_t legIndex);

// Litres, gallons, pounds, kilograms, litres again.
std::int32_t nextFuelUnit(std::int32_t fuelUnit);

}  // namespace aerotrace
