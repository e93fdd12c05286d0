#include "core/fuel_unit.h"

namespace aerotrace {

double fuelUnitFactor(std::int32_t fuelUnit, bool engineIsJet) {
  switch (fuelUnit) {
    case 0: return 1.0;
    case 1: return 0.264172052;
    case 2: return engineIsJet ? 1.76 : 1.58;
    case 3: return engineIsJet ? 0.8 : 0.72;
    default: return 0.0;
  }
}

std::string fuelUnitLabel(std::int32_t fuelUnit) {
  switch (fuelUnit) {
    case 0: return "Ltr";
    case 1: return "Gal";
    case 2: return "Lbs";
    case 3: return "Kg";
    default: return "";
  }
}

}  // namespace aerotrace
