#include "results/outbox_uploads.h"

#include <exception>
#include <string>
#include <vector>

#include "db/db_error.h"
#include "db/driver.h"

namespace aerotrace {
namespace {

std::vector<OutboxLeg> storedLegs(ReportContext& c) {
  std::vector<OutboxLeg> legs;
  keepWith(c.state, c.view, [&](LocalStore& store) { legs = store.outbox(); });
  return legs;
}

// The report's copy follows what happens to the same stored leg elsewhere.
void settled(ReportContext& c, std::int64_t id) {
  auto& report = c.state.keeping.reportLeg;
  if (report && report->id == id && id != 0) report.reset();
}

void retryAskedLegs(ReportContext& c) {
  for (OutboxLeg& leg : storedLegs(c)) {
    if (leg.asked) uploadKeptLeg(c, leg, true);
  }
}

std::uint32_t nowMs(ReportContext& c) { return static_cast<std::uint32_t>(c.nowMs()); }

}  // namespace

std::optional<StoredResult> findCommittedResult(TfD& d, const LegResult& r) {
  struct Closing {
    TfD& d;
    ~Closing() { d.Con.disconnect(); }
  } closing{d};
  if (!d.Con.Connected() && !d.Con.connect()) throw db::DbError("no connection with the server");
  db::Driver& db = d.Con.driver();
  const db::StatementResult found = db.run(
      "SELECT `LegRdyid`, `try` FROM `LegRdy` WHERE `legId` = ? AND `VID` = ? AND `DepDate` = ? "
      "AND `DepTime` = ? AND `ArrTime` = ? AND `Points` = ?",
      {std::int64_t{r.legId}, r.VID, db::Temporal{r.DepDate, db::Temporal::Kind::Date},
       db::Temporal{r.DepTime, db::Temporal::Kind::Time},
       db::Temporal{r.ArrTime, db::Temporal::Kind::Time}, std::int64_t{r.Points}});
  if (found.rows.empty()) return std::nullopt;
  StoredResult stored;
  stored.legRdyId = static_cast<std::int32_t>(db::toInteger(found.rows[0][0]));
  stored.tryCount = static_cast<std::int32_t>(db::toInteger(found.rows[0][1]));
  const db::StatementResult rows = db.run(
      "SELECT count(*) FROM `LegRdyFR` WHERE `LegRdyId` = ?", {std::int64_t{stored.legRdyId}});
  stored.trackRows = static_cast<std::int32_t>(db::toInteger(rows.rows.at(0).at(0)));
  return stored;
}

UploadOutcome uploadKeptLeg(ReportContext& c, OutboxLeg& leg, bool queued) {
  UploadOutcome outcome;
  outcome.queued = queued;
  const bool mayBeOnServer = leg.attempts > 0;
  // Counted before the server sees it: a crash after the commit leaves the
  // mark that sends the next try to look first.
  ++leg.attempts;
  leg.asked = true;
  if (leg.id != 0) {
    keepWith(c.state, c.view, [&](LocalStore& store) { store.noteAttempt(leg.id); });
  }
  try {
    std::optional<StoredResult> stored;
    if (mayBeOnServer) stored = findCommittedResult(c.data, leg.result);
    if (!stored) stored = storeLegResult(c.data, leg.result, leg.track, c.store);
    outcome.ok = true;
    outcome.legRdyId = stored->legRdyId;
    outcome.tryCount = stored->tryCount;
    outcome.trackRows = stored->trackRows;
  } catch (const std::exception&) {
    c.view.uploadEnded(outcome);
    return outcome;
  }
  if (leg.id != 0) {
    keepWith(c.state, c.view, [&](LocalStore& store) { store.removeFromOutbox(leg.id); });
    settled(c, leg.id);
  }
  c.view.uploadEnded(outcome);
  return outcome;
}

void afterCatalogueLoad(ReportContext& c) {
  LegKeeping& k = c.state.keeping;
  k.retriesStarted = true;
  k.lastRetryMs = nowMs(c);
  if (!k.store) return;
  retryAskedLegs(c);
  std::vector<OutboxLeg> offered;
  for (OutboxLeg& leg : storedLegs(c)) {
    if (!leg.asked) offered.push_back(std::move(leg));
  }
  if (offered.empty()) return;
  if (!c.view.confirmWarning("Legs not uploaded: " + std::to_string(offered.size()) +
                             ". Upload now?")) {
    return;
  }
  for (OutboxLeg& leg : offered) uploadKeptLeg(c, leg, true);
}

void retryWhenDue(ReportContext& c) {
  LegKeeping& k = c.state.keeping;
  if (!k.retriesStarted || !k.store || c.state.legActive) return;
  const std::uint32_t now = nowMs(c);
  if (now - k.lastRetryMs < LegKeeping::kRetryIntervalMs) return;
  k.lastRetryMs = now;
  retryAskedLegs(c);
}

void uploadStoredLeg(ReportContext& c, std::int64_t id) {
  std::optional<OutboxLeg> leg;
  keepWith(c.state, c.view, [&](LocalStore& store) { leg = store.outboxLeg(id); });
  if (leg) uploadKeptLeg(c, *leg, true);
}

void discardStoredLeg(ReportContext& c, std::int64_t id) {
  std::optional<OutboxLeg> leg;
  keepWith(c.state, c.view, [&](LocalStore& store) {
    leg = store.outboxLeg(id);
    if (leg) store.removeFromOutbox(id);
  });
  if (!leg) return;
  settled(c, id);
  c.view.legDiscarded(leg->result.legId);
}

}  // namespace aerotrace
