#include "monitor/tfh_state.h"

#include "core/fuel_unit.h"

namespace aerotrace {

const oLeg* TfHState::selectedLeg() const {
  if (legIndex < 0 || static_cast<std::size_t>(legIndex) >= legs.size()) return nullptr;
  return &legs[static_cast<std::size_t>(legIndex)];
}

double TfHState::fuelFactor() const {
  return fuelUnitFactor(fuelUnit, static_cast<bool>(flightData.engineIsJet));
}

}  // namespace aerotrace
