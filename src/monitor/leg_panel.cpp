#include "monitor/leg_panel.h"

#include "core/fuel_unit.h"
#include "tours/leg_selection.h"

namespace aerotrace {

void loadTourCatalogue(TfHState& s, TfD& d, View& view) {
  CatalogueLoad load = aerotrace::loadTourCatalogue(d);
  s.tours = std::move(load.tours);
  if (!load.error.empty()) view.showMessage(load.error);
}

void loadLegs(TfHState& s, TfD& d, View& view) {
  s.legs.clear();
  LegLoad load = aerotrace::loadLegs(d, s.airportIcao, s.tours);
  s.legs = std::move(load.legs);
  view.legsLoaded(s.legs);
  switch (load.outcome) {
    case LegLoad::Outcome::NoConnection: view.showMessage(kNoConnectionWithServer); return;
    case LegLoad::Outcome::Failed: view.showMessage(load.error); return;
    case LegLoad::Outcome::Loaded: break;
  }
  if (!s.legs.empty()) refreshLegDisplay(s, view);
}

void refreshLegDisplay(const TfHState& s, View& view) {
  view.showLegDisplay(legDisplay(s.legs, s.legIndex, s.flightData.fuelTotal, s.fuelFactor()));
}

void nextLeg(TfHState& s, View& view) {
  s.legIndex = nextLegIndex(s.legIndex, s.legs.size());
  refreshLegDisplay(s, view);
}

void previousLeg(TfHState& s, View& view) {
  s.legIndex = previousLegIndex(s.legIndex);
  refreshLegDisplay(s, view);
}

void switchFuelUnit(TfHState& s, View& view) {
  s.fuelUnit = nextFuelUnit(s.fuelUnit);
  view.setFuelUnitLabels(fuelUnitLabel(s.fuelUnit));
  refreshLegDisplay(s, view);
}

}  // namespace aerotrace
