#pragma once

// The pilot's leg history: the uploaded results read back from LegRdy, their
// review status and the texts the list shows.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/records.h"
#include "monitor/history_row.h"
#include "monitor/view.h"
#include "store/store_records.h"
#include "tours/tour_data.h"
#include "tours/tour_reads.h"

namespace aerotrace {

// Review status of an uploaded leg.
enum HistoryStatus : std::int32_t {
  kStatusWaiting = 0,
  kStatusAccepted = 1,
  // Not accepted and worth nothing: a pilot reads a zero score as a rejected
  // leg, so the list shows the cross for it.
  kStatusRejected = 2,
  // In the pilot's local store, not yet on the server.
  kStatusPending = 3,
};
std::int32_t historyStatus(bool legAccepted, std::int32_t points);

// FuelUsed is stored as text; "." is the decimal separator, and a text that
// is not a number gives 0.
double fuelUsedValue(std::string_view text);

oLegRdy historyRecord(const LegRdyRow& row);
HistoryRow historyRow(const oLegRdy& leg);

// The history window's own state.
struct TfMyLegsState {
  std::int32_t historyCount = 0;  // rows of the last load; 0 while loading or after a failure
  std::vector<oLegRdy> history;
  // Beside each row: its key in the local store, 0 for a row of the server.
  std::vector<std::int64_t> storedIds;
};

// The load, once per opening of the window: the legs kept in the local store
// (`pending`) first, then the pilot's rows in the server's order, handed to
// the view. A failing database raises db::DbError; the previous rows are
// kept then, unless there are kept legs to list.
void loadHistory(TfMyLegsState& w, TfD& d, const std::string& vid, View& view,
                 const std::vector<OutboxLeg>& pending = {});

}  // namespace aerotrace
