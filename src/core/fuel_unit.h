#pragma once

#include <cstdint>
#include <string>

namespace aerotrace {

// Litres to the unit shown on the leg panel: 0 "Ltr", 1 "Gal", 2 "Lbs",
// 3 "Kg"; pounds and kilograms depend on the engine type. Any other unit
// gives factor 0 and an empty label.
double fuelUnitFactor(std::int32_t fuelUnit, bool engineIsJet);
std::string fuelUnitLabel(std::int32_t fuelUnit);

}  // namespace aerotrace
