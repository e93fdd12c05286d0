#include "sim/reader_pass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/messages.h"
#include "standin_fixture.h"

namespace aerotrace::testing {
namespace {

using What = SimWrite::What;

class ReaderPassTest : public StandInTest {
 protected:
  explicit ReaderPassTest(const std::string& flight) : StandInTest(flight), pass_(client_) {}

  ReaderPassResult run(bool legActive = false, bool speech = true) {
    return pass_.Execute(fd_, {legActive, speech});
  }

  std::vector<What> writes() const {
    std::vector<What> out;
    for (const SimWrite& w : sim_.writes()) out.push_back(w.what);
    return out;
  }

  void queueText(const std::string& text, std::int32_t seconds) {
    std::fill(fd_.simText.begin(), fd_.simText.end() - 1, ' ');
    std::copy(text.begin(), text.end(), fd_.simText.begin());
    fd_.simTextSeconds = seconds;
    fd_.simTextPending = true;
  }

  RWFSUIPC pass_;
  FlightData fd_;
};

class ReaderPassFieldsTest : public ReaderPassTest {
 protected:
  ReaderPassFieldsTest()
      : ReaderPassTest(
            "t,lat,lon,alt,ias,gs,hdg,ground,fuel,g,qnh,jet,title,rate\n"
            "0,47.2602,11.3439,1907,0,0,265.5,1,1234.5,0,1013.25,1,Test Plane.acf,256\n"
            "10,-33.9461,-118.4085,-35,142.25,150.5,0.75,0,990,1.5,998.5,0,Other,128\n") {}
};

TEST_F(ReaderPassFieldsTest, EveryFieldIsConvertedInThirtyTwoExchanges) {
  const ReaderPassResult r = run();
  EXPECT_TRUE(r.opened);
  EXPECT_TRUE(r.spoken.empty());
  EXPECT_TRUE(fd_.simConnected);
  EXPECT_EQ(sim_.blocksServed(), 32u);
  EXPECT_EQ(transport_.sleptMilliseconds(), 100u);
  EXPECT_FALSE(client_.isOpen());
  EXPECT_EQ(transport_.liveAtoms() + transport_.liveMappings() + transport_.liveViews(), 0u);

  EXPECT_EQ(fd_.aircraftTitle, "Test Plane");
  EXPECT_NEAR(fd_.latitude, 47.2602, 1e-9);
  EXPECT_NEAR(fd_.longitude, 11.3439, 1e-9);
  EXPECT_DOUBLE_EQ(fd_.altitude, 1907);
  EXPECT_DOUBLE_EQ(fd_.ias, 0);
  EXPECT_NEAR(fd_.heading, 265.5, 1e-6);
  EXPECT_TRUE(static_cast<bool>(fd_.onGround));
  EXPECT_NEAR(fd_.fuelTotal, 1234.5, 1e-3);
  EXPECT_GT(fd_.tanks[0].capacity, 0);
  EXPECT_DOUBLE_EQ(fd_.qnh, 1013.25);
  EXPECT_TRUE(static_cast<bool>(fd_.engineIsJet));
  EXPECT_DOUBLE_EQ(fd_.simRate, 256);
  EXPECT_DOUBLE_EQ(fd_.gLoad, 0);

  sim_.setTime(10);
  run();
  EXPECT_EQ(fd_.aircraftTitle, "Other");
  EXPECT_NEAR(fd_.latitude, -33.9461, 1e-9);
  EXPECT_NEAR(fd_.longitude, -118.4085, 1e-9);
  EXPECT_DOUBLE_EQ(fd_.altitude, -35);
  EXPECT_DOUBLE_EQ(fd_.ias, 142.25);
  EXPECT_NEAR(fd_.groundSpeed, 150.5, 1e-4);
  EXPECT_NEAR(fd_.heading, 0.75, 1e-6);
  EXPECT_FALSE(static_cast<bool>(fd_.onGround));
  EXPECT_NEAR(fd_.fuelTotal, 990, 1e-3);
  EXPECT_NEAR(fd_.gLoad, 1.5, 1.0 / 624);
  EXPECT_NEAR(fd_.gMax, 1.5, 1.0 / 624);
  EXPECT_DOUBLE_EQ(fd_.qnh, 998.5);
  EXPECT_FALSE(static_cast<bool>(fd_.engineIsJet));
  EXPECT_DOUBLE_EQ(fd_.simRate, 128);  // slower rates are left alone
  EXPECT_TRUE(sim_.writes().empty());
}

class ReaderPassSlewTest : public ReaderPassTest {
 protected:
  ReaderPassSlewTest() : ReaderPassTest("t,slew\n0,1\n10,2\n20,1\n") {}
};

TEST_F(ReaderPassSlewTest, SlewIsSwitchedOffOnlyDuringALeg) {
  struct Case {
    double t;
    bool legActive;
    bool speech;
    bool written;
  };
  const Case cases[] = {
      {0, true, true, true},
      {20, true, false, true},   // silently
      {20, false, true, false},  // no leg: left alone
      {10, true, true, false},   // 2 is not slew mode
  };
  for (const Case& c : cases) {
    StandInSimulator sim(FlightFile::parse("t,slew\n0,1\n10,2\n20,1\n", "f.csv"));
    InProcessTransport transport(sim);
    IpcClient client(transport);
    RWFSUIPC pass(client);
    FlightData fd;
    sim.setTime(c.t);
    const ReaderPassResult r = pass.Execute(fd, {c.legActive, c.speech});
    const bool written = !sim.writes().empty() && sim.writes()[0].what == What::slew;
    EXPECT_EQ(written, c.written) << c.t << c.legActive << c.speech;
    EXPECT_EQ(sim.writes().size(), c.written ? 1u : 0u);
    const std::vector<std::string> said = c.written && c.speech
                                              ? std::vector<std::string>{msg::kSlewNotAllowed}
                                              : std::vector<std::string>{};
    EXPECT_EQ(r.spoken, said);
  }
}

TEST_F(ReaderPassSlewTest, TheSlewResetStandsUntilTheFlightSetsSlewAgain) {
  run(true);
  run(true);  // the simulator now reports 0: nothing to do
  EXPECT_EQ(writes(), std::vector<What>{What::slew});
  sim_.setTime(20);  // a later row gives slew mode again
  EXPECT_EQ(run(true).spoken, std::vector<std::string>{msg::kSlewNotAllowed});
  EXPECT_EQ(writes(), (std::vector<What>{What::slew, What::slew}));
}

class ReaderPassRateTest : public ReaderPassTest {
 protected:
  ReaderPassRateTest() : ReaderPassTest("t,rate\n0,512\n10,128\n") {}
};

TEST_F(ReaderPassRateTest, RateAboveNormalIsClampedWithOrWithoutALeg) {
  for (const bool leg : {true, false}) {
    StandInSimulator sim(FlightFile::parse("t,rate\n0,512\n", "f.csv"));
    InProcessTransport transport(sim);
    IpcClient client(transport);
    RWFSUIPC pass(client);
    FlightData fd;
    EXPECT_EQ(pass.Execute(fd, {leg, true}).spoken, std::vector<std::string>{msg::kSimRateTooHigh});
    EXPECT_DOUBLE_EQ(fd.simRate, 512);  // as read, until the next pass
    ASSERT_EQ(sim.writes().size(), 1u);
    EXPECT_EQ(sim.writes()[0].what, What::rate);
    EXPECT_TRUE(pass.Execute(fd, {leg, true}).spoken.empty());
    EXPECT_DOUBLE_EQ(fd.simRate, 256);
  }
}

TEST_F(ReaderPassRateTest, WithSpeechOffTheClampIsSilent) {
  EXPECT_TRUE(run(false, false).spoken.empty());
  EXPECT_EQ(writes(), std::vector<What>{What::rate});
}

class ReaderPassOutboxTest : public ReaderPassTest {
 protected:
  ReaderPassOutboxTest() : ReaderPassTest("t,sim,slew\n0,0,1\n10,1,\n") {}
};

TEST_F(ReaderPassOutboxTest, TextQueuedWhileTheSimulatorIsAbsentGoesWithTheFirstSlewRead) {
  queueText("Checkpoint one", 30);
  const ReaderPassResult absent = run(true);
  EXPECT_FALSE(absent.opened);
  EXPECT_FALSE(fd_.simConnected);
  EXPECT_TRUE(fd_.simTextPending);
  EXPECT_EQ(sim_.blocksServed(), 0u);

  std::vector<std::uint64_t> exchangeOfWrite;
  sim_.setWriteListener([&](const SimWrite&) { exchangeOfWrite.push_back(sim_.blocksServed()); });
  sim_.setTime(10);
  run(true);
  EXPECT_TRUE(fd_.simConnected);
  EXPECT_FALSE(fd_.simTextPending);
  ASSERT_EQ(writes(), (std::vector<What>{What::text, What::slew}));
  EXPECT_EQ(sim_.writes()[0].text, "Checkpoint one");
  EXPECT_EQ(sim_.writes()[0].seconds, 30);
  // Handshake, title, then the slew read carrying the text; the slew reset
  // rides on the rate read.
  EXPECT_EQ(exchangeOfWrite, (std::vector<std::uint64_t>{3, 4}));

  run(true);
  EXPECT_EQ(sim_.writes().size(), 2u);  // sent once
}

class ReaderPassAbsenceTest : public ReaderPassTest {
 protected:
  ReaderPassAbsenceTest()
      : ReaderPassTest(
            "t,sim,lat,lon,alt,ias,gs,hdg,ground,fuel,g,qnh,jet,title,rate\n"
            "0,1,47.5,11.5,5000,150,160,90,0,800,0.5,1013,1,Plane,512\n"
            "10,0,48.5,12.5,6000,250,260,180,1,500,1.0,1020,0,Gone,256\n"
            "20,1,,,,,,,,,,,,,\n") {}

  struct Fields {
    std::string title;
    double lat, lon, alt, ias, gs, hdg, fuel, gLoad, gMax, gMin, qnh, rate;
    bool ground, jet;
    bool operator==(const Fields&) const = default;
  };
  Fields fields() const {
    return {fd_.aircraftTitle,
            fd_.latitude,
            fd_.longitude,
            fd_.altitude,
            fd_.ias,
            fd_.groundSpeed,
            fd_.heading,
            fd_.fuelTotal,
            fd_.gLoad,
            fd_.gMax,
            fd_.gMin,
            fd_.qnh,
            fd_.simRate,
            static_cast<bool>(fd_.onGround),
            static_cast<bool>(fd_.engineIsJet)};
  }
};

TEST_F(ReaderPassAbsenceTest, SimulatorGoingAwayClearsOnlyTheLinkFlag) {
  run(true);
  ASSERT_TRUE(fd_.simConnected);
  const Fields before = fields();
  EXPECT_EQ(before.title, "Plane");

  sim_.setTime(10);
  EXPECT_TRUE(run(true).spoken.empty());
  EXPECT_FALSE(fd_.simConnected);
  EXPECT_EQ(fields(), before);
}

TEST_F(ReaderPassAbsenceTest, SimulatorClosingDuringAPassKeepsWhatWasNotRead) {
  run(false);
  const Fields before = fields();
  // The simulator closes during the handshake's wait.
  transport_.setSleepHook([this](std::uint32_t) { sim_.setTime(15); });
  const auto slept = transport_.sleptMilliseconds();
  const ReaderPassResult r = run(true);
  EXPECT_TRUE(r.opened);
  EXPECT_TRUE(fd_.simConnected);
  EXPECT_TRUE(r.spoken.empty());
  EXPECT_EQ(fields(), before);
  // Ten sends and their waits for each of the 31 reads.
  EXPECT_EQ(transport_.sleptMilliseconds() - slept, 100u + 31u * 1000u);
  EXPECT_FALSE(client_.isOpen());
}

}  // namespace
}  // namespace aerotrace::testing
