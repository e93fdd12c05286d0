#pragma once

// The pilot's local store: one SQLite file in the pilot's data folder that
// holds the active leg's journal and the outbox of finished legs, so that a
// crash, a closed program or a server that is down never loses a flown leg.
// Every write is one transaction, synced to disk before it returns. The file
// is held exclusively while the store is open.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "db/driver.h"
#include "store/store_records.h"

namespace aerotrace {

// The store cannot be used; the text says why, in words for the pilot.
class StoreUnusable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class LocalStore {
 public:
  static constexpr const char* kFileName = "store.sqlite";
  static constexpr std::int32_t kSchemaVersion = 1;

  // Opens the store in `folder`, making the folder and the file when they
  // are missing. Refuses (StoreUnusable) a file that is not a database, not
  // this program's, from a newer version, or held by another copy of the
  // program; such a file is left exactly as it was.
  static std::unique_ptr<LocalStore> open(const std::filesystem::path& folder);

  ~LocalStore();
  LocalStore(const LocalStore&) = delete;
  LocalStore& operator=(const LocalStore&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // The journal. A write with `fresh` replaces a journal of an earlier leg;
  // otherwise the track samples already stored are kept and only the new
  // ones are added.
  void writeJournal(const JournalRecord& journal, bool fresh = false);
  std::optional<JournalRecord> readJournal();
  void removeJournal();

  // The leg has ended: its result goes to the outbox and the journal goes,
  // in one transaction. `replacing` names an outbox leg of the same flight
  // that this result supersedes (a second leg end with the report open).
  // Returns the new outbox key.
  std::int64_t finishLeg(const OutboxLeg& leg, std::int64_t replacing = 0);
  // The leg ended without a result to keep (added fuel, below the minimum).
  void endLegWithoutResult() { removeJournal(); }

  // Oldest first.
  std::vector<OutboxLeg> outbox();
  std::optional<OutboxLeg> outboxLeg(std::int64_t id);
  // Before each try: counts it, and notes that the pilot asked for it.
  void noteAttempt(std::int64_t id);
  void markAsked(std::int64_t id);
  // The server holds it, or the pilot discarded it.
  void removeFromOutbox(std::int64_t id);

 private:
  LocalStore(std::filesystem::path path, std::unique_ptr<db::Driver> driver);
  template <class Work>
  void inTransaction(Work&& work);

  std::filesystem::path path_;
  std::unique_ptr<db::Driver> db_;
  // Track samples of the journal known to be stored; -1 when unknown.
  std::int64_t journalTrackRows_ = -1;
};

}  // namespace aerotrace
