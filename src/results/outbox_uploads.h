#pragma once

// Uploads of the legs in the pilot's local store: the report's leg, the
// legs the pilot asked for and whose upload failed (tried again without a
// word), and the legs offered at start. Each runs on the window thread
// between reader passes, as every database unit of work does.

#include <cstdint>
#include <optional>

#include "monitor/upload_outcome.h"
#include "results/report_context.h"
#include "results/result_store.h"
#include "store/store_records.h"

namespace aerotrace {

// One try of a stored leg. When an earlier try may have been committed (its
// answer lost), the server is asked first for this pilot's row of the leg
// with the same departure date, departure and arrival times and points;
// when there is one the leg counts as uploaded and nothing is written. The
// leg leaves the store only once the server holds it. Tells the view how it
// ended; raises nothing.
UploadOutcome uploadKeptLeg(ReportContext& c, OutboxLeg& leg, bool queued);

// The pilot's row that an earlier try of `result` committed, if any, with
// its key, try count and track rows. Raises db::DbError.
std::optional<StoredResult> findCommittedResult(TfD& d, const LegResult& result);

// After the tour catalogue's load at start: the legs the pilot asked for are
// tried again, then the others are offered ("Legs not uploaded: N. Upload
// now?"). From then on, retryWhenDue tries the asked ones every 5 minutes
// while no leg is active.
void afterCatalogueLoad(ReportContext& c);
void retryWhenDue(ReportContext& c);

// MY LEGS's commands on a stored leg.
void uploadStoredLeg(ReportContext& c, std::int64_t id);
void discardStoredLeg(ReportContext& c, std::int64_t id);

}  // namespace aerotrace
