#include "core/fuel_unit.h"

#include <gtest/gtest.h>

namespace aerotrace {
namespace {

TEST(FuelUnitTest, FactorsAndLabelsByUnitAndEngine) {
  struct Case {
    int unit;
    bool jet;
    double factor;
    const char* label;
  };
  const Case cases[] = {
      {0, false, 1.0, "Ltr"},        {0, true, 1.0, "Ltr"},   {1, false, 0.264172052, "Gal"},
      {1, true, 0.264172052, "Gal"}, {2, false, 1.58, "Lbs"}, {2, true, 1.76, "Lbs"},
      {3, false, 0.72, "Kg"},        {3, true, 0.8, "Kg"},    {4, true, 0.0, ""},
      {-1, false, 0.0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(fuelUnitFactor(c.unit, c.jet), c.factor) << c.unit << " jet " << c.jet;
    EXPECT_EQ(fuelUnitLabel(c.unit), c.label) << c.unit;
  }
}

TEST(FuelUnitTest, HundredLitresOfPistonFuelWeigh158Pounds) {
  EXPECT_DOUBLE_EQ(100 * fuelUnitFactor(2, false), 158.0);
}

}  // namespace
}  // namespace aerotrace
