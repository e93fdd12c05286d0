#include "results/leg_history.h"

#include <charconv>
#include <cmath>

#include "core/date_text.h"
#include "core/number_text.h"
#include "core/text.h"

namespace aerotrace {

std::int32_t historyStatus(bool legAccepted, std::int32_t points) {
  if (legAccepted) return kStatusAccepted;
  if (points == 0) return kStatusRejected;
  return kStatusWaiting;
}

double fuelUsedValue(std::string_view text) {
  const std::string t = trimmed(text);
  std::string_view number = t;
  if (!number.empty() && number.front() == '+') {
    number.remove_prefix(1);
    if (!number.empty() && number.front() == '-') return 0;
  }
  double value = 0;
  const char* end = number.data() + number.size();
  const auto [ptr, ec] = std::from_chars(number.data(), end, value, std::chars_format::general);
  if (number.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) return 0;
  return value;
}

oLegRdy historyRecord(const LegRdyRow& row) {
  oLegRdy e;
  e.LegId = row.legId;
  e.Descr = row.Descr;
  e.Points = row.Points;
  e.MaxPoints = row.MaxPoints;
  e.Dep = row.Dep;
  e.Dest = row.Dest;
  e.Route = row.Route;
  e.DepDate = row.DepDate;
  e.DepTime = row.DepTime;
  e.ArrTime = row.ArrTime;
  e.Status = historyStatus(row.LegAccepted, row.Points);
  e.AirPlane = row.AirPlane;
  e.FuelUsed = fuelUsedValue(row.FuelUsed);
  return e;
}

HistoryRow historyRow(const oLegRdy& leg) {
  HistoryRow row;
  row.leg = leg;
  row.date = formatYearMonthDay(leg.DepDate);
  row.depTime = formatHourMinute(leg.DepTime);
  row.arrTime = formatHourMinute(leg.ArrTime);
  row.fuel = formatFixed(leg.FuelUsed, 1) + " Ltr.";
  return row;
}

oLegRdy pendingRecord(const OutboxLeg& stored) {
  const LegResult& r = stored.result;
  oLegRdy e;
  e.LegId = r.legId;
  e.Descr = r.Descr;
  e.Points = r.Points;
  e.MaxPoints = r.MaxPoints;
  e.Dep = r.Dep;
  e.Dest = r.Dest;
  e.Route = r.Route;
  e.DepDate = r.DepDate;
  e.DepTime = r.DepTime;
  e.ArrTime = r.ArrTime;
  e.Status = kStatusPending;
  e.AirPlane = r.AirPlane;
  e.FuelUsed = fuelUsedValue(r.FuelUsed);
  return e;
}

void loadHistory(TfMyLegsState& w, TfD& d, const std::string& vid, View& view,
                 const std::vector<OutboxLeg>& pending) {
  w.historyCount = 0;
  std::vector<oLegRdy> history;
  std::vector<std::int64_t> storedIds;
  for (const OutboxLeg& leg : pending) {
    history.push_back(pendingRecord(leg));
    storedIds.push_back(leg.id);
  }
  const auto show = [&] {
    w.history = history;
    w.storedIds = storedIds;
    w.historyCount = static_cast<std::int32_t>(w.history.size());
    std::vector<HistoryRow> shown;
    shown.reserve(w.history.size());
    for (std::size_t i = 0; i < w.history.size(); ++i) {
      shown.push_back(historyRow(w.history[i]));
      shown.back().pending = w.storedIds[i] != 0;
      shown.back().storedId = w.storedIds[i];
    }
    view.showHistory(shown);
  };
  std::vector<LegRdyRow> rows;
  try {
    rows = readLegHistory(d, vid);
  } catch (...) {
    // The legs kept here are listed even when the server cannot be reached.
    if (!pending.empty()) show();
    throw;
  }
  for (const LegRdyRow& r : rows) {
    history.push_back(historyRecord(r));
    storedIds.push_back(0);
  }
  show();
}

}  // namespace aerotrace
