#include "replay/leg_summary.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "core/text.h"
#include "eventlog/event_line.h"

namespace aerotrace {
namespace {

struct LegStory {
  std::int64_t legId = 0;
  double startedAt = 0;
  bool resumed = false;  // started in an earlier run, resumed in this one
  bool abandoned = false;
  std::optional<EventJson> report;  // the last one
  std::optional<EventJson> upload;  // the last attempt
};

std::string text(const EventJson& e, const char* key) {
  const auto it = e.find(key);
  return it != e.end() && it->is_string() ? it->get<std::string>() : std::string();
}

std::string seconds(double t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f s", t);
  return buf;
}

void tell(std::string& out, const LegStory& leg) {
  out += "Leg " + std::to_string(leg.legId) + (leg.resumed ? ", resumed at " : ", started at ") +
         seconds(leg.startedAt) + "\n";
  if (!leg.report) {
    out += leg.abandoned ? "  abandoned: fuel was added in flight\n"
                         : "  not ended: the flight stopped before the destination\n";
    return;
  }
  const EventJson& r = *leg.report;
  std::size_t width = 0;
  for (const auto& row : r["rows"]) width = std::max(width, text(row, "descr").size());
  for (const auto& row : r["rows"]) {
    std::string descr = text(row, "descr");
    descr.resize(width, ' ');
    out += "  " + descr + "  " + text(row, "points") + " points  " + trimmed(text(row, "result")) +
           "\n";
  }
  out += "  " + text(r, "dep") + " " + text(r, "depTime") + " to " + text(r, "arr") + " " +
         text(r, "arrTime") + " UTC, fuel used " + text(r, "fuelUsed") + " l\n";
  out += "  Points: " + text(r, "points") + "\n";
  const bool block = r.value("block", false);
  out += block ? "  Verdict: not enough points (\"Not enough points. Try again.\")\n"
               : "  Verdict: enough points; the leg can be uploaded\n";
  if (leg.abandoned) out += "  (fuel added after the report: the leg was abandoned)\n";
  if (leg.upload) {
    const EventJson& u = *leg.upload;
    out += u.value("ok", false) ? "  Uploaded: result " + std::to_string(u.value("legRdyId", 0)) +
                                      ", try " + std::to_string(u.value("try", 0)) + ", " +
                                      std::to_string(u.value("trackRows", 0)) + " track samples\n"
                                : std::string("  Upload failed\n");
  }
}

}  // namespace

std::string legSummary(const std::vector<std::string>& lines) {
  std::vector<LegStory> legs;
  for (const std::string& line : lines) {
    const EventJson e = EventJson::parse(line, nullptr, false);
    if (!e.is_object()) continue;
    const std::string event = text(e, "event");
    if (event == "start" || event == "resume") {
      legs.push_back({e.value("leg", std::int64_t{0}), e.value("t", 0.0), event == "resume", false,
                      std::nullopt, std::nullopt});
    } else if (legs.empty()) {
      continue;
    } else if (event == "abandon") {
      legs.back().abandoned = true;
    } else if (event == "report") {
      legs.back().report = e;
    } else if (event == "upload") {
      legs.back().upload = e;
    }
  }
  if (legs.empty()) return "No leg was started.\n";
  std::string out;
  for (const LegStory& leg : legs) tell(out, leg);
  return out;
}

}  // namespace aerotrace
