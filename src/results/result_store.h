#pragma once

// The upload's unit of work: the result row in LegRdy and the flight track in
// LegRdyFR, written in one transaction. Either both are stored or, whatever
// fails (no server, a refused statement, a connection cut half-way), the
// database stays as it was, so a later attempt counts only real uploads.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/records.h"
#include "results/leg_result.h"
#include "tours/tour_data.h"

namespace aerotrace {

struct StoredResult {
  std::int32_t legRdyId = 0;
  std::int32_t tryCount = 0;
  std::int32_t trackRows = 0;
};

struct StoreOptions {
  // Track rows per INSERT. One statement holds any realistic track (a sample
  // at most every three minutes); both servers take far more parameters than
  // 1000 rows of ten columns.
  std::size_t trackBatchRows = 1000;
  // Called after each batch of track rows went in, with the rows stored so
  // far; lets the tests cut the connection half-way.
  std::function<void(std::size_t)> afterTrackBatch;
};

// The try counter: one stored row of this pilot and leg makes it that row's
// try plus one and overwrites the row; none or several make it 1 and append
// a row. LegAccepted is never written. Connects unless connected and closes
// the tables and the connection however it ends. Raises db::DbError.
StoredResult storeLegResult(TfD& d, const LegResult& result, const std::vector<oRoute>& track,
                            const StoreOptions& options = {});

}  // namespace aerotrace
