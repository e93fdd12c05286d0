// The units of work on the demo data, through the program's account, on both
// drivers; and what the account may not do on MariaDB.
#include "tours/tour_reads.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "db/db_error.h"
#include "db/table.h"
#include "test_databases.h"
#include "tours/leg_selection.h"
#include "tours/tour_tables.h"

namespace aerotrace::testing {
namespace {

class TourReadsTest : public ::testing::TestWithParam<Backend> {
 protected:
  TourReadsTest() : database_(makeTestDatabase(GetParam(), currentTestName(), true)) {}

  void adminRun(const std::string& sql) { database_.admin()->run(sql, {}); }

  TestDatabase database_;
};

std::vector<std::int32_t> ids(const std::vector<oLeg>& legs) {
  std::vector<std::int32_t> out;
  for (const oLeg& l : legs) out.push_back(l.Id);
  return out;
}

TEST_P(TourReadsTest, CatalogueHoldsEveryTourActiveOrNot) {
  TfD d(database_.url);
  std::vector<oTours> tours;
  ASSERT_TRUE(readTourCatalogue(d, tours));
  ASSERT_EQ(tours.size(), 2u);
  EXPECT_EQ(tours[0].TourId, 1);
  EXPECT_EQ(tours[0].TourName, "Alpine Hops");
  EXPECT_EQ(tours[1].TourName, "Lakes and Valleys");  // is_active 0
  EXPECT_EQ(tours[1].Link, "https://tours.example.org/lakes?tour=\"2\"");
  EXPECT_FALSE(d.Con.Connected());
  EXPECT_FALSE(d.tbTours.isOpen());
}

TEST_P(TourReadsTest, LegsOfAnAirportComeByTourWithMarkupRemovedAndToursJoined) {
  TfD d(database_.url);
  const CatalogueLoad catalogue = loadTourCatalogue(d);
  const LegLoad load = loadLegs(d, "LOWI", catalogue.tours);
  ASSERT_EQ(load.outcome, LegLoad::Outcome::Loaded);
  ASSERT_EQ(ids(load.legs), (std::vector<std::int32_t>{1, 5}));
  const oLeg& innsbruckMunich = load.legs[0];
  EXPECT_EQ(innsbruckMunich.Descr, "1");
  EXPECT_EQ(innsbruckMunich.Dep, "LOWI");
  EXPECT_EQ(innsbruckMunich.Dest, "EDDM");
  EXPECT_EQ(innsbruckMunich.MaxFuel, 5000);
  EXPECT_EQ(innsbruckMunich.Points, 20);
  EXPECT_EQ(innsbruckMunich.MaxPoints, 30);
  EXPECT_EQ(innsbruckMunich.Route, "LOWI KUFSTEIN ROSENHEIM hold EDDM");
  EXPECT_EQ(innsbruckMunich.TourName, "Alpine Hops");
  EXPECT_EQ(innsbruckMunich.TourLink, "https://tours.example.org/alpine-hops");
  EXPECT_EQ(load.legs[1].Route, "LOWI <B>ARLBERG</B> LSZH");  // capitals stay
  EXPECT_EQ(load.legs[1].TourName, "Lakes and Valleys");
  EXPECT_FALSE(d.Con.Connected());
}

TEST_P(TourReadsTest, AirportCodesWithQuotesAreOnlyData) {
  adminRun(
      "INSERT INTO legs (id, Descr, Dep, Dest, tour_id) VALUES (40, 'Quote', 'O''X', 'LOWI', 9)");
  TfD d(database_.url);
  LegLoad load = loadLegs(d, "O'X", {});
  ASSERT_EQ(load.outcome, LegLoad::Outcome::Loaded);
  EXPECT_EQ(ids(load.legs), std::vector<std::int32_t>{40});
  EXPECT_EQ(load.legs[0].TourName, "");  // tour 9 is not in the catalogue
  EXPECT_TRUE(loadLegs(d, "' OR ''='", {}).legs.empty());
  EXPECT_TRUE(loadLegs(d, "XXXX", {}).legs.empty());
}

TEST_P(TourReadsTest, CheckpointsOfALeg) {
  TfD d(database_.url);
  const std::vector<oLegDet> cps = readCheckpoints(d, 1);
  ASSERT_EQ(cps.size(), 3u);
  EXPECT_EQ(cps[0].Descr, "Kufstein gap, below 250 kts");
  EXPECT_EQ(cps[0].Speak, "Kufstein gap");
  EXPECT_DOUBLE_EQ(cps[0].Latitude, 47.583);
  EXPECT_DOUBLE_EQ(cps[0].Longitude, 12.167);  // from the column Longtitude
  EXPECT_EQ(cps[0].MinAlt, 7000);
  EXPECT_EQ(cps[0].MaxSpd, 250);
  EXPECT_EQ(cps[0].MaxHdg, 360);
  EXPECT_DOUBLE_EQ(cps[0].cRange, 3);
  EXPECT_TRUE(static_cast<bool>(cps[0].CheckPoint));
  EXPECT_EQ(cps[1].WaitMin, 1);
  EXPECT_TRUE(static_cast<bool>(cps[2].MustLand));
  EXPECT_FALSE(static_cast<bool>(cps[2].Ok));
  EXPECT_FALSE(d.Con.Connected());

  const std::vector<oLegDet> munichSalzburg = readCheckpoints(d, 2);
  ASSERT_EQ(munichSalzburg.size(), 2u);
  EXPECT_EQ(munichSalzburg[0].WaitMin, 0);  // NULL in the seed
  EXPECT_TRUE(readCheckpoints(d, 99).empty());
}

TEST_P(TourReadsTest, HistoryMatchesTheVidAsText) {
  TfD d(database_.url);
  // Written through the program's account, as the upload will.
  d.Con.connect();
  db::Table& results = d.tbLegRdy;
  results.open();
  const DateTime departure = encode({2026, 5, 1, 8, 15, 0, 0});
  for (const char* vid : {"0 or 1", "123456", "000000"}) {
    results.append();
    results.setInteger("legId", 1);
    results.setString("VID", vid);
    results.setString("Descr", "1) Innsbruck - Munich");
    results.setInteger("Points", 30);
    results.setInteger("try", 1);
    results.setDateTime("DepDate", departure);
    results.setDateTime("DepTime", departure);
    results.setString("FuelUsed", "812.5");
    results.post();
  }
  results.close();
  d.Con.disconnect();

  const std::vector<LegRdyRow> mine = readLegHistory(d, "0 or 1");
  ASSERT_EQ(mine.size(), 1u);
  EXPECT_EQ(mine[0].VID, "0 or 1");
  EXPECT_EQ(mine[0].Descr, "1) Innsbruck - Munich");
  EXPECT_EQ(mine[0].Points, 30);
  EXPECT_FALSE(mine[0].LegAccepted);
  EXPECT_EQ(mine[0].FuelUsed, "812.5");
  EXPECT_EQ(toMilliseconds(mine[0].DepDate), toMilliseconds(encode({2026, 5, 1, 0, 0, 0, 0})));
  EXPECT_EQ(toMilliseconds(mine[0].DepTime), toMilliseconds(encode({1899, 12, 30, 8, 15, 0, 0})));
  EXPECT_EQ(readLegHistory(d, "123456").size(), 1u);
  EXPECT_TRUE(readLegHistory(d, "654321").empty());
  EXPECT_FALSE(d.Con.Connected());
}

TEST_P(TourReadsTest, ServerOutOfReach) {
  TfD d(GetParam() == Backend::Sqlite ? "sqlite:/nonexistent/tours.sqlite"
                                      : "mysql://a:b@127.0.0.1:1/tours");
  const CatalogueLoad catalogue = loadTourCatalogue(d);
  EXPECT_TRUE(catalogue.tours.empty());
  EXPECT_EQ(catalogue.error, "");  // no word about it
  EXPECT_EQ(loadLegs(d, "LOWI", {}).outcome, LegLoad::Outcome::NoConnection);
  EXPECT_THROW(readCheckpoints(d, 1), db::DbError);
  EXPECT_THROW(readLegHistory(d, "123456"), db::DbError);
  EXPECT_FALSE(d.tbLegDet.isOpen());
}

// A MariaDB server that refuses the login, and one that never answers: the
// leg load ends with "no connection" either way, within the time-out.
TEST(LegLoadTest, RefusedLoginOrSilentServerIsNoConnection) {
  const MariaDbServer server = mariaDbServer();
  TfD refused("mysql://" + server.appUser + ":wrong@127.0.0.1:" + std::to_string(server.port) +
              "/mysql");
  EXPECT_EQ(loadLegs(refused, "LOWI", {}).outcome, LegLoad::Outcome::NoConnection);

  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ASSERT_EQ(listen(fd, 4), 0);
  socklen_t len = sizeof addr;
  getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  TfD silent("mysql://a:b@127.0.0.1:" + std::to_string(ntohs(addr.sin_port)) + "/tours");
  silent.Con.ConnectionTimeout = std::chrono::seconds(1);
  EXPECT_EQ(loadLegs(silent, "LOWI", {}).outcome, LegLoad::Outcome::NoConnection);
  close(fd);
}

INSTANTIATE_TEST_SUITE_P(Drivers, TourReadsTest, ::testing::ValuesIn(testBackends()),
                         backendParamName);

// The grant script's limits, as the server enforces them.
class GrantTest : public ::testing::Test {
 protected:
  GrantTest() : database_(makeTestDatabase(Backend::MariaDb, currentTestName(), true)) {
    d_.Con.connect();
  }
  TestDatabase database_;
  TfD d_{database_.url};
};

TEST_F(GrantTest, TheProgramsAccountCannotWriteLegAccepted) {
  database_.admin()->run(
      "INSERT INTO LegRdy (LegRdyid, legId, VID, `try`) VALUES (1, 1, '123456', 1)", {});
  db::Table& results = d_.tbLegRdy;
  results.open();
  results.edit();
  results.setBoolean("LegAccepted", true);
  EXPECT_THROW(results.post(), db::DbError);
  results.cancel();
  results.append();
  results.setString("VID", "123456");
  results.setBoolean("LegAccepted", true);
  EXPECT_THROW(results.post(), db::DbError);
  results.cancel();

  // The columns it may write, it writes.
  results.first();
  results.edit();
  results.setInteger("try", 2);
  results.post();
  results.open();
  ASSERT_EQ(results.recordCount(), 1);
  EXPECT_EQ(results.asInteger("try"), 2);
  EXPECT_FALSE(results.asBoolean("LegAccepted"));
}

TEST_F(GrantTest, TheProgramsAccountReadsTourDataAndWritesOnlyResults) {
  db::Table& legs = d_.tbLegs;
  legs.open();
  EXPECT_EQ(legs.recordCount(), 6);
  legs.edit();
  legs.setInteger("MaxFuel", 99999);
  EXPECT_THROW(legs.post(), db::DbError);
  legs.cancel();
  EXPECT_THROW(legs.remove(), db::DbError);

  db::Table& track = d_.tbLegRdyFR;
  track.open();
  track.append();
  track.setInteger("LegRdyId", 5);
  track.setInteger("Alt", 3000);
  track.post();
  track.edit();
  track.setInteger("Alt", 4000);
  EXPECT_THROW(track.post(), db::DbError);  // track rows are replaced, never changed
  track.cancel();
  track.remove();

  EXPECT_THROW(d_.tbLegRdyDet.open(), db::DbError);
  d_.tbTours.open();
  d_.tbTours.edit();
  d_.tbTours.setString("tour_name", "renamed");
  EXPECT_THROW(d_.tbTours.post(), db::DbError);
}

}  // namespace
}  // namespace aerotrace::testing
