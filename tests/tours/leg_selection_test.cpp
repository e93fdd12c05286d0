// The leg display refresh, the arrows and the fuel unit order, and the route
// and tour joins: plain values, no database.
#include "tours/leg_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fuel_unit.h"
#include "tours/leg_display.h"

namespace aerotrace {
namespace {

oLeg leg(std::int32_t maxFuel) {
  oLeg l;
  l.Id = 1;
  l.Descr = "1) Innsbruck - Munich";
  l.TourName = "Alpine Hops";
  l.Dest = "EDDM";
  l.MaxFuel = maxFuel;
  l.Points = 20;
  l.MaxPoints = 30;
  l.Route = "LOWI EDDM";
  return l;
}

TEST(LegDisplayTest, ShowsTheSelectedLeg) {
  const LegDisplay d = legDisplay({leg(5000)}, 0, 4321.5, 1.0);
  EXPECT_EQ(d.legName, "1) Innsbruck - Munich");
  EXPECT_EQ(d.tourName, "Alpine Hops");
  EXPECT_EQ(d.destination, "EDDM");
  EXPECT_EQ(d.maxFuel, "5000");
  EXPECT_EQ(d.minimumPoints, "20");
  EXPECT_EQ(d.totalPoints, "30");
  EXPECT_EQ(d.fuel, "4322");
  EXPECT_EQ(d.route, "LOWI EDDM");
}

TEST(LegDisplayTest, StartIsOfferedUpToMaxFuelInLitresWhateverTheUnit) {
  struct Case {
    double fuelTotal;
    std::int32_t unit;
    bool start;
  };
  for (const Case c : {Case{5000, 0, true}, Case{5000.5, 0, false}, Case{4999, 1, true},
                       Case{5000, 2, true}, Case{5001, 3, false}, Case{0, 0, true}}) {
    const LegDisplay d = legDisplay({leg(5000)}, 0, c.fuelTotal, fuelUnitFactor(c.unit, true));
    EXPECT_EQ(d.startVisible, c.start) << c.fuelTotal << " unit " << c.unit;
    EXPECT_EQ(d.overloadVisible, !c.start) << c.fuelTotal << " unit " << c.unit;
  }
}

TEST(LegDisplayTest, FuelFiguresInTheUnitShown) {
  EXPECT_EQ(legDisplay({leg(1000)}, 0, 1000, fuelUnitFactor(1, false)).maxFuel, "264");
  EXPECT_EQ(legDisplay({leg(1000)}, 0, 1000, fuelUnitFactor(1, false)).fuel, "264");
  EXPECT_EQ(legDisplay({leg(1000)}, 0, 1000, fuelUnitFactor(2, true)).maxFuel, "1760");
  EXPECT_EQ(legDisplay({leg(1000)}, 0, 1000, fuelUnitFactor(3, false)).maxFuel, "720");
  // Halves go to the even neighbour.
  EXPECT_EQ(legDisplay({leg(5)}, 0, 0, 0.5).maxFuel, "2");
  EXPECT_EQ(legDisplay({leg(7)}, 0, 0, 0.5).maxFuel, "4");
}

TEST(LegDisplayTest, WithoutALegTheLegFieldsClearAndTheNamesStay) {
  const LegDisplay empty = legDisplay({}, 0, 1234, 1.0);
  EXPECT_FALSE(empty.startVisible);
  EXPECT_FALSE(empty.overloadVisible);
  EXPECT_FALSE(empty.legName);
  EXPECT_FALSE(empty.tourName);
  EXPECT_FALSE(empty.fuel);
  EXPECT_EQ(empty.destination, "");
  EXPECT_EQ(empty.maxFuel, "");
  EXPECT_EQ(empty.route, "");
  // A selection outside the list shows the same, rather than a stray leg.
  EXPECT_EQ(legDisplay({leg(5000)}, 1, 1234, 1.0), empty);
  EXPECT_EQ(legDisplay({leg(5000)}, -1, 1234, 1.0), empty);
}

TEST(LegArrowsTest, StopAtBothEnds) {
  std::int32_t i = 0;
  for (int press = 0; press < 5; ++press) i = nextLegIndex(i, 3);
  EXPECT_EQ(i, 2);
  EXPECT_EQ(previousLegIndex(0), 0);
  EXPECT_EQ(previousLegIndex(2), 1);
  EXPECT_EQ(nextLegIndex(0, 0), 0);  // no legs
}

TEST(FuelUnitTest, CyclesThroughTheFourUnits) {
  std::vector<std::string> labels;
  std::int32_t unit = 0;
  for (int press = 0; press < 5; ++press) {
    unit = nextFuelUnit(unit);
    labels.push_back(fuelUnitLabel(unit));
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"Gal", "Lbs", "Kg", "Ltr", "Gal"}));
}

TEST(RouteMarkupTest, RemovesOnlyTheThreeTagsInSmallLetters) {
  EXPECT_EQ(removeRouteMarkup("KUFSTEIN<br>ROSENHEIM"), "KUFSTEINROSENHEIM");
  EXPECT_EQ(removeRouteMarkup("<b>DCT</b> EDDM"), "DCT EDDM");
  EXPECT_EQ(removeRouteMarkup("<BR><B>X</B>"), "<BR><B>X</B>");
  // One pass per tag, in order: a "<br>" that a removal puts together stays
  // for the later passes only.
  EXPECT_EQ(removeRouteMarkup("<b<br>>"), "");
  EXPECT_EQ(removeRouteMarkup("<<b>br>"), "<br>");
}

TEST(TourJoinTest, FirstMatchingTourOrNothing) {
  std::vector<oLeg> legs(3);
  legs[0].TourId = 2;
  legs[1].TourId = 7;
  legs[2].TourId = 0;
  const std::vector<oTours> tours = {{"First", 2, "a"}, {"Second", 2, "b"}, {"Zero", 0, "z"}};
  joinTours(legs, tours);
  EXPECT_EQ(legs[0].TourName, "First");
  EXPECT_EQ(legs[0].TourLink, "a");
  EXPECT_EQ(legs[1].TourName, "");
  EXPECT_EQ(legs[1].TourLink, "");
  EXPECT_EQ(legs[2].TourName, "Zero");
}

}  // namespace
}  // namespace aerotrace
