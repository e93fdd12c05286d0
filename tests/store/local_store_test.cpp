#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "db/sqlite_file.h"
#include "file_text.h"
#include "temp_folder.h"
#include "store/local_store.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace aerotrace::testing {
namespace {

namespace fs = std::filesystem;


oRoute sample(int i) {
  oRoute p;
  p.Latitude = 47.26 + i * 0.01;
  p.Longitude = 11.34 + i * 0.013;
  p.Alt = 3000 + i;
  p.GrndSp = 180;
  p.Hdg = 45;
  p.QNH = "1013";
  return p;
}

JournalRecord journal(int samples) {
  JournalRecord j;
  j.leg.Id = 71;
  j.leg.Descr = "Alfa - Bravo";
  j.leg.Dest = "BRAV";
  j.leg.TourName = "Test Hops";
  j.leg.TourLink = "https://tours.example.org/it's";
  j.activeLegId = 71;
  oLegDet hold;
  hold.Descr = "Hold at Mike";
  hold.Latitude = 10.0;
  hold.Longitude = 10.25;
  hold.WaitMin = 1;
  hold.CheckPoint = true;
  hold.Done = true;
  hold.Ok = true;
  hold.Result = "Passed.";
  oLegDet land;
  land.Descr = "Welcome to Bravo";
  land.MustLand = true;
  j.checkpoints = {hold, land};
  j.lastCheckpoint = 0;
  j.waitTimer = {true, 46023.5, "1 min."};
  j.depDate = 46023.500011574;
  j.depTime = 46023.500023148;
  j.fuelAtStart = 600.25;
  j.gMax = 0.3;
  j.gMin = -0.125;
  j.touchdownCaptured = false;
  j.airportIcao = "";
  for (int i = 0; i < samples; ++i) j.track.push_back(sample(i));
  j.latitude = 10.0;
  j.longitude = 10.3;
  j.lastFuel = 590.5;
  j.writtenAt = 46023.51;
  return j;
}

void expectSameJournal(const JournalRecord& a, const JournalRecord& b) {
  EXPECT_EQ(a.leg.Id, b.leg.Id);
  EXPECT_EQ(a.leg.TourLink, b.leg.TourLink);
  EXPECT_EQ(a.leg.Dest, b.leg.Dest);
  ASSERT_EQ(a.checkpoints.size(), b.checkpoints.size());
  for (std::size_t i = 0; i < a.checkpoints.size(); ++i) {
    EXPECT_EQ(a.checkpoints[i].Descr, b.checkpoints[i].Descr);
    EXPECT_EQ(a.checkpoints[i].Done, b.checkpoints[i].Done);
    EXPECT_EQ(a.checkpoints[i].Ok, b.checkpoints[i].Ok);
    EXPECT_EQ(a.checkpoints[i].MustLand, b.checkpoints[i].MustLand);
    EXPECT_EQ(a.checkpoints[i].Result, b.checkpoints[i].Result);
    EXPECT_EQ(a.checkpoints[i].WaitMin, b.checkpoints[i].WaitMin);
  }
  EXPECT_EQ(a.lastCheckpoint, b.lastCheckpoint);
  EXPECT_EQ(a.waitTimer.Active, b.waitTimer.Active);
  EXPECT_EQ(a.waitTimer.Start, b.waitTimer.Start);
  EXPECT_EQ(a.waitTimer.Text, b.waitTimer.Text);
  // Day counts come back bit for bit: the upload writes what was taken.
  EXPECT_EQ(a.depDate, b.depDate);
  EXPECT_EQ(a.depTime, b.depTime);
  EXPECT_EQ(a.fuelAtStart, b.fuelAtStart);
  EXPECT_EQ(a.gMin, b.gMin);
  EXPECT_EQ(a.lastFuel, b.lastFuel);
  ASSERT_EQ(a.track.size(), b.track.size());
  for (std::size_t i = 0; i < a.track.size(); ++i) {
    EXPECT_EQ(a.track[i].Latitude, b.track[i].Latitude);
    EXPECT_EQ(a.track[i].Alt, b.track[i].Alt);
    EXPECT_EQ(a.track[i].QNH, b.track[i].QNH);
  }
}

OutboxLeg finished(int legId, int samples) {
  OutboxLeg o;
  o.result.legId = legId;
  o.result.VID = "123456";
  o.result.Descr = "Alfa - Bravo";
  o.result.Points = 20;
  o.result.DepDate = 46023.500011574;
  o.result.DepTime = 46023.500023148;
  o.result.ArrTime = 46023.5625;
  o.result.GForceMax = "0.300";
  o.result.FuelUsed = "13.0";
  o.result.AirPlane = "Test Pla";
  o.tourName = "Test Hops";
  for (int i = 0; i < samples; ++i) o.track.push_back(sample(i));
  return o;
}

TEST(LocalStoreTest, JournalComesBackAsWrittenAcrossReopens) {
  TempFolder dir;
  JournalRecord j = journal(3);
  {
    auto store = LocalStore::open(dir.path() / "nested" / "folder");
    EXPECT_FALSE(store->readJournal());
    store->writeJournal(j, true);
    // Later writes add samples and change outcomes; the first samples stay.
    j.track.push_back(sample(3));
    j.checkpoints[1].Done = true;
    j.checkpoints[1].Result = "Passed.";
    store->writeJournal(j);
  }
  auto store = LocalStore::open(dir.path() / "nested" / "folder");
  auto back = store->readJournal();
  ASSERT_TRUE(back);
  expectSameJournal(*back, j);

  // A new leg's first write replaces the old track, even a longer one.
  JournalRecord next = journal(1);
  next.leg.Id = 72;
  store->writeJournal(next, true);
  back = store->readJournal();
  ASSERT_TRUE(back);
  expectSameJournal(*back, next);

  store->removeJournal();
  EXPECT_FALSE(store->readJournal());
}

TEST(LocalStoreTest, FinishedLegMovesFromJournalToOutboxUntilRemoved) {
  TempFolder dir;
  auto store = LocalStore::open(dir.path());
  store->writeJournal(journal(2), true);
  const std::int64_t first = store->finishLeg(finished(71, 2));
  EXPECT_FALSE(store->readJournal());

  // A second leg end with the report open supersedes the first result.
  OutboxLeg again = finished(71, 3);
  again.result.ArrTime = 46023.6;
  const std::int64_t second = store->finishLeg(again, first);
  const std::int64_t other = store->finishLeg(finished(72, 0));

  auto legs = store->outbox();
  ASSERT_EQ(legs.size(), 2u);
  EXPECT_EQ(legs[0].id, second);
  EXPECT_EQ(legs[0].result.ArrTime, 46023.6);
  EXPECT_EQ(legs[0].result.DepTime, 46023.500023148);
  EXPECT_EQ(legs[0].result.GForceMax, "0.300");
  EXPECT_EQ(legs[0].track.size(), 3u);
  EXPECT_FALSE(legs[0].asked);
  EXPECT_EQ(legs[1].id, other);
  EXPECT_TRUE(legs[1].track.empty());

  store->noteAttempt(second);
  store->noteAttempt(second);
  auto leg = store->outboxLeg(second);
  ASSERT_TRUE(leg);
  EXPECT_TRUE(leg->asked);
  EXPECT_EQ(leg->attempts, 2);
  store->markAsked(other);
  EXPECT_TRUE(store->outboxLeg(other)->asked);

  store->removeFromOutbox(second);
  EXPECT_FALSE(store->outboxLeg(second));
  ASSERT_EQ(store->outbox().size(), 1u);
  EXPECT_EQ(store->outbox()[0].id, other);
}

TEST(LocalStoreTest, RefusesFilesItCannotUseAndLeavesThemAlone) {
  struct Case {
    const char* name;
    void (*make)(const fs::path& file);
    const char* reason;
  };
  const Case cases[] = {
      {"text file",
       [](const fs::path& f) { std::ofstream(f, std::ios::binary) << "flight notes\n" << std::string(5000, 'x'); },
       "is not a database"},
      {"another program's database",
       [](const fs::path& f) {
         auto db = db::openOwnSqliteFile(f.string());
         db->run("CREATE TABLE notes (x)", {});
         db->run("INSERT INTO notes VALUES (1)", {});
       },
       "is a database of another program"},
      {"newer store",
       [](const fs::path& f) {
         { LocalStore::open(f.parent_path())->writeJournal(journal(1), true); }
         auto db = db::openOwnSqliteFile(f.string());
         db->run("PRAGMA user_version = 2", {});
       },
       "was written by a newer version of Aerotrace"},
  };
  for (const Case& c : cases) {
    TempFolder dir;
    fs::create_directories(dir.path());
    const fs::path file = dir.path() / LocalStore::kFileName;
    c.make(file);
    const std::string before = fileText(file);
    try {
      LocalStore::open(dir.path());
      ADD_FAILURE() << c.name << ": opened";
    } catch (const StoreUnusable& e) {
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << c.name << ": " << e.what();
      EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << c.name;
    }
    EXPECT_EQ(fileText(file), before) << c.name;
  }
}

TEST(LocalStoreTest, ASecondOpenWaitsForNothingAndIsRefused) {
  TempFolder dir;
  auto first = LocalStore::open(dir.path());
  first->writeJournal(journal(2), true);
  try {
    LocalStore::open(dir.path());
    ADD_FAILURE() << "a second copy opened the store";
  } catch (const StoreUnusable& e) {
    EXPECT_NE(std::string(e.what()).find("in use by another copy of Aerotrace"), std::string::npos)
        << e.what();
  }
  // The first copy goes on writing; once it has gone, the store opens.
  first->finishLeg(finished(71, 2));
  first.reset();
  auto again = LocalStore::open(dir.path());
  EXPECT_EQ(again->outbox().size(), 1u);
}

#ifndef _WIN32
// A process that dies right after a write loses nothing that was committed,
// and holds the file only while it lives.
TEST(LocalStoreTest, ACommittedWriteSurvivesAKilledProcess) {
  TempFolder dir;
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The child never returns into the test runner.
    try {
      close(ready[0]);
      auto store = LocalStore::open(dir.path());
      store->writeJournal(journal(40), true);
      store->finishLeg(finished(71, 40));
      store->writeJournal(journal(5), true);
      const char byte = 1;
      (void)!write(ready[1], &byte, 1);
      pause();  // killed here, with the file open
    } catch (...) {
    }
    _exit(1);
  }
  close(ready[1]);
  char byte = 0;
  const bool childReady = read(ready[0], &byte, 1) == 1;
  if (!childReady) kill(child, SIGKILL);
  ASSERT_TRUE(childReady);
  EXPECT_THROW(LocalStore::open(dir.path()), StoreUnusable);  // held by the child
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  close(ready[0]);

  auto store = LocalStore::open(dir.path());
  auto back = store->readJournal();
  ASSERT_TRUE(back);
  EXPECT_EQ(back->track.size(), 5u);
  auto legs = store->outbox();
  ASSERT_EQ(legs.size(), 1u);
  EXPECT_EQ(legs[0].track.size(), 40u);
}
#endif

}  // namespace
}  // namespace aerotrace::testing
