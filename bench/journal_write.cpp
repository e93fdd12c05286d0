// Times the journal writes of a leg whose track holds 1,000 samples, on a
// store in a temporary folder (or FOLDER): each write is one transaction
// synced to disk, as during a flight.
//
//   journal_write [writes] [FOLDER]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "store/local_store.h"

namespace {

using namespace aerotrace;
using Clock = std::chrono::steady_clock;

JournalRecord legWith(int samples) {
  JournalRecord j;
  j.leg.Id = 1;
  j.leg.Descr = "Innsbruck - Munich";
  j.activeLegId = 1;
  for (int i = 0; i < 12; ++i) {
    oLegDet c;
    c.Descr = "Checkpoint " + std::to_string(i);
    c.Speak = c.Descr;
    c.Done = i < 6;
    c.Result = i < 6 ? "Passed." : "";
    j.checkpoints.push_back(c);
  }
  for (int i = 0; i < samples; ++i) {
    oRoute p;
    p.Latitude = 47 + i * 0.001;
    p.Longitude = 11 + i * 0.001;
    p.Alt = 10000;
    p.GrndSp = 400;
    p.Hdg = 30;
    p.QNH = "1013";
    j.track.push_back(p);
  }
  return j;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main(int argc, char** argv) {
  const int writes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
  std::filesystem::path folder;
  bool temporary = argc <= 2;
  if (temporary) {
    std::random_device rd;
    folder = std::filesystem::temp_directory_path() / ("aerotrace-bench-" + std::to_string(rd()));
  } else {
    folder = argv[2];
  }
  {
    auto store = LocalStore::open(folder);
    JournalRecord j = legWith(1000);

    auto begin = Clock::now();
    store->writeJournal(j, true);
    const double first = ms(Clock::now() - begin);

    // What the tick writes: new outcomes and one more sample (or none, at
    // the 10-second write) on a track of 1,000.
    std::vector<double> sample, periodic;
    for (int i = 0; i < writes; ++i) {
      j.track.push_back(j.track.back());
      begin = Clock::now();
      store->writeJournal(j);
      sample.push_back(ms(Clock::now() - begin));
      begin = Clock::now();
      store->writeJournal(j);
      periodic.push_back(ms(Clock::now() - begin));
    }
    // The leg end: the result and its track to the outbox, the journal gone.
    OutboxLeg leg;
    leg.result.legId = 1;
    leg.track = j.track;
    begin = Clock::now();
    store->finishLeg(leg);
    const double finish = ms(Clock::now() - begin);

    std::printf("journal write, track of %zu samples (store %s)\n", j.track.size(),
                store->path().string().c_str());
    std::printf("  first write (whole track):   %8.3f ms\n", first);
    std::printf("  with one new sample, median: %8.3f ms  (max %.3f, %d writes)\n",
                median(sample), *std::max_element(sample.begin(), sample.end()), writes);
    std::printf("  periodic, no new sample:     %8.3f ms  (max %.3f)\n", median(periodic),
                *std::max_element(periodic.begin(), periodic.end()));
    std::printf("  leg end to the outbox:       %8.3f ms\n", finish);
  }
  if (temporary) std::filesystem::remove_all(folder);
  return 0;
}
