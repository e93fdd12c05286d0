#include "tours/leg_selection.h"

#include "core/text.h"
#include "db/db_error.h"
#include "tours/tour_reads.h"

namespace aerotrace {

std::string removeRouteMarkup(std::string_view route) {
  std::string out = replacedAll(route, "<br>", "");
  out = replacedAll(out, "<b>", "");
  return replacedAll(out, "</b>", "");
}

void joinTours(std::vector<oLeg>& legs, const std::vector<oTours>& tours) {
  for (oLeg& leg : legs) {
    leg.TourName.clear();
    leg.TourLink.clear();
    for (const oTours& tour : tours) {
      if (tour.TourId == leg.TourId) {
        leg.TourName = tour.TourName;
        leg.TourLink = tour.Link;
        break;
      }
    }
  }
}

CatalogueLoad loadTourCatalogue(TfD& d) {
  CatalogueLoad load;
  try {
    readTourCatalogue(d, load.tours);
  } catch (const db::DbError& e) {
    load.error = e.what();
  }
  return load;
}

LegLoad loadLegs(TfD& d, const std::string& airportIcao, const std::vector<oTours>& tours) {
  LegLoad load;
  try {
    if (!readLegsOfAirport(d, airportIcao, load.legs)) {
      load.outcome = LegLoad::Outcome::NoConnection;
      return load;
    }
  } catch (const db::DbError& e) {
    load.outcome = LegLoad::Outcome::Failed;
    load.error = e.what();
  }
  for (oLeg& leg : load.legs) leg.Route = removeRouteMarkup(leg.Route);
  if (load.outcome == LegLoad::Outcome::Loaded) joinTours(load.legs, tours);
  return load;
}

std::int32_t nextLegIndex(std::int32_t legIndex, std::size_t legCount) {
  const auto last = static_cast<std::int32_t>(legCount) - 1;
  if (legIndex + 1 > last) return last < 0 ? 0 : last;
  return legIndex + 1;
}

std::int32_t previousLegIndex(std::int32_t legIndex) { return legIndex - 1 < 0 ? 0 : legIndex - 1; }

std::int32_t nextFuelUnit(std::int32_t fuelUnit) { return fuelUnit + 1 > 3 ? 0 : fuelUnit + 1; }

}  // namespace aerotrace
