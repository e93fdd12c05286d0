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
  return {leg, formatYearMonthDay(leg.DepDate), formatHourMinute(leg.DepTime),
          formatHourMinute(leg.ArrTime), formatFixed(leg.FuelUsed, 1) + " Ltr."};
}

void loadHistory(TfMyLegsState& w, TfD& d, const std::string& vid, View& view) {
  w.historyCount = 0;
  const std::vector<LegRdyRow> rows = readLegHistory(d, vid);
  std::vector<oLegRdy> history;
  history.reserve(rows.size());
  for (const LegRdyRow& r : rows) history.push_back(historyRecord(r));
  w.history = std::move(history);
  w.historyCount = static_cast<std::int32_t>(w.history.size());

  std::vector<HistoryRow> shown;
  shown.reserve(w.history.size());
  for (const oLegRdy& e : w.history) shown.push_back(historyRow(e));
  view.showHistory(shown);
}

}  // namespace aerotrace
