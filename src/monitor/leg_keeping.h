#pragma once

// What the pilot's local store keeps of the leg being flown: the journal
// written during the leg, the finished result put in the outbox before the
// report shows, and the resume of a journaled leg after a restart.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "store/local_store.h"
#include "store/store_records.h"

namespace aerotrace {

struct MonitorContext;
struct TfHState;
class View;

struct LegKeeping {
  static constexpr std::uint32_t kJournalIntervalMs = 10000;

  std::unique_ptr<LocalStore> store;  // empty when the store cannot be used
  std::string unusable;               // why, until the pilot has been told
  bool journalOpen = false;           // the leg being flown is journaled
  std::uint32_t lastJournalMs = 0;
  // A journaled leg found at start, waiting for the first simulator data.
  std::optional<JournalRecord> toResume;
  // The result the report shows, as it went to the outbox (id 0 when the
  // store could not take it).
  std::optional<OutboxLeg> reportLeg;
  // The outbox is retried after the tour catalogue's load at start, then
  // every 5 minutes while no leg is active.
  static constexpr std::uint32_t kRetryIntervalMs = 5 * 60 * 1000;
  bool retriesStarted = false;
  std::uint32_t lastRetryMs = 0;
};

// Opens the store in `folder` and takes the journal of a leg that was being
// flown. A store that cannot be used leaves the reason to tell the pilot.
void openLocalStore(TfHState& s, const std::filesystem::path& folder);

// Shows "The local store cannot be used: ..." once, if it cannot.
void tellStoreUnusable(TfHState& s, View& view);

// Runs one store write; a failure tells the pilot once and the program goes
// on without the store.
// Does nothing without a store.
void keepWith(TfHState& s, View& view, const std::function<void(LocalStore&)>& write);

// The journal of the leg just started (or resumed).
void journalLegStart(MonitorContext& m);
// After the leg steps' checkpoint and track work: writes the journal when
// something changed or the interval has passed.
void journalDuringLeg(MonitorContext& m, bool changed);
// Fuel added in flight ended the leg: its journal goes.
void journalLegAbandoned(MonitorContext& m);
// The leg end, before the report shows: a result that is not blocked goes to
// the outbox; the journal goes in the same write.
void keepFinishedLeg(MonitorContext& m, std::int32_t points, bool blocked);

// On each timer tick while a journaled leg waits: at the first tick with
// simulator data, asks to resume it when the aircraft is near where the
// journal left it and has not been refuelled, else says it cannot be resumed.
void resumeWhenSimReady(MonitorContext& m);

// Resume conditions.
inline constexpr double kResumeRadiusMiles = 5;
inline constexpr double kResumeFuelLitres = 25;

std::string resumeQuestion(const JournalRecord& j);
std::string cannotResumeMessage(const JournalRecord& j);

}  // namespace aerotrace
